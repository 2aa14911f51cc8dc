// The find dialog's walk over the hits, on the demo account, with the main window answering
// its Locate events.
#include "BrowserTree.h"
#include "BrowserUiHost.h"
#include "Dispatch.h"
#include "FindTexts.h"
#include "SqliteFile.h"
#include "TreeNodeText.h"
#include "frmFind.h"
#include "frmLoad.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The demo account's tables whose description holds 凭证, in query order.
const QList<qint32> kVoucherTables = {31, 32, 33};
const QString kDone = QStringLiteral("查找已经完成.");
const QString kNoHit = QStringLiteral("没有查询到满足条件项目!");

}  // namespace

class frmFindTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_settings;
    QPointer<frmLoad> m_window;
    frmFind* m_dialog = nullptr;
    std::unique_ptr<MessageRecorder> m_messages;
    std::unique_ptr<QSignalSpy> m_hits;

    QComboBox* Box(const char* name) const { return m_dialog->findChild<QComboBox*>(QString::fromLatin1(name)); }
    QPushButton* Button(const char* name) const { return m_dialog->findChild<QPushButton*>(QString::fromLatin1(name)); }

    void Type(const QString& code, const QString& name) const
    {
        Box("cboNumber")->setEditText(code);
        Box("cboName")->setEditText(name);
    }

    // Presses Find; returns the table ID it located, or 0 when it located nothing.
    qint32 PressFind()
    {
        m_hits->clear();
        Button("cmdFind")->click();
        if (m_hits->isEmpty())
            return 0;
        const QList<QVariant> hit = m_hits->takeFirst();
        if (hit.at(0).toString() != QStringLiteral("gi") + QString::number(hit.at(1).toInt()))
            return -999;  // a key that does not match its ID
        return hit.at(1).toInt();
    }

    QList<qint32> PressFind(int times)
    {
        QList<qint32> located;
        for (int i = 0; i < times; ++i)
            located << PressFind();
        return located;
    }

    void OpenWindow()
    {
        m_hits.reset();
        delete m_window;
        m_window = new frmLoad;
        m_window->Form_Load();
        m_window->show();
        m_dialog = m_window->FindDialog();
        m_hits = std::make_unique<QSignalSpy>(m_dialog, &frmFind::Locate);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog));
    }

private slots:
    // The window's remembered layout goes to this run's own settings, never the user's.
    void initTestCase()
    {
        QVERIFY(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }

    void init()
    {
        LogInToDemoAccount();
        m_messages = std::make_unique<MessageRecorder>();
        OpenWindow();
    }

    void cleanup()
    {
        m_hits.reset();
        delete m_window;
        m_messages.reset();
    }

    void layoutTabOrderAndTexts()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("查找"));
        QCOMPARE(m_dialog->size(), QSize(364, 66));
        QCOMPARE(Box("cboNumber")->geometry(), QRect(106, 8, 169, 20));
        QCOMPARE(Box("cboName")->geometry(), QRect(105, 34, 169, 20));
        QCOMPARE(Button("cmdFind")->geometry(), QRect(278, 8, 76, 20));
        QCOMPARE(Button("cmdCancel")->geometry(), QRect(278, 34, 76, 20));
        QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("lblNumber"))->text(), QStringLiteral("表代码(&D):"));
        QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("lblName"))->text(), QStringLiteral("表名称(&N):"));
        QCOMPARE(Button("cmdFind")->text(), QStringLiteral("查找(&F)"));
        QCOMPARE(Button("cmdCancel")->text(), QStringLiteral("取消(&C)"));
        QVERIFY(Button("cmdFind")->isDefault());
        QVERIFY(Box("cboNumber")->isEditable() && Box("cboName")->isEditable());
        QCOMPARE(m_dialog->windowIcon().pixmap(16).toImage(), m_window->windowIcon().pixmap(16).toImage());

        QCOMPARE(m_dialog->focusWidget(), Box("cboNumber"));
        QWidget* next = Box("cboNumber");
        QList<QWidget*> order;
        for (int i = 0; i < 4; ++i) {
            next = next->nextInFocusChain();
            while (next->focusProxy() || !(next->focusPolicy() & Qt::TabFocus))
                next = next->nextInFocusChain();
            order << next;
        }
        QCOMPARE(order, QList<QWidget*>({Button("cmdFind"), Box("cboName"), Button("cmdCancel"), Box("cboNumber")}));
    }

    void accessKeysMoveTheFocus()
    {
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog));
        QTest::keyClick(m_dialog, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Box("cboName"));
        QTest::keyClick(m_dialog, Qt::Key_D, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Box("cboNumber"));
    }

    void threeHitsAreWalkedThenTheWalkEndsAndStartsOver()
    {
        Type({}, QStringLiteral("凭证"));
        QCOMPARE(PressFind(3), kVoucherTables);
        QVERIFY(m_messages->TakePrompts().isEmpty());
        QCOMPARE(PressFind(), 0);
        QCOMPARE(m_messages->messages.value(0).buttons, 64);
        QCOMPARE(m_messages->messages.value(0).title, QStringLiteral("Corvane提示"));
        QCOMPARE(m_messages->TakePrompts(), QStringList{kDone});
        QCOMPARE(PressFind(), 31);
    }

    void theCodeAndBothBoxesSearchToo()
    {
        auto* tree = m_window->findChild<BrowserTree*>(QStringLiteral("tree"));
        Type(QStringLiteral("  ICStock "), {});
        QStringList located;
        for (int i = 0; i < 3; ++i) {
            QVERIFY(PressFind() != 0);
            located << tree->currentItem()->text(0).section(QLatin1Char('('), 1).chopped(1);
        }
        QCOMPARE(located, QStringList({"t_ICStockBill", "t_ICStockBillEntry", "t_ICStockCheck"}));
        QCOMPARE(PressFind(), 0);
        QCOMPARE(m_messages->TakePrompts(), QStringList{kDone});

        Type(QStringLiteral("Voucher"), QStringLiteral("凭证"));
        QCOMPARE(PressFind(4), kVoucherTables + QList<qint32>{0});
        Type(QStringLiteral("Voucher"), QStringLiteral("no such name"));
        QCOMPARE(PressFind(), 0);
        QCOMPARE(m_messages->TakePrompts(), QStringList({kDone, kNoHit}));
    }

    void aLocatedTableIsSelectedAndFramed()
    {
        Type({}, QStringLiteral("凭证"));
        QCOMPARE(PressFind(), 31);
        auto* tree = m_window->findChild<BrowserTree*>(QStringLiteral("tree"));
        QTreeWidgetItem* current = tree->currentItem();
        QVERIFY(current);
        QVERIFY(current->isSelected());
        QVERIFY(current->data(0, BrowserTree::KeyRole).toString().endsWith(QStringLiteral(".31")));
        QCOMPARE(automation::GetProperty(m_window->Browser(), "ContentCaption").toString(),
                 QStringLiteral("[ ") + current->text(0) + QStringLiteral(" ]的内容"));
    }

    void blankBoxesAskForInputAndKeepTheWalk()
    {
        Type(QStringLiteral("   "), QString());
        QCOMPARE(PressFind(), 0);
        QCOMPARE(m_messages->TakePrompts(), QStringList{QStringLiteral("请至少输入一个查找项目！")});
        QVERIFY(!m_dialog->WalkUnderWay());

        Type({}, QStringLiteral("凭证"));
        QCOMPARE(PressFind(), 31);
        Type({}, {});
        QCOMPARE(PressFind(), 0);
        QCOMPARE(m_messages->TakePrompts(), QStringList{QStringLiteral("请至少输入一个查找项目！")});
        Type({}, QStringLiteral("凭证"));
        QCOMPARE(PressFind(), 32);
    }

    // Each find walks exactly the tables whose code and description hold the typed text, and the
    // window picks the table of each hit, whatever its description holds.
    void typedTextsAreFoundAsTheyAre()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("account.db"));
        findtexts::WriteAccount(file);
        auto* tree = m_window->findChild<BrowserTree*>(QStringLiteral("tree"));
        QString language;
        for (const findtexts::Find& find : findtexts::Finds()) {
            const QString label = QString::fromLatin1(find.language) + u' ' + find.code + u'|' + find.name;
            if (language != QLatin1String(find.language)) {
                language = QString::fromLatin1(find.language);
                modPublic::ReleaseModuleState();
                ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                                        QStringLiteral("Provider=SQLite;Data Source=%1;Language=%2").arg(file, language));
                OpenWindow();
                tree = m_window->findChild<BrowserTree*>(QStringLiteral("tree"));
            }
            Type(find.code, find.name);
            std::vector<int> walked;
            for (qint32 id = PressFind(); id != 0; id = PressFind()) {
                walked.push_back(id);
                const auto table = std::find_if(findtexts::Tables().begin(), findtexts::Tables().end(),
                                                [&](const findtexts::Table& t) { return t.id == id; });
                QVERIFY2(table != findtexts::Tables().end() && tree->currentItem(), qPrintable(label));
                QCOMPARE(nodetext::TableName(tree->currentItem()->text(0)), table->code);
            }
            QVERIFY2(walked == findtexts::Expected(find), qPrintable(label));
            QCOMPARE(m_messages->TakePrompts(), QStringList{modPublic::LocalText(walked.empty() ? kNoHit : kDone)});
        }
        // A NUL cannot go into a search; the next press searches again.
        Type(QStringLiteral("t") + QChar(0), {});
        QCOMPARE(PressFind(), 0);
        QCOMPARE(m_messages->TakePrompts(), QStringList{modPublic::LocalText(QStringLiteral("输入有误,请重新输入"))});
        QVERIFY(!m_dialog->WalkUnderWay());
        Type(QStringLiteral("t_x"), {});
        QCOMPARE(PressFind(), 40);
    }

    void noHitsSaysSoAtOnce()
    {
        Type(QStringLiteral("no_such_table"), {});
        QCOMPARE(PressFind(), 0);
        QCOMPARE(m_messages->TakePrompts(), QStringList{kNoHit});
        QVERIFY(!m_dialog->WalkUnderWay());
    }

    void editingDuringAWalkContinuesTheOldWalkUntilCancel()
    {
        Type({}, QStringLiteral("凭证"));
        QCOMPARE(PressFind(), 31);
        Type(QStringLiteral("ICStock"), {});
        QCOMPARE(PressFind(), 32);
        Button("cmdCancel")->click();
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(!m_dialog->WalkUnderWay());
        m_dialog->show();
        const qint32 first = PressFind();
        QVERIFY(first != 0 && !kVoucherTables.contains(first));
        QCOMPARE(m_messages->TakePrompts(), QStringList());
    }

    void theCloseBoxKeepsTheWalkAndCancelRestartsIt()
    {
        Type({}, QStringLiteral("凭证"));
        QCOMPARE(PressFind(), 31);
        m_dialog->close();
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(m_window->FindDialog() == m_dialog);
        m_dialog->show();
        QCOMPARE(Box("cboName")->currentText(), QStringLiteral("凭证"));
        QCOMPARE(PressFind(), 32);

        QTest::keyClick(m_dialog, Qt::Key_Escape);  // Esc is Cancel
        QVERIFY(!m_dialog->isVisible());
        m_dialog->show();
        QCOMPARE(PressFind(), 31);
    }

    void enterPressesFindExceptOnCancel()
    {
        Type({}, QStringLiteral("凭证"));
        Box("cboName")->setFocus();
        QTest::keyClick(Box("cboName"), Qt::Key_Return);
        QCOMPARE(m_hits->size(), 1);
        QCOMPARE(Box("cboName")->count(), 0);  // the drop-down list stays empty

        Button("cmdCancel")->setFocus();
        QTest::keyClick(Button("cmdCancel"), Qt::Key_Return);
        QCOMPARE(m_hits->size(), 1);
        QVERIFY(!m_dialog->isVisible());
        QVERIFY(!m_dialog->WalkUnderWay());

        m_dialog->show();
        QTest::keyClick(Box("cboNumber"), Qt::Key_Enter);
        QCOMPARE(m_hits->size(), 2);
        QVERIFY(Button("cmdFind")->isDefault());
    }

    // Between presses a walk holds nothing of the account: a second connection, which gives up
    // at once on a lock, writes while the dialog is open mid-walk and while its close box has it
    // hidden, and the walk goes on.
    void othersWriteToTheAccountDuringAWalk()
    {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("account.db"));
        QVERIFY(QFile::copy(DemoDatabasePath(), copy));
        ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                                QStringLiteral("Provider=SQLite;Data Source=%1;Language=CHS").arg(copy));
        demo::SqliteFile writer(copy);
        Type({}, QStringLiteral("凭证"));
        QCOMPARE(PressFind(), 31);
        QVERIFY_THROWS_NO_EXCEPTION(
            writer.Exec("update t_tabledescription set FDescription_EN = 'Vouchers' where FTableID = 31"));
        m_dialog->close();
        QVERIFY_THROWS_NO_EXCEPTION(writer.Exec("insert into t_Subsystem (FSubSysID, FName) values (16, 'x')"));
        m_dialog->show();
        QCOMPARE(PressFind(3), (QList<qint32>{32, 33, 0}));
        QCOMPARE(m_messages->TakePrompts(), QStringList{kDone});
    }

    void aFailingLocateHandlerEndsTheWalk()
    {
        connect(m_dialog, &frmFind::Locate, this, [] {
            automation::ErrorInfo failure;
            failure.number = 9;
            failure.description = QStringLiteral("Subscript out of range");
            automation::SetCurrentError(failure);
        });
        Type({}, QStringLiteral("凭证"));
        QCOMPARE(PressFind(), 31);
        QCOMPARE(m_messages->TakePrompts(), QStringList{QStringLiteral("没有查询到满足条件项目!")});
        QVERIFY(!m_dialog->WalkUnderWay());
        QCOMPARE(automation::CurrentError().number, 0L);
    }
};

QTEST_MAIN(frmFindTest)
#include "frmFindTest.moc"
