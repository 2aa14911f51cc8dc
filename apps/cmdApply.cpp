// tabrix apply: runs structure and data scripts as the converter writes them on a database, the
// embedded provider's file or any server a connection text reaches.
#include "Commands.h"

#include "AutomationError.h"
#include "Connection.h"
#include "ScriptFile.h"
#include "ScriptRunner.h"

#include <QFile>
#include <QFileInfo>

#include <unistd.h>

#include <chrono>
#include <memory>
#include <vector>

namespace {

// The progress line on a terminal: the script and how far into it the run is.
class ApplyProgress {
public:
    explicit ApplyProgress(bool show) : m_show(show) {}
    ~ApplyProgress() { Clear(); }

    void Start(const QString& name, std::size_t size)
    {
        m_name = name;
        m_size = size;
    }
    void At(std::size_t position, long statements)
    {
        if (!m_show)
            return;
        const auto now = std::chrono::steady_clock::now();
        if (now - m_drawn < std::chrono::milliseconds(200))
            return;
        m_drawn = now;
        const int percent = m_size ? static_cast<int>(position * 100 / m_size) : 100;
        Print(stderr, QStringLiteral("\r\033[Kapplying %1: %2% (%3 statements)").arg(m_name).arg(percent).arg(statements));
        std::fflush(stderr);
    }
    void Clear() const
    {
        if (m_show)
            Print(stderr, std::string_view("\r\033[K"));
    }

private:
    bool m_show;
    QString m_name;
    std::size_t m_size = 0;
    std::chrono::steady_clock::time_point m_drawn;
};

}  // namespace

int CmdApply(CommandLine& line)
{
    DatabaseOptions database = DatabaseOptionsOf(line);
    const QStringList scripts = line.options.positionalArguments();
    const bool create = line.options.isSet(QStringLiteral("create"));
    const bool oneTransaction = !line.options.isSet(QStringLiteral("no-transaction"));
    if (scripts.isEmpty())
        return UsageError(line, QStringLiteral("no script given"));
    if (!database.file && !database.connection)
        return UsageError(line, QStringLiteral("give either --db or --connection"));
    if (create && !database.file)
        return UsageError(line, QStringLiteral("--create makes a SQLite file: give it with --db"));
    if (create) {
        if (database.file->contains(u';'))
            return UsageError(line, QStringLiteral("a file name with ';' cannot go into a connection text; use --connection"));
        if (QFileInfo::exists(*database.file)) {
            Print(stderr, QStringLiteral("tabrix: '%1' already exists; --create makes a new file\n").arg(*database.file));
            return 2;
        }
    } else if (const int status = CheckDatabaseOptions(line, database)) {
        return status;
    }

    // Every script must be readable before anything runs.
    std::vector<std::unique_ptr<ScriptFile>> files;
    for (const QString& path : scripts) {
        files.push_back(std::make_unique<ScriptFile>(path));
        QString error;
        if (!files.back()->Open(error)) {
            Print(stderr, QStringLiteral("tabrix: %1; nothing applied\n").arg(error));
            return 2;
        }
    }

    const auto start = std::chrono::steady_clock::now();
    auto connection = std::make_unique<ado::Connection>();
    try {
        if (database.file)
            connection->Open(QStringLiteral("Provider=SQLite;Data Source=%1").arg(*database.file).toStdString(),
                             create ? ado::adModeCreate : ado::adModeReadWrite);
        else
            connection->Open(database.connection->toStdString(), ado::adModeReadWrite);
    } catch (const automation::AutomationError& e) {
        Print(stderr, QStringLiteral("tabrix: %1\n").arg(e.Description()));
        return 2;
    }

    ApplyProgress progress(::isatty(STDERR_FILENO) != 0);
    QString failure;
    long statements = 0, missingDrops = 0, batches = 0;
    // A server that ended the run's transaction inside a batch left nothing to replay the batch
    // on: everything is rolled back, and the run goes again one statement at a time, which
    // names the failing line (or applies the run, if what failed does not fail again).
    for (const bool joining : {true, false}) {
        failure.clear();
        bool batchLost = false;
        try {
            ScriptRunner runner(*connection, oneTransaction);
            if (!joining)
                runner.SendEachAlone();
            ScriptFile* current = nullptr;
            runner.SetProgress([&](std::size_t position) {
                progress.At(position, runner.Statements());
                // What the run has gone past leaves memory; the statements waiting to go to the
                // server together are within the last batch's bytes.
                constexpr std::size_t kKept = 2 * ScriptRunner::kBatchBytes;
                current->Release(position > kKept ? position - kKept : 0);
            });
            try {
                for (const auto& file : files) {
                    current = file.get();
                    progress.Start(file->Path(), file->Text().size());
                    runner.Run(file->Text());
                    file->Release(file->Text().size());
                }
                runner.Commit();
            } catch (const ScriptFailure& e) {
                failure = QStringLiteral("%1:%2: %3").arg(current->Path()).arg(e.Line()).arg(e.Message());
                batchLost = e.BatchLost();
            }
            statements = runner.Statements();
            missingDrops = runner.MissingTablesNotDropped();
            batches = runner.Batches();
        } catch (const automation::AutomationError& e) {
            failure = e.Description();  // the transaction could not begin or commit
        }
        if (!batchLost)
            break;
        progress.Clear();
        Print(stderr, QStringLiteral("tabrix: %1; rolled back, applying again one statement at a time\n").arg(failure));
    }
    progress.Clear();
    connection.reset();

    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!failure.isEmpty()) {
        Print(stderr, QStringLiteral("tabrix: %1\n").arg(failure));
        if (oneTransaction) {
            // The run is one transaction: nothing of it stays, and a file made for it goes again.
            if (create)
                QFile::remove(*database.file);
            Print(stderr, std::string_view("tabrix apply: nothing applied; the run is rolled back\n"));
        } else {
            Print(stderr, std::string_view("tabrix apply: stopped; the statements before the failing one stay applied "
                                           "(those of a transaction left open are rolled back)\n"));
        }
        return 3;
    }
    QString summary = QStringLiteral("tabrix apply: %1 statements of %2 scripts applied in %3 s")
                          .arg(statements)
                          .arg(files.size())
                          .arg(seconds, 0, 'f', 1);
    if (batches > 0)
        summary += QStringLiteral("; %1 batches of statements sent together").arg(batches);
    if (missingDrops > 0)
        summary += QStringLiteral(" (%1 drops of tables the database did not have passed over)").arg(missingDrops);
    Print(stdout, summary + QLatin1Char('\n'));
    return 0;
}
