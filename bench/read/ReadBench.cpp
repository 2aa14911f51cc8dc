// Reading rows from a real SQL Server engine: `tabrix query --connection … "select * from T" > file`
// side by side with FreeTDS's `freebcp DB.dbo.T out file -c` on the same table, in one run:
//
//   bench_read [--rows N] [--turns N] [--connection TEXT]
//
// The server is the one --connection names (default: TABRIX_TEST_MSSQL, for example Babelfish
// started by ../shared/babelfish/start.sh). The bench makes a database of its own, fills a table
// shaped like the demo's large table (tabrix demo-db --large-table) with --rows rows (default
// 1,000,000) on the server itself, then takes --turns turns (default 3), each running both
// readers one after the other in alternating order, so that a busy machine slows both alike. It
// prints every run's seconds and client processor time, each reader's best, and their ratio;
// the database is dropped at the end. Both outputs are checked to hold every row.
//
// freebcp reads the whole table (`out`) rather than a query (`queryout`): for a query it asks for
// the columns with SET FMTONLY ON, which Babelfish does not honour, and freebcp 1.3 then loops on
// the rows that come back instead of the column list.
#include "ChildProcess.h"
#include "Connection.h"
#include "OdbcConnectionText.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Runs argv with standard output to outPath and standard error to errPath, shown when it failed
// (freebcp writes the server's informational messages there).
bench::ChildRun Run(const std::vector<std::string>& argv, const std::string& outPath, const std::string& errPath)
{
    return bench::Run({.argv = argv, .out = outPath, .err = errPath});
}

long long Lines(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::count(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>(), '\n');
}

std::string Value(const ado::odbc::Pairs& pairs, std::initializer_list<const char*> keys)
{
    for (const auto& [key, value] : pairs)
        for (const char* wanted : keys)
            if (QString::fromStdString(key).compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0)
                return value;
    return {};
}

// The connection text with its database replaced by database.
std::string WithDatabase(const ado::odbc::Pairs& pairs, const std::string& database)
{
    std::string text;
    for (const auto& [key, value] : pairs) {
        const QString name = QString::fromStdString(key);
        const bool catalogue = name.compare(QLatin1String("Initial Catalog"), Qt::CaseInsensitive) == 0 ||
                               name.compare(QLatin1String("Database"), Qt::CaseInsensitive) == 0;
        if (!catalogue)
            text += key + "=" + value + ";";
    }
    return text + "Initial Catalog=" + database;
}

// The demo's large table (data/LargeTable.cpp) in T-SQL, filled by the server from a cross join
// of as many digit tables as rows needs: the same values row for row.
std::string FillSql(long long rows)
{
    std::string number = "1 + d0.i", join = "d d0";
    for (long long covered = 10, k = 1; covered < rows; covered *= 10, ++k) {
        number += " + " + std::to_string(covered) + "*d" + std::to_string(k) + ".i";
        join += " cross join d d" + std::to_string(k);
    }
    return "create table t_LargeTable (FID int not null, FNumber varchar(30) not null, "
           "FName nvarchar(80) not null default (''), FQty decimal(18,4) not null default (0), FAmount decimal(28,10) null, "
           "FDate datetime not null, FNote nvarchar(255) null, FStatus smallint not null default (0), "
           "constraint PK_t_LargeTable primary key (FID));\n"
           "with d(i) as (select i from (values (0),(1),(2),(3),(4),(5),(6),(7),(8),(9)) v(i)), "
           "n(i) as (select " + number + " from " + join + ") "
           "insert into t_LargeTable (FID, FNumber, FName, FQty, FAmount, FDate, FNote, FStatus) "
           "select i, 'NO' + right('0000000' + cast(i as varchar(10)), 8), "
           "case i % 10 when 0 then N'O''Hara ' + cast(i as nvarchar(10)) else N'物料' + cast(i as nvarchar(10)) end, "
           "(i % 100000) / 4.0, i * 1.5, dateadd(minute, i, '2024-01-01'), "
           "case i % 7 when 0 then null when 1 then N'' else N'备注 ' + cast(i as nvarchar(10)) end, i % 3 "
           "from n where i <= " + std::to_string(rows);
}

void Report(const char* what, const std::vector<bench::ChildRun>& runs, double peerBest)
{
    double best = 1e18, bestCpu = 1e18;
    for (const bench::ChildRun& m : runs) {
        best = std::min(best, m.seconds);
        bestCpu = std::min(bestCpu, m.cpuSeconds);
    }
    std::printf("%-44s best %7.2f s  client cpu %6.2f s", what, best, bestCpu);
    if (peerBest > 0)
        std::printf("  ratio %.2f", best / peerBest);
    std::printf("\n");
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    long long rows = 1000000;
    int turns = 3;
    std::string text = std::getenv("TABRIX_TEST_MSSQL") ? std::getenv("TABRIX_TEST_MSSQL") : "";
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rows") && i + 1 < args.size())
            rows = args[++i].toLongLong();
        else if (args[i] == QLatin1String("--turns") && i + 1 < args.size())
            turns = args[++i].toInt();
        else if (args[i] == QLatin1String("--connection") && i + 1 < args.size())
            text = args[++i].toStdString();
        else {
            std::fprintf(stderr, "usage: bench_read [--rows N] [--turns N] [--connection TEXT]\n");
            return 1;
        }
    }
    if (text.empty() || rows < 1 || rows > 10000000 || turns < 1) {
        std::fprintf(stderr, "give a SQL Server connection text (--connection or TABRIX_TEST_MSSQL), "
                             "1 to 10,000,000 rows and at least one turn\n");
        return 1;
    }
    const ado::odbc::Pairs pairs = ado::odbc::SplitSqlServerText(text);
    std::string server = Value(pairs, {"Data Source", "Server"});
    std::replace(server.begin(), server.end(), ',', ':');  // freebcp takes host:port
    const std::string user = Value(pairs, {"User ID", "UID"});
    const std::string password = Value(pairs, {"Password", "pwd"});
    const std::string database = "tabrix_bench_read_" + std::to_string(getpid());
    const std::string databaseText = WithDatabase(pairs, database);

    QTemporaryDir temporary;
    const std::string ours = temporary.path().toStdString() + "/tabrix.tsv";
    const std::string peer = temporary.path().toStdString() + "/freebcp.txt";
    const std::string messages = temporary.path().toStdString() + "/messages.txt";
    ado::Connection admin;
    int status = 0;
    try {
        admin.Open(text);
        admin.Execute("create database " + database);
        const auto start = std::chrono::steady_clock::now();
        {
            ado::Connection db;
            db.Open(databaseText);
            db.Execute(FillSql(rows));
        }
        std::printf("%lld rows loaded into %s in %.1f s\n", rows, database.c_str(),
                    std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        std::fflush(stdout);

        const std::vector<std::string> tabrix = {TABRIX_PROGRAM, "query", "--connection", databaseText,
                                                 "select * from t_LargeTable"};
        const std::vector<std::string> freebcp = {"freebcp", database + ".dbo.t_LargeTable", "out", peer, "-c",
                                                  "-S", server, "-U", user, "-P", password};
        std::vector<bench::ChildRun> ourRuns, peerRuns;
        for (int turn = 0; turn < turns; ++turn) {
            for (int k = 0; k < 2; ++k) {
                const bool oursNow = (turn + k) % 2 == 0;
                const bench::ChildRun m = oursNow ? Run(tabrix, ours, messages) : Run(freebcp, "/dev/null", messages);
                if (!m.ok)
                    throw std::runtime_error("a reader failed");
                (oursNow ? ourRuns : peerRuns).push_back(m);
                std::printf("turn %d  %-8s %7.2f s  client cpu %6.2f s\n", turn + 1, oursNow ? "tabrix" : "freebcp",
                            m.seconds, m.cpuSeconds);
                std::fflush(stdout);
            }
        }
        // A header line and a line per row; freebcp's file has a line per row.
        if (Lines(ours) != rows + 1 || Lines(peer) != rows) {
            std::fprintf(stderr, "row counts differ: tabrix %lld lines, freebcp %lld lines, %lld rows\n", Lines(ours),
                         Lines(peer), rows);
            status = 2;
        }
        double peerBest = 1e18;
        for (const bench::ChildRun& m : peerRuns)
            peerBest = std::min(peerBest, m.seconds);
        Report("freebcp DB.dbo.t_LargeTable out FILE -c", peerRuns, 0);
        Report("tabrix query --connection ... > FILE", ourRuns, peerBest);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        status = 2;
    }
    try {
        if (admin.State() == ado::adStateOpen)
            admin.Execute("drop database " + database);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "the database %s stays on the server: %s\n", database.c_str(), e.what());
    }
    return status;
}
