// The browser control on its own: created by ProgID and filled with hand-made lists.
#include "AutomationError.h"
#include "BrowserList.h"
#include "BrowserNode.h"
#include "BrowserTree.h"
#include "ComponentRegistry.h"
#include "Dispatch.h"
#include "NorvBrowser.h"
#include "VexaList.h"
#include "VexaRecord.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QSignalSpy>
#include <QSplitter>
#include <QStyle>
#include <QTest>

#include <initializer_list>
#include <utility>

namespace {

using Values = std::initializer_list<std::pair<const char*, QVariant>>;

VexaRecordPtr Record(Values values)
{
    auto record = std::make_shared<VexaRecord>();
    for (const auto& [name, value] : values)
        record->SetValue(QString::fromLatin1(name), value);
    return record;
}

VexaListPtr List(std::initializer_list<VexaRecordPtr> records)
{
    auto list = std::make_shared<VexaList>();
    for (const VexaRecordPtr& record : records)
        list->Add(record);
    return list;
}

VexaRecordPtr TreeRecord(const QString& relative, const QString& key, const QString& text, int normal, int click,
                         const QString& tag)
{
    return Record({{"FType", 1}, {"FRelative", relative}, {"FKey", key}, {"FText", text}, {"FimgNormal", normal},
                   {"FimgClick", click}, {"FTag", tag}});
}

VexaRecordPtr Column(const QString& caption, const QString& name, bool visible = true)
{
    return Record({{"FCaption", caption}, {"FName", name}, {"FAlign", 0}, {"FVisible", visible}, {"FDecCtl", 0}});
}

QVariant Object(const VexaListPtr& list)
{
    return QVariant::fromValue(automation::ObjectPtr(list));
}

QImage IconImage(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage();
}

}  // namespace

class NorvBrowserTest : public QObject {
    Q_OBJECT

private:
    automation::ObjectPtr m_object;
    NorvBrowser* m_browser = nullptr;

    BrowserTree* Tree() const { return m_browser->findChild<BrowserTree*>(QStringLiteral("tree")); }
    BrowserList* IndexList() const { return m_browser->findChild<BrowserList*>(QStringLiteral("indexList")); }
    BrowserList* FieldList() const { return m_browser->findChild<BrowserList*>(QStringLiteral("fieldList")); }

    // Root, two subsystems, three tables (one under a missing subsystem), in that order.
    void FillTree()
    {
        automation::SetProperty(m_browser, "TreeData",
                                Object(List({TreeRecord({}, "gc0", "Root", 1, 2, "0"),
                                             TreeRecord("gc0", "gi1", "General", 1, 2, "0"),
                                             TreeRecord("gc0", "gi2", "Stock", 1, 2, "0"),
                                             TreeRecord("gi1", "gi1.31", "Voucher(t_Voucher)", 13, 13, "1"),
                                             TreeRecord("gi2", "gi2.70", "Bill(t_Bill)", 13, 13, "1"),
                                             TreeRecord("gi99", "gi99.5", "Orphan(t_Orphan)", 13, 13, "1")})));
    }

    QTreeWidgetItem* ItemOfKey(const QString& key) const
    {
        for (QTreeWidgetItemIterator it(Tree()); *it; ++it)
            if ((*it)->data(0, BrowserTree::KeyRole).toString() == key)
                return *it;
        return nullptr;
    }

    void Click(QTreeWidgetItem* item) const
    {
        BrowserTree* tree = Tree();
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
        QCoreApplication::processEvents();
    }

private slots:
    void init()
    {
        m_object = automation::CreateObject(QStringLiteral("NorvBrowsers.NorvBrowser"));
        m_browser = qobject_cast<NorvBrowser*>(m_object.get());
        QVERIFY(m_browser);
        m_browser->resize(700, 500);
        m_browser->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_browser));
    }

    void cleanup()
    {
        m_browser = nullptr;
        m_object.reset();
    }

    void treeIsBuiltByKeyAndRelativeInListOrder()
    {
        FillTree();
        BrowserTree* tree = Tree();
        QCOMPARE(tree->topLevelItemCount(), 2);  // the root, and the table whose subsystem is missing
        QTreeWidgetItem* root = tree->topLevelItem(0);
        QCOMPARE(root->text(0), QStringLiteral("Root"));
        QCOMPARE(root->childCount(), 2);
        QCOMPARE(root->child(1)->child(0)->text(0), QStringLiteral("Bill(t_Bill)"));
        QCOMPARE(tree->topLevelItem(1)->text(0), QStringLiteral("Orphan(t_Orphan)"));

        QObject* control = automation::Invoke(m_browser, "TreeControl").value<QObject*>();
        QCOMPARE(control, static_cast<QObject*>(tree));
        QObject* nodes = automation::GetProperty(control, "Nodes").value<QObject*>();
        QCOMPARE(automation::Invoke(nodes, "Count").toInt(), 6);
        QStringList keys;
        for (int i = 1; i <= 6; ++i)
            keys << automation::GetProperty(automation::Invoke(nodes, "Item", {i}).value<QObject*>(), "Key").toString();
        QCOMPARE(keys, QStringList({"gc0", "gi1", "gi2", "gi1.31", "gi2.70", "gi99.5"}));
        QObject* table = automation::Invoke(nodes, "Item", {4}).value<QObject*>();
        QCOMPARE(automation::GetProperty(table, "Text").toString(), QStringLiteral("Voucher(t_Voucher)"));
        QCOMPARE(automation::GetProperty(table, "Tag").toString(), QStringLiteral("1"));
        try {
            automation::Invoke(nodes, "Item", {7});
            QFAIL("a node beyond the count was handed out");
        } catch (const automation::AutomationError& error) {
            QCOMPARE(error.Number(), 35600L);
        }

        // Nothing empties the tree; a parent named later in the list is not a parent.
        automation::SetProperty(m_browser, "TreeData", Object(nullptr));
        QCOMPARE(tree->topLevelItemCount(), 0);
        QCOMPARE(automation::Invoke(nodes, "Count").toInt(), 0);
        automation::SetProperty(m_browser, "TreeData",
                                Object(List({TreeRecord("b", "a", "A", 1, 2, "0"), TreeRecord("a", "b", "B", 1, 2, "0")})));
        QCOMPARE(tree->topLevelItemCount(), 1);
        QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("B"));
    }

    void nodesShowTheirImages()
    {
        FillTree();
        const QStyle* style = Tree()->style();
        QTreeWidgetItem* root = ItemOfKey(QStringLiteral("gc0"));
        QTreeWidgetItem* subsystem = ItemOfKey(QStringLiteral("gi1"));
        QTreeWidgetItem* table = ItemOfKey(QStringLiteral("gi1.31"));
        QCOMPARE(IconImage(root->icon(0)), IconImage(style->standardIcon(QStyle::SP_DirOpenIcon)));  // expanded
        QCOMPARE(IconImage(subsystem->icon(0)), IconImage(style->standardIcon(QStyle::SP_DirClosedIcon)));
        QCOMPARE(IconImage(table->icon(0)), IconImage(style->standardIcon(QStyle::SP_FileIcon)));
        subsystem->setExpanded(true);
        QCOMPARE(IconImage(subsystem->icon(0)), IconImage(style->standardIcon(QStyle::SP_DirOpenIcon)));
        subsystem->setExpanded(false);
        QCOMPARE(IconImage(subsystem->icon(0)), IconImage(style->standardIcon(QStyle::SP_DirClosedIcon)));
    }

    void pickingANodeRaisesNodeClickOnce()
    {
        FillTree();
        QSignalSpy picks(m_browser, &NorvBrowser::NodeClick);
        QTreeWidgetItem* table = ItemOfKey(QStringLiteral("gi1.31"));
        ItemOfKey(QStringLiteral("gi1"))->setExpanded(true);
        Click(table);
        QCOMPARE(picks.size(), 1);
        QObject* node = picks.takeFirst().at(0).value<QObject*>();
        QCOMPARE(automation::GetProperty(node, "Key").toString(), QStringLiteral("gi1.31"));
        QVERIFY(automation::GetProperty(node, "Selected").toBool());

        Click(table);  // picking the same node again reports it again
        QCOMPARE(picks.size(), 1);

        Tree()->setFocus();
        QTest::keyClick(Tree(), Qt::Key_Down);
        QCOMPARE(picks.size(), 2);
        QCOMPARE(automation::GetProperty(picks.last().at(0).value<QObject*>(), "Key").toString(), QStringLiteral("gi2"));
    }

    void selectingANodeByPropertyRaisesNothing()
    {
        FillTree();
        QSignalSpy picks(m_browser, &NorvBrowser::NodeClick);
        QObject* nodes = automation::GetProperty(automation::Invoke(m_browser, "TreeControl").value<QObject*>(), "Nodes")
                             .value<QObject*>();
        QObject* bill = automation::Invoke(nodes, "Item", {5}).value<QObject*>();
        automation::SetProperty(bill, "Selected", true);
        QCOMPARE(picks.size(), 0);
        QTreeWidgetItem* item = ItemOfKey(QStringLiteral("gi2.70"));
        QCOMPARE(Tree()->currentItem(), item);
        QVERIFY(item->parent()->isExpanded());
        QVERIFY(automation::GetProperty(bill, "Selected").toBool());
    }

    void listsTakeColumnsAndRowsAndNothingEmptiesThem()
    {
        automation::SetProperty(m_browser, "FieldColumns",
                                Object(List({Column("No.", "FTableID"), Column("Name", "FFieldName"),
                                             Column("Hidden", "FSecret", false)})));
        BrowserList* list = FieldList();
        QCOMPARE(list->columnCount(), 3);
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("No."));
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Name"));
        QVERIFY(list->isColumnHidden(2));
        QCOMPARE(list->topLevelItemCount(), 0);

        const VexaListPtr rows = List({Record({{"FTableID", 1}, {"ffieldname", "FID"}, {"FSecret", "x"}}),
                                       Record({{"FTableID", 2}, {"FFieldName", "FName"}})});
        automation::SetProperty(m_browser, "FieldRows", Object(rows));
        QCOMPARE(list->topLevelItemCount(), 2);
        QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("1"));
        QCOMPARE(list->topLevelItem(0)->text(1), QStringLiteral("FID"));  // names without regard to case
        QCOMPARE(list->topLevelItem(1)->text(2), QString());
        QCOMPARE(automation::GetProperty(m_browser, "FieldRows").value<automation::ObjectPtr>(), automation::ObjectPtr(rows));

        automation::SetProperty(m_browser, "FieldRows", Object(nullptr));
        QCOMPARE(list->topLevelItemCount(), 0);
        QCOMPARE(IndexList()->topLevelItemCount(), 0);
    }

    void headingClicksSortNumbersByValue()
    {
        automation::SetProperty(m_browser, "IndexColumns", Object(List({Column("N", "N"), Column("T", "T")})));
        automation::SetProperty(m_browser, "IndexRows",
                                Object(List({Record({{"N", "10"}, {"T", "b"}}), Record({{"N", "2"}, {"T", "c"}}),
                                             Record({{"N", "1"}, {"T", "a"}})})));
        BrowserList* list = IndexList();
        const auto column = [list](int index) {
            QStringList texts;
            for (int row = 0; row < list->topLevelItemCount(); ++row)
                texts << list->topLevelItem(row)->text(index);
            return texts;
        };
        QCOMPARE(column(0), QStringList({"10", "2", "1"}));  // the order given until a heading is clicked
        const int x = list->header()->sectionViewportPosition(0) + 5;
        QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, QPoint(x, list->header()->height() / 2));
        QCOMPARE(column(0), QStringList({"1", "2", "10"}));
        QTest::mouseClick(list->header()->viewport(), Qt::LeftButton, {}, QPoint(x, list->header()->height() / 2));
        QCOMPARE(column(0), QStringList({"10", "2", "1"}));
        // New rows keep the chosen order.
        automation::SetProperty(m_browser, "IndexRows",
                                Object(List({Record({{"N", "3"}}), Record({{"N", "30"}}), Record({{"N", "4"}})})));
        QCOMPARE(column(0), QStringList({"30", "4", "3"}));
    }

    void ctrlCCopiesTheSelectedRowsAsTabSeparatedText()
    {
        automation::SetProperty(m_browser, "IndexColumns",
                                Object(List({Column("A", "A"), Column("Hidden", "H", false), Column("B", "B")})));
        automation::SetProperty(m_browser, "IndexRows",
                                Object(List({Record({{"A", "a1"}, {"H", "h"}, {"B", "b1"}}), Record({{"A", "a2"}, {"B", "b2"}}),
                                             Record({{"A", "a3"}, {"B", "b3"}})})));
        BrowserList* list = IndexList();
        list->setFocus();
        list->topLevelItem(0)->setSelected(true);
        list->topLevelItem(2)->setSelected(true);
        QApplication::clipboard()->clear();
        QTest::keySequence(list, QKeySequence::Copy);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a1\tb1\na3\tb3"));
    }

    void switchedOffCommandsAreHiddenOnceButtonsAreSet()
    {
        automation::Invoke(m_browser, "SetButtonState", {QStringLiteral("NewGroup"), false});
        QAction* newGroup = m_browser->Command(QStringLiteral("NewGroup"));
        QVERIFY(!newGroup->isEnabled());
        QVERIFY(newGroup->isVisible());
        automation::SetProperty(m_browser, "ButtonsSet", true);
        QVERIFY(!newGroup->isVisible());
        QVERIFY(m_browser->Command(QStringLiteral("Find"))->isVisible());
        automation::Invoke(m_browser, "SetButtonState", {QStringLiteral("Find"), false});
        QVERIFY(!m_browser->Command(QStringLiteral("Find"))->isVisible());
        automation::Invoke(m_browser, "SetButtonState", {QStringLiteral("NoSuchKey"), false});
    }

    void commandsReportTheirKeys()
    {
        QSignalSpy commands(m_browser, &NorvBrowser::CommandClick);
        for (const char* key : {"New", "Modify", "Delete", "Cut", "Copy", "Paste", "NewGroup", "Find", "Close"})
            m_browser->Command(QString::fromLatin1(key))->trigger();
        QStringList keys;
        for (const QList<QVariant>& arguments : std::as_const(commands))
            keys << automation::GetProperty(arguments.at(0).value<QObject*>(), "Key").toString();
        QCOMPARE(keys, QStringList({"New", "Modify", "Delete", "Cut", "Copy", "Paste", "NewGroup", "Find", "Close"}));
    }

    void toolbarWordsFollowTheHostLanguage()
    {
        const auto words = [] {
            NorvBrowser browser;
            QStringList texts;
            for (const char* key : {"NewGroup", "Delete", "Find", "Close"})
                texts << browser.Command(QString::fromLatin1(key))->text();
            return texts;
        };
        NorvBrowser::InstallTranslation(QStringLiteral("CHS"));
        QCOMPARE(words(), QStringList({"新增组", "删除", "查找", "关闭"}));
        NorvBrowser::InstallTranslation(QStringLiteral("cht"));
        QCOMPARE(words(), QStringList({"新增群組", "刪除", "尋找", "關閉"}));
        NorvBrowser::InstallTranslation(QStringLiteral("EN"));
        QCOMPARE(words(), QStringList({"New Group", "Delete", "Find", "Close"}));
    }

    void captionStatusAndAppKeyReadBack()
    {
        automation::SetProperty(m_browser, "ContentCaption", QStringLiteral("Caption"));
        automation::SetProperty(m_browser, "StatusText", QStringLiteral("Status"));
        automation::SetProperty(m_browser, "AppKey", QStringLiteral("NorvBillsTools"));
        QCOMPARE(m_browser->findChild<QLabel*>(QStringLiteral("contentCaption"))->text(), QStringLiteral("Caption"));
        QCOMPARE(m_browser->findChild<QLabel*>(QStringLiteral("statusText"))->text(), QStringLiteral("Status"));
        QCOMPARE(automation::GetProperty(m_browser, "AppKey").toString(), QStringLiteral("NorvBillsTools"));
        QVERIFY(m_browser->findChild<QSplitter*>(QStringLiteral("splitter")));
    }
};

QTEST_MAIN(NorvBrowserTest)
#include "NorvBrowserTest.moc"
