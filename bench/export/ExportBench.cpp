// Data export of a large table by the converter, side by side with sqlite3's .dump of the same
// table and with the two plain loops over SQLite's own interface that bound it from below; the
// cost of the progress estimate; and the client's processor time of the same export through
// ODBC and the TDS stand-in.
//
//   bench_export [--rows N[,N...]] [--repeat N] [--odbc-rows N] [--standin PROGRAM]
//
// Per table size: the best seconds of --repeat runs (default 3) of the converter's data export
// and of `sqlite3 DB ".dump TABLE"`, taken in turns so that a busy machine slows both alike,
// both writing a file; their ratio and both peak memories; the best processor times of both and
// their ratio, which other work on the machine moves less; then what the row estimate that the
// hosts show progress against costs in processor time, as a share of our export's.
// In the same turns, two loops over `select * from TABLE` in C: sqlite3_step alone (the floor
// of decoding the rows) and sqlite3_step with sqlite3_column_text of every column; a second
// table gives our export's time against both.
// Then, unless --odbc-rows is 0 (default 100,000), the same export over ODBC from the stand-in
// (tests/tdsserver): the client's processor time and that time per 1,000,000 rows.
//
// Each export runs in a child process of its own, so that the child's peak resident size
// (VmHWM) and its processor time are those of that export alone.
#include "ChildProcess.h"
#include "DemoDatabase.h"
#include "RowEstimate.h"
#include "SqlIdentifier.h"
#include "XmlElement.h"
#include "clsConverter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <sqlite3.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

struct Measure {
    double seconds = 0;
    double cpuSeconds = 0;  // user and system time of the child
    long peakKiB = 0;
    long long outputBytes = 0;
    bool ok = false;
};

// Runs argv, standard output sent to outPath when redirect is set; outPath's size afterwards.
Measure Run(const std::vector<std::string>& argv, const std::string& outPath, bool redirect)
{
    const bench::ChildRun run = bench::Run({.argv = argv, .out = redirect ? outPath : std::string()});
    return {run.seconds, run.cpuSeconds, run.peakKiB, QFileInfo(QString::fromStdString(outPath)).size(), run.ok};
}

// The child: the converter's data export of one table of the database that connectionText
// opens into outPath.
int ExportChild(const std::string& connectionText, const std::string& table, const std::string& outPath)
{
    const xml::XmlDocument document = xml::XmlDocument::LoadText("<t><s name=\"bench\"><d name=\"db\"><t/></d></s></t>");
    xml::XmlElement server = document.DocumentElement().Children().at(0);
    server.SetAttribute("constr", connectionText);
    server.SetAttribute("datafile", outPath);
    server.SetAttribute("logfile", outPath + ".log");
    xml::XmlElement tableElement = server.Children().at(0).Children().at(0);
    tableElement.SetAttribute("name", table);
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(connectionText);
    clsConverter converter;
    converter.SetStopFlag(clsConverter::ePlay);
    converter.ExportTable(connection, tableElement);
    return QFileInfo(QString::fromStdString(outPath + ".log")).exists() ? 1 : 0;
}

// The child: every row of the table stepped through in plain C, each column read as text
// when withText. Nothing is written: this is what reading the rows costs at the least.
int LoopChild(const std::string& db, const std::string& table, bool withText)
{
    sqlite3* connection = nullptr;
    if (sqlite3_open_v2(db.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(connection);
        return 1;
    }
    const std::string sql = "select * from " + table;
    sqlite3_stmt* s = nullptr;
    if (sqlite3_prepare_v2(connection, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) {
        sqlite3_close(connection);
        return 1;
    }
    const int columns = sqlite3_column_count(s);
    size_t bytes = 0;
    int rc;
    if (withText) {
        while ((rc = sqlite3_step(s)) == SQLITE_ROW)
            for (int i = 0; i < columns; ++i)
                if (const unsigned char* text = sqlite3_column_text(s, i))
                    bytes += static_cast<size_t>(sqlite3_column_bytes(s, i)) + (text[0] != 0);
    } else {
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        }
    }
    sqlite3_finalize(s);
    sqlite3_close(connection);
    // The count keeps the reads from being left out, and shows that the loop saw the rows.
    std::printf("%zu\n", bytes);
    return rc == SQLITE_DONE ? 0 : 1;
}

double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// The processor time of the row estimate that a host showing progress asks for, on a
// connection of its own as the export's is (the best of a few calls: the first may find the
// file's pages outside the system's cache).
double EstimateCpuSeconds(const std::string& db, const std::string& table, long long& rows)
{
    const std::string name = sqlname::QuoteQualified(table);
    double best = 1e9;
    for (int i = 0; i < 10; ++i) {
        ado::Connection connection;
        connection.Open("Provider=SQLite;Data Source=" + db);
        const double start = CpuSeconds();
        rows = RowEstimate::Of(connection, catalogue::Kind::Legacy, name, sqlname::InLiteral(name), "");
        best = std::min(best, CpuSeconds() - start);
    }
    return best;
}

// A tds_standin serving the SQLite files of a folder, stopped when this goes.
class Standin {
public:
    Standin(const std::string& program, const std::string& folder) : m_password("bench")
    {
        const std::string portFile = folder + "/port";
        std::vector<std::string> argv = {program, "--dir", folder, "--user", "sa", "--password", m_password,
                                         "--port", "0", "--port-file", portFile};
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        if (posix_spawn(&m_pid, args[0], nullptr, nullptr, args.data(), environ) != 0) {
            m_pid = -1;
            return;
        }
        for (int i = 0; i < 200 && m_port.empty(); ++i) {
            std::ifstream in(portFile);
            std::getline(in, m_port);
            if (m_port.empty())
                std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
    }
    ~Standin()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
        }
    }
    Standin(const Standin&) = delete;
    Standin& operator=(const Standin&) = delete;

    bool Started() const { return !m_port.empty(); }
    std::string ConnectionText(const std::string& database) const
    {
        return "Provider=SQLOLEDB.1;User ID=sa;pwd=" + m_password + ";Initial Catalog=" + database +
               ";Data Source=127.0.0.1," + m_port;
    }

private:
    std::string m_password;
    std::string m_port;
    pid_t m_pid = -1;
};

int Usage()
{
    std::fprintf(stderr, "usage: bench_export [--rows N[,N...]] [--repeat N] [--odbc-rows N] [--standin PROGRAM]\n");
    return 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc == 5 && std::strcmp(argv[1], "--child-export") == 0)
        return ExportChild(argv[2], argv[3], argv[4]);
    if (argc == 5 && std::strcmp(argv[1], "--child-loop") == 0)
        return LoopChild(argv[3], argv[4], std::strcmp(argv[2], "text") == 0);

    QCoreApplication app(argc, argv);
    std::vector<qint64> sizes = {100000, 1000000};
    int repeat = 3;
    qint64 odbcRows = 100000;
    std::string standin = TABRIX_TDS_STANDIN;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == QLatin1String("--rows") && hasValue) {
            sizes.clear();
            for (const QString& n : args[++i].split(QLatin1Char(',')))
                sizes.push_back(n.toLongLong());
        } else if (args[i] == QLatin1String("--repeat") && hasValue) {
            repeat = std::max(1, args[++i].toInt());
        } else if (args[i] == QLatin1String("--odbc-rows") && hasValue) {
            odbcRows = args[++i].toLongLong();
        } else if (args[i] == QLatin1String("--standin") && hasValue) {
            standin = args[++i].toStdString();
        } else {
            return Usage();
        }
    }
    QTemporaryDir temporary;
    const QString folder = temporary.path();
    // The stand-in serves every file of its folder as the database of the file's name.
    const std::string db = (folder + QStringLiteral("/bench.db")).toStdString();
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    const std::string ours = (folder + QStringLiteral("/ours.sql")).toStdString();
    const std::string dump = (folder + QStringLiteral("/dump.sql")).toStdString();

    std::printf("%10s %10s %10s %7s %14s %12s %12s %12s %10s %13s %9s %16s %6s\n", "rows", "ours s", "sqlite3 s", "ratio",
                "ours peak MiB", "sqlite3 MiB", "ours MiB out", "dump MiB out", "ours CPU s", "sqlite3 CPU s", "CPU ratio",
                "estimate CPU ms", "%");
    struct Floor {
        qint64 rows;
        Measure ours, bare, text;
    };
    std::vector<Floor> floors;
    const std::string loopOut = (folder + QStringLiteral("/loop.out")).toStdString();
    for (qint64 rows : sizes) {
        const std::string table = "t_Large" + std::to_string(rows);
        try {
            demo::AddLargeTable(QString::fromStdString(db), rows, QString::fromStdString(table));
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
            return 2;
        }
        Measure a, b, bare, text;
        a.seconds = b.seconds = a.cpuSeconds = b.cpuSeconds = 1e9;
        bare.seconds = text.seconds = bare.cpuSeconds = text.cpuSeconds = 1e9;
        const auto keepBest = [](Measure& best, const Measure& m) {
            best.seconds = std::min(best.seconds, m.seconds);
            best.cpuSeconds = std::min(best.cpuSeconds, m.cpuSeconds);
            best.peakKiB = std::max(best.peakKiB, m.peakKiB);
        };
        for (int run = 0; run < repeat; ++run) {
            std::remove(ours.c_str());
            const Measure x = Run({self, "--child-export", "Provider=SQLite;Data Source=" + db, table, ours}, ours, false);
            const Measure y = Run({"sqlite3", db, ".dump " + table}, dump, true);
            const Measure z = Run({self, "--child-loop", "bare", db, table}, loopOut, true);
            const Measure w = Run({self, "--child-loop", "text", db, table}, loopOut, true);
            if (!x.ok || !y.ok || !z.ok || !w.ok) {
                std::fprintf(stderr, "an export failed (ours %d, sqlite3 %d, bare loop %d, text loop %d)\n", x.ok,
                             y.ok, z.ok, w.ok);
                return 2;
            }
            keepBest(bare, z);
            keepBest(text, w);
            a.seconds = std::min(a.seconds, x.seconds);
            a.cpuSeconds = std::min(a.cpuSeconds, x.cpuSeconds);
            b.cpuSeconds = std::min(b.cpuSeconds, y.cpuSeconds);
            b.seconds = std::min(b.seconds, y.seconds);
            a.peakKiB = std::max(a.peakKiB, x.peakKiB);
            b.peakKiB = std::max(b.peakKiB, y.peakKiB);
            a.outputBytes = x.outputBytes;
            b.outputBytes = y.outputBytes;
        }
        long long estimated = -1;
        const double estimate = EstimateCpuSeconds(db, table, estimated);
        if (estimated != rows) {
            std::fprintf(stderr, "the estimate gave %lld rows for %lld\n", estimated, static_cast<long long>(rows));
            return 2;
        }
        std::printf("%10lld %10.3f %10.3f %7.2f %14.1f %12.1f %12.1f %12.1f %10.3f %13.3f %9.2f %16.2f %6.2f\n",
                    static_cast<long long>(rows), a.seconds, b.seconds, a.seconds / b.seconds, a.peakKiB / 1024.0,
                    b.peakKiB / 1024.0, a.outputBytes / 1048576.0, b.outputBytes / 1048576.0, a.cpuSeconds,
                    b.cpuSeconds, a.cpuSeconds / b.cpuSeconds, estimate * 1000, 100 * estimate / a.cpuSeconds);
        std::fflush(stdout);
        std::remove(ours.c_str());
        std::remove(dump.c_str());
        floors.push_back({rows, a, bare, text});
    }
    std::printf("\n%10s %10s %10s %10s %10s %10s %10s %10s %10s %10s %14s %10s %10s\n", "rows", "ours s", "bare s",
                "text s", "ours/bare", "ours/text", "ours CPU s", "bare CPU s", "text CPU s", "CPU o/bare",
                "ours peak MiB", "bare MiB", "text MiB");
    for (const Floor& f : floors)
        std::printf("%10lld %10.3f %10.3f %10.3f %10.2f %10.2f %10.3f %10.3f %10.3f %10.2f %14.1f %10.1f %10.1f\n",
                    static_cast<long long>(f.rows), f.ours.seconds, f.bare.seconds, f.text.seconds,
                    f.ours.seconds / f.bare.seconds, f.ours.seconds / f.text.seconds, f.ours.cpuSeconds,
                    f.bare.cpuSeconds, f.text.cpuSeconds, f.ours.cpuSeconds / f.bare.cpuSeconds,
                    f.ours.peakKiB / 1024.0, f.bare.peakKiB / 1024.0, f.text.peakKiB / 1024.0);
    std::fflush(stdout);

    if (odbcRows <= 0)
        return 0;
    const std::string table = "t_Odbc" + std::to_string(odbcRows);
    demo::AddLargeTable(QString::fromStdString(db), odbcRows, QString::fromStdString(table));
    const Standin server(standin, folder.toStdString());
    if (!server.Started()) {
        std::fprintf(stderr, "the TDS stand-in %s did not start\n", standin.c_str());
        return 2;
    }
    std::printf("\n%10s %10s %14s %22s\n", "ODBC rows", "client s", "client CPU s", "client CPU s / 1M rows");
    Measure best;
    best.cpuSeconds = 1e9;
    for (int run = 0; run < repeat; ++run) {
        std::remove(ours.c_str());
        const Measure m = Run({self, "--child-export", server.ConnectionText("bench"), table, ours}, ours, false);
        if (!m.ok) {
            std::fprintf(stderr, "the export through the stand-in failed\n");
            return 2;
        }
        if (m.cpuSeconds < best.cpuSeconds)
            best = m;
    }
    std::printf("%10lld %10.3f %14.3f %22.3f\n", static_cast<long long>(odbcRows), best.seconds, best.cpuSeconds,
                best.cpuSeconds * 1e6 / static_cast<double>(odbcRows));
    return 0;
}
