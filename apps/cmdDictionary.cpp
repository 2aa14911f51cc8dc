#include "Commands.h"
#include "DictionaryOptions.h"

#include "AutomationError.h"
#include "DemoDatabase.h"
#include "DictionaryReader.h"
#include "DictionaryWriter.h"
#include "DriftCheck.h"
#include "FieldSearch.h"
#include "FindHits.h"
#include "HeldConnection.h"
#include "OutputTarget.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <QTemporaryDir>

namespace {

// The exit status of a failure of the data layer or of the output.
constexpr int kFailed = 2;
// --check's status when the dictionary and the catalogue differ.
constexpr int kDrift = 1;
// --all's status when the document is written but some of its tables could not be read.
constexpr int kUnreadTables = 3;

int Fail(const QString& message)
{
    Print(stderr, QStringLiteral("tabrix dictionary: %1\n").arg(message));
    return kFailed;
}

// Each table whose query failed, on standard error; whether there was one.
bool ReportFailures(const DictionaryDocument& document)
{
    const QStringList failures = document.Failures();
    for (const QString& failure : failures)
        Print(stderr, QStringLiteral("tabrix dictionary: %1\n").arg(failure));
    return !failures.isEmpty();
}

// The whole output at once: to standard output, or to the file as OutputTarget writes it.
int Emit(const DictionaryOptions& options, const QByteArray& bytes)
{
    if (!options.out) {
        Print(stdout, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
        return std::fflush(stdout) == 0 ? 0 : Fail(QStringLiteral("cannot write to standard output"));
    }
    QString reason;
    if (OutputTarget(*options.out).Write(bytes, reason))
        return 0;
    return Fail(QStringLiteral("cannot write '%1': %2").arg(*options.out, reason));
}

// Failures of the data layer outside its own message parameters (opening the held connection,
// the drift check's catalogue queries) come as automation errors.
template <class F>
bool Attempt(F&& work, QString& message)
{
    try {
        work();
        return true;
    } catch (...) {
        message = automation::InfoFromCurrentException().description;
        automation::ClearCurrentError();
        return false;
    }
}

int Run(const DictionaryOptions& options)
{
    const std::unique_ptr<DictionaryWriter> writer = DictionaryWriter::ForFormat(options.format, options.csvRaw);
    clsGetData data;
    QObject::connect(&data, &clsGetData::CatalogueChosen, [](bool bCatalogueViews) {
        Print(stderr, QStringLiteral("tabrix dictionary: reading the %1\n")
                          .arg(QString::fromStdString(catalogue::Describe(bCatalogueViews ? catalogue::Kind::Views
                                                                                            : catalogue::Kind::Legacy))));
    });
    QString message;
    // A batch run holds one connection for all its queries.
    HeldConnectionPtr held;
    if (options.all || options.search || options.check) {
        if (!Attempt([&] { held = std::make_shared<HeldConnection>(modPublic::GetPropsString()); }, message))
            return Fail(message);
        data.HoldConnection(held);
    }

    DictionaryReader reader(data);
    DictionaryDocument document;
    if (!reader.ReadTree(document, message))
        return Fail(message);

    if (options.table) {
        if (!reader.ReadTable(document, *options.table, message))
            return Fail(message);
        return Emit(options, writer->Tables(document));
    }
    if (options.all) {
        reader.ReadAll(document);
        if (const int status = Emit(options, writer->Tables(document)))
            return status;
        return ReportFailures(document) ? kUnreadTables : 0;
    }
    if (options.search) {
        // Only the hits' rows are made: on thousands of tables most rows are not hits.
        const QString text = *options.search;
        if (!reader.ReadAllFields(document, message, [&](const QString& name, const QString& description) {
                return FieldSearch::Matches(name, description, text);
            }))
            return Fail(message);
        return Emit(options, writer->Rows(FieldSearch::Rows(document, FieldSearch::Find(document, *options.search))));
    }
    if (options.findCode || options.findName) {
        DictionaryRows hits;
        if (const int status = FindHits::Read(data, document, options.findCode.value_or(QString()),
                                              options.findName.value_or(QString()), hits, message)) {
            Print(stderr, QStringLiteral("tabrix dictionary: %1\n").arg(message));
            return status;
        }
        if (!message.isEmpty())
            Print(stderr, QStringLiteral("tabrix dictionary: %1\n").arg(message));
        return Emit(options, writer->Rows(hits));
    }
    if (options.check) {
        reader.ReadAll(document, false);
        // A field list that could not be read would show as drift that is not there.
        if (ReportFailures(document))
            return kFailed;
        std::vector<DriftCheck::Item> items;
        if (!Attempt([&] { items = DriftCheck::Find(document, data, *held); }, message))
            return Fail(message);
        const int status = Emit(options, writer->Rows(DriftCheck::Rows(document, items)));
        return status != 0 ? status : items.empty() ? 0 : kDrift;
    }
    return Emit(options, writer->Tree(document));
}

}  // namespace

int CmdDictionary(CommandLine& line)
{
    DictionaryOptions options;
    if (const int status = options.Read(line))
        return status;

    // Without a database, the demo account, written for this run only.
    QTemporaryDir demoFolder;
    std::optional<QString> account;
    if (!options.database.file && !options.database.connection) {
        if (!demoFolder.isValid()) {
            Print(stderr, QStringLiteral("tabrix: cannot make a temporary folder: %1\n").arg(demoFolder.errorString()));
            return kFailed;
        }
        options.database.file = demoFolder.filePath(QStringLiteral("account.db"));
        try {
            demo::WriteDemoDatabase(*options.database.file);
        } catch (const std::exception& error) {
            Print(stderr, QStringLiteral("tabrix: %1\n").arg(QString::fromUtf8(error.what())));
            return kFailed;
        }
        account = QStringLiteral("演示账套");
    }

    SetHostLogin(options.database, options.language, account);
    return Run(options);
}
