#include "frmTemplate.h"

#include "AutomationError.h"
#include "DialogLanguage.h"
#include "FileDialogSeam.h"
#include "EventLoopYield.h"
#include "OpenFileSeam.h"
#include "RunProgress.h"
#include "UserSettings.h"

#include <QAbstractEventDispatcher>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <optional>

namespace {

// Information icon and an OK button.
constexpr int kInformation = 64;

// The window was laid out in twips; 15 twips are one pixel.
constexpr int Px(int twips) { return (twips * 2 + 15) / 30; }
QRect Twips(int left, int top, int width, int height) { return {Px(left), Px(top), Px(width), Px(height)}; }

// The progress bar and its status line of two lines go below lbInfo (which ends at 4050
// twips), as wide as Frame1; the window grows by them, its designed controls stay in place.
constexpr QRect kProgressBar{Px(120), Px(4110), Px(4695), 16};
constexpr QRect kProgressText{Px(120), Px(4110) + 16 + 3, Px(4695), 32};
constexpr QSize kDesignedSize{Px(4875), Px(4110) + 16 + 3 + 32 + 6};
constexpr int kBottomMargin = 4;
constexpr int kBarSteps = 1000;  // RunProgress::Permille

// Spaces only, as the template box has always been trimmed: tabs and line breaks stay.
QString TrimSpaces(const QString& text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

// A path is shown from its beginning, as a box shows text put into it.
void SetBoxText(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setCursorPosition(0);
}

// Where the dialog's last files and position are kept for the user.
constexpr const char* kSettingsGroup = "frmTemplate";

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& text, const QRect& geometry)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

frmTemplate::frmTemplate(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmTemplate"));
    setWindowTitle(tr("采用模板导出"));

    // Nine points, in a face that has the Chinese glyphs when the system's default lacks them.
    QFont face = font();
    const QString cjk = QStringLiteral("Noto Sans CJK SC");
    if (QFontDatabase::families().contains(cjk))
        face.setFamilies({cjk, face.family()});
    face.setPixelSize(12);
    setFont(face);

    // The status line's two lines whole (a cut second line loses the tails of its commas), the
    // window taller only if they need it. The designed size is the least; wider, the paths and
    // the status lines show more; taller would only add empty space.
    QRect progressText = kProgressText;
    progressText.setHeight(std::max(progressText.height(), 2 * fontMetrics().lineSpacing()));
    const QSize least(kDesignedSize.width(), std::max(kDesignedSize.height(), progressText.bottom() + 1 + kBottomMargin));
    setMinimumSize(least);
    setMaximumHeight(least.height());
    resize(least);

    Frame1 = new QGroupBox(tr("导出基本信息"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(Twips(120, 240, 4695, 2895));

    Label1 = MakeLabel(Frame1, "Label1", tr("模板文件:"), Twips(645, 480, 810, 180));
    txtTemplate = MakeTextBox(Frame1, "txtTemplate", Twips(1680, 480, 2175, 270));
    Label2 = MakeLabel(Frame1, "Label2", tr("结构文件:"), Twips(645, 1140, 810, 180));
    txtStruct = MakeTextBox(Frame1, "txtStruct", Twips(1680, 1095, 2175, 270));
    Label3 = MakeLabel(Frame1, "Label3", tr("数据文件:"), Twips(645, 1800, 810, 180));
    txtData = MakeTextBox(Frame1, "txtData", Twips(1680, 1800, 2175, 270));
    Label4 = MakeLabel(Frame1, "Label4", tr("记录文件:"), Twips(600, 2400, 810, 180));
    txtLog = MakeTextBox(Frame1, "txtLog", Twips(1680, 2400, 2175, 270));

    // One control array: the click handler gets the index (1 template, 2 structure, 3 data, 4 log).
    cmdFile = new QButtonGroup(this);
    const int fileTops[] = {480, 1103, 1800, 2400};
    for (int index = 1; index <= 4; ++index)
        cmdFile->addButton(MakeButton(Frame1, QStringLiteral("cmdFile(%1)").arg(index), QStringLiteral("<"),
                                      Twips(3840, fileTops[index - 1], 375, 255)),
                           index);

    cmdOK = MakeButton(this, QStringLiteral("cmdOK"), Start(), Twips(3000, 3240, 855, 375));
    cmdOK->setDefault(true);
    cmdCancel = MakeButton(this, QStringLiteral("cmdCancel"), Exit(), Twips(3960, 3240, 855, 375));
    lbInfo = MakeLabel(this, "lbInfo", QString(), Twips(0, 3720, 4890, 330));
    // The link to the log after a run with failed tables; mouse only, so the label takes no focus.
    lbInfo->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    pbProgress = new QProgressBar(this);
    pbProgress->setObjectName(QStringLiteral("pbProgress"));
    pbProgress->setGeometry(kProgressBar);
    lbProgress = MakeLabel(this, "lbProgress", QString(), progressText);
    lbProgress->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // What a wider window gives to whom: the frame, the boxes and the lines take the width, the
    // buttons keep to the right edge.
    for (QWidget* widget : std::initializer_list<QWidget*>{Frame1, txtTemplate, txtStruct, txtData, txtLog, lbInfo,
                                                          pbProgress, lbProgress})
        m_placements.push_back({widget, widget->geometry(), true});
    for (QAbstractButton* button : cmdFile->buttons())
        m_placements.push_back({button, button->geometry(), false});
    for (QWidget* button : {cmdOK, cmdCancel})
        m_placements.push_back({button, button->geometry(), false});

    // Template, data file, the two buttons, then structure file and log file.
    QWidget* const tabOrder[] = {txtTemplate, cmdFile->button(1), txtData,   cmdFile->button(3), cmdOK,
                                 cmdCancel,   txtStruct,         cmdFile->button(2), txtLog,    cmdFile->button(4)};
    for (size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    connect(cmdOK, &QPushButton::clicked, this, &frmTemplate::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTemplate::cmdCancel_Click);
    connect(cmdFile, &QButtonGroup::idClicked, this, &frmTemplate::cmdFile_Click);
    connect(lbInfo, &QLabel::linkActivated, this, &frmTemplate::OpenLog);

    Load();
    // The converter logs a failed table's line before it tells the table finished.
    connect(m_converter.get(), &clsConverter::LogLine, this, [this](const QString& line) { m_lastLogLine = line; });
    connect(m_converter.get(), &clsConverter::TableFinished, this, &frmTemplate::OnTableFinished);
    m_progress = std::make_unique<RunProgress>(m_converter.get());
    m_progress->SetLocale(converter_ui::Locale());
    connect(m_progress.get(), &RunProgress::Changed, this, &frmTemplate::ShowProgress);
}

frmTemplate::~frmTemplate() = default;

// The captions are the dialog's state (see the class comment): compared in the language shown.
QString frmTemplate::Start() { return tr("开始"); }
QString frmTemplate::Pause() { return tr("暂停"); }
QString frmTemplate::Exit() { return tr("退出"); }
QString frmTemplate::Stop() { return tr("停止"); }

void frmTemplate::SetFirstRunFiles(std::function<QStringList()> files) { m_firstRunFiles = std::move(files); }

void frmTemplate::ShowModal(const QString& strPath)
{
    if (isVisible())
        throw automation::AutomationError(400, QStringLiteral("Form already displayed; can't show modally"),
                                          QStringLiteral("MirelTabrix.clsConverter"));
    if (!m_loaded)
        Load();
    SetBoxText(txtTemplate, strPath);
    RestoreUserState(strPath.isEmpty());
    exec();
}

void frmTemplate::RestoreUserState(bool files)
{
    const UserSettings settings{QLatin1String(kSettingsGroup)};
    if (files && settings->contains(QStringLiteral("files/txtTemplate"))) {
        for (QLineEdit* box : {txtTemplate, txtStruct, txtData, txtLog})
            SetBoxText(box, settings->value(QStringLiteral("files/") + box->objectName()).toString());
    } else if (files && m_firstRunFiles) {
        const QStringList first = m_firstRunFiles();
        for (int index = 1; index <= 4 && index <= first.size(); ++index)
            SetBoxText(FileBox(index), first[index - 1]);
    }
    // Size and place; restoreGeometry keeps the window on a screen that is there.
    if (settings->contains(QStringLiteral("geometry")))
        restoreGeometry(settings->value(QStringLiteral("geometry")).toByteArray());
}

void frmTemplate::SaveUserState() const
{
    const UserSettings settings{QLatin1String(kSettingsGroup)};
    // Absolute, so that they still name the same files when the dialog is opened elsewhere.
    for (const QLineEdit* box : {txtTemplate, txtStruct, txtData, txtLog}) {
        const QString path = TrimSpaces(box->text());
        settings->setValue(QStringLiteral("files/") + box->objectName(),
                           path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath());
    }
    if (isVisible())
        settings->setValue(QStringLiteral("geometry"), saveGeometry());
}

// A loaded window starts from its designed contents, then runs its load handler.
void frmTemplate::Load()
{
    for (QLineEdit* box : {txtTemplate, txtStruct, txtData, txtLog})
        box->clear();
    lbInfo->clear();
    lbProgress->setToolTip(QString());
    pbProgress->setRange(0, kBarSteps);
    pbProgress->setValue(0);
    lbProgress->clear();
    setEnabled(true);
    m_closePending = false;
    Form_Load();
    m_loaded = true;
}

// Unloading while the walk is on the stack would pull the dialog from under it: the walk is
// stopped instead, and the dialog unloads once it has unwound (see RunExport).
void frmTemplate::Unload()
{
    if (m_running) {
        m_closePending = true;
        cmdOK->setText(Start());
        cmdCancel->setText(Exit());
        SetStopFlag(clsConverter::eStop);
        // Nothing more to press: the window goes as soon as the current database is done.
        setEnabled(false);
        return;
    }
    m_loaded = false;
    SaveUserState();
    done(QDialog::Rejected);
}

void frmTemplate::Form_Load()
{
    cmdOK->setText(Start());
    cmdCancel->setText(Exit());
    if (!m_converter)
        m_converter = std::make_unique<clsConverter>();
    SetStopFlag(clsConverter::eStop);
    m_running = false;
}

void frmTemplate::cmdOK_Click()
{
    if (cmdOK->text() == Start()) {
        if (!ValidateTemplate())
            return;
        // A resume goes on with the files of its walk; a new walk needs every file it will write.
        std::optional<ExportOutputs> outputs;
        if (!m_running && !(outputs = PrepareOutputs()))
            return;
        cmdOK->setText(Pause());
        cmdCancel->setText(Stop());
        SetStopFlag(clsConverter::ePlay);
        if (!m_running)
            RunExport(*outputs);
    } else if (cmdOK->text() == Pause()) {
        SetStopFlag(clsConverter::ePause);
        cmdOK->setText(Start());
    }
}

void frmTemplate::cmdCancel_Click()
{
    if (cmdCancel->text() == Exit()) {
        Unload();
        return;
    }
    cmdCancel->setText(Exit());
    cmdOK->setText(Start());
    SetStopFlag(clsConverter::eStop);
}

void frmTemplate::cmdFile_Click(int Index)
{
    try {
        if (m_converter->StopFlag() != clsConverter::eStop) {
            m_utility.ShowMessage(tr("操作中,不能更改基本信息!"), kInformation, QString());
            return;
        }
        QLineEdit* box = FileBox(Index);
        if (!box)
            return;
        const QString fileName =
            ui::ShowFileDialog(Index == 1 ? ui::FileDialogKind::Open : ui::FileDialogKind::Save, this);
        if (!fileName.isEmpty())
            SetBoxText(box, fileName);
    } catch (...) {
        // Browsing is a convenience: a failure leaves the boxes as they were.
    }
}

bool frmTemplate::ValidateTemplate()
{
    for (QLineEdit* box : {txtTemplate, txtStruct, txtData})
        SetBoxText(box, TrimSpaces(box->text()));
    try {
        if (txtTemplate->text().isEmpty())
            throw automation::AutomationError(1, tr("模板文件不能为空!"));
        // Loaded afresh on every start and resume; a walk already running keeps its own document.
        const xml::XmlDocument document = xml::XmlDocument::LoadFile(txtTemplate->text());
        if (!document.Ok())
            throw automation::AutomationError(1, tr("校验错误,如下:") + QStringLiteral("\r\n") + document.Error().Reason());
        m_templateRoot = m_utility.RootElement(document);

        // The boxes fill what the server elements leave empty, in memory only.
        const struct {
            const char* attribute;
            QLineEdit* box;
        } files[] = {{"datafile", txtData}, {"structfile", txtStruct}, {"logfile", txtLog}};
        for (xml::XmlElement server : m_templateRoot.Children())
            for (const auto& file : files)
                if (m_utility.GetAttrText(file.attribute, server).empty())
                    server.SetAttribute(file.attribute, file.box->text().toStdString());
        return true;
    } catch (...) {
        m_utility.ShowMessage(automation::InfoFromCurrentException().description, kInformation, QString());
        return false;
    }
}

std::optional<ExportOutputs> frmTemplate::PrepareOutputs()
{
    ExportOutputs outputs(m_templateRoot.Children());
    QString refusal;
    std::vector<ExportOutputs::Refusal> refused;
    if (outputs.NoScript()) {
        refusal = tr("结构文件和数据文件不能都为空!");
    } else if (!outputs.Prepare(true, refused)) {  // appended to, as the engine always has
        refusal = tr("以下输出文件无法打开,未导出任何内容:");
        for (const ExportOutputs::Refusal& file : refused)
            refusal += QStringLiteral("\r\n%1 (%2)").arg(file.path, file.reason);
    }
    if (refusal.isEmpty())
        return outputs;
    m_utility.ShowMessage(refusal, kInformation, QString());
    return std::nullopt;
}

void frmTemplate::RunExport(const ExportOutputs& outputs)
{
    m_running = true;
    m_converter->ClearFailedWrites();
    m_failedTables.clear();
    m_firstFailure.clear();
    m_failureLog.clear();
    // The tables of servers that name a structure or data file are the run's.
    int tables = 0;
    for (const xml::XmlElement& server : m_templateRoot.Children())
        if (!m_utility.GetAttrText("structfile", server).empty() || !m_utility.GetAttrText("datafile", server).empty())
            for (const xml::XmlElement& database : server.Children())
                tables += static_cast<int>(database.Children().size());
    m_progress->Start(tables);
    std::optional<automation::ErrorInfo> failure;
    QString failedServer, failedDatabase;
    {
        const EventLoopYield yield;
        const xml::XmlElement root = m_templateRoot;
        try {
            for (const xml::XmlElement& server : root.Children()) {
                m_exportingLog = QString::fromStdString(m_utility.GetAttrText("logfile", server));
                for (const xml::XmlElement& database : server.Children()) {
                    // A dialog that is closing starts no further database.
                    if (m_closePending)
                        break;
                    failedServer = QString::fromStdString(m_utility.GetAttrText("name", server));
                    failedDatabase = QString::fromStdString(m_utility.GetAttrText("name", database));
                    m_converter->ExportDB(database);
                }
            }
        } catch (...) {
            failure = automation::InfoFromCurrentException();
        }
    }
    outputs.RemoveUnused();
    // A stop that cancelled a table holds to the end of the walk (no event is let in after it).
    const bool stopped = m_converter->StopFlag() == clsConverter::eStop;
    Form_Load();
    if (m_closePending) {
        Unload();
        return;
    }
    if (failure) {
        pbProgress->setRange(0, kBarSteps);  // no longer busy
        lbInfo->clear();  // an earlier run's outcome is not this one's
        // The data layer's own words (often the server's, in its language) after what failed.
        m_utility.ShowMessage(tr("无法导出服务器 %1 的数据库 %2:").arg(failedServer, failedDatabase) +
                                  QStringLiteral("\r\n") + failure->description,
                              kInformation, QString());
    } else {
        ShowOutcome(stopped);
        m_progress->Finish();
    }
    ReportFailedWrites();
}

void frmTemplate::OnTableFinished(const QVariantMap& facts)
{
    if (facts.value(QStringLiteral("ok")).toBool() || facts.value(QStringLiteral("cancelled")).toBool())
        return;
    m_failedTables.insert(facts.value(QStringLiteral("server")).toString() + QLatin1Char('/') +
                          facts.value(QStringLiteral("database")).toString() + QLatin1Char('/') +
                          facts.value(QStringLiteral("table")).toString());
    if (m_firstFailure.isEmpty()) {
        m_firstFailure = m_lastLogLine;
        m_failureLog = m_exportingLog;
    }
}

// "处理完毕....." only for a run that did all it was asked; otherwise what went otherwise.
void frmTemplate::ShowOutcome(bool stopped)
{
    QStringList outcome;
    if (stopped)
        outcome << tr("已停止");
    if (!m_failedTables.isEmpty())
        outcome << tr("%1 张表导出失败").arg(m_failedTables.size());
    if (const qint64 lost = m_converter->FailedWrites(); lost > 0)
        outcome << tr("%1 次写入失败").arg(lost);
    const QString text = outcome.isEmpty() ? tr("处理完毕.....") : outcome.join(tr(",", "between the parts of the outcome"));
    // A failed table whose server names a log file: the log is a click away.
    const bool link = !m_failureLog.isEmpty();
    lbInfo->setTextFormat(link ? Qt::RichText : Qt::PlainText);
    const QString linkText = tr("打开记录文件");
    lbInfo->setText(link ? text.toHtmlEscaped() + QStringLiteral("  <a href=\"log\">%1</a>").arg(linkText) : text);
    WidenFor(lbInfo, link ? text + QStringLiteral("  ") + linkText : text);
}

void frmTemplate::OpenLog()
{
    const QString path = QFileInfo(m_failureLog).absoluteFilePath();
    if (!ui::OpenFile(path))
        m_utility.ShowMessage(tr("无法打开记录文件:") + path, kInformation, QString());
}

// Text that did not reach its file is not shown as success: the files and their lost writes.
void frmTemplate::ReportFailedWrites()
{
    const qint64 failed = m_converter->FailedWrites();
    if (failed == 0)
        return;
    QString files;
    const QVariantMap byFile = m_converter->FailedWriteFiles();
    for (auto file = byFile.cbegin(); file != byFile.cend(); ++file)
        files += QStringLiteral("\r\n%1 (%2)").arg(file.key()).arg(file.value().toLongLong());
    m_utility.ShowMessage(tr("有 %1 次写入失败,以下文件不完整:").arg(failed) + files, kInformation, QString());
}

void frmTemplate::ShowProgress()
{
    const int permille = m_progress->Permille();
    if (permille < 0) {
        pbProgress->setRange(0, 0);  // busy: how far the table is cannot be told
    } else {
        pbProgress->setRange(0, kBarSteps);
        pbProgress->setValue(permille);
    }
    // After the run the first failed table's log line takes the place of the table's name.
    const bool finished = m_progress->Finished();
    const QString table = finished ? m_firstFailure : m_progress->TableText(RunProgress::Localised);
    const QString elided = lbProgress->fontMetrics().elidedText(table, finished ? Qt::ElideRight : Qt::ElideMiddle,
                                                                lbProgress->width());
    // The whole line, which is often cut off.
    lbProgress->setToolTip(finished || elided != table ? table : QString());
    const QString figures = m_progress->FiguresText(RunProgress::Localised);
    lbProgress->setText(elided.isEmpty() ? figures : elided + QLatin1Char('\n') + figures);
    WidenFor(lbProgress, figures);
}

// Figures and outcomes are not cut: the window widens to them, as far as its screen allows.
void frmTemplate::WidenFor(const QLabel* label, const QString& line)
{
    const int lacking = label->fontMetrics().horizontalAdvance(line) - label->width();
    if (lacking <= 0 || !isVisible())
        return;
    int widest = width() + lacking;
    if (const QScreen* shownOn = screen())
        widest = std::min(widest, shownOn->availableGeometry().width() - (frameGeometry().width() - width()));
    if (widest > width())
        resize(widest, height());
}

// A paused export waits for the next event; waking the loop makes it look at the new state.
// The progress holds its clock while paused.
void frmTemplate::SetStopFlag(clsConverter::enuState state)
{
    m_converter->SetStopFlag(state);
    if (m_progress)
        m_progress->SetPaused(state == clsConverter::ePause);
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

QLineEdit* frmTemplate::FileBox(int Index) const
{
    switch (Index) {
    case 1: return txtTemplate;
    case 2: return txtStruct;
    case 3: return txtData;
    case 4: return txtLog;
    default: return nullptr;
    }
}

void frmTemplate::resizeEvent(QResizeEvent* event)
{
    const int wider = width() - minimumWidth();
    for (const Placement& placement : m_placements)
        placement.widget->setGeometry(placement.widens ? placement.designed.adjusted(0, 0, wider, 0)
                                                       : placement.designed.translated(wider, 0));
    // A table name cut to the old width is cut afresh.
    if (!lbProgress->text().isEmpty())
        ShowProgress();
    QDialog::resizeEvent(event);
}

// Esc is the cancel button's key: it presses cmdCancel ("停止" while a run goes on).
void frmTemplate::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmTemplate::closeEvent(QCloseEvent* event)
{
    const bool closesNow = !m_running;
    Unload();
    event->setAccepted(closesNow);
}

void frmTemplate::reject() { Unload(); }
