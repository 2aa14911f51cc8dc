// The converter's template dialog over real exports of the demo database. The export runs
// inside the click of "开始", so presses during a run come from the dialog's pass hook, at
// row counts of the export (PassScript below); what the steps see is checked after the run.
#include "AutomationError.h"
#include "ComponentRegistry.h"
#include "DemoDatabase.h"
#include "DialogLanguage.h"
#include "Dispatch.h"
#include "EventLoopYield.h"
#include "FileDialogSeam.h"
#include "MessageSeam.h"
#include "OpenFileSeam.h"
#include "RunProgress.h"
#include "TemplateDialogHost.h"
#include "frmTemplate.h"
#include "mdlCommon.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <chrono>
#include <ctime>
#include <deque>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

const QString kIdle = QStringLiteral("开始/退出/eStop/idle");
const QString kRunning = QStringLiteral("暂停/停止/ePlay/running");
const QString kPaused = QStringLiteral("开始/停止/ePause/running");
const QString kStopping = QStringLiteral("开始/退出/eStop/running");
const QString kDone = QStringLiteral("处理完毕.....");
const QString kBusy = QStringLiteral("操作中,不能更改基本信息!");
const QString kStopped = QStringLiteral("已停止");
const char* const kLargeTable = "t_LargeTable";
constexpr qint64 kLargeRows = 20000;

struct Message {
    QString prompt;
    int buttons;
    QString title;
};

// Runs its steps one after the other at the row passes of the export (through the dialog's
// pass hook), so that they happen at the same rows on any machine: a step returns true when it
// is done, false to be asked again at the next pass. A paused export makes its next pass only
// after an event; a timer of the script provides one every few milliseconds.
class PassScript {
public:
    PassScript(const frmTemplate& form, std::vector<std::function<bool()>> steps)
        : m_form(form), m_steps(std::move(steps))
    {
        m_previous = EventLoopYield::SetPassHook([this] {
            if (m_next < m_steps.size() && m_steps[m_next]())
                ++m_next;
            // Not yielding and not paused: the export writes the row it looks at.
            if (m_form.Converter()->StopFlag() != clsConverter::ePause)
                ++m_rows;
            return false;
        });
        m_wake.start(10);
    }
    ~PassScript() { EventLoopYield::SetPassHook(std::move(m_previous)); }
    PassScript(const PassScript&) = delete;
    PassScript& operator=(const PassScript&) = delete;

    bool Finished() const { return m_next == m_steps.size(); }
    size_t StepsDone() const { return m_next; }
    // Rows the export wrote while the script ran.
    qint64 Rows() const { return m_rows; }

private:
    const frmTemplate& m_form;
    std::vector<std::function<bool()>> m_steps;
    size_t m_next = 0;
    qint64 m_rows = 0;
    EventLoopYield::PassHook m_previous;
    QTimer m_wake;
};

// A step that lets count passes go by.
std::function<bool()> Passes(int count)
{
    return [count, seen = 0]() mutable { return ++seen >= count; };
}

QPushButton* Button(const frmTemplate& form, const QString& name) { return form.findChild<QPushButton*>(name); }
QPushButton* cmdOK(const frmTemplate& form) { return Button(form, QStringLiteral("cmdOK")); }
QPushButton* cmdCancel(const frmTemplate& form) { return Button(form, QStringLiteral("cmdCancel")); }
QPushButton* cmdFile(const frmTemplate& form, int index) { return Button(form, QStringLiteral("cmdFile(%1)").arg(index)); }
QLineEdit* Box(const frmTemplate& form, const char* name) { return form.findChild<QLineEdit*>(QLatin1String(name)); }
QString Info(const frmTemplate& form) { return form.findChild<QLabel*>(QStringLiteral("lbInfo"))->text(); }
QProgressBar* Bar(const frmTemplate& form) { return form.findChild<QProgressBar*>(QStringLiteral("pbProgress")); }
QString ProgressText(const frmTemplate& form) { return form.findChild<QLabel*>(QStringLiteral("lbProgress"))->text(); }
// The failed table's line a finished run shows (whole in the tooltip).
QString ShownFailure(const frmTemplate& form) { return form.findChild<QLabel*>(QStringLiteral("lbProgress"))->toolTip(); }
// lbInfo's text without its link, and the link's target (empty: none).
std::pair<QString, QString> InfoAndLink(const frmTemplate& form)
{
    const QRegularExpressionMatch link = QRegularExpression(QStringLiteral("^(.*)  <a href=\"(.*)\">")).match(Info(form));
    return link.hasMatch() ? std::pair{link.captured(1), link.captured(2)} : std::pair{Info(form), QString()};
}

// The dialog's state: captions, StopFlag and running flag.
QString State(const frmTemplate& form)
{
    static const char* const flags[] = {"eStop", "ePause", "ePlay"};
    return QStringLiteral("%1/%2/%3/%4")
        .arg(cmdOK(form)->text(), cmdCancel(form)->text(), QLatin1String(flags[form.Converter()->StopFlag()]),
             form.IsRunning() ? QStringLiteral("running") : QStringLiteral("idle"));
}

qint64 SizeOf(const QString& path) { return QFileInfo(path).size(); }

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The FID of every insert statement of the large table, in file order.
std::vector<qint64> InsertedKeys(const QByteArray& script)
{
    std::vector<qint64> keys;
    static const QByteArray marker = ") values(";
    for (qsizetype at = script.indexOf(marker); at >= 0; at = script.indexOf(marker, at + 1)) {
        qint64 key = 0;
        for (qsizetype i = at + marker.size(); i < script.size() && script[i] >= '0' && script[i] <= '9'; ++i)
            key = key * 10 + (script[i] - '0');
        keys.push_back(key);
    }
    return keys;
}

// Keys 1, 2, 3, ... each once: no row skipped or doubled.
bool CountsFromOne(const std::vector<qint64>& keys)
{
    for (size_t i = 0; i < keys.size(); ++i)
        if (keys[i] != static_cast<qint64>(i) + 1)
            return false;
    return true;
}

double CpuSeconds() { return static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

}  // namespace

class tst_frmTemplate : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void layoutFollowsTheDesign();
    void enterStartsAndAnEmptyPathIsRefused();
    void showByProgIdLoadsTheDialogAgainAndReusesItsConverter();
    void showWithoutAPathOffersTheLastFilesSizeAndPlace();
    void inputsAreTrimmedAndTheTemplateFileWins();
    void emptyStructureBoxWritesNoStructure();
    void serversAreExportedInDocumentOrderOverTheirOwnConnections();
    void browsingFollowsTheRunState();
    void escapeStopsARunAndClosesWhenIdle();
    void pauseResumeStopAtRowCounts();
    void resumeWithTheTemplateDeletedStaysPaused();
    void failedExportIsReportedAndTheDialogReturnsToIdle();
    void failedWritesAreReportedAfterTheRun();
    void runEndsWithWhatHappened_data();
    void runEndsWithWhatHappened();
    void startIsRefusedAndNothingIsWritten_data();
    void startIsRefusedAndNothingIsWritten();
    void closingDuringAWalkStopsItFirst_data();
    void closingDuringAWalkStopsItFirst();
    void progressAtAHeldRow();
    void textsInTheHostsLanguage_data();
    void textsInTheHostsLanguage();
    void progressInTheHostsLanguageHoldsWhilePaused_data();
    void progressInTheHostsLanguageHoldsWhilePaused();

private:
    QString Out(const QString& name) const { return m_out->filePath(name); }
    // A server element on the demo database (or another database) holding one database element.
    QString Server(const QString& tables, const QString& attributes = {}, const QString& database = {}) const
    {
        return QStringLiteral(R"(<server name="srv" constr="Provider=SQLite;Data Source=%1" %3><database name="db">%2</database></server>)")
            .arg(database.isEmpty() ? m_database : database, tables, attributes);
    }
    static QString Table(const QString& name, const QString& hint = {})
    {
        return QStringLiteral(R"(<table name="%1" hint="%2"/>)").arg(name, hint);
    }
    QString WriteTemplate(const QString& servers, const QString& name = QStringLiteral("template.xml")) const
    {
        QFile file(Out(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write the template");
        file.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<template>" + servers.toUtf8() + "</template>\n");
        return file.fileName();
    }
    // A loaded dialog, shown, with the three output boxes pointing into this test's folder.
    std::unique_ptr<frmTemplate> Form(const QString& templatePath) const
    {
        auto form = std::make_unique<frmTemplate>();
        form->show();
        Box(*form, "txtTemplate")->setText(templatePath);
        Box(*form, "txtStruct")->setText(Out(QStringLiteral("s.sql")));
        Box(*form, "txtData")->setText(Out(QStringLiteral("d.sql")));
        Box(*form, "txtLog")->setText(Out(QStringLiteral("log.txt")));
        return form;
    }
    QStringList Prompts() const
    {
        QStringList prompts;
        for (const Message& message : m_messages)
            prompts << message.prompt;
        return prompts;
    }

    QTemporaryDir m_data;
    // The user's settings of this run: the dialog's last files and position go here.
    QTemporaryDir m_settings;
    QString m_database;
    std::unique_ptr<QTemporaryDir> m_out;
    std::vector<Message> m_messages;
    std::deque<QString> m_fileAnswers;
    std::vector<ui::FileDialogKind> m_fileDialogs;
};

void tst_frmTemplate::initTestCase()
{
    QVERIFY(QFileInfo::exists(QStringLiteral("type_ref.xml")));
    QVERIFY(m_settings.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    m_database = m_data.filePath(QStringLiteral("account.db"));
    demo::WriteDemoDatabase(m_database);
    demo::AddLargeTable(m_database, kLargeRows);
    ui::SetMessageHandler([this](const QString& prompt, int buttons, const QString& title) {
        m_messages.push_back({prompt, buttons, title});
        return 1;
    });
    ui::SetFileDialogHandler([this](ui::FileDialogKind kind) {
        m_fileDialogs.push_back(kind);
        QString answer;
        if (!m_fileAnswers.empty()) {
            answer = m_fileAnswers.front();
            m_fileAnswers.pop_front();
        }
        return answer;
    });
    converter_ui::InstallTemplateDialog();
}

void tst_frmTemplate::init()
{
    m_out = std::make_unique<QTemporaryDir>();
    m_messages.clear();
    m_fileAnswers.clear();
    m_fileDialogs.clear();
}

void tst_frmTemplate::cleanupTestCase()
{
    ui::SetMessageHandler({});
    ui::SetFileDialogHandler({});
}

void tst_frmTemplate::layoutFollowsTheDesign()
{
    frmTemplate form;
    QCOMPARE(form.windowTitle(), QStringLiteral("采用模板导出"));
    // The designed window, grown downwards by the progress bar and its status line, is the
    // least; it widens only (a taller one would show nothing more).
    QCOMPARE(form.size(), QSize(325, 331));
    QCOMPARE(form.minimumSize(), form.size());
    QCOMPARE(form.maximumHeight(), form.height());
    QVERIFY(form.maximumWidth() > 1920);
    QVERIFY(form.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));

    auto* frame = form.findChild<QGroupBox*>(QStringLiteral("Frame1"));
    QVERIFY(frame);
    QCOMPARE(frame->title(), QStringLiteral("导出基本信息"));

    // Name, parent, text, geometry in pixels (twips / 15), and what 100 more pixels of width
    // do to it: '-' nothing, 'w' widen it, 'm' move it right.
    const struct {
        const char* name;
        QWidget* parent;
        QString text;
        QRect geometry;
        char wider;
    } controls[] = {
        {"Frame1", &form, QStringLiteral("导出基本信息"), {8, 16, 313, 193}, 'w'},
        {"Label1", frame, QStringLiteral("模板文件:"), {43, 32, 54, 12}, '-'},
        {"txtTemplate", frame, {}, {112, 32, 145, 18}, 'w'},
        {"cmdFile(1)", frame, QStringLiteral("<"), {256, 32, 25, 17}, 'm'},
        {"Label2", frame, QStringLiteral("结构文件:"), {43, 76, 54, 12}, '-'},
        {"txtStruct", frame, {}, {112, 73, 145, 18}, 'w'},
        {"cmdFile(2)", frame, QStringLiteral("<"), {256, 74, 25, 17}, 'm'},
        {"Label3", frame, QStringLiteral("数据文件:"), {43, 120, 54, 12}, '-'},
        {"txtData", frame, {}, {112, 120, 145, 18}, 'w'},
        {"cmdFile(3)", frame, QStringLiteral("<"), {256, 120, 25, 17}, 'm'},
        {"Label4", frame, QStringLiteral("记录文件:"), {40, 160, 54, 12}, '-'},
        {"txtLog", frame, {}, {112, 160, 145, 18}, 'w'},
        {"cmdFile(4)", frame, QStringLiteral("<"), {256, 160, 25, 17}, 'm'},
        {"cmdOK", &form, QStringLiteral("开始"), {200, 216, 57, 25}, 'm'},
        {"cmdCancel", &form, QStringLiteral("退出"), {264, 216, 57, 25}, 'm'},
        {"lbInfo", &form, {}, {0, 248, 326, 22}, 'w'},
        // Below lbInfo, which now ends inside the window, and as wide as Frame1.
        {"pbProgress", &form, {}, {8, 274, 313, 16}, 'w'},
    };
    for (const auto& control : controls) {
        auto* widget = form.findChild<QWidget*>(QLatin1String(control.name));
        QVERIFY2(widget, control.name);
        QCOMPARE(widget->parentWidget(), control.parent);
        QCOMPARE(widget->geometry(), control.geometry);
        if (qobject_cast<QGroupBox*>(widget) || qobject_cast<QProgressBar*>(widget))
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else if (auto* button = qobject_cast<QPushButton*>(widget))
            text = button->text();
        else
            text = qobject_cast<QLineEdit*>(widget)->text();
        QCOMPARE(text, control.text);
    }
    QVERIFY(cmdOK(form)->isDefault());
    QCOMPARE(State(form), kIdle);
    QVERIFY(form.findChild<QLabel*>(QStringLiteral("lbInfo"))->geometry().bottom() < Bar(form)->geometry().top());
    // Below the bar, as wide as it, two lines of its font high (at least the 32 pixels laid
    // out), inside the window.
    const QLabel* status = form.findChild<QLabel*>(QStringLiteral("lbProgress"));
    QCOMPARE(status->geometry().topLeft(), QPoint(8, 293));
    QCOMPARE(status->width(), 313);
    QCOMPARE(status->height(), std::max(32, 2 * status->fontMetrics().lineSpacing()));
    QVERIFY(status->geometry().bottom() < form.height());
    QCOMPARE(Bar(form)->value(), 0);
    QCOMPARE(ProgressText(form), QString());

    const char* const tabOrder[] = {"txtTemplate", "cmdFile(1)", "txtData",    "cmdFile(3)", "cmdOK",
                                    "cmdCancel",   "txtStruct",  "cmdFile(2)", "txtLog",     "cmdFile(4)"};
    // What Tab reaches next: the chain skips the widgets that take no focus (labels, frame).
    const auto nextTabStop = [](QWidget* widget) {
        do
            widget = widget->nextInFocusChain();
        while (!(widget->focusPolicy() & Qt::TabFocus));
        return widget->objectName();
    };
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        QCOMPARE(nextTabStop(form.findChild<QWidget*>(QLatin1String(tabOrder[i - 1]))), QString::fromLatin1(tabOrder[i]));
    QCOMPARE(nextTabStop(form.findChild<QWidget*>(QStringLiteral("cmdFile(4)"))), QStringLiteral("txtTemplate"));

    form.show();
    form.resize(form.width() + 100, form.height() + 100);
    QCOMPARE(form.size(), QSize(425, 331));
    for (const auto& control : controls) {
        const QRect designed = control.geometry;
        const QRect expected = control.wider == 'w'   ? designed.adjusted(0, 0, 100, 0)
                               : control.wider == 'm' ? designed.translated(100, 0)
                                                      : designed;
        QCOMPARE(form.findChild<QWidget*>(QLatin1String(control.name))->geometry(), expected);
    }
    QCOMPARE(status->width(), 413);
    form.resize(200, 200);
    QCOMPARE(form.size(), QSize(325, 331));
    QCOMPARE(form.findChild<QWidget*>(QStringLiteral("txtTemplate"))->geometry(), QRect(112, 32, 145, 18));
}

void tst_frmTemplate::enterStartsAndAnEmptyPathIsRefused()
{
    const auto form = Form(QStringLiteral("   "));
    QTest::keyClick(Box(*form, "txtTemplate"), Qt::Key_Return);
    QCOMPARE(m_messages.size(), size_t(1));
    QCOMPARE(m_messages[0].prompt, QStringLiteral("模板文件不能为空!"));
    QCOMPARE(m_messages[0].buttons, 64);
    QCOMPARE(m_messages[0].title, QString());
    QCOMPARE(Box(*form, "txtTemplate")->text(), QString());
    QCOMPARE(State(*form), kIdle);
    QVERIFY(form->isVisible());
}

void tst_frmTemplate::showByProgIdLoadsTheDialogAgainAndReusesItsConverter()
{
    const QString path = WriteTemplate(Server(Table(QStringLiteral("t_Currency"))));
    // The component installs the dialog when it is loaded; nothing else does here.
    const mdlCommon::ShowHandler installed = mdlCommon::SetShowHandler({});
    const automation::ObjectPtr converter = automation::CreateObject(QStringLiteral("MirelTabrix.clsConverter"));
    QVERIFY(mdlCommon::CurrentShowHandler());

    frmTemplate& form = converter_ui::TemplateDialog();
    QString shownPath;
    clsConverter* firstConverter = nullptr;
    long secondShowError = 0;
    QTimer::singleShot(0, [&] {
        shownPath = Box(form, "txtTemplate")->text();
        firstConverter = form.Converter();
        try {
            form.ShowModal(path);
        } catch (const automation::AutomationError& error) {
            secondShowError = error.Number();
        }
        Box(form, "txtData")->setText(Out(QStringLiteral("d.sql")));
        cmdOK(form)->click();
        cmdCancel(form)->click();
    });
    automation::Invoke(converter.get(), "Show", {path});
    QCOMPARE(shownPath, path);
    QCOMPARE(secondShowError, 400L);
    QVERIFY(!form.isVisible());
    QVERIFY(ReadAll(Out(QStringLiteral("d.sql"))).contains("delete from t_Currency"));
    QCOMPARE(Info(form), kDone);

    // Shown again: the boxes and lbInfo start empty, the load handler ran, the converter stayed.
    QString dataBox = QStringLiteral("not seen"), info = dataBox;
    clsConverter* secondConverter = nullptr;
    QTimer::singleShot(0, [&] {
        dataBox = Box(form, "txtData")->text();
        info = Info(form);
        secondConverter = form.Converter();
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    automation::Invoke(converter.get(), "Show", {QStringLiteral("other.xml")});
    QCOMPARE(dataBox, QString());
    QCOMPARE(info, QString());
    QCOMPARE(secondConverter, firstConverter);
    QCOMPARE(State(form), kIdle);
    if (installed)
        mdlCommon::SetShowHandler(installed);
}

void tst_frmTemplate::showWithoutAPathOffersTheLastFilesSizeAndPlace()
{
    frmTemplate& form = converter_ui::TemplateDialog();
    const QStringList boxes = {QStringLiteral("txtTemplate"), QStringLiteral("txtStruct"), QStringLiteral("txtData"),
                               QStringLiteral("txtLog")};
    const auto shown = [&](const QString& path, const std::function<void()>& meanwhile = {}) {
        QStringList texts;
        QRect geometry;
        QTimer::singleShot(0, [&] {
            for (const QString& box : boxes)
                texts << Box(form, qPrintable(box))->text();
            if (meanwhile)
                meanwhile();
            geometry = form.geometry();
            QTest::keyClick(&form, Qt::Key_Escape);
        });
        form.ShowModal(path);
        return std::pair{texts, geometry};
    };
    // The user's first run: the host's files, asked for only when there is no path.
    QSettings(QStringLiteral("tabrix"), QStringLiteral("tabrix")).remove(QStringLiteral("frmTemplate"));
    const QStringList first = {Out(QStringLiteral("demo.xml")), Out(QStringLiteral("demo_struct.sql")),
                               Out(QStringLiteral("demo_data.sql")), Out(QStringLiteral("demo_log.txt"))};
    int asked = 0;
    form.SetFirstRunFiles([&] { return ++asked, first; });
    QCOMPARE(shown(QStringLiteral("given.xml")).first, QStringList({QStringLiteral("given.xml"), QString(), QString(), QString()}));
    QCOMPARE(asked, 0);
    QSettings(QStringLiteral("tabrix"), QStringLiteral("tabrix")).remove(QStringLiteral("frmTemplate"));
    QCOMPARE(shown(QString()).first, first);
    QCOMPARE(asked, 1);

    // A template named relative to the folder the dialog was opened in, a wider window moved.
    const QString here = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_out->path()));
    const auto [before, geometry] = shown(QStringLiteral("last.xml"), [&] {
        Box(form, "txtStruct")->setText(Out(QStringLiteral("s.sql")));
        Box(form, "txtLog")->setText(QStringLiteral("log.txt"));
        form.setGeometry(form.geometry().adjusted(17, 11, 17 + 250, 11));
    });
    QVERIFY(QDir::setCurrent(here));
    QCOMPARE(geometry.width(), 325 + 250);

    // Opened elsewhere without a path: the same files, absolute, also an empty box; the same
    // size and place. Later runs do not ask for the first run's files.
    const QStringList last = {Out(QStringLiteral("last.xml")), Out(QStringLiteral("s.sql")), QString(),
                              Out(QStringLiteral("log.txt"))};
    const auto [again, at] = shown(QString());
    QCOMPARE(again, last);
    QCOMPARE(at, geometry);
    QCOMPARE(asked, 1);
    form.SetFirstRunFiles({});
}

void tst_frmTemplate::inputsAreTrimmedAndTheTemplateFileWins()
{
    // The template names its own data file; the box's file stays untouched.
    const QString path = WriteTemplate(
        Server(Table(QStringLiteral("t_Currency"), QStringLiteral("currency")),
               QStringLiteral(R"(datafile="%1")").arg(Out(QStringLiteral("template-data.sql")))));
    const auto form = Form(QStringLiteral("  ") + path + QStringLiteral("  "));
    Box(*form, "txtStruct")->setText(QStringLiteral(" ") + Out(QStringLiteral("s.sql")) + QStringLiteral("  "));
    const QString log = Out(QStringLiteral("log.txt")) + QStringLiteral(" ");
    Box(*form, "txtLog")->setText(log);
    cmdOK(*form)->click();

    QCOMPARE(Prompts(), QStringList());
    QCOMPARE(Box(*form, "txtTemplate")->text(), path);
    QCOMPARE(Box(*form, "txtStruct")->text(), Out(QStringLiteral("s.sql")));
    QCOMPARE(Box(*form, "txtLog")->text(), log);
    const QByteArray written = ReadAll(Out(QStringLiteral("template-data.sql")));
    QVERIFY2(written.startsWith("currency\r\n\r\ndelete from t_Currency"), written.left(80).constData());
    QVERIFY(!QFileInfo::exists(Out(QStringLiteral("d.sql"))));
    QVERIFY(ReadAll(Out(QStringLiteral("s.sql"))).contains("create table t_Currency("));
    QCOMPARE(State(*form), kIdle);
    QCOMPARE(Info(*form), kDone);
}

void tst_frmTemplate::emptyStructureBoxWritesNoStructure()
{
    const QString path = WriteTemplate(Server(Table(QStringLiteral("t_Currency"))));
    const auto form = Form(path);
    Box(*form, "txtStruct")->clear();
    cmdOK(*form)->click();
    QCOMPARE(Prompts(), QStringList());
    QCOMPARE(QDir(m_out->path()).entryList(QDir::Files),
             QStringList({QStringLiteral("d.sql"), QStringLiteral("template.xml")}));
    QCOMPARE(Info(*form), kDone);
}

void tst_frmTemplate::serversAreExportedInDocumentOrderOverTheirOwnConnections()
{
    // t_Second exists only in the second database: sharing the first server's connection fails it.
    const QString second = Out(QStringLiteral("second.db"));
    demo::AddLargeTable(second, 3, QStringLiteral("t_Second"));
    const QString path = WriteTemplate(Server(Table(QStringLiteral("t_Currency"), QStringLiteral("first"))) +
                                       Server(Table(QStringLiteral("t_Second"), QStringLiteral("second")), {}, second));
    const auto form = Form(path);
    cmdOK(*form)->click();

    QCOMPARE(Prompts(), QStringList());
    QVERIFY(!QFileInfo::exists(Out(QStringLiteral("log.txt"))));
    const QByteArray data = ReadAll(Out(QStringLiteral("d.sql")));
    const qsizetype first = data.indexOf("first\r\n\r\ndelete from t_Currency");
    const qsizetype secondAt = data.indexOf("second\r\n\r\ndelete from t_Second");
    QVERIFY(first == 0);
    QVERIFY(secondAt > first);
    QCOMPARE(InsertedKeys(data.mid(secondAt)), (std::vector<qint64>{1, 2, 3}));
    QVERIFY(ReadAll(Out(QStringLiteral("s.sql"))).indexOf("create table t_Second(") >
            ReadAll(Out(QStringLiteral("s.sql"))).indexOf("create table t_Currency("));
}

void tst_frmTemplate::browsingFollowsTheRunState()
{
    const QString path = WriteTemplate(Server(Table(QLatin1String(kLargeTable))));
    const auto form = Form(path);
    const QString data = Out(QStringLiteral("d.sql"));
    QStringList statesSeen;
    size_t dialogsWhileBusy = 0;
    PassScript script(*form, {Passes(1000),
                              [&] {
                       cmdFile(*form, 2)->click();  // running
                       cmdOK(*form)->click();       // pause
                       statesSeen << State(*form);
                       cmdFile(*form, 3)->click();  // paused
                       dialogsWhileBusy = m_fileDialogs.size();
                       cmdCancel(*form)->click();   // stop
                       statesSeen << State(*form);
                       m_fileAnswers.push_back(Out(QStringLiteral("chosen-log.txt")));
                       cmdFile(*form, 4)->click();  // stopping: allowed
                       return true;
                   }});
    cmdOK(*form)->click();
    QVERIFY(script.Finished());
    QCOMPARE(statesSeen, QStringList({kPaused, kStopping}));
    QCOMPARE(Prompts(), QStringList({kBusy, kBusy}));
    QCOMPARE(dialogsWhileBusy, size_t(0));
    QCOMPARE(m_fileDialogs, std::vector<ui::FileDialogKind>{ui::FileDialogKind::Save});
    QCOMPARE(Box(*form, "txtLog")->text(), Out(QStringLiteral("chosen-log.txt")));

    // Idle: open for the template, save for the others; a cancelled dialog changes nothing.
    m_fileDialogs.clear();
    m_fileAnswers = {QString(), QStringLiteral("/picked/template.xml"), QString(), QString()};
    for (int index : {1, 1, 2, 3})
        cmdFile(*form, index)->click();
    QCOMPARE(m_fileDialogs, (std::vector<ui::FileDialogKind>{ui::FileDialogKind::Open, ui::FileDialogKind::Open,
                                                             ui::FileDialogKind::Save, ui::FileDialogKind::Save}));
    QCOMPARE(Box(*form, "txtTemplate")->text(), QStringLiteral("/picked/template.xml"));
    QCOMPARE(Box(*form, "txtStruct")->text(), Out(QStringLiteral("s.sql")));
    QCOMPARE(Box(*form, "txtData")->text(), data);
    QCOMPARE(Prompts().size(), 2);
}

void tst_frmTemplate::escapeStopsARunAndClosesWhenIdle()
{
    const QString path = WriteTemplate(Server(Table(QLatin1String(kLargeTable))));
    const auto form = Form(path);
    QString stateAfterEscape;
    bool visibleAfterEscape = false;
    PassScript script(*form, {Passes(1000),
                              [&] {
                       QTest::keyClick(form.get(), Qt::Key_Escape);
                       stateAfterEscape = State(*form);
                       visibleAfterEscape = form->isVisible();
                       return true;
                   }});
    cmdOK(*form)->click();
    QVERIFY(script.Finished());
    QCOMPARE(stateAfterEscape, kStopping);
    QVERIFY(visibleAfterEscape);
    QVERIFY(ReadAll(Out(QStringLiteral("log.txt"))).contains("srv    db    t_LargeTable   任务取消!\r\n"));
    QCOMPARE(State(*form), kIdle);
    QVERIFY(form->isVisible());

    QTest::keyClick(form.get(), Qt::Key_Escape);
    QVERIFY(!form->isVisible());
    QVERIFY(!form->IsLoaded());
}

void tst_frmTemplate::pauseResumeStopAtRowCounts()
{
    const QString path = WriteTemplate(Server(Table(QLatin1String(kLargeTable))));
    const auto form = Form(path);
    const QString data = Out(QStringLiteral("d.sql"));
    QStringList states;
    qint64 sizeAtPause = -1, sizeAfterPause = -1, rowsAtPause = -1, rowsAfterPause = -1;
    double cpuAtPause = 0, cpuDuringPause = -1;
    QElapsedTimer paused;
    std::unique_ptr<PassScript> script;
    script = std::make_unique<PassScript>(*form, std::vector<std::function<bool()>>{
        Passes(1000),
        [&] {
            cmdOK(*form)->click();  // "暂停"
            states << State(*form);
            rowsAtPause = script->Rows();
            paused.start();
            cpuAtPause = CpuSeconds();
            return true;
        },
        [&] {
            // The export has flushed before it yields, so the size seen now is its size while paused.
            if (sizeAtPause < 0)
                sizeAtPause = SizeOf(data);
            // Paused passes come from the script's timer; a pause waits for events in between.
            if (paused.elapsed() < 300)
                return false;
            sizeAfterPause = SizeOf(data);
            rowsAfterPause = script->Rows();
            cpuDuringPause = CpuSeconds() - cpuAtPause;
            cmdOK(*form)->click();  // "开始": the same walk goes on
            states << State(*form);
            return true;
        },
        Passes(1000),
        [&] {
            // "停止" and "开始" before the walk ends: the walk carries on, no second one starts.
            cmdCancel(*form)->click();
            states << State(*form);
            cmdOK(*form)->click();
            states << State(*form);
            return true;
        },
        Passes(1000),
        [&] {
            cmdCancel(*form)->click();  // "停止"
            states << State(*form);
            return true;
        },
    });
    cmdOK(*form)->click();

    QVERIFY2(script->Finished(), qPrintable(QStringLiteral("steps done: %1").arg(script->StepsDone())));
    QCOMPARE(states, QStringList({kPaused, kRunning, kStopping, kRunning, kStopping}));
    QVERIFY(sizeAtPause > 0);
    QCOMPARE(sizeAfterPause, sizeAtPause);
    QCOMPARE(rowsAfterPause, rowsAtPause);
    // Waiting, not spinning: the pause costs the processor next to nothing.
    QVERIFY2(cpuDuringPause < 0.2, qPrintable(QString::number(cpuDuringPause)));

    const QByteArray written = ReadAll(data);
    QCOMPARE(written.count("delete from t_LargeTable"), 1);
    const std::vector<qint64> keys = InsertedKeys(written);
    // Every row the export was let through is in the file, once, in order; the stop came long
    // before the end of the table.
    QCOMPARE(static_cast<qint64>(keys.size()), script->Rows());
    QVERIFY(script->Rows() > 3000);
    QVERIFY(static_cast<qint64>(keys.size()) < kLargeRows);
    QVERIFY2(CountsFromOne(keys), "a row was skipped or doubled");
    QVERIFY(written.endsWith(")\r\n"));
    QCOMPARE(ReadAll(Out(QStringLiteral("log.txt"))), QByteArray("srv    db    t_LargeTable   任务取消!\r\n"));
    QCOMPARE(State(*form), kIdle);
    QCOMPARE(Info(*form), kStopped);
    QCOMPARE(Prompts(), QStringList());
}

void tst_frmTemplate::resumeWithTheTemplateDeletedStaysPaused()
{
    const QString path = WriteTemplate(Server(Table(QLatin1String(kLargeTable))));
    const auto form = Form(path);
    const QString data = Out(QStringLiteral("d.sql"));
    QString stateAfterResume;
    qint64 sizeWhilePaused = -1, rowsWhilePaused = -1;
    bool grewWhilePaused = true;
    std::unique_ptr<PassScript> script;
    script = std::make_unique<PassScript>(*form, std::vector<std::function<bool()>>{
        Passes(1000),
        [&] {
            cmdOK(*form)->click();
            QFile::remove(path);
            cmdOK(*form)->click();  // "开始" with the template gone
            stateAfterResume = State(*form);
            return true;
        },
        [&] {
            sizeWhilePaused = SizeOf(data);
            rowsWhilePaused = script->Rows();
            return true;
        },
        Passes(5),
        [&] {
            grewWhilePaused = SizeOf(data) != sizeWhilePaused || script->Rows() != rowsWhilePaused;
            cmdCancel(*form)->click();
            return true;
        }});
    cmdOK(*form)->click();
    QVERIFY(script->Finished());
    QCOMPARE(Prompts().size(), 1);
    QVERIFY2(Prompts()[0].startsWith(QStringLiteral("校验错误,如下:\r\n")), qPrintable(Prompts()[0]));
    QVERIFY(Prompts()[0].size() > QStringLiteral("校验错误,如下:\r\n").size());
    QCOMPARE(stateAfterResume, kPaused);
    QVERIFY(!grewWhilePaused);
    QCOMPARE(State(*form), kIdle);
}

void tst_frmTemplate::failedExportIsReportedAndTheDialogReturnsToIdle()
{
    // A database file that does not exist is not made: the export of that database fails.
    const QString missing = Out(QStringLiteral("missing.db"));
    const QString path = WriteTemplate(Server(Table(QStringLiteral("t_Currency")), {}, missing));
    const auto form = Form(path);
    cmdOK(*form)->click();
    // What failed in the dialog's words, then the data layer's.
    QCOMPARE(Prompts(), QStringList(QStringLiteral("无法导出服务器 srv 的数据库 db:\r\n"
                                                   "Cannot open database \"%1\" requested by the login. The login failed.")
                                        .arg(missing)));
    QCOMPARE(m_messages[0].buttons, 64);
    QVERIFY(!QFileInfo::exists(missing));
    QCOMPARE(State(*form), kIdle);
    QCOMPARE(Info(*form), QString());

    // The next start works.
    WriteTemplate(Server(Table(QStringLiteral("t_Currency"))));
    cmdOK(*form)->click();
    QCOMPARE(m_messages.size(), size_t(1));
    QVERIFY(ReadAll(Out(QStringLiteral("d.sql"))).contains("delete from t_Currency"));
    QCOMPARE(State(*form), kIdle);
    QCOMPARE(Info(*form), kDone);

    // A failure after a run that went well does not leave that run's outcome standing.
    WriteTemplate(Server(Table(QStringLiteral("t_Currency")), {}, missing));
    cmdOK(*form)->click();
    QCOMPARE(m_messages.size(), size_t(2));
    QCOMPARE(Info(*form), QString());
}

void tst_frmTemplate::failedWritesAreReportedAfterTheRun()
{
    const QString second = Out(QStringLiteral("second.db"));
    demo::AddLargeTable(second, 3, QStringLiteral("t_Second"));
    const QString path = WriteTemplate(Server(Table(QStringLiteral("t_Second"), QStringLiteral("h")), {}, second));
    const auto form = Form(path);
    // Opens, so the check before the run lets it through; every write to it fails.
    const QString lost = QStringLiteral("/dev/full");
    Box(*form, "txtData")->setText(lost);
    cmdOK(*form)->click();
    // The hint, the delete and two writes for each of the three inserts.
    QCOMPARE(Prompts(), QStringList(QStringLiteral("有 8 次写入失败,以下文件不完整:\r\n%1 (8)").arg(lost)));
    // The table whose statements were lost is a failed table too; its hint was written before it.
    QCOMPARE(InfoAndLink(*form).first, QStringLiteral("1 张表导出失败,8 次写入失败"));
    QVERIFY2(ShownFailure(*form).startsWith(QStringLiteral("srv    db    t_Second   7 writes to /dev/full failed")),
             qPrintable(ShownFailure(*form)));
    QCOMPARE(State(*form), kIdle);

    // Each run reports its own failures only.
    Box(*form, "txtData")->setText(Out(QStringLiteral("d.sql")));
    cmdOK(*form)->click();
    QCOMPARE(Prompts().size(), 1);
    QCOMPARE(InsertedKeys(ReadAll(Out(QStringLiteral("d.sql")))), (std::vector<qint64>{1, 2, 3}));
    QCOMPARE(Info(*form), kDone);
    QCOMPARE(ShownFailure(*form), QString());
}

void tst_frmTemplate::runEndsWithWhatHappened_data()
{
    QTest::addColumn<QStringList>("tables");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<QString>("info");
    QTest::addColumn<QString>("firstFailed");

    // A missing table fails its structure and its data: one failed table.
    QTest::newRow("a missing table") << QStringList{QStringLiteral("t_Currency"), QStringLiteral("t_Missing")} << false
                                     << QStringLiteral("1 张表导出失败") << QStringLiteral("t_Missing");
    QTest::newRow("stopped") << QStringList{QLatin1String(kLargeTable)} << true << kStopped << QString();
    QTest::newRow("stopped after two missing tables")
        << QStringList{QStringLiteral("t_Gone"), QStringLiteral("t_Missing"), QLatin1String(kLargeTable)} << true
        << QStringLiteral("已停止,2 张表导出失败") << QStringLiteral("t_Gone");
}

void tst_frmTemplate::runEndsWithWhatHappened()
{
    QFETCH(QStringList, tables);
    QFETCH(bool, stop);
    QFETCH(QString, info);
    QFETCH(QString, firstFailed);
    QString elements;
    for (const QString& table : tables)
        elements += Table(table);
    const auto form = Form(WriteTemplate(Server(elements)));
    // "停止" at row 1000 of the large table; a run not to be stopped never gets that far.
    PassScript script(*form, {Passes(stop ? 1000 : kLargeRows * 2), [&] { return cmdCancel(*form)->click(), true; }});
    cmdOK(*form)->click();

    QCOMPARE(script.Finished(), stop);
    QCOMPARE(Prompts(), QStringList());
    QCOMPARE(State(*form), kIdle);
    const QString log = Out(QStringLiteral("log.txt"));
    const auto [shownInfo, link] = InfoAndLink(*form);
    QCOMPARE(shownInfo, info);
    QCOMPARE(link.isEmpty(), firstFailed.isEmpty());
    // The first failed table's first log line, and the log a click away.
    QCOMPARE(ShownFailure(*form), firstFailed.isEmpty() ? QString()
                                                        : QStringLiteral("srv    db    %1   Invalid object name '%1'.").arg(firstFailed));
    QVERIFY(firstFailed.isEmpty() || ReadAll(log).startsWith(ShownFailure(*form).toUtf8() + "\r\n"));
    QStringList opened;
    const ui::OpenFileHandler previous = ui::SetOpenFileHandler([&](const QString& file) { return opened << file, true; });
    if (!link.isEmpty())
        emit form->findChild<QLabel*>(QStringLiteral("lbInfo"))->linkActivated(link);
    ui::SetOpenFileHandler(previous);
    QCOMPARE(opened, firstFailed.isEmpty() ? QStringList() : QStringList(log));
}

void tst_frmTemplate::startIsRefusedAndNothingIsWritten_data()
{
    QTest::addColumn<QStringList>("boxes");  // structure, data and log file in the test's folder
    QTest::addColumn<QString>("prompt");     // %1, %2: the structure and data paths

    const QString refused = QStringLiteral("以下输出文件无法打开,未导出任何内容:");
    const QString noFolder = QStringLiteral("\r\n%%1 (No such file or directory)");
    QTest::newRow("data file in a folder that does not exist")
        << QStringList{QStringLiteral("s.sql"), QStringLiteral("no/such/d.sql"), QStringLiteral("log.txt")}
        << refused + noFolder.arg(2);
    QTest::newRow("every file that cannot be opened is named")
        << QStringList{QStringLiteral("gone/s.sql"), QStringLiteral("no/such/d.sql"), QStringLiteral("log.txt")}
        << refused + noFolder.arg(1) + noFolder.arg(2);
    QTest::newRow("no output file") << QStringList{QString(), QString(), QStringLiteral("log.txt")}
                                    << QStringLiteral("结构文件和数据文件不能都为空!");
}

void tst_frmTemplate::startIsRefusedAndNothingIsWritten()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, prompt);
    const auto form = Form(WriteTemplate(Server(Table(QStringLiteral("t_Currency")))));
    QStringList paths;
    for (const QString& box : boxes)
        paths << (box.isEmpty() ? QString() : Out(box));
    Box(*form, "txtStruct")->setText(paths[0]);
    Box(*form, "txtData")->setText(paths[1]);
    Box(*form, "txtLog")->setText(paths[2]);
    cmdOK(*form)->click();

    QCOMPARE(Prompts(), QStringList(QString(prompt).replace(QStringLiteral("%1"), paths[0]).replace(QStringLiteral("%2"), paths[1])));
    // The run never started: nothing made, no progress, no outcome.
    QCOMPARE(QDir(m_out->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList(QStringLiteral("template.xml")));
    QCOMPARE(State(*form), kIdle);
    QCOMPARE(Info(*form) + ProgressText(*form), QString());
    QCOMPARE(Bar(*form)->value(), 0);
}

void tst_frmTemplate::closingDuringAWalkStopsItFirst_data()
{
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("close box") << true;
    QTest::newRow("退出 while stopping") << false;
}

void tst_frmTemplate::closingDuringAWalkStopsItFirst()
{
    QFETCH(bool, byCloseBox);
    // A second server follows: a dialog that is closing starts no further database.
    const QString path = WriteTemplate(Server(Table(QLatin1String(kLargeTable))) +
                                       Server(Table(QStringLiteral("t_Currency"), QStringLiteral("after"))));
    frmTemplate& form = converter_ui::TemplateDialog();
    const QString data = Out(QStringLiteral("d.sql"));
    QString stateAfterClose;
    bool visibleAfterClose = false, enabledAfterClose = true, runningAfterClose = false;
    std::unique_ptr<PassScript> script;
    QTimer::singleShot(0, [&] {
        Box(form, "txtData")->setText(data);
        Box(form, "txtLog")->setText(Out(QStringLiteral("log.txt")));
        script = std::make_unique<PassScript>(form, std::vector<std::function<bool()>>{
            Passes(1000),
            [&] {
                if (byCloseBox) {
                    form.close();
                } else {
                    cmdCancel(form)->click();  // "停止"
                    cmdCancel(form)->click();  // "退出"
                }
                stateAfterClose = State(form);
                visibleAfterClose = form.isVisible();
                enabledAfterClose = form.isEnabled();
                runningAfterClose = form.IsRunning();
                return true;
            }});
        cmdOK(form)->click();
    });
    mdlCommon::CurrentShowHandler()(path);

    QVERIFY(script && script->Finished());
    QCOMPARE(stateAfterClose, kStopping);
    QVERIFY(visibleAfterClose);
    QVERIFY(!enabledAfterClose);
    QVERIFY(runningAfterClose);
    QVERIFY(!form.isVisible());
    QVERIFY(!form.IsLoaded());
    const QByteArray written = ReadAll(data);
    QVERIFY(written.endsWith(")\r\n"));
    QVERIFY(CountsFromOne(InsertedKeys(written)));
    QVERIFY(!written.contains("after\r\n"));
    QCOMPARE(ReadAll(Out(QStringLiteral("log.txt"))), QByteArray("srv    db    t_LargeTable   任务取消!\r\n"));
    QCOMPARE(Prompts(), QStringList());
}

// A finished run, then a second one held at a row of its second table: the bar and the status
// line show that row against the table's counted rows, lbInfo keeps the first run's text in
// full. Set TABRIX_SCREENSHOT to a file name to keep the picture of the held run
// (docs/screenshots/frmTemplate.png).
void tst_frmTemplate::progressAtAHeldRow()
{
    const QString path =
        WriteTemplate(Server(Table(QStringLiteral("t_Currency")) + Table(QLatin1String(kLargeTable))));
    const auto form = Form(path);
    cmdOK(*form)->click();
    QCOMPARE(Info(*form), kDone);
    QCOMPARE(Bar(*form)->value(), Bar(*form)->maximum());
    QVERIFY2(ProgressText(*form).startsWith(QStringLiteral("2 张表  20,005 行  用时 ")), qPrintable(ProgressText(*form)));

    qint64 tableStart = -1, held = -1;
    int barHeld = -1;
    QStringList textHeld, pausedLater;
    QImage picture;
    std::unique_ptr<PassScript> script;
    script = std::make_unique<PassScript>(*form, std::vector<std::function<bool()>>{
        [&] {
            // The first row of the large table: the status line has moved on to it.
            if (!ProgressText(*form).startsWith(QStringLiteral("表 2/2")))
                return false;
            tableStart = script->Rows();
            return true;
        },
        // Rows written at a pace that gives the speed and the time left something to show.
        [count = 0]() mutable {
            std::this_thread::sleep_for(std::chrono::microseconds(100));
            return ++count >= 3000;
        },
        [&] {
            cmdOK(*form)->click();  // "暂停": the export shows its rows before it waits
            held = script->Rows() - tableStart;
            return true;
        },
        [&] {
            barHeld = Bar(*form)->value();
            textHeld = ProgressText(*form).split(QLatin1Char('\n'));
            // Paused, the clock stands: the rows shown again after this second read as before.
            std::this_thread::sleep_for(std::chrono::milliseconds(1100));
            return true;
        },
        [&] {
            pausedLater = ProgressText(*form).split(QLatin1Char('\n'));
            // For the documentation, paths as a user's would read (the run has read its boxes),
            // in a window widened to show them whole.
            if (!qEnvironmentVariableIsEmpty("TABRIX_SCREENSHOT")) {
                form->resize(440, form->height());
                for (const auto& [name, text] : {std::pair{"txtTemplate", "/home/user/templates/account.xml"},
                                                 std::pair{"txtStruct", "/home/user/out/struct.sql"},
                                                 std::pair{"txtData", "/home/user/out/data.sql"},
                                                 std::pair{"txtLog", "/home/user/out/log.txt"}}) {
                    Box(*form, name)->setText(QLatin1String(text));
                    Box(*form, name)->setCursorPosition(0);
                }
            }
            picture = form->grab().toImage();
            cmdCancel(*form)->click();  // "停止"
            return true;
        }});
    cmdOK(*form)->click();

    QVERIFY(script->Finished());
    QCOMPARE(held, 3001);  // the row the table began with, and three thousand more
    QCOMPARE(barHeld, static_cast<int>(held * 1000 / kLargeRows));
    QCOMPARE(textHeld.size(), 2);
    QCOMPARE(textHeld[0], QStringLiteral("表 2/2  srv/db/t_LargeTable"));
    // Paused, rows of the counted rows, then speed, time spent and time left (over 0.3 s of
    // writing).
    const QStringList figures = textHeld[1].split(QStringLiteral("  "));
    QCOMPARE(figures.size(), 5);
    QCOMPARE(figures[0], QStringLiteral("已暂停"));
    QCOMPARE(figures[1], QStringLiteral("3,001/20,000 行"));
    QVERIFY2(figures[2].endsWith(QStringLiteral(" 行/秒")) && figures[3].startsWith(QStringLiteral("已用 ")) &&
                 figures[4].startsWith(QStringLiteral("剩余 ")),
             qPrintable(textHeld[1]));
    QCOMPARE(pausedLater, textHeld);
    QCOMPARE(picture.size() / picture.devicePixelRatio(), form->size());
    // Stopped: the bar shows the share of the tables not cancelled, the text says how many were.
    QCOMPARE(Bar(*form)->value(), 500);
    QVERIFY2(ProgressText(*form).contains(QStringLiteral("1 张表已取消")), qPrintable(ProgressText(*form)));
    const QString target = qEnvironmentVariable("TABRIX_SCREENSHOT");
    if (!target.isEmpty())
        QVERIFY(picture.save(target));
}

void tst_frmTemplate::textsInTheHostsLanguage_data()
{
    QTest::addColumn<QString>("language");
    // Title, Frame1, Label1 to Label4, cmdOK and cmdCancel when idle.
    QTest::addColumn<QStringList>("controls");
    QTest::addColumn<QString>("emptyTemplate");
    QTest::addColumn<QString>("failedDatabase");  // %1: the database file
    QTest::addColumn<QString>("oneTableFailed");  // lbInfo

    const QString server = QStringLiteral("Cannot open database \"%1\" requested by the login. The login failed.");
    QTest::newRow("CHS") << QStringLiteral("CHS")
                         << QStringList{QStringLiteral("采用模板导出"), QStringLiteral("导出基本信息"), QStringLiteral("模板文件:"),
                                        QStringLiteral("结构文件:"), QStringLiteral("数据文件:"), QStringLiteral("记录文件:"),
                                        QStringLiteral("开始"), QStringLiteral("退出")}
                         << QStringLiteral("模板文件不能为空!") << QStringLiteral("无法导出服务器 srv 的数据库 db:\r\n") + server
                         << QStringLiteral("1 张表导出失败  <a href=\"log\">打开记录文件</a>");
    QTest::newRow("CHT") << QStringLiteral("CHT")
                         << QStringList{QStringLiteral("採用模板匯出"), QStringLiteral("匯出基本資訊"), QStringLiteral("模板檔案:"),
                                        QStringLiteral("結構檔案:"), QStringLiteral("資料檔案:"), QStringLiteral("記錄檔案:"),
                                        QStringLiteral("開始"), QStringLiteral("結束")}
                         << QStringLiteral("模板檔案不能為空!") << QStringLiteral("無法匯出伺服器 srv 的資料庫 db:\r\n") + server
                         << QStringLiteral("1 張表匯出失敗  <a href=\"log\">開啟記錄檔案</a>");
    QTest::newRow("EN") << QStringLiteral("EN")
                        << QStringList{QStringLiteral("Export with a Template"), QStringLiteral("Export Files"),
                                       QStringLiteral("Template:"), QStringLiteral("Structure:"), QStringLiteral("Data:"),
                                       QStringLiteral("Log:"), QStringLiteral("Start"), QStringLiteral("Exit")}
                        << QStringLiteral("The template file cannot be empty!")
                        << QStringLiteral("Cannot export database db of server srv:\r\n") + server
                        << QStringLiteral("1 table(s) failed  <a href=\"log\">Open the log</a>");
}

// The dialog made after the host chose its language: captions, messages and the outcome, and
// the captions still work as the dialog's state (a run starts and ends).
void tst_frmTemplate::textsInTheHostsLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, controls);
    QFETCH(QString, emptyTemplate);
    QFETCH(QString, failedDatabase);
    QFETCH(QString, oneTableFailed);
    QVERIFY(converter_ui::SetLanguage(language));
    const auto chinese = qScopeGuard([] { converter_ui::SetLanguage(QStringLiteral("CHS")); });
    const auto form = Form(QString());
    QStringList shown = {form->windowTitle(), form->findChild<QGroupBox*>(QStringLiteral("Frame1"))->title()};
    for (const char* label : {"Label1", "Label2", "Label3", "Label4"})
        shown << form->findChild<QLabel*>(QLatin1String(label))->text();
    shown << cmdOK(*form)->text() << cmdCancel(*form)->text();
    QCOMPARE(shown, controls);

    cmdOK(*form)->click();
    const QString missing = Out(QStringLiteral("missing.db"));
    Box(*form, "txtTemplate")->setText(WriteTemplate(Server(Table(QStringLiteral("t_Currency")), {}, missing)));
    cmdOK(*form)->click();
    WriteTemplate(Server(Table(QStringLiteral("t_Missing"))));
    cmdOK(*form)->click();
    QCOMPARE(Prompts(), QStringList({emptyTemplate, failedDatabase.arg(missing)}));
    QCOMPARE(Info(*form), oneTableFailed);
    QCOMPARE(QStringList({cmdOK(*form)->text(), cmdCancel(*form)->text()}), controls.mid(6));
}

void tst_frmTemplate::progressInTheHostsLanguageHoldsWhilePaused_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("shown");  // running, paused a minute later, resumed

    QTest::newRow("CHS") << QStringLiteral("CHS")
                         << QStringList{QStringLiteral("表 1/1  s/d/t\n247,216/1,000,000 行  61,804 行/秒  已用 0:04  剩余 0:12"),
                                        QStringLiteral("表 1/1  s/d/t\n已暂停  247,216/1,000,000 行  61,804 行/秒  已用 0:04  剩余 0:12"),
                                        QStringLiteral("表 1/1  s/d/t\n494,432/1,000,000 行  61,804 行/秒  已用 0:08  剩余 0:08")};
    QTest::newRow("CHT") << QStringLiteral("CHT")
                         << QStringList{QStringLiteral("表 1/1  s/d/t\n247,216/1,000,000 行  61,804 行/秒  已用 0:04  剩餘 0:12"),
                                        QStringLiteral("表 1/1  s/d/t\n已暫停  247,216/1,000,000 行  61,804 行/秒  已用 0:04  剩餘 0:12"),
                                        QStringLiteral("表 1/1  s/d/t\n494,432/1,000,000 行  61,804 行/秒  已用 0:08  剩餘 0:08")};
    QTest::newRow("EN") << QStringLiteral("EN")
                        << QStringList{QStringLiteral("table 1 of 1  s/d/t\n247,216 of 1,000,000 rows, 61,804 rows/s, 0:04 elapsed, 0:12 left"),
                                       QStringLiteral("table 1 of 1  s/d/t\nPaused, 247,216 of 1,000,000 rows, 61,804 rows/s, 0:04 elapsed, 0:12 left"),
                                       QStringLiteral("table 1 of 1  s/d/t\n494,432 of 1,000,000 rows, 61,804 rows/s, 0:08 elapsed, 0:08 left")};
}

// The progress wording and numbers of the host's language, also where the system's locale
// groups digits with dots; a pause is no time of the run's.
void tst_frmTemplate::progressInTheHostsLanguageHoldsWhilePaused()
{
    QFETCH(QString, language);
    QFETCH(QStringList, shown);
    QVERIFY(converter_ui::SetLanguage(language));
    const QLocale system;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const auto restore = qScopeGuard([&] {
        converter_ui::SetLanguage(QStringLiteral("CHS"));
        QLocale::setDefault(system);
    });
    clsConverter converter;
    auto now = std::chrono::steady_clock::time_point();
    RunProgress progress(&converter, [&] { return now; });
    progress.SetLocale(converter_ui::Locale());
    const auto text = [&] {
        return progress.TableText(RunProgress::Localised) + QLatin1Char('\n') + progress.FiguresText(RunProgress::Localised);
    };
    progress.Start(1);
    emit converter.TableStarted(QStringLiteral("s"), QStringLiteral("d"), QStringLiteral("t"), 0, 1000000);
    now += std::chrono::seconds(4);
    emit converter.RowsWritten(247216, 0);
    QStringList seen = {text()};
    progress.SetPaused(true);
    now += std::chrono::seconds(60);
    emit converter.RowsWritten(247216, 0);
    seen << text();
    progress.SetPaused(false);
    now += std::chrono::seconds(4);
    emit converter.RowsWritten(494432, 0);
    seen << text();
    QCOMPARE(seen, shown);
}

QTEST_MAIN(tst_frmTemplate)
#include "frmTemplateTest.moc"
