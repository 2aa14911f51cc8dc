// Times tabrix apply on the scripts of the large demo table (tabrix demo-db --large-table) and
// sqlite3 reading `sqlite3 DB .dump TABLE` of the same rows, each in a process of its own:
//
//   bench_apply [--rows N] [--commit-rows N]
//
// Prints seconds and rows per second for: the data script in one transaction (the default), the
// script made with --batch 1000 in one transaction, the same with --no-transaction (a commit per
// batch), and sqlite3 < dump.sql. Without batches, --no-transaction commits every insert, which
// costs a write to the disk per row; it is timed on a table of --commit-rows rows (default
// 10,000) beside the same table with batches.
#include "DemoDatabase.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Runs argv in folder, standard input from inPath and standard output to outPath when given;
// the seconds it took, or a negative number when it failed.
double Run(const std::vector<std::string>& argv, const std::string& folder, const std::string& inPath = {},
           const std::string& outPath = {})
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    if (!inPath.empty())
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, inPath.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.empty() ? "/dev/null" : outPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", args[0]);
        return -1;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::string line;
        for (const std::string& a : argv)
            line += a + " ";
        std::fprintf(stderr, "failed: %s\n", line.c_str());
        return -1;
    }
    return seconds;
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

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qint64 rows = 1000000, commitRows = 10000;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rows") && i + 1 < args.size())
            rows = args[++i].toLongLong();
        else if (args[i] == QLatin1String("--commit-rows") && i + 1 < args.size())
            commitRows = args[++i].toLongLong();
        else {
            std::fprintf(stderr, "usage: bench_apply [--rows N] [--commit-rows N]\n");
            return 1;
        }
    }
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
