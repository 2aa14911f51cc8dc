// Runs each export in a child process of its own, so that the child's peak resident size
// (VmHWM) is the memory of that export alone.
//
//   bench_export [--rows N[,N...]]
//
// Prints, per table size, the seconds of the converter's data export and of
// `sqlite3 DB ".dump TABLE"` (both writing a file), their ratio and both peak memories.
#include "DemoDatabase.h"
#include "XmlElement.h"
#include "clsConverter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Measure {
    double seconds = 0;
    long peakKiB = 0;
    long long outputBytes = 0;
    bool ok = false;
};

// The peak resident size of a running process in KiB (VmHWM), or -1 once it is gone.
long PeakKiB(pid_t pid)
{
    std::FILE* status = std::fopen(("/proc/" + std::to_string(pid) + "/status").c_str(), "r");
    if (!status)
        return -1;
    long peak = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status))
        if (std::sscanf(line, "VmHWM: %ld kB", &peak) == 1)
            break;
    std::fclose(status);
    return peak;
}

// Spawns argv (standard output sent to outPath when redirect is set) and waits for it. The
// peak memory is read from the running process: the resource usage that wait4 reports starts
// from the spawning process's own size, which would hide a smaller child.
Measure Run(const std::vector<std::string>& argv, const std::string& outPath, bool redirect)
{
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (redirect)
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);

    Measure m;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", args[0]);
        return m;
    }
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        // The peak only grows, so the last reading before the exit is the peak.
        if (const long peak = PeakKiB(pid); peak > m.peakKiB)
            m.peakKiB = peak;
        usleep(2000);
    }
    m.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    m.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    m.outputBytes = QFileInfo(QString::fromStdString(outPath)).size();
    return m;
}

// The child: the converter's data export of one table into outPath.
int ExportChild(const std::string& db, const std::string& table, const std::string& outPath)
{
    const std::string text = "<t><s name=\"bench\" constr=\"Provider=SQLite;Data Source=" + db + "\" datafile=\"" +
                             outPath + "\" logfile=\"" + outPath + ".log\"><d name=\"db\"><t name=\"" + table +
                             "\"/></d></s></t>";
    const xml::XmlDocument document = xml::XmlDocument::LoadText(text);
    const xml::XmlElement tableElement = document.DocumentElement().Children().at(0).Children().at(0).Children().at(0);
    auto connection = std::make_shared<ado::Connection>();
    connection->Open("Provider=SQLite;Data Source=" + db);
    clsConverter converter;
    converter.SetStopFlag(clsConverter::ePlay);
    converter.ExportTable(connection, tableElement);
    return QFileInfo(QString::fromStdString(outPath + ".log")).exists() ? 1 : 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc == 5 && std::strcmp(argv[1], "--child-export") == 0)
        return ExportChild(argv[2], argv[3], argv[4]);

    QCoreApplication app(argc, argv);
    std::vector<qint64> sizes = {100000, 1000000};
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rows") && i + 1 < args.size()) {
            sizes.clear();
            for (const QString& n : args[++i].split(QLatin1Char(',')))
                sizes.push_back(n.toLongLong());
        } else {
            std::fprintf(stderr, "usage: bench_export [--rows N[,N...]]\n");
            return 1;
        }
    }
    QTemporaryDir temporary;
    const QString folder = temporary.path();
    const std::string db = (folder + QStringLiteral("/bench.db")).toStdString();
    const std::string self = QCoreApplication::applicationFilePath().toStdString();

    std::printf("%10s %12s %12s %8s %14s %14s %12s %12s\n", "rows", "ours s", "sqlite3 s", "ratio", "ours peak MiB",
                "sqlite3 MiB", "ours MiB out", "dump MiB out");
    for (qint64 rows : sizes) {
        const std::string table = "t_Large" + std::to_string(rows);
        try {
            demo::AddLargeTable(QString::fromStdString(db), rows, QString::fromStdString(table));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 2;
        }
        const std::string ours = (folder + QStringLiteral("/ours.sql")).toStdString();
        const std::string dump = (folder + QStringLiteral("/dump.sql")).toStdString();
        std::remove(ours.c_str());
        const Measure a = Run({self, "--child-export", db, table, ours}, ours, false);
        const Measure b = Run({"sqlite3", db, ".dump " + table}, dump, true);
        if (!a.ok || !b.ok) {
            std::fprintf(stderr, "an export failed (ours %d, sqlite3 %d)\n", a.ok, b.ok);
            return 2;
        }
        std::printf("%10lld %12.3f %12.3f %8.2f %14.1f %14.1f %12.1f %12.1f\n", static_cast<long long>(rows), a.seconds,
                    b.seconds, a.seconds / b.seconds, a.peakKiB / 1024.0, b.peakKiB / 1024.0,
                    a.outputBytes / 1048576.0, b.outputBytes / 1048576.0);
        std::fflush(stdout);
        std::remove(ours.c_str());
        std::remove(dump.c_str());
    }
    return 0;
}
