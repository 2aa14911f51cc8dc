// tabrix export: the converter driven without a window, as a host drives it: created by ProgID,
// StopFlag set to play, ExportDB called for every database element of the template.
#include "Commands.h"

#include "AutomationError.h"
#include "ComponentRegistry.h"
#include "ConnectionPassword.h"
#include "Dispatch.h"
#include "ExportOutputs.h"
#include "RunProgress.h"
#include "RunReport.h"
#include "TypeMapScope.h"
#include "VerifyAfterExport.h"
#include "XmlElement.h"
#include "mdlCommon.h"

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <sys/ioctl.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <optional>

namespace {

constexpr int kPlay = 2;  // enuState ePlay
constexpr int kStop = 0;  // enuState eStop

// Presses of Ctrl+C, at most 2. The handler only counts (and, at the second press, gives the
// signal back its default action, so that a third press ends the program wherever it is);
// the rest happens on the main thread, at the next row or table of the export.
volatile std::sig_atomic_t g_interrupts = 0;

void OnInterrupt(int)
{
    if (g_interrupts < 2)
        g_interrupts = g_interrupts + 1;
    if (g_interrupts == 2) {
        struct sigaction fallback = {};
        fallback.sa_handler = SIG_DFL;
        sigemptyset(&fallback.sa_mask);
        sigaction(SIGINT, &fallback, nullptr);
    }
}

// The status of a program that Ctrl+C ended.
constexpr int kInterruptedStatus = 130;

// The second Ctrl+C: every file gets the statements already complete and nothing of the one
// being composed, the report (when asked for) says so, then the program ends as interrupted.
[[noreturn]] void QuitAtOnce(QObject* converter, bool terminal, const RunReport* report)
{
    try {
        automation::Invoke(converter, "FlushWholeStatements");
    } catch (const automation::AutomationError&) {
        // Quitting anyway: the files end at their last flush, which is a whole statement too.
    }
    if (terminal)
        Print(stderr, std::string_view("\r\033[K"));  // the progress line
    QString reportError;
    if (report && !report->Write(kInterruptedStatus, true,
                                 automation::GetProperty(converter, "FailedWriteFiles").toMap(), reportError))
        Print(stderr, QStringLiteral("tabrix: %1\n").arg(reportError));
    Print(stderr, std::string_view("tabrix: quit; every file ends at its last whole statement\n"));
    std::fflush(stdout);
    std::signal(SIGINT, SIG_DFL);
    std::raise(SIGINT);
    std::_Exit(kInterruptedStatus);
}

// Stands in for the label a window would pass: the engine sets its Caption at the start of
// every table. On a terminal this command shows the run's progress on one line instead.
class ProgressLabel : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)

public:
    // onTable runs at the start of every table's structure or data export.
    ProgressLabel(bool show, const RunProgress& progress, std::function<void()> onTable)
        : m_show(show), m_progress(progress), m_onTable(std::move(onTable))
    {
        connect(&progress, &RunProgress::Changed, this, [this] { Draw(false); });
    }

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption)
    {
        m_onTable();
        m_caption = caption;
    }
    // Clears the progress line so that other output starts on a clean line.
    void Clear() const
    {
        if (m_show)
            Print(stderr, std::string_view("\r\033[K"));
    }

private:
    // A few times a second, and at once when another table starts.
    void Draw(bool now)
    {
        if (!m_show)
            return;
        const auto time = std::chrono::steady_clock::now();
        const bool newTable = m_progress.Table() != m_drawnTable;
        if (!now && !newTable && time - m_drawn < std::chrono::milliseconds(200))
            return;
        m_drawn = time;
        m_drawnTable = m_progress.Table();
        QString text = m_progress.Text(RunProgress::English);
        // One line of the terminal: a longer one would wrap, and only its last line be redrawn.
        winsize size = {};
        if (::ioctl(STDERR_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 1 && text.size() >= size.ws_col)
            text = text.left(size.ws_col - 1);
        Print(stderr, QStringLiteral("\r\033[K") + text);
        std::fflush(stderr);
    }

    bool m_show;
    const RunProgress& m_progress;
    std::function<void()> m_onTable;
    QString m_caption;
    int m_drawnTable = -1;
    std::chrono::steady_clock::time_point m_drawn;
};

// Receives the converter's log lines.
class LogCounter : public QObject {
    Q_OBJECT

public:
    explicit LogCounter(const ProgressLabel& progress) : m_progress(progress) {}
    int Lines() const { return m_lines; }
    int Cancelled() const { return m_cancelled; }

public slots:
    void OnLogLine(const QString& strLine)
    {
        ++m_lines;
        if (strLine.endsWith(QStringLiteral("任务取消!")))
            ++m_cancelled;
        m_progress.Clear();
        Print(stderr, strLine + QLatin1Char('\n'));
    }
    // Which catalogue a server's structures are read from: not a failure, so not counted.
    void OnCatalogueChosen(const QString& strServer, const QString& strDatabase, const QString& strCatalogue)
    {
        m_progress.Clear();
        Print(stderr, QStringLiteral("tabrix export: %1/%2: reading the %3\n").arg(strServer, strDatabase, strCatalogue));
    }

private:
    const ProgressLabel& m_progress;
    int m_lines = 0;
    int m_cancelled = 0;
};

// Created in the folder of the shipped type map (see TypeMapScope), so that it loads the map.
automation::ObjectPtr CreateConverter()
{
    const TypeMapScope typeMap;
    return automation::CreateObject(QStringLiteral("MirelTabrix.clsConverter"));
}

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// --batch: how many inserts go into one transaction of the data script.
constexpr int kMostBatch = 1000000000;
bool IsBatchSize(const QString& text)
{
    bool ok = false;
    const int size = text.toInt(&ok);
    return ok && size >= 1 && size <= kMostBatch && text == QString::number(size);
}

}  // namespace

int CmdExport(CommandLine& line)
{
    const std::optional<QString> structFile = OptionValue(line, QStringLiteral("struct"));
    const std::optional<QString> dataFile = OptionValue(line, QStringLiteral("data"));
    const std::optional<QString> logFile = OptionValue(line, QStringLiteral("log"));
    const std::optional<QString> reportFile = OptionValue(line, QStringLiteral("report"));
    const std::optional<QString> batch = OptionValue(line, QStringLiteral("batch"));
    const bool append = line.options.isSet(QStringLiteral("append"));
    std::optional<QString> verifyOn = OptionValue(line, QStringLiteral("verify-on"));
    const bool verify = line.options.isSet(QStringLiteral("verify")) || verifyOn;
    if (batch && !IsBatchSize(*batch))
        return UsageError(line, QStringLiteral("--batch needs a number of inserts from 1 to %1").arg(kMostBatch));
    if (verifyOn) {
        // Asked before the run, as --connection does, so that the export is not kept waiting.
        QString error;
        if (!CompleteConnectionPassword(*verifyOn, error)) {
            Print(stderr, QStringLiteral("tabrix: %1\n").arg(error));
            return 2;
        }
    }
    const QStringList templates = line.options.positionalArguments();
    if (templates.isEmpty())
        return UsageError(line, QStringLiteral("no template file given"));
    if (templates.size() > 1)
        return UsageError(line, QStringLiteral("give one template file"));
    const std::optional<QString> templatePath = templates.constFirst();

    QCoreApplication app(line.argc, line.argv);
    const xml::XmlDocument document = xml::XmlDocument::LoadFile(*templatePath);
    if (!document.Ok()) {
        Print(stderr, QStringLiteral("tabrix: 校验错误,如下:\n%1\n").arg(document.Error().Reason()));
        return 2;
    }
    // As the dialog does: a file the template names wins over the option.
    const std::vector<xml::XmlElement> servers = document.DocumentElement().Children();
    for (xml::XmlElement server : servers) {
        for (auto [attribute, option] : {std::pair{"datafile", &dataFile}, std::pair{"structfile", &structFile},
                                         std::pair{"logfile", &logFile}, std::pair{"batch", &batch}})
            if (server.Attribute(attribute).empty() && *option)
                server.SetAttribute(attribute, (*option)->toStdString());
    }

    automation::ObjectPtr converter;
    try {
        converter = CreateConverter();
        automation::SetProperty(converter.get(), "StopFlag", kPlay);
    } catch (const automation::AutomationError& e) {
        Print(stderr, QStringLiteral("tabrix: %1\n").arg(e.Description()));
        return 2;
    }

    // The report can be made: checked before anything is exported, written at the end.
    std::optional<RunReport> report;
    if (reportFile) {
        report.emplace(converter.get(), *reportFile);
        QString reportError;
        if (!report->CheckWritable(reportError)) {
            Print(stderr, QStringLiteral("tabrix: %1; nothing exported\n").arg(reportError));
            return 2;
        }
    }

    // Every file the run will write must open before anything is exported.
    ExportOutputs outputs(servers);
    std::vector<ExportOutputs::Refusal> refused;
    if (!outputs.Prepare(append, refused)) {
        Print(stderr, QStringLiteral("tabrix: %1; nothing exported\n").arg(ExportOutputs::Describe(refused)));
        return 2;
    }

    QObject* const engine = converter.get();
    const RunReport* const reportToWrite = report ? &*report : nullptr;
    const bool terminal = ::isatty(STDERR_FILENO) != 0;
    const auto quitWhenAsked = [engine, terminal, reportToWrite] {
        if (g_interrupts >= 2)
            QuitAtOnce(engine, terminal, reportToWrite);
    };
    // Off a terminal nothing shows progress, and the tables' rows are not estimated for it.
    RunProgress runProgress(terminal ? engine : nullptr);
    ProgressLabel progress(terminal, runProgress, quitWhenAsked);
    LogCounter log(progress);
    QObject::connect(engine, SIGNAL(LogLine(QString)), &log, SLOT(OnLogLine(QString)));
    QObject::connect(engine, SIGNAL(CatalogueChosen(QString,QString,QString)), &log,
                     SLOT(OnCatalogueChosen(QString,QString,QString)));

    // Ctrl+C acts as the dialog's stop: the run goes on to its end, every remaining data export
    // cancels itself, structures are still written and every file is whole. A second Ctrl+C
    // quits at the next row or table, every file ending at a whole statement.
    struct sigaction action = {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    bool stopRequested = false;
    mdlCommon::SetYieldHook({[&] {
                                 quitWhenAsked();
                                 return g_interrupts && !stopRequested;
                             },
                             [&](bool) {
                                 if (!g_interrupts || stopRequested)
                                     return;
                                 stopRequested = true;
                                 automation::SetProperty(converter.get(), "StopFlag", kStop);
                                 progress.Clear();
                                 Print(stderr, std::string_view("tabrix: stopping; the remaining data exports are cancelled "
                                                                "(Ctrl+C again to quit at once)\n"));
                             }});

    // The tables the run exports: those of servers that name a structure or data file.
    const auto tablesOf = [](const xml::XmlElement& server, const xml::XmlElement& database) {
        return server.Attribute("structfile").empty() && server.Attribute("datafile").empty()
                   ? 0
                   : static_cast<int>(database.Children().size());
    };
    int runTables = 0;
    for (const xml::XmlElement& server : servers)
        for (const xml::XmlElement& database : server.Children())
            runTables += tablesOf(server, database);
    runProgress.Start(runTables);

    int databases = 0, tables = 0, failedDatabases = 0;
    for (const xml::XmlElement& server : servers) {
        for (const xml::XmlElement& database : server.Children()) {
            ++databases;
            tables += static_cast<int>(database.Children().size());
            const int tableBefore = runProgress.Table();
            try {
                automation::Invoke(converter.get(), "ExportDB", {QVariant::fromValue(database),
                                                                  QVariant::fromValue<QObject*>(&progress)});
            } catch (const automation::AutomationError& e) {
                ++failedDatabases;
                runProgress.Skip(tableBefore + tablesOf(server, database) - runProgress.Table());
                if (report)
                    report->DatabaseFailed(FromUtf8(server.Attribute("name")), FromUtf8(database.Attribute("name")),
                                           e.Description());
                progress.Clear();
                Print(stderr, QStringLiteral("tabrix: %1/%2: %3\n")
                                  .arg(FromUtf8(server.Attribute("name")), FromUtf8(database.Attribute("name")),
                                       e.Description()));
            }
        }
    }
    mdlCommon::SetYieldHook({});
    runProgress.Finish();
    progress.Clear();
    outputs.RemoveUnused();
    // The report carries the status the program ends with; a report that cannot be written
    // makes a run that went well end with 2.
    const auto finish = [&](int exitStatus) {
        QString reportError;
        if (!report ||
            report->Write(exitStatus, false, automation::GetProperty(engine, "FailedWriteFiles").toMap(), reportError))
            return exitStatus;
        Print(stderr, QStringLiteral("tabrix: %1\n").arg(reportError));
        return exitStatus == 0 ? 2 : exitStatus;
    };

    Print(stdout, QStringLiteral("tabrix export: %1 tables in %2 databases; %3 log lines (%4 cancelled); %5 databases "
                                 "failed\n")
                      .arg(tables)
                      .arg(databases)
                      .arg(log.Lines())
                      .arg(log.Cancelled())
                      .arg(failedDatabases));
    // Text that did not reach its file: the scripts are incomplete, which is worse than a
    // logged table.
    const qint64 failedWrites = automation::GetProperty(engine, "FailedWrites").toLongLong();
    if (failedWrites > 0) {
        QStringList files;
        const QVariantMap byFile = automation::GetProperty(engine, "FailedWriteFiles").toMap();
        for (auto file = byFile.cbegin(); file != byFile.cend(); ++file)
            files << QStringLiteral("%1 (%2)").arg(file.key()).arg(file.value().toLongLong());
        Print(stderr, QStringLiteral("tabrix: %1 writes failed, the output is incomplete: %2\n")
                          .arg(failedWrites)
                          .arg(files.join(QStringLiteral(", "))));
        return finish(2);
    }
    const int status = log.Lines() == 0 && failedDatabases == 0 ? 0 : 3;
    if (verify && stopRequested) {
        Print(stderr, std::string_view("tabrix: the run was stopped, so its scripts are not verified\n"));
        return finish(status);
    }
    if (verify && !VerifyAfterExport(servers, engine, verifyOn))
        return finish(4);
    return finish(status);
}

#include "cmdExport.moc"
