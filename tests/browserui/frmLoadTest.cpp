// The main window and the tool entry, on the demo account through the real browser control.
#include "BrowserList.h"
#include "BrowserNode.h"
#include "BrowserTree.h"
#include "BrowserUiHost.h"
#include "ComponentRegistry.h"
#include "Dispatch.h"
#include "NorvBrowser.h"
#include "clsTableDescTool.h"
#include "frmFieldSearch.h"
#include "frmFind.h"
#include "frmLoad.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QHelpEvent>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <functional>

namespace {

// Every source text of the component's lookup.
const QStringList kSourceTexts = {
    "Norv系统模块列表", "读取列表错误:", "顺序号", "字段名称", "字段描述", "字段备注", "字段类型", "字段长度",
    "字段精度", "小数位数", "允许为空", "索引名称", "索引描述", "包含的字段", "是", "否", "Corvane提示",
    "Norv字段描述查询工具", "Norv单据描述表", "账套名称:[", "]的内容", "查找", "取消(&C)", "查找(&F)",
    "表代码(&D):", "表名称(&N):", "请至少输入一个查找项目！", "没有查询到满足条件项目!", "查找已经完成.",
    "输入有误,请重新输入", "字段查找", "字段名称或描述(&S):", "复制为SELECT", "复制字段列表", "导出数据字典…",
    "导出数据字典", "文本文件", "子系统", "表代码", "数据字典已导出, 以下表读取失败:"};

QStringList HeaderTexts(const QTreeWidget* list)
{
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->headerItem()->text(column);
    return texts;
}

// Every text a user can see in the window and its find dialog: titles, labels, buttons, boxes,
// toolbar commands, the tree's root, the lists' headings and cells.
QStringList VisibleTexts(QWidget* window)
{
    QStringList texts{window->windowTitle()};
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (QWidget* widget : std::as_const(widgets)) {
        if (widget->isWindow())
            texts << widget->windowTitle();
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* box = qobject_cast<QComboBox*>(widget))
            texts << box->currentText();
        if (auto* tree = qobject_cast<BrowserTree*>(widget))
            texts << tree->topLevelItem(0)->text(0);
        if (auto* list = qobject_cast<BrowserList*>(widget)) {
            texts << HeaderTexts(list);
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                for (int column = 0; column < list->columnCount(); ++column)
                    texts << list->topLevelItem(row)->text(column);
        }
        for (QAction* action : widget->actions())
            texts << action->text();
    }
    return texts;
}

}  // namespace

class frmLoadTest : public QObject {
    Q_OBJECT

private:
    QPointer<frmLoad> m_window;
    // The user's settings of this run: the window's remembered layout goes here.
    QTemporaryDir m_settings;

    NorvBrowser* Browser() const { return qobject_cast<NorvBrowser*>(m_window->Browser()); }
    BrowserTree* Tree() const { return m_window->findChild<BrowserTree*>(QStringLiteral("tree")); }
    BrowserList* IndexList() const { return m_window->findChild<BrowserList*>(QStringLiteral("indexList")); }
    BrowserList* FieldList() const { return m_window->findChild<BrowserList*>(QStringLiteral("fieldList")); }
    QString Caption() const { return automation::GetProperty(Browser(), "ContentCaption").toString(); }

    void OpenWindow(const QString& language = QStringLiteral("CHS"))
    {
        LogInToDemoAccount(language);
        m_window = new frmLoad;
        m_window->Form_Load();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    QTreeWidgetItem* ItemOfKeyEnding(const QString& tail) const
    {
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
            if ((*it)->data(0, BrowserTree::KeyRole).toString().endsWith(tail))
                return *it;
        return nullptr;
    }

    void Pick(QTreeWidgetItem* item) const
    {
        for (QTreeWidgetItem* parent = item->parent(); parent; parent = parent->parent())
            parent->setExpanded(true);
        Tree()->scrollToItem(item);
        const QRect rect = Tree()->visualItemRect(item);
        QTest::mouseClick(Tree()->viewport(), Qt::LeftButton, {}, QPoint(rect.left() + 4, rect.center().y()));
        QCoreApplication::processEvents();
    }

    // Whether the action opened the find dialog (which is hidden again at once).
    bool OpensFind(const std::function<void()>& action)
    {
        bool opened = false;
        QTimer::singleShot(0, this, [&] {
            frmFind* dialog = m_window->FindDialog();
            if (dialog->isVisible()) {
                opened = true;
                dialog->hide();
            }
        });
        action();
        QCoreApplication::processEvents();
        return opened;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }

    void cleanup()
    {
        delete m_window;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void loadFillsTheControl()
    {
        OpenWindow();
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Norv字段描述查询工具"));
        // At least the layout's 7875 by 6240 twips, two thirds of the screen where that is more.
        const QSize available = QGuiApplication::primaryScreen()->availableGeometry().size();
        QCOMPARE(m_window->size(), QSize(525, 416).expandedTo(available * 2 / 3));
        QCOMPARE(m_window->font().pointSize(), 9);
        QCOMPARE(m_window->font().families().value(0), QStringLiteral("SimSun"));
        QCOMPARE(Caption(), QStringLiteral("Norv单据描述表"));
        QCOMPARE(automation::GetProperty(Browser(), "StatusText").toString(), QStringLiteral("账套名称:[Demo]"));
        QCOMPARE(automation::GetProperty(Browser(), "AppKey").toString(), QStringLiteral("NorvBillsTools"));
        QVERIFY(automation::GetProperty(Browser(), "ButtonsSet").toBool());
        for (const char* key : {"Cut", "Copy", "Paste", "New", "Delete", "Modify", "NewGroup"})
            QVERIFY2(!Browser()->Command(QString::fromLatin1(key))->isEnabled(), key);
        QVERIFY(Browser()->Command(QStringLiteral("Find"))->isVisible());
        QVERIFY(Browser()->Command(QStringLiteral("Close"))->isVisible());

        // Root, 15 subsystems, 150 tables; the root first and open.
        QCOMPARE(Tree()->topLevelItem(0)->text(0), QStringLiteral("Norv系统模块列表"));
        QCOMPARE(Tree()->NodeCount(), 166);
        QCOMPARE(Tree()->topLevelItem(0)->childCount(), 15);
        QVERIFY(Tree()->topLevelItem(0)->isExpanded());
        QCOMPARE(HeaderTexts(IndexList()), QStringList({"索引名称", "索引描述", "包含的字段"}));
        QCOMPARE(HeaderTexts(FieldList()), QStringList({"顺序号", "字段名称", "字段描述", "字段备注", "字段类型", "字段长度",
                                                        "字段精度", "小数位数", "允许为空"}));
        QCOMPARE(IndexList()->topLevelItemCount(), 0);
        QCOMPARE(FieldList()->topLevelItemCount(), 0);
    }

    void pickingATableFillsBothLists()
    {
        OpenWindow();
        QTreeWidgetItem* sample = ItemOfKeyEnding(QStringLiteral(".205"));
        QVERIFY(sample);
        QCOMPARE(sample->text(0), QStringLiteral("示例表(t_Sample)"));
        Pick(sample);
        QCOMPARE(Caption(), QStringLiteral("[ 示例表(t_Sample) ]的内容"));
        QVERIFY(!QApplication::overrideCursor());
        // The index report of t_Sample ...
        QStringList indexes;
        for (int row = 0; row < IndexList()->topLevelItemCount(); ++row)
            indexes << IndexList()->topLevelItem(row)->text(0);
        indexes.sort();
        QCOMPARE(indexes, QStringList({"PK_t_Sample", "ix_t_Sample_Code", "ix_t_Sample_Name"}));
        // ... and its fields, described through table ID 205 and numbered in name order.
        QVERIFY(FieldList()->topLevelItemCount() > 10);
        QTreeWidgetItem* first = FieldList()->topLevelItem(0);
        QCOMPARE(first->text(0), QStringLiteral("1"));
        const QList<QTreeWidgetItem*> fid = FieldList()->findItems(QStringLiteral("FID"), Qt::MatchExactly, 1);
        QCOMPARE(fid.size(), 1);
        QCOMPARE(fid.first()->text(2), QStringLiteral("序号"));
        QCOMPARE(fid.first()->text(8), QStringLiteral("否"));
    }

    // Empty lists never stand under the heading of the table picked before.
    void rootAndSubsystemNodesEmptyTheListsAndTheHeading()
    {
        OpenWindow();
        Pick(ItemOfKeyEnding(QStringLiteral(".205")));
        QVERIFY(FieldList()->topLevelItemCount() > 0);
        Pick(Tree()->topLevelItem(0)->child(0));
        QCOMPARE(IndexList()->topLevelItemCount(), 0);
        QCOMPARE(FieldList()->topLevelItemCount(), 0);
        QCOMPARE(Caption(), QStringLiteral("Norv单据描述表"));
        Pick(ItemOfKeyEnding(QStringLiteral(".205")));
        Pick(Tree()->topLevelItem(0));
        QCOMPARE(FieldList()->topLevelItemCount(), 0);
        QCOMPARE(Caption(), QStringLiteral("Norv单据描述表"));
    }

    void aTableWithoutIndexesShowsAnEmptyIndexList()
    {
        OpenWindow();
        QTreeWidgetItem* cache = nullptr;
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
            if ((*it)->text(0).endsWith(QStringLiteral("(t_ReportCache)")))
                cache = *it;
        QVERIFY(cache);
        Pick(ItemOfKeyEnding(QStringLiteral(".205")));
        Pick(cache);
        QCOMPARE(IndexList()->topLevelItemCount(), 0);
        QVERIFY(FieldList()->topLevelItemCount() > 0);
        QCOMPARE(Caption(), QStringLiteral("[ ") + cache->text(0) + QStringLiteral(" ]的内容"));
    }

    void ctrlFOpensTheFindDialogAndOtherKeysDoNot()
    {
        OpenWindow();
        Tree()->setFocus();
        QVERIFY(OpensFind([&] { QTest::keyClick(Tree(), Qt::Key_F, Qt::ControlModifier); }));
        QVERIFY(OpensFind([&] { QTest::keyClick(FieldList(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier); }));
        QVERIFY(!OpensFind([&] { QTest::keyClick(Tree(), Qt::Key_F); }));
        QVERIFY(!OpensFind([&] { QTest::keyClick(Tree(), Qt::Key_F, Qt::AltModifier); }));
        QVERIFY(!OpensFind([&] { QTest::keyClick(Tree(), Qt::Key_G, Qt::ControlModifier); }));
    }

    // F3 steps the find dialog's walk without the dialog (and opens it when no walk is under
    // way); the dialog opens clear of the lists and Escape closes it; Ctrl+L opens the field
    // search; the toolbar says the shortcuts.
    void shortcutsWalkAndAreShown()
    {
        OpenWindow();
        MessageRecorder messages;
        m_window->resize(1000, 700);
        m_window->findChild<QSplitter*>(QStringLiteral("splitter"))->setSizes({420, 500});
        frmFind* dialog = m_window->FindDialog();
        bool clear = false;
        QTimer::singleShot(0, this, [&] {
            const QRect list(FieldList()->mapToGlobal(QPoint(0, 0)), FieldList()->size());
            clear = dialog->isVisible() && !dialog->frameGeometry().intersects(list);
            dialog->findChild<QComboBox*>(QStringLiteral("cboName"))->setEditText(QStringLiteral("凭证"));
            dialog->findChild<QAbstractButton*>(QStringLiteral("cmdFind"))->click();
            QTest::keyClick(dialog->findChild<QComboBox*>(QStringLiteral("cboNumber")), Qt::Key_Escape);
        });
        QTest::keyClick(Tree(), Qt::Key_F3);
        QVERIFY(clear);
        QVERIFY(!dialog->isVisible());
        QVERIFY(!dialog->WalkUnderWay());  // Escape cancels the walk

        dialog->findChild<QComboBox*>(QStringLiteral("cboName"))->setEditText(QStringLiteral("凭证"));
        dialog->FindNext();
        QVERIFY(Tree()->currentItem()->data(0, BrowserTree::KeyRole).toString().endsWith(QStringLiteral(".31")));
        QVERIFY(!OpensFind([&] { QTest::keyClick(Tree(), Qt::Key_F3); }));
        QVERIFY(Tree()->currentItem()->data(0, BrowserTree::KeyRole).toString().endsWith(QStringLiteral(".32")));

        bool searching = false;
        QTimer::singleShot(0, this, [&] {
            auto* search = m_window->findChild<frmFieldSearch*>();
            searching = search && search->isVisible();
            if (search)
                search->hide();
        });
        QTest::keyClick(FieldList(), Qt::Key_L, Qt::ControlModifier);
        QVERIFY(searching);
        QVERIFY(Browser()->Command(QStringLiteral("Find"))->toolTip().contains(QStringLiteral("Ctrl+F")));
        QVERIFY(Browser()->Command(QStringLiteral("Find"))->toolTip().contains(QStringLiteral("F3")));
        QVERIFY(Browser()->Command(QStringLiteral("FieldSearch"))->toolTip().contains(QStringLiteral("Ctrl+L")));
        QVERIFY(messages.messages.isEmpty());
    }

    void onlyTheFindAndCloseCommandsAct()
    {
        OpenWindow();
        BrowserCommand lowerFind(QStringLiteral("find"), nullptr);
        QVERIFY(!OpensFind([&] { emit Browser()->CommandClick(&lowerFind); }));
        QVERIFY(OpensFind([&] { Browser()->Command(QStringLiteral("Find"))->trigger(); }));
        BrowserCommand lowerClose(QStringLiteral("close"), nullptr);
        emit Browser()->CommandClick(&lowerClose);
        QVERIFY(m_window->isVisible());
        Browser()->Command(QStringLiteral("Close"))->trigger();
        QVERIFY(!m_window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_window);  // the window deletes itself once closed
    }

    void locateSelectsTheTableAndFramesTheCaption()
    {
        OpenWindow();
        frmFind* dialog = m_window->FindDialog();
        emit dialog->Locate(QStringLiteral("gi205"), 205);
        QTreeWidgetItem* sample = ItemOfKeyEnding(QStringLiteral(".205"));
        QCOMPARE(Tree()->currentItem(), sample);
        QVERIFY(sample->isSelected());
        QCOMPARE(Caption(), QStringLiteral("[ 示例表(t_Sample) ]的内容"));
        QVERIFY(FieldList()->topLevelItemCount() > 10);
        const int fields = FieldList()->topLevelItemCount();

        // An ID that matches no table changes nothing; a negative one is matched by its value.
        emit dialog->Locate(QStringLiteral("gi999999"), 999999);
        QCOMPARE(Tree()->currentItem(), sample);
        QCOMPARE(Caption(), QStringLiteral("[ 示例表(t_Sample) ]的内容"));
        QCOMPARE(FieldList()->topLevelItemCount(), fields);
        emit dialog->Locate(QStringLiteral("gi-1"), -1);
        QVERIFY(Tree()->currentItem()->text(0).endsWith(QStringLiteral("(t_LogicTemp)")));
    }

    void otherLanguagesShowNoSimplifiedChineseTexts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("CHT") << QStringLiteral("CHT");
        QTest::newRow("EN") << QStringLiteral("EN");
    }

    void otherLanguagesShowNoSimplifiedChineseTexts()
    {
        QFETCH(QString, language);
        OpenWindow(language);
        Pick(ItemOfKeyEnding(QStringLiteral(".205")));
        MessageRecorder messages;
        frmFind* dialog = m_window->FindDialog();
        dialog->show();
        dialog->findChild<QAbstractButton*>(QStringLiteral("cmdFind"))->click();  // both boxes blank: a message

        // The texts whose translation differs from the source must not show.
        QStringList untranslated;
        for (const QString& source : kSourceTexts)
            if (modPublic::LocalText(source) != source)
                untranslated << source;
        QVERIFY(untranslated.contains(QStringLiteral("Norv字段描述查询工具")));
        if (language == QLatin1String("EN"))
            QCOMPARE(untranslated.size(), kSourceTexts.size());

        QStringList texts = VisibleTexts(m_window);
        for (const ShownMessage& message : std::as_const(messages.messages))
            texts << message.prompt << message.title;
        QCOMPARE(messages.messages.size(), 1);
        for (const QString& text : std::as_const(texts))
            for (const QString& source : std::as_const(untranslated))
                QVERIFY2(!text.contains(source), qPrintable(QStringLiteral("'%1' shows '%2'").arg(text, source)));
        dialog->hide();
    }

    void showToolModalReturnsWhenTheWindowCloses()
    {
        LogInToDemoAccount();
        const automation::ObjectPtr tool = automation::CreateObject(QStringLiteral("Tabrix.clsTableDescTool"));
        bool wasShownModal = false;
        QTimer::singleShot(0, this, [&] {
            auto* window = qobject_cast<clsTableDescTool*>(tool.get())->Window();
            wasShownModal = window && window->isVisible() && window->isModal();
            if (window)
                window->close();
        });
        automation::Invoke(tool.get(), "ShowTool");  // no argument: modal
        QVERIFY(wasShownModal);
        QVERIFY(!qobject_cast<clsTableDescTool*>(tool.get())->Window());
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(!qobject_cast<frmLoad*>(widget));
    }

    void showToolModelessReturnsAtOnceAndReleasingClosesTheNewestWindow()
    {
        LogInToDemoAccount();
        automation::ObjectPtr tool = automation::CreateObject(QStringLiteral("Tabrix.clsTableDescTool"));
        auto* typed = qobject_cast<clsTableDescTool*>(tool.get());
        automation::Invoke(tool.get(), "ShowTool", {false});
        QPointer<frmLoad> first = typed->Window();
        QVERIFY(first && first->isVisible() && !first->isModal());
        automation::Invoke(tool.get(), "ShowTool", {false});
        QPointer<frmLoad> second = typed->Window();
        QVERIFY(second && second != first && second->isVisible());

        tool.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!second);
        QVERIFY(first && first->isVisible());
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);

        // Released after the user closed its window: nothing to close, nothing fails.
        tool = automation::CreateObject(QStringLiteral("Tabrix.clsTableDescTool"));
        automation::Invoke(tool.get(), "ShowTool", {false});
        QPointer<frmLoad> closed = qobject_cast<clsTableDescTool*>(tool.get())->Window();
        closed->close();
        tool.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);
    }

    // The tree pane fits its longest caption; size, position, splitters and column widths come
    // back in the next window; a cut-off cell shows its text as a tooltip, a whole one does not.
    void layoutIsRememberedAndCutOffTextsShown()
    {
        QSettings(QStringLiteral("tabrix"), QStringLiteral("tabrix")).remove(QStringLiteral("frmLoad"));
        OpenWindow();
        auto* splitter = m_window->findChild<QSplitter*>(QStringLiteral("splitter"));
        QVERIFY(splitter);
        const QTreeWidgetItem* table = ItemOfKeyEnding(QStringLiteral(".205"));
        QVERIFY(table);
        const int captionWidth = Tree()->fontMetrics().horizontalAdvance(table->text(0)) + 2 * Tree()->indentation();
        QVERIFY2(splitter->sizes().value(0) >= captionWidth || splitter->sizes().value(0) >= m_window->width() / 2 - 10,
                 qPrintable(QStringLiteral("%1 < %2").arg(splitter->sizes().value(0)).arg(captionWidth)));

        Pick(const_cast<QTreeWidgetItem*>(table));
        QVERIFY(FieldList()->topLevelItemCount() > 0);
        FieldList()->setColumnWidth(2, 12);
        const QRect cell = FieldList()->visualRect(FieldList()->model()->index(0, 2));
        QHelpEvent cutOff(QEvent::ToolTip, cell.center(), FieldList()->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(FieldList()->viewport(), &cutOff);
        QCOMPARE(QToolTip::text(), FieldList()->topLevelItem(0)->text(2));
        FieldList()->setColumnWidth(2, 400);
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QHelpEvent whole(QEvent::ToolTip, cell.center(), FieldList()->viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(FieldList()->viewport(), &whole);
        QVERIFY(!QToolTip::isVisible());

        m_window->setGeometry(40, 30, 610, 470);
        splitter->setSizes({123, splitter->width() - 123 - splitter->handleWidth()});
        FieldList()->setColumnWidth(1, 77);
        FieldList()->setColumnWidth(3, 5);
        QCoreApplication::processEvents();
        const QRect geometry = m_window->geometry();
        const QList<int> sizes = splitter->sizes();
        m_window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_window);

        OpenWindow();
        QCOMPARE(m_window->geometry().size(), geometry.size());
        QCOMPARE(m_window->findChild<QSplitter*>(QStringLiteral("splitter"))->sizes(), sizes);
        QCOMPARE(FieldList()->columnWidth(1), 77);
        // A kept width too narrow for its heading (from a session in another language) widens.
        QVERIFY(FieldList()->columnWidth(3) >= FieldList()->header()->sectionSizeHint(3));
        QSettings(QStringLiteral("tabrix"), QStringLiteral("tabrix")).remove(QStringLiteral("frmLoad"));
    }

    // Pictures of the windows for the documentation.
    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("TABRIX_SCREENSHOTS"))
            QSKIP("set TABRIX_SCREENSHOTS=1 to write the screenshots");
        QVERIFY(QDir().mkpath(QStringLiteral(TABRIX_SCREENSHOT_DIR)));
        const auto save = [](QWidget* widget, const char* name) {
            const QString path = QDir(QStringLiteral(TABRIX_SCREENSHOT_DIR)).filePath(QString::fromLatin1(name));
            QVERIFY2(widget->grab().save(path), qPrintable(path));
        };
        for (const auto& [language, file] : {std::pair{"CHS", "frmLoad_CHS.png"}, std::pair{"EN", "frmLoad_EN.png"}}) {
            NorvBrowser::InstallTranslation(QString::fromLatin1(language));  // as the host does
            OpenWindow(QString::fromLatin1(language));
            m_window->resize(760, 520);
            QCoreApplication::processEvents();
            emit m_window->FindDialog()->Locate(QStringLiteral("gi205"), 205);
            QCoreApplication::processEvents();
            save(m_window, file);
            if (QLatin1String(language) == QLatin1String("CHS")) {
                frmFind* dialog = m_window->FindDialog();
                dialog->show();
                dialog->findChild<QComboBox*>(QStringLiteral("cboName"))->setEditText(QStringLiteral("凭证"));
                QCoreApplication::processEvents();
                save(dialog, "frmFind.png");
                dialog->hide();
            }
            delete m_window;
        }
    }
};

QTEST_MAIN(frmLoadTest)
#include "frmLoadTest.moc"
