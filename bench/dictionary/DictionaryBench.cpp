// bench_dictionary [--tables N] [--runs R] [--generate M]
//
// Writes a dictionary of N described tables (default 5000, plus the generator's 300-column
// table), then runs, R times each (default 3), as separate processes timed by wall clock with
// their peak resident memory:
//   - tabrix dictionary --all --format html --out FILE
//   - tabrix dictionary --all --format json --out FILE
//   - tabrix dictionary --search FNumber
//   - sqlite3 FILE ".dump t_Subsystem t_tabledescription t_FieldDescription", the floor asked for
//     (run once: the sqlite3 program's dump reads far more than the three tables on a database
//     of thousands of tables), and sqlite3 selecting the three tables' rows, the reading floor;
//   - chromium-headless-shell --dump-dom on the HTML page, and on the demo account's page, when
//     that program is installed: the page opened, its script run;
// and reports the median time and the largest peak of each beside the goals (whole dictionary
// under 5 s and 200 MiB, search under 0.5 s, the page open in a browser under 2 s). --generate M
// also times the generator writing a dictionary of M tables (the browser's 50,000-table case).
#include "ChildProcess.h"
#include "DemoDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Measure {
    double seconds = 0;
    double peakMiB = 0;
};

[[noreturn]] void Fail(const QString& message)
{
    std::fprintf(stderr, "bench_dictionary: %s\n", qPrintable(message));
    std::exit(2);
}

// Runs the program to its end with standard output to /dev/null; its wall time and peak memory.
Measure RunOnce(const QString& program, const QStringList& arguments)
{
    std::vector<std::string> argv{program.toStdString()};
    for (const QString& argument : arguments)
        argv.push_back(argument.toStdString());
    const bench::ChildRun run = bench::Run({.argv = argv, .out = "/dev/null"});
    if (!run.ok)
        std::exit(2);
    return {run.seconds, static_cast<double>(run.peakKiB) / 1024.0};
}

Measure Median(int runs, const QString& program, const QStringList& arguments)
{
    std::vector<double> times;
    double peak = 0;
    for (int i = 0; i < runs; ++i) {
        const Measure one = RunOnce(program, arguments);
        times.push_back(one.seconds);
        peak = std::max(peak, one.peakMiB);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], peak};
}

void Report(const char* what, const Measure& measure, const char* goal)
{
    std::printf("%-44s %8.3f s %8.1f MiB   %s\n", what, measure.seconds, measure.peakMiB, goal);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    int tables = 5000;
    int runs = 3;
    int generate = 0;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--tables") && i + 1 < args.size()) {
            tables = args[++i].toInt();
        } else if (args[i] == QLatin1String("--runs") && i + 1 < args.size()) {
            runs = std::max(1, args[++i].toInt());
        } else if (args[i] == QLatin1String("--generate") && i + 1 < args.size()) {
            generate = args[++i].toInt();
        } else {
            std::fprintf(stderr, "usage: bench_dictionary [--tables N] [--runs R] [--generate M]\n");
            return 1;
        }
    }
    const QString tabrix = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tabrix"));
    const QString sqlite = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (sqlite.isEmpty())
        Fail(QStringLiteral("no sqlite3 program"));

    QTemporaryDir folder;
    const QString db = folder.filePath(QStringLiteral("dictionary.db"));
    QElapsedTimer timer;
    timer.start();
    demo::WriteLargeDictionary(db, tables);
    const double writeSeconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;

    const QString html = folder.filePath(QStringLiteral("dictionary.html"));
    const QString json = folder.filePath(QStringLiteral("dictionary.json"));
    const QStringList database{QStringLiteral("dictionary"), QStringLiteral("--db"), db};
    const Measure allHtml = Median(runs, tabrix, database + QStringList{QStringLiteral("--all"), QStringLiteral("--format"),
                                                                         QStringLiteral("html"), QStringLiteral("--out"), html});
    const Measure allJson = Median(runs, tabrix, database + QStringList{QStringLiteral("--all"), QStringLiteral("--format"),
                                                                         QStringLiteral("json"), QStringLiteral("--out"), json});
    const Measure search = Median(runs, tabrix, database + QStringList{QStringLiteral("--search"), QStringLiteral("FNumber")});
    const Measure dump = Median(1, sqlite, {db, QStringLiteral(".dump t_Subsystem t_tabledescription t_FieldDescription")});
    const Measure select = Median(runs, sqlite, {db, QStringLiteral("select * from t_Subsystem; select * from t_tabledescription; "
                                                                     "select * from t_FieldDescription;")});

    std::printf("dictionary: %d described tables and a 300-column table, median of %d runs, peak resident memory\n",
                tables, runs);
    std::printf("generator: %d tables in %.2f s\n", tables, writeSeconds);
    Report("tabrix dictionary --all --format html", allHtml, "goal: < 5 s, < 200 MiB");
    Report("tabrix dictionary --all --format json", allJson, "goal: < 5 s, < 200 MiB");
    Report("tabrix dictionary --search FNumber", search, "goal: < 0.5 s");
    Report("sqlite3 .dump of the three dictionary tables", dump, "the floor asked for, one run");
    Report("sqlite3 select * of the three tables", select, "the reading floor");
    std::printf("%-44s %8.1f MiB HTML, %.1f MiB JSON\n", "document sizes", QFileInfo(html).size() / 1048576.0,
                QFileInfo(json).size() / 1048576.0);

    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium-headless-shell"));
    if (chromium.isEmpty()) {
        std::printf("no chromium-headless-shell: the page is not opened\n");
    } else {
        const QString demoDb = folder.filePath(QStringLiteral("demo.db"));
        const QString demoHtml = folder.filePath(QStringLiteral("demo.html"));
        demo::WriteDemoDatabase(demoDb);
        RunOnce(tabrix, {QStringLiteral("dictionary"), QStringLiteral("--db"), demoDb, QStringLiteral("--all"), QStringLiteral("--format"),
                         QStringLiteral("html"), QStringLiteral("--out"), demoHtml});
        const QStringList browser{QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
                                  QStringLiteral("--user-data-dir=") + folder.filePath(QStringLiteral("profile")),
                                  QStringLiteral("--dump-dom")};
        Report("chromium --dump-dom, this page", Median(runs, chromium, browser + QStringList{QUrl::fromLocalFile(html).toString()}),
               "goal: < 2 s");
        Report("chromium --dump-dom, the demo account's page",
               Median(runs, chromium, browser + QStringList{QUrl::fromLocalFile(demoHtml).toString()}), "the floor");
    }

    if (generate > 0) {
        const QString big = folder.filePath(QStringLiteral("large.db"));
        timer.restart();
        demo::WriteLargeDictionary(big, generate);
        std::printf("generator: %d tables in %.2f s\n", generate, static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    return 0;
}
