// Times tabrix apply on the scripts of the large demo table (tabrix demo-db --large-table) and
// sqlite3 reading `sqlite3 DB .dump TABLE` of the same rows, each in a process of its own:
//
//   bench_apply [--rows N] [--commit-rows N]
//   bench_apply --server TEXT [--statements N]
//
// Prints seconds and rows per second for: the data script in one transaction (the default), the
// script made with --batch 1000 in one transaction, the same with --no-transaction (a commit per
// batch), and sqlite3 < dump.sql. Without batches, --no-transaction commits every insert, which
// costs a write to the disk per row; it is timed on a table of --commit-rows rows (default
// 10,000) beside the same table with batches.
//
// With --server (a SQL Server connection text, such as TABRIX_TEST_MSSQL's) it times, on a database of its own on that server, tabrix apply --connection
// of N single-row inserts (default 50,000) beside FreeTDS's tsql sending each of the same
// statements as its own batch (each followed by "go"), and tsql sending them 1,000 to a batch in
// one transaction (what the server itself takes to run them), and the same rows 100 to an insert,
// an insert a batch (the server's own time for the rows as tabrix apply joins them), and prints
// them all, the ratio and the rows each left in its table.
#include "ChildProcess.h"
#include "DemoDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QStringList>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Runs argv in folder, standard input from inPath and standard output to outPath when given;
// the seconds it took, or a negative number when it failed.
double Run(const std::vector<std::string>& argv, const std::string& folder, const std::string& inPath = {},
           const std::string& outPath = {})
{
    const bench::ChildRun run =
        bench::Run({.argv = argv, .folder = folder, .in = inPath, .out = outPath.empty() ? "/dev/null" : outPath});
    return run.ok ? run.seconds : -1;
}

// The large table of rows rows in folder/name.db, and its scripts made by tabrix export
// (name.s.sql, name.d.sql, and name.b.sql with batches of 1000) and sqlite3 (name.dump.sql).
bool MakeScripts(const QString& folder, const std::string& name, qint64 rows)
{
    const std::string base = folder.toStdString() + "/" + name;
    try {
        demo::AddLargeTable(QString::fromStdString(base + ".db"), rows);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return false;
    }
    QFile templ(QString::fromStdString(base + ".xml"));
    if (!templ.open(QIODevice::WriteOnly))
        return false;
    templ.write(("<t><s name=\"bench\" constr=\"Provider=SQLite;Data Source=" + name +
                 ".db\"><d name=\"d\"><t name=\"t_LargeTable\"/></d></s></t>")
                    .c_str());
    templ.close();
    const std::string dir = folder.toStdString();
    return Run({TABRIX_PROGRAM, "export", name + ".xml", "--struct", name + ".s.sql", "--data", name + ".d.sql"}, dir) >= 0 &&
           Run({TABRIX_PROGRAM, "export", name + ".xml", "--data", name + ".b.sql", "--batch", "1000"}, dir) >= 0 &&
           Run({"sqlite3", name + ".db", ".dump t_LargeTable"}, dir, {}, base + ".dump.sql") >= 0;
}

void Report(const char* what, qint64 rows, double seconds, double peer)
{
    if (seconds < 0)
        return;
    std::printf("%-58s %10lld %9.2f %12.0f", what, static_cast<long long>(rows), seconds, rows / seconds);
    if (peer > 0)
        std::printf(" %8.2f", seconds / peer);
    std::printf("\n");
    std::fflush(stdout);
}

// The keys of a connection text, by their lower-case names.
QMap<QString, QString> ConnectionKeys(const QString& text)
{
    QMap<QString, QString> keys;
    for (const QString& part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        if (equals > 0)
            keys.insert(part.left(equals).trimmed().toLower(), part.mid(equals + 1).trimmed());
    }
    return keys;
}

// The first line of a query's rows (after its heading) as tabrix query prints it.
std::string QueryValue(const std::string& connection, const std::string& sql, const std::string& dir)
{
    const std::string out = dir + "/query.out";
    if (Run({TABRIX_PROGRAM, "query", "--connection", connection, sql}, dir, {}, out) < 0)
        return "?";
    QFile file(QString::fromStdString(out));
    if (!file.open(QIODevice::ReadOnly))
        return "?";
    const QList<QByteArray> lines = file.readAll().split('\n');
    return lines.size() > 1 ? lines[1].trimmed().toStdString() : "?";
}

int ServerBench(const QString& server, long statements)
{
    const QMap<QString, QString> keys = ConnectionKeys(server);
    const QString source = keys.value(QStringLiteral("data source"));
    const QString host = source.section(QLatin1Char(','), 0, 0);
    const QString port = source.contains(QLatin1Char(',')) ? source.section(QLatin1Char(','), 1) : QStringLiteral("1433");
    const QString user = keys.value(QStringLiteral("user id"), keys.value(QStringLiteral("uid")));
    const QString password = keys.value(QStringLiteral("password"), keys.value(QStringLiteral("pwd")));
    QTemporaryDir temporary;
    const std::string dir = temporary.path().toStdString();
    const std::string database = "bench_apply_" + std::to_string(::getpid());
    QString inDatabase = server;
    inDatabase.replace(QRegularExpression(QStringLiteral("(^|;)\\s*(Initial Catalog|Database)\\s*=[^;]*"),
                                          QRegularExpression::CaseInsensitiveOption),
                       QString());
    inDatabase += QStringLiteral(";Initial Catalog=") + QString::fromStdString(database);
    const std::string target = inDatabase.toStdString();

    // The same rows for all, each into a table of its own: an insert a row, or `rows` rows an
    // insert (joined as tabrix apply joins them); go after every `every` inserts; with a
    // transaction around it all when batched.
    const auto script = [&](const std::string& table, long every, long rows = 1) {
        std::string text;
        text.reserve(static_cast<size_t>(statements) * 120);
        if (every > 1 || rows > 1)
            text += "begin transaction\r\ngo\r\n";
        for (long i = 1; i <= statements; ++i) {
            const bool first = (i - 1) % rows == 0, last = i % rows == 0 || i == statements;
            text += first ? "insert into " + table + "(FID, FNumber, FName, FQty) values (" : std::string(",\n(");
            text += std::to_string(i) + ", '" + std::to_string(100000 + i) + "', N'物料 " + std::to_string(i) + "', " +
                    std::to_string(i % 997) + ".25)";
            if (!last)
                continue;
            text += "\r\n";
            const long inserts = (i + rows - 1) / rows;
            if (every > 0 && (inserts % every == 0 || i == statements))
                text += "go\r\n";
        }
        if (every > 1 || rows > 1)
            text += "commit\r\ngo\r\n";
        return text;
    };
    const auto writeFile = [&](const std::string& name, const std::string& text) {
        QFile file(QString::fromStdString(dir + "/" + name));
        return file.open(QIODevice::WriteOnly) && file.write(text.data(), static_cast<qint64>(text.size())) ==
                                                      static_cast<qint64>(text.size());
    };
    const std::string columns = "(FID int not null primary key, FNumber varchar(20) not null, FName nvarchar(40) null, "
                                "FQty decimal(18,4) null)";
    if (!writeFile("tabrix.sql", script("t_tabrix", 0)) || !writeFile("tsql.sql", script("t_tsql", 1)) ||
        !writeFile("tsql_batched.sql", script("t_tsql_batched", 1000)) ||
        !writeFile("tsql_joined.sql", script("t_tsql_joined", 1, 100)))
        return 2;
    if (Run({TABRIX_PROGRAM, "query", "--write", "--connection", server.toStdString(), "create database " + database}, dir) < 0)
        return 2;
    int status = 0;
    if (Run({TABRIX_PROGRAM, "query", "--write", "--connection", target,
             "create table t_tabrix" + columns + "; create table t_tsql" + columns + "; create table t_tsql_batched" +
                 columns + "; create table t_tsql_joined" + columns},
            dir) < 0) {
        status = 2;
    } else {
        std::printf("%-58s %10s %9s %12s %8s\n", "run", "rows", "seconds", "rows/s", "/tsql");
        const double peer = Run({"tsql", "-S", host.toStdString(), "-p", port.toStdString(), "-U", user.toStdString(),
                                 "-P", password.toStdString(), "-D", database},
                                dir, dir + "/tsql.sql");
        Report("tsql, each statement its own batch (go)", statements, peer, peer);
        const double ours = Run({TABRIX_PROGRAM, "apply", "--connection", target, "tabrix.sql"}, dir);
        Report("tabrix apply --connection (one transaction, batches)", statements, ours, peer);
        // The server's own floor for batching: the same statements sent by tsql 1,000 to a batch
        // in one transaction, as no client can send them faster than the server runs them.
        const double floor = Run({"tsql", "-S", host.toStdString(), "-p", port.toStdString(), "-U", user.toStdString(),
                                  "-P", password.toStdString(), "-D", database},
                                 dir, dir + "/tsql_batched.sql");
        Report("tsql, 1,000 statements a batch in one transaction", statements, floor, peer);
        // The server's floor for the rows joined as tabrix apply joins them.
        const double joined = Run({"tsql", "-S", host.toStdString(), "-p", port.toStdString(), "-U", user.toStdString(),
                                   "-P", password.toStdString(), "-D", database},
                                  dir, dir + "/tsql_joined.sql");
        Report("tsql, 100 rows an insert, an insert a batch", statements, joined, peer);
        if (ours > 0 && peer > 0)
            std::printf("tabrix apply is %.1f times as fast as tsql\n", peer / ours);
        std::printf("rows in the tables: tsql %s, tabrix apply %s, tsql batched %s, tsql joined %s\n",
                    QueryValue(target, "select count(*) as n from t_tsql", dir).c_str(),
                    QueryValue(target, "select count(*) as n from t_tabrix", dir).c_str(),
                    QueryValue(target, "select count(*) as n from t_tsql_batched", dir).c_str(),
                    QueryValue(target, "select count(*) as n from t_tsql_joined", dir).c_str());
    }
    Run({TABRIX_PROGRAM, "query", "--write", "--connection", server.toStdString(), "drop database " + database}, dir);
    return status;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qint64 rows = 1000000, commitRows = 10000;
    long statements = 50000;
    const QStringList args = app.arguments();
    QString server;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rows") && i + 1 < args.size())
            rows = args[++i].toLongLong();
        else if (args[i] == QLatin1String("--commit-rows") && i + 1 < args.size())
            commitRows = args[++i].toLongLong();
        else if (args[i] == QLatin1String("--server") && i + 1 < args.size())
            server = args[++i];
        else if (args[i] == QLatin1String("--statements") && i + 1 < args.size())
            statements = args[++i].toLong();
        else {
            std::fprintf(stderr, "usage: bench_apply [--rows N] [--commit-rows N] | --server TEXT [--statements N]\n");
            return 1;
        }
    }
    if (!server.isEmpty())
        return ServerBench(server, statements);
    QTemporaryDir temporary;
    const std::string dir = temporary.path().toStdString();
    if (!MakeScripts(temporary.path(), "large", rows) || !MakeScripts(temporary.path(), "small", commitRows))
        return 2;

    const auto apply = [&](const std::string& target, std::vector<std::string> options, const std::string& data,
                           const std::string& prefix) {
        std::vector<std::string> argv = {TABRIX_PROGRAM, "apply", "--db", target, "--create"};
        argv.insert(argv.end(), options.begin(), options.end());
        argv.push_back(prefix + ".s.sql");
        argv.push_back(data);
        return Run(argv, dir);
    };
    std::printf("%-58s %10s %9s %12s %8s\n", "run", "rows", "seconds", "rows/s", "/sqlite3");
    const double peer = Run({"sqlite3", "peer.db"}, dir, dir + "/large.dump.sql");
    Report("sqlite3 FILE < dump.sql", rows, peer, peer);
    Report("tabrix apply (one transaction)", rows, apply("a.db", {}, "large.d.sql", "large"), peer);
    Report("tabrix apply, script with --batch 1000 (one transaction)", rows, apply("b.db", {}, "large.b.sql", "large"), peer);
    Report("tabrix apply --no-transaction, script with --batch 1000", rows,
           apply("c.db", {"--no-transaction"}, "large.b.sql", "large"), peer);
    Report("tabrix apply --no-transaction, script with --batch 1000", commitRows,
           apply("d.db", {"--no-transaction"}, "small.b.sql", "small"), 0);
    Report("tabrix apply --no-transaction, script without batches", commitRows,
           apply("e.db", {"--no-transaction"}, "small.d.sql", "small"), 0);
    return 0;
}
