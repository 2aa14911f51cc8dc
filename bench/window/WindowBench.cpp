// Times the main window on a large dictionary. Run with QT_QPA_PLATFORM=offscreen on a machine
// without a display. Prints milliseconds per step, the best of several runs.
#include "BrowserList.h"
#include "BrowserTree.h"
#include "DemoDatabase.h"
#include "ShareProps.h"
#include "frmFind.h"
#include "frmLoad.h"
#include "modPublic.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <limits>

namespace {

constexpr int kTables = 5000;
constexpr int kRuns = 5;

}  // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.db"));
    demo::WriteLargeDictionary(path, kTables);
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                            QStringLiteral("Provider=SQLite;Data Source=%1;Language=CHS").arg(path));
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("AcctName"), QStringLiteral("Large"));
    modPublic::ReleaseModuleState();

    qint64 bestLoad = std::numeric_limits<qint64>::max();
    qint64 bestLocate = std::numeric_limits<qint64>::max();
    int nodes = 0;
    int fields = 0;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer timer;
        timer.start();
        frmLoad window;
        window.Form_Load();
        window.show();
        QApplication::processEvents();
        bestLoad = std::min(bestLoad, timer.elapsed());

        // The wide table is the last one described: the locate walks every node before it.
        auto* tree = window.findChild<BrowserTree*>(QStringLiteral("tree"));
        const QTreeWidgetItem* wide = nullptr;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            if ((*it)->text(0).endsWith(QStringLiteral("(t_WideTable)")))
                wide = *it;
        if (!wide) {
            std::fprintf(stderr, "no t_WideTable in the tree\n");
            return 1;
        }
        const QString key = wide->data(0, BrowserTree::KeyRole).toString();
        const qint32 id = key.mid(key.indexOf(QLatin1Char('.')) + 1).toInt();
        timer.restart();
        emit window.FindDialog()->Locate(QStringLiteral("gi%1").arg(id), id);
        QApplication::processEvents();
        bestLocate = std::min(bestLocate, timer.elapsed());
        nodes = tree->NodeCount();
        fields = window.findChild<BrowserList*>(QStringLiteral("fieldList"))->topLevelItemCount();
    }
    std::printf("window load, %d nodes: %lld ms\n", nodes, static_cast<long long>(bestLoad));
    std::printf("locate t_WideTable, %d field rows: %lld ms\n", fields, static_cast<long long>(bestLocate));
    return 0;
}
