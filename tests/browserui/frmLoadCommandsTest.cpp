// The window's commands beyond the find dialog: the field search from the control's toolbar,
// the field list's copies, the tree's export, in the window's language.
#include "BrowserUiHost.h"
#include "NorvBrowser.h"
#include "SqliteFile.h"
#include "SaveFileSeam.h"
#include "frmFieldSearch.h"
#include "frmFind.h"
#include "frmLoad.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class frmLoadCommandsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_settings;
    QPointer<frmLoad> m_window;

    void OpenWindow(const QString& language)
    {
        LogInToDemoAccount(language);
        m_window = new frmLoad;
        m_window->Form_Load();
        m_window->resize(820, 560);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    QAction* Command(const char* key) const
    {
        return qobject_cast<NorvBrowser*>(m_window->Browser())->Command(QString::fromLatin1(key));
    }

    QString Caption() const { return m_window->Browser()->property("ContentCaption").toString(); }

private slots:
    // The window's remembered layout goes to this run's own settings, never the user's.
    void initTestCase()
    {
        QVERIFY(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }

    void cleanup() { delete m_window; }

    void commandsAreOfferedInTheWindowsLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("CHS") << "CHS" << QStringList{"字段查找", "复制为SELECT", "复制字段列表", "导出数据字典…"};
        QTest::newRow("CHT") << "CHT" << QStringList{"欄位尋找", "複製為SELECT", "複製欄位列表", "匯出資料字典…"};
        QTest::newRow("EN") << "EN" << QStringList{"Field Search", "Copy as SELECT", "Copy field list", "Export dictionary…"};
    }

    void commandsAreOfferedInTheWindowsLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, texts);
        OpenWindow(language);
        QStringList shown;
        for (const char* key : {"FieldSearch", "CopySelect", "CopyFieldList", "ExportDictionary"}) {
            QAction* action = Command(key);
            QVERIFY2(action, key);
            shown << action->text();
        }
        QCOMPARE(shown, texts);
        QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("fieldList"))->actions().contains(Command("CopySelect")));
        QVERIFY(m_window->findChild<QWidget*>(QStringLiteral("toolBar"))->actions().contains(Command("FieldSearch")));
    }

    void copiesTheShownTablesFields()
    {
        OpenWindow(QStringLiteral("CHS"));
        QApplication::clipboard()->setText(QStringLiteral("before"));
        Command("CopySelect")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));  // no table shown yet

        emit m_window->FindDialog()->Locate(QStringLiteral("gi30"), 30);
        Command("CopySelect")->trigger();
        const QString select = QApplication::clipboard()->text();
        QVERIFY2(select.startsWith(QStringLiteral("select FAccountID as [")), qPrintable(select));
        QVERIFY2(select.contains(QStringLiteral(", FNumber as [代码], ")), qPrintable(select));
        QVERIFY2(select.endsWith(QStringLiteral(" from t_Account")), qPrintable(select));
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("notice"))->text(), QStringLiteral("已复制到剪贴板"));

        // Several selected rows are the fields wanted, in the list's order.
        auto* list = m_window->findChild<QTreeWidget*>(QStringLiteral("fieldList"));
        list->clearSelection();
        for (const char* name : {"FNumber", "FAccountID"})
            list->findItems(QString::fromLatin1(name), Qt::MatchExactly, 1).value(0)->setSelected(true);
        Command("CopySelect")->trigger();
        QCOMPARE(QApplication::clipboard()->text(),
                 QStringLiteral("select FAccountID as [科目内码], FNumber as [代码] from t_Account"));

        Command("CopyFieldList")->trigger();
        const QStringList lines = QApplication::clipboard()->text().split(u'\n');
        QCOMPARE(lines.value(0), QStringLiteral("顺序号\t字段名称\t字段描述\t字段备注\t字段类型\t字段长度\t字段精度\t小数位数\t允许为空"));
        const int fields = m_window->findChild<QTreeWidget*>(QStringLiteral("fieldList"))->topLevelItemCount();
        QCOMPARE(lines.size(), fields + 1);
        QVERIFY(lines.contains(QStringLiteral("10\tFNumber\t代码\t\tvarchar\t80\t80\t0\t否")));
    }

    // A picked hit locates its table as the find dialog's hits do.
    void fieldSearchLocatesThePickedTable()
    {
        OpenWindow(QStringLiteral("CHS"));
        bool searched = false;
        QTimer::singleShot(0, this, [&] {
            frmFieldSearch* dialog = m_window->findChild<frmFieldSearch*>();
            QVERIFY(dialog && dialog->isVisible());
            auto* hits = dialog->findChild<QTreeWidget*>(QStringLiteral("lstHits"));
            QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("txtSearch")), QStringLiteral("fparentid"));
            QTRY_VERIFY(hits->topLevelItemCount() > 0);
            for (int row = 0; row < hits->topLevelItemCount(); ++row)
                QCOMPARE(hits->topLevelItem(row)->text(2).toLower(), QStringLiteral("fparentid"));
            QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("lblCount"))->text(),
                     QStringLiteral("找到 %1 个字段").arg(hits->topLevelItemCount()));
            QTreeWidgetItem* account = hits->findItems(QStringLiteral("t_Account"), Qt::MatchExactly, 1).value(0);
            QVERIFY(account);
            searched = true;
            emit hits->itemActivated(account, 0);
        });
        Command("FieldSearch")->trigger();
        QVERIFY(searched);
        QCOMPARE(Caption(), QStringLiteral("[ 科目表(t_Account) ]的内容"));
        const QList<QTreeWidgetItem*> picked = m_window->findChild<QTreeWidget*>(QStringLiteral("fieldList"))->selectedItems();
        QCOMPARE(picked.size(), 1);
        QCOMPARE(picked[0]->text(1), QStringLiteral("FParentID"));
    }

    // Every outcome is said: written (where), not written (why, as an error), written without
    // some tables (which, as a warning); a name without an extension takes the filter's.
    void exportWritesTheWholeDictionaryToTheChosenFile()
    {
        OpenWindow(QStringLiteral("EN"));
        QTemporaryDir folder;
        ui::SaveFileChoice answer;
        const ui::SaveFileHandler previous = ui::SetSaveFileHandler([&](const QString&, const QStringList& filters) {
            [&] { QVERIFY(filters.contains(QStringLiteral("JSON (*.json)"))); }();
            return answer;
        });
        MessageRecorder messages;
        Command("ExportDictionary")->trigger();  // cancelled: nothing written, nothing said
        QCOMPARE(messages.messages.size(), 0);

        answer = {folder.filePath(QStringLiteral("dictionary.json")), QStringLiteral("HTML (*.html)")};
        Command("ExportDictionary")->trigger();
        QFile file(answer.path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject document = QJsonDocument::fromJson(file.readAll()).object();
        QCOMPARE(document[QStringLiteral("language")].toString(), QStringLiteral("EN"));
        QCOMPARE(document[QStringLiteral("subsystems")].toArray().first()[QStringLiteral("FText")].toString(),
                 QStringLiteral("General Ledger"));
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].prompt, QStringLiteral("The dictionary was exported to:\n") + answer.path);
        QCOMPARE(messages.messages[0].buttons, 64);

        answer = {folder.filePath(QStringLiteral("mydict")), QStringLiteral("HTML (*.html)")};
        Command("ExportDictionary")->trigger();
        QVERIFY(!QFile::exists(answer.path));
        QFile page(answer.path + QStringLiteral(".html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().startsWith("<!DOCTYPE html>"));

        answer = {folder.filePath(QStringLiteral("no/such/folder/dictionary.html")), {}};
        Command("ExportDictionary")->trigger();
        QCOMPARE(messages.messages.size(), 3);
        QVERIFY2(messages.messages[2].prompt.contains(answer.path), qPrintable(messages.messages[2].prompt));
        QCOMPARE(messages.messages[2].buttons, 16);

        // Written, with a table that could not be read: the file is there and the window says which.
        const QString account = folder.filePath(QStringLiteral("account.db"));
        QVERIFY(QFile::copy(DemoDatabasePath(), account));
        demo::SqliteFile(account).Exec("INSERT INTO t_tabledescription (FSubSystemID, FTableID, FTableName) "
                                       "VALUES (1, 9001, 't_Gone')");
        ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                                QStringLiteral("Provider=SQLite;Data Source=%1;Language=EN").arg(account));
        answer = {folder.filePath(QStringLiteral("partial.md")), {}};
        Command("ExportDictionary")->trigger();
        QVERIFY(QFile::exists(answer.path));
        QCOMPARE(messages.messages.size(), 4);
        QCOMPARE(messages.messages[3].prompt,
                 QStringLiteral("The dictionary was exported, but these tables could not be read:\n"
                                "t_Gone: The object 't_Gone' does not exist in database 'account' or is invalid for "
                                "this operation."));
        QCOMPARE(messages.messages[3].buttons, 48);
        ui::SetSaveFileHandler(previous);
    }

    // A database without the dictionary's tables opens with the reason, as an error.
    void aDictionaryThatCannotBeReadIsSaid()
    {
        QTemporaryDir folder;
        const QString empty = folder.filePath(QStringLiteral("empty.db"));
        demo::SqliteFile(empty).Exec("create table t_Other (a int)");
        MessageRecorder messages;
        ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                                QStringLiteral("Provider=SQLite;Data Source=%1;Language=CHS").arg(empty));
        modPublic::ReleaseModuleState();
        m_window = new frmLoad;
        m_window->Form_Load();
        m_window->show();
        QTRY_COMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].buttons, 16);
        QVERIFY2(messages.messages[0].prompt.startsWith(QStringLiteral("读取列表错误:")), qPrintable(messages.messages[0].prompt));
        QVERIFY2(messages.messages[0].prompt.contains(QStringLiteral("t_Subsystem")), qPrintable(messages.messages[0].prompt));
    }

    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("TABRIX_SCREENSHOTS"))
            QSKIP("set TABRIX_SCREENSHOTS=1 to write the screenshots");
        NorvBrowser::InstallTranslation(QStringLiteral("CHS"));
        OpenWindow(QStringLiteral("CHS"));
        emit m_window->FindDialog()->Locate(QStringLiteral("gi30"), 30);
        QTimer::singleShot(0, this, [&] {
            frmFieldSearch* dialog = m_window->findChild<frmFieldSearch*>();
            dialog->resize(640, 360);
            dialog->findChild<QLineEdit*>(QStringLiteral("txtSearch"))->setText(QStringLiteral("代码"));
            dialog->Search(QStringLiteral("代码"));
            QCoreApplication::processEvents();
            const QString path = QDir(QStringLiteral(TABRIX_SCREENSHOT_DIR)).filePath(QStringLiteral("frmFieldSearch.png"));
            QVERIFY2(dialog->grab().save(path), qPrintable(path));
            dialog->hide();
        });
        Command("FieldSearch")->trigger();
        const QString path = QDir(QStringLiteral(TABRIX_SCREENSHOT_DIR)).filePath(QStringLiteral("frmLoad_commands.png"));
        QVERIFY2(m_window->grab().save(path), qPrintable(path));
    }
};

QTEST_MAIN(frmLoadCommandsTest)
#include "frmLoadCommandsTest.moc"
