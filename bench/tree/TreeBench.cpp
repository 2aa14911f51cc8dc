// bench_tree [--tables N] [--runs R] [--language CHS|CHT|EN]
//
// Writes a dictionary of N described tables (default 5000) plus a 300-column table, then times,
// as the median of R runs (default 5):
//   - GetTreeData with an empty filter (two queries, one record per node), against the sqlite3
//     program printing "select * from t_tabledescription" of the same file (to /dev/null);
//   - GetDataByInterID of the 300-column table: field rows (nType 1) and index rows (nType 0);
//   - the data server alone, for what one query step costs before any record is built.
#include "ClassInfo.h"
#include "DemoDatabase.h"
#include "ShareProps.h"
#include "VexaConvert.h"
#include "VexaList.h"
#include "clsGetData.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double MedianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

[[noreturn]] void Fail(const QString& message)
{
    std::fprintf(stderr, "bench_tree: %s\n", qPrintable(message));
    std::exit(2);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    int tables = 5000;
    int runs = 5;
    QString language = QStringLiteral("CHS");
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--tables") && i + 1 < args.size()) {
            tables = args[++i].toInt();
        } else if (args[i] == QLatin1String("--runs") && i + 1 < args.size()) {
            runs = std::max(1, args[++i].toInt());
        } else if (args[i] == QLatin1String("--language") && i + 1 < args.size()) {
            language = args[++i];
        } else {
            std::fprintf(stderr, "usage: bench_tree [--tables N] [--runs R] [--language CHS|CHT|EN]\n");
            return 1;
        }
    }

    QTemporaryDir folder;
    const QString db = folder.filePath(QStringLiteral("dictionary.db"));
    demo::WriteLargeDictionary(db, tables);
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                            QStringLiteral("Provider=SQLite;Data Source=%1;Language=%2").arg(db, language));

    clsGetData data;
    QString message;
    // The first call loads the plugins and the translations; it is not timed.
    const VexaListPtr first = VexaList::From(data.GetTreeData(QString(), &message));
    if (!first)
        Fail(message);
    const int nodes = first->Count();

    const double treeMs = MedianMs(runs, [&] {
        if (!data.GetTreeData(QString(), &message))
            Fail(message);
    });
    const double sqliteMs = MedianMs(runs, [&] {
        QProcess sqlite;
        sqlite.setStandardOutputFile(QProcess::nullDevice());
        sqlite.start(QStringLiteral("sqlite3"), {db, QStringLiteral("select * from t_tabledescription")});
        if (!sqlite.waitForFinished(-1) || sqlite.exitCode() != 0)
            Fail(QStringLiteral("sqlite3 failed: ") + sqlite.errorString());
    });

    const ado::RecordsetPtr wide = data.GetMDetail(QStringLiteral("FTableName = 't_WideTable'"), &message);
    if (!wide || wide->Eof())
        Fail(QStringLiteral("no t_WideTable in the dictionary ") + message);
    const qint32 wideId = vexa::ToLong(wide->Fields("FTableID"), 0);
    int fieldRows = 0;
    int indexRows = 0;
    const double fieldsMs = MedianMs(runs, [&] {
        const VexaListPtr rows = VexaList::From(data.GetDataByInterID(wideId, QStringLiteral("t_WideTable"), 1, &message));
        if (!rows)
            Fail(message);
        fieldRows = rows->Count();
    });
    const double indexesMs = MedianMs(runs, [&] {
        const VexaListPtr rows = VexaList::From(data.GetDataByInterID(wideId, QStringLiteral("t_WideTable"), 0, &message));
        indexRows = rows ? rows->Count() : 0;
    });

    const QString connection = QStringLiteral("Provider=SQLite;Data Source=%1;Language=%2").arg(db, language);
    const double openMs = MedianMs(runs, [&] { ClassInfo().GetData(connection, QStringLiteral("select 1")); });
    const double catalogueMs = MedianMs(runs, [&] {
        ClassInfo().GetData(connection, QStringLiteral("sp_helpindex 't_WideTable'"));
    });

    std::printf("dictionary: %d described tables, %d tree nodes, language %s, median of %d runs\n", tables, nodes,
                qPrintable(language), runs);
    std::printf("%-46s %10.1f ms\n", "GetTreeData", treeMs);
    std::printf("%-46s %10.1f ms\n", "sqlite3 \"select * from t_tabledescription\"", sqliteMs);
    std::printf("%-46s %10.2f\n", "ratio GetTreeData / sqlite3", treeMs / sqliteMs);
    std::printf("%-46s %10.1f ms (%d rows)\n", "GetDataByInterID t_WideTable fields", fieldsMs, fieldRows);
    std::printf("%-46s %10.1f ms (%d rows)\n", "GetDataByInterID t_WideTable indexes", indexesMs, indexRows);
    std::printf("%-46s %10.1f ms\n", "data server: open and \"select 1\"", openMs);
    std::printf("%-46s %10.1f ms\n", "data server: sp_helpindex alone", catalogueMs);
    return 0;
}
