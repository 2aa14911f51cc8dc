#include "clsConverter.h"

#include "AutomationError.h"
#include "DateLiteral.h"
#include "DefaultExpression.h"
#include "Dispatch.h"
#include "InsertBatches.h"
#include "InsertStatement.h"
#include "RowEstimate.h"
#include "RowReadAhead.h"
#include "SqlIdentifier.h"
#include "SqlTokenizer.h"
#include "mdlCommon.h"

#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr const char* kCrLf = "\r\n";

// The error that ends a data export when the run is stopped.
constexpr long kCancelled = 1;

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

std::string Attr(const xml::XmlElement& element, std::string_view name)
{
    return mdlCommon::Utility().GetAttrText(name, element);
}

// S/D/T of a table element: its own name, its database's and its server's.
struct TableNames {
    std::string server, database, table;

    explicit TableNames(const xml::XmlElement& table)
    {
        const xml::XmlElement databaseElement = table.Parent();
        this->table = Attr(table, "name");
        database = Attr(databaseElement, "name");
        server = Attr(databaseElement.Parent(), "name");
    }

    QString Path() const { return FromUtf8(server + "/" + database + "/" + table); }
};

void SetCaption(QObject* lbInfo, const QString& caption)
{
    if (lbInfo)
        automation::SetProperty(lbInfo, "Caption", caption);
}

// The last two characters of text (UTF-8), or all of it when it is shorter.
std::string LastTwoCharacters(const std::string& text)
{
    size_t start = text.size();
    for (int characters = 0; characters < 2 && start > 0; ++characters) {
        --start;
        while (start > 0 && (static_cast<unsigned char>(text[start]) & 0xC0) == 0x80)
            --start;
    }
    return text.substr(start);
}

// A value's ordinary text form; a null gives the empty text.
std::string PlainText(const ado::Value& value) { return ado::IsNull(value) ? std::string() : ado::ToText(value); }

// A type-map entry's text without the blanks and line ends of a pretty-printed map.
std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool IsLongSize(long definedSize) { return definedSize >= 1073741823; }

// The size part of a column type and the blanks after it.
std::string SizePart(const ado::Field& field)
{
    const std::string size = std::to_string(field.DefinedSize());
    switch (field.Type()) {
    case ado::adDecimal:
    case ado::adNumeric:
    case ado::adVarNumeric:
        if (field.NumericScale() == 0)
            return "(" + size + ")  ";
        return "(" + size + "," + std::to_string(field.NumericScale()) + ")  ";
    case ado::adLongVarChar:
    case ado::adLongVarWChar:
    case ado::adLongVarBinary:
        return "    ";
    case ado::adChar:
    case ado::adWChar:
    case ado::adBinary:
        return "(" + size + ")    ";
    case ado::adVarChar:
    case ado::adVarWChar:
    case ado::adVarBinary:
        // Without a size the server would make the column one character (byte) wide.
        return IsLongSize(field.DefinedSize()) ? "(max)    " : "(" + size + ")    ";
    default:
        return "    ";
    }
}

// The server element's identity attribute: "keep" (or none) writes identity values as the
// source holds them, "renumber" leaves identity columns out so the target numbers the rows anew.
bool KeepsIdentity(const std::string& attribute)
{
    if (attribute.empty() || attribute == "keep")
        return true;
    if (attribute == "renumber")
        return false;
    throw automation::AutomationError(
        5, QStringLiteral("The server element's identity attribute '%1' is neither keep nor renumber.")
               .arg(FromUtf8(attribute)));
}

// The table's name as the scripts write it. A name starting with "#" would make the server
// create a temporary table, gone with the session that replays the script.
std::string ScriptTableName(const std::string& table)
{
    if (ado::provider::LastNamePart(table).starts_with('#'))
        throw automation::AutomationError(
            5, QStringLiteral("The table name %1 would make a temporary table on the server; rename the table to export it.")
                   .arg(FromUtf8(table)));
    return sqlname::QuoteQualified(table);
}

}  // namespace

// Keeps the run's files open and buffered while an export is on the stack: every table's end
// flushes them, the outermost export's end closes them.
class clsConverter::RunScope {
public:
    explicit RunScope(clsConverter& converter) : m_converter(converter) { ++m_converter.m_runDepth; }
    ~RunScope()
    {
        if (--m_converter.m_runDepth == 0)
            m_converter.m_files.CloseAll();
        else
            m_converter.m_files.FlushAll();
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    clsConverter& m_converter;
};

clsConverter::clsConverter(QObject* parent) : QObject(parent)
{
    const xml::XmlDocument map = xml::XmlDocument::LoadFile(QStringLiteral("type_ref.xml"));
    if (!map.Ok())
        m_typeMapError = QStringLiteral("校验错误,如下:") + QString::fromLatin1(kCrLf) + map.Error().Reason();
    m_typeMap = mdlCommon::Utility().RootElement(map);
}

clsConverter::~clsConverter() = default;

void clsConverter::Show(const QString& strPath)
{
    automation::Guard([&] {
        const mdlCommon::ShowHandler& show = mdlCommon::CurrentShowHandler();
        if (!show)
            throw automation::AutomationError(
                429, QStringLiteral("The template dialog is not available in this process."),
                QStringLiteral("MirelTabrix.clsConverter"));
        show(strPath);
    });
}

void clsConverter::ExportDB(const xml::XmlElement& objNode, QObject* lbInfo)
{
    automation::Guard([&] {
        RunScope run(*this);
        const xml::XmlElement server = objNode.Parent();
        clsConnection& connections = mdlCommon::Connection();
        ado::ConnectionPtr connection;
        connections.OpenConnection(mdlCommon::ConnectionTextOf(objNode), connection);
        // A failure half-way still closes the connection before the caller hears of it.
        struct Closer {
            clsConnection& connections;
            ado::ConnectionPtr& connection;
            ~Closer()
            {
                connections.CloseConnection(connection);
                connection.reset();
            }
        } closer{connections, connection};

        for (const xml::XmlElement& table : objNode.Children()) {
            if (!Attr(server, "structfile").empty()) {
                Write(table, Attr(table, "hint") + kCrLf, 1);
                ExportTableStruct(connection, table, lbInfo);
            }
            if (!Attr(server, "datafile").empty()) {
                Write(table, Attr(table, "hint") + kCrLf, 0);
                ExportTable(connection, table, lbInfo);
            }
        }
    });
}

void clsConverter::WriteToFile(const xml::XmlElement& objNode, const QString& strContent, short iType)
{
    automation::Guard([&] {
        const QByteArray content = strContent.toUtf8();
        Write(objNode, std::string_view(content.constData(), static_cast<size_t>(content.size())), iType);
        // Called by a host during a run, the text still reaches the file at once.
        if (m_runDepth > 0)
            m_files.FlushAll();
    });
}

void clsConverter::Write(const xml::XmlElement& objNode, std::string_view strContent, int iType,
                         bool statementComplete)
{
    std::string path;
    try {
        const xml::XmlElement server = objNode.Parent().Parent();
        const char* attribute = iType == 0 ? "datafile" : iType == 1 ? "structfile" : "logfile";
        path = Attr(server, attribute);
        if (path.empty())
            return;
        if (m_runDepth > 0)
            m_files.Get(path).Write(strContent, statementComplete);
        else
            mdlCommon::Utility().AppendToFile(path, strContent);
    } catch (...) {
        // The writer never fails its caller: the text is lost, counted, and the run goes on.
        try {
            if (!path.empty())
                m_files.CountFailedWrite(path);
        } catch (...) {
        }
    }
}

qint64 clsConverter::FailedWrites() const
{
    qint64 total = 0;
    for (const auto& [path, count] : m_files.FailedWrites())
        total += count;
    return total;
}

QVariantMap clsConverter::FailedWriteFiles() const
{
    QVariantMap files;
    for (const auto& [path, count] : m_files.FailedWrites())
        files.insert(FromUtf8(path), QVariant::fromValue<qint64>(count));
    return files;
}

void clsConverter::ClearFailedWrites()
{
    automation::Guard([&] { m_files.ClearFailedWrites(); });
}

void clsConverter::FlushWholeStatements()
{
    automation::Guard([&] {
        m_files.FlushWholeStatements();
        if (const RunningData& running = m_runningData; running.facts) {
            const long long lost = running.file ? running.file->LostRows() - running.lostRowsBefore : 0;
            emit RowsWritten(running.facts->rows - lost, running.facts->bytes);
        }
    });
}

OutputFile* clsConverter::ScriptFile(const xml::XmlElement& objNode, int iType)
{
    const std::string path = Attr(objNode.Parent().Parent(), iType == 0 ? "datafile" : "structfile");
    return path.empty() || m_runDepth == 0 ? nullptr : &m_files.Get(path);
}

void clsConverter::LogFailure(const xml::XmlElement& objNode, const QString& description)
{
    const TableNames names(objNode);
    const QString line = FromUtf8(names.server + "    " + names.database + "    " + names.table + "   ") + description;
    const QByteArray text = line.toUtf8();
    Write(objNode, std::string_view(text.constData(), static_cast<size_t>(text.size())), 2);
    emit LogLine(line);
}

template <class Body>
void clsConverter::RunTable(const xml::XmlElement& objNode, int iType, Body&& body)
{
    const auto start = std::chrono::steady_clock::now();
    TableFacts facts;
    facts.iType = iType;
    // The table's text reaches its file before the table is told ended, so that writes that
    // failed are its own: its rows lost with them are not counted, and it is not a success.
    OutputFile* const file = ScriptFile(objNode, iType);
    if (file)
        file->Flush();
    const long long failedBefore = file ? file->FailedWrites() : 0;
    const long long lostBefore = file ? file->LostRows() : 0;
    const OutputFile::Mark mark = file ? file->TakeMark() : OutputFile::Mark{};
    try {
        const TableNames names(objNode);
        facts.server = names.server;
        facts.database = names.database;
        facts.table = names.table;
        body(facts);
    } catch (...) {
        const QString description = automation::InfoFromCurrentException().description;
        // A table that fails leaves its log line alone: no drop without its create, no delete
        // without its rows. A stopped table keeps the rows it wrote, and a delete only with them.
        if (file && !(facts.cancelled && facts.rows > 0)) {
            file->RollBack(mark);
            facts.rows = 0;
            facts.bytes = 0;
        }
        facts.error = description.toStdString();
        LogFailure(objNode, description);
    }
    if (file) {
        file->Flush();
        facts.rows -= file->LostRows() - lostBefore;
        const long long failed = file->FailedWrites() - failedBefore;
        if (failed > 0 && facts.error.empty()) {
            const QString description = QStringLiteral("%1 writes to %2 failed (%3); the table's statements in it are "
                                                        "incomplete")
                                            .arg(failed)
                                            .arg(FromUtf8(file->Path()), FromUtf8(file->WriteError()));
            facts.error = description.toStdString();
            LogFailure(objNode, description);
        }
    }
    facts.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    emit TableFinished(facts.ToMap());
}

void clsConverter::StartTable(const TableFacts& facts)
{
    emit TableStarted(FromUtf8(facts.server), FromUtf8(facts.database), FromUtf8(facts.table), facts.iType,
                      facts.estimatedRows);
}

void clsConverter::ExportTableStruct(const ado::ConnectionPtr& objCon, const xml::XmlElement& objNode, QObject* lbInfo)
{
    automation::Guard([&] {
        RunScope run(*this);
        RunTable(objNode, 1, [&](TableFacts& facts) { ExportTableStructBody(objCon, objNode, lbInfo, facts); });
    });
}

void clsConverter::ExportTableStructBody(const ado::ConnectionPtr& objCon, const xml::XmlElement& objNode,
                                         QObject* lbInfo, TableFacts& facts)
{
    ado::ConnectionPtr connection = objCon;
    const TableNames names(objNode);
    const std::string T = ScriptTableName(names.table);
    const std::string objectName = sqlname::InLiteral(T);  // as it stands inside object_id('...')
    StartTable(facts);
    SetCaption(lbInfo, QStringLiteral("导出表结构 : ") + names.Path());

    Write(objNode, "drop table " + T + kCrLf, 1);
    Write(objNode, "create table " + T + "(", 1, false);

    if (!connection)
        throw automation::AutomationError(91, QStringLiteral("Object variable or With block variable not set"));
    const ado::RecordsetPtr columns = connection->Execute("select * from " + T + " where 1> 1");
    const StructureCatalogue::Facts catalogueFacts = ReadStructure(connection, objNode, objectName, *columns);
    // Defaults that are more than one expression are data the script must not run.
    std::vector<std::string> leftOutDefaults;
    std::vector<std::string> leftOutComputed;
    for (long i = 0; i < columns->FieldCount(); ++i) {
        const ado::Field& field = columns->Fields(i);
        const std::string& name = field.Name();
        const StructureCatalogue::Column& column = catalogueFacts.columns[static_cast<size_t>(i)];

        if (m_typeMap.IsNull())
            throw automation::AutomationError(1, m_typeMapError);
        const std::string entry = "f" + std::to_string(static_cast<int>(field.Type()));
        const xml::XmlElement typeName = m_typeMap.SelectSingleNode(entry);
        if (typeName.IsNull())
            throw automation::AutomationError(
                1, QStringLiteral("type_ref.xml has no element %1 for the type of column %2")
                       .arg(QString::fromStdString(entry), FromUtf8(name)));

        // A computed column keeps its expression: as a plain column its values would be lost,
        // since the inserts leave it out.
        if (column.computedText) {
            if (DefaultExpression::IsWhole(*column.computedText)) {
                Write(objNode, "  " + sqlname::Quote(name) + "    as " + *column.computedText + ",", 1, false);
                continue;
            }
            leftOutComputed.push_back(name);
        }
        const std::string mapName = Trimmed(typeName.Text());
        const std::string dateType = DateLiteral::ScriptType(field, mapName);
        std::string line = "  " + sqlname::Quote(name) + "    " + (dateType.empty() ? mapName + SizePart(field) : dateType + "    ");
        if (column.identity)
            line += "identity";
        else
            line += column.nullable ? "null" : "not null";
        line += "    ";

        const std::string& defaultValue = column.defaultText;
        if (DefaultExpression::IsWhole(defaultValue))
            line += "default " + defaultValue;
        else if (!defaultValue.empty())
            leftOutDefaults.push_back(name);
        line += ",";
        Write(objNode, line, 1, false);
    }

    std::string keyList;
    for (const StructureCatalogue::IndexColumn& key : catalogueFacts.key)
        keyList += sqlname::Quote(key.column) + ",";
    if (!keyList.empty()) {
        const std::string indexName = FromUtf8(catalogueFacts.key.front().index).toUpper().toStdString();
        keyList.pop_back();
        Write(objNode,
              "  constraint " + sqlname::Quote(indexName) + " primary key (" + keyList + ")" + kCrLf + ")" + kCrLf, 1);
    } else {
        Write(objNode, std::string(")") + kCrLf, 1);
    }

    // Each further index: a guarded drop, then its create after the block, so that a replay
    // (where the table was just dropped and the guard finds nothing) still creates it.
    std::optional<std::string> current;
    std::string pending;
    for (const auto& [column, index] : catalogueFacts.indexes) {
        if (index != current) {
            if (!pending.empty()) {
                pending.pop_back();
                Write(objNode, pending + ")" + kCrLf + kCrLf, 1);
            }
            Write(objNode,
                  "IF EXISTS (SELECT 1 FROM sysindexes WHERE name = '" + sqlname::InLiteral(index) + "')" + kCrLf +
                      "begin" + kCrLf + "  DROP INDEX " + T + "." + sqlname::Quote(index) + kCrLf + "end",
                  1);
            pending = "create index " + sqlname::Quote(index) + " on " + T + " (";
            current = index;
        }
        pending += sqlname::Quote(column) + ",";
    }
    if (!pending.empty()) {
        pending.pop_back();
        Write(objNode, pending + ")", 1);
    }
    const auto logNames = [&](const std::vector<std::string>& names, const QString& what) {
        if (names.empty())
            return;
        QStringList shown;
        for (const std::string& name : names)
            shown << FromUtf8(name);
        LogFailure(objNode, what + shown.join(QStringLiteral(", ")));
    };
    logNames(leftOutDefaults, QStringLiteral("defaults left out, their text is not one expression: "));
    logNames(leftOutComputed,
             QStringLiteral("computed columns written as plain columns, their text is not one expression: "));
}

catalogue::Kind& clsConverter::CatalogueOf(const ado::ConnectionPtr& connection, const xml::XmlElement& objNode)
{
    if (m_catalogueConnection.lock() == connection)
        return m_catalogue;
    m_catalogueConnection = connection;
    m_catalogue = catalogue::Kind::Legacy;
    // The embedded provider answers the legacy catalogue itself.
    if (connection->IsEmbedded())
        return m_catalogue;
    try {
        const ado::RecordsetPtr version = connection->Execute(catalogue::kVersionQuery);
        m_catalogue = catalogue::FromVersion(mdlCommon::GetValueText(*version, false));
    } catch (...) {
        // A server without @@version is no server that needs the catalogue views for that.
        automation::ClearCurrentError();
    }
    const TableNames names(objNode);
    emit CatalogueChosen(FromUtf8(names.server), FromUtf8(names.database),
                         QString::fromStdString(catalogue::Describe(m_catalogue)));
    return m_catalogue;
}

StructureCatalogue::Facts clsConverter::ReadStructure(ado::ConnectionPtr& connection, const xml::XmlElement& objNode,
                                                      const std::string& objectName, const ado::Recordset& fields)
{
    catalogue::Kind& kind = CatalogueOf(connection, objNode);
    const std::string table = ado::provider::LastNamePart(TableNames(objNode).table);
    if (kind == catalogue::Kind::Views)
        return StructureCatalogue::Views(connection, objectName, table, fields);
    try {
        return StructureCatalogue::Legacy(connection, objectName, fields);
    } catch (...) {
        const QString description = automation::InfoFromCurrentException().description;
        if (!catalogue::SaysLegacyMissing(description.toStdString()))
            throw;
        automation::ClearCurrentError();
    }
    kind = catalogue::Kind::Views;
    const TableNames names(objNode);
    emit CatalogueChosen(FromUtf8(names.server), FromUtf8(names.database),
                         QString::fromStdString(catalogue::Describe(kind)));
    return StructureCatalogue::Views(connection, objectName, table, fields);
}

void clsConverter::ExportTable(const ado::ConnectionPtr& objCon, const xml::XmlElement& objNode, QObject* lbInfo)
{
    automation::Guard([&] {
        RunScope run(*this);
        RunTable(objNode, 0, [&](TableFacts& facts) { ExportTableBody(objCon, objNode, lbInfo, facts); });
    });
}

void clsConverter::ExportTableBody(const ado::ConnectionPtr& objCon, const xml::XmlElement& objNode, QObject* lbInfo,
                                   TableFacts& facts)
{
    ado::ConnectionPtr connection = objCon;
    const TableNames names(objNode);
    const std::string T = ScriptTableName(names.table);
    const std::string E = Attr(objNode, "expr");
    const std::string P = Attr(objNode, "special");
    const std::string special = sqlname::QuoteQualified(P);
    // The estimate costs a query: asked only for a host that shows it, and not for a run
    // that is stopping anyway.
    if (connection && m_stopFlag != eStop && isSignalConnected(QMetaMethod::fromSignal(&clsConverter::TableStarted)))
        facts.estimatedRows = RowEstimate::Of(*connection, CatalogueOf(connection, objNode), T, sqlname::InLiteral(T), E);
    StartTable(facts);
    SetCaption(lbInfo, QStringLiteral("导出表数据 : ") + names.Path());

    // Without a data file the statements are still composed (and failures logged), then dropped.
    OutputFile* file = ScriptFile(objNode, 0);
    std::string discarded;
    std::string& out = file ? file->Text() : discarded;
    size_t writeStart = out.size();
    const auto endWrite = [&](bool statementComplete = true, bool endsRow = false) {
        facts.bytes += static_cast<long long>(out.size() - writeStart) + 2;  // and its CR LF
        if (file)
            file->EndWrite(statementComplete, endsRow);
        else
            discarded.clear();
        writeStart = out.size();
    };
    // Progress for a host that listens: a look at the clock every few rows, a signal a few
    // times a second, and always before the user interface runs.
    const bool progressWanted = isSignalConnected(QMetaMethod::fromSignal(&clsConverter::RowsWritten));
    auto lastProgress = std::chrono::steady_clock::now();
    const auto reportProgress = [&](bool now) {
        if (!progressWanted)
            return;
        const auto time = std::chrono::steady_clock::now();
        if (!now && time - lastProgress < std::chrono::milliseconds(100))
            return;
        lastProgress = time;
        emit RowsWritten(facts.rows, facts.bytes);
    };

    // A host that quits at once learns the rows from here (FlushWholeStatements).
    m_runningData = {&facts, file, file ? file->LostRows() : 0};
    const std::unique_ptr<RunningData, void (*)(RunningData*)> running(&m_runningData,
                                                                        [](RunningData* data) { *data = {}; });
    // An open batch is closed also when the host quits at once.
    const auto writeBatchLine = [&](const char* line, bool opens) {
        out += line;
        endWrite();
        if (file)
            file->SetClosing(opens ? InsertBatches::kCommit : "");
    };

    // Read before anything is written: a batch attribute that is no number fails the table.
    const xml::XmlElement server = objNode.Parent().Parent();
    InsertBatches batches(Attr(server, "batch"));
    const bool keepIdentity = KeepsIdentity(Attr(server, "identity"));

    if (!connection)
        throw automation::AutomationError(91, QStringLiteral("Object variable or With block variable not set"));
    const ado::RecordsetPtr rows = connection->Execute("select * from " + T + " " + E, ado::adOpenForwardOnly);
    out += "delete from " + T + " " + E + kCrLf;
    endWrite();
    const std::string insertHead = "insert into " + T + "(";
    std::optional<InsertStatement> insert;
    // Kept identity values are written between these two; the server allows it for one table
    // of a session at a time.
    bool identityInsert = false;
    const auto endIdentityInsert = [&] {
        if (!identityInsert)
            return;
        identityInsert = false;
        out += "set identity_insert " + T + " off" + kCrLf;
        endWrite();
    };
    long soidsourcefield = -1, ssourcetable = -1, ibitype = -1;
    // Values that took another form than their column's type are reported after the table's
    // data, also when the table ends early.
    const auto reportOtherForms = [&] {
        if (!insert)
            return;
        facts.otherForms = insert->OtherForms();
        const std::string report = insert->OtherFormReport();
        if (!report.empty())
            LogFailure(objNode, FromUtf8(report));
    };
    // Without a special update, which reads the row again, the rows after the first are read on
    // a second thread while this one writes the rows before them.
    std::optional<RowReadAhead> ahead;
    const ado::Value* row = rows->Eof() ? nullptr : rows->CurrentRow();
    try {
        while (row) {
            if (m_stopFlag == eStop) {
                facts.cancelled = true;
                throw automation::AutomationError(kCancelled, QStringLiteral("任务取消!"));
            }
            if (mdlCommon::InputPending() || m_stopFlag == ePause) {
                // Whatever is written so far is in the file before the user interface runs.
                m_files.FlushAll();
                reportProgress(true);
                // The user interface may use the connection: the reader keeps off it meanwhile.
                std::optional<RowReadAhead::Pause> pause;
                if (ahead)
                    pause.emplace(*ahead);
                mdlCommon::ProcessEvents(m_stopFlag == ePause);
                continue;
            }

            if (!insert) {
                insert.emplace(*rows, sqlname::InLiteral(T), connection, keepIdentity);
                if (!P.empty()) {
                    soidsourcefield = rows->FieldIndex("soidsourcefield");
                    ssourcetable = rows->FieldIndex("ssourcetable");
                    ibitype = rows->FieldIndex("ibitype");
                }
                if (insert->WritesIdentity()) {
                    out += "set identity_insert " + T + " on" + kCrLf;
                    endWrite();
                    identityInsert = true;
                }
                if (P.empty()) {
                    ahead.emplace(*rows);
                    row = ahead->Next();
                }
            }
            if (batches.BeforeRow())
                writeBatchLine(InsertBatches::kBegin, true);
            out += insertHead;
            endWrite(false);
            insert->AppendRow(out, row);
            endWrite(true, true);
            if ((++facts.rows & 63) == 0)
                reportProgress(false);

            if (!P.empty()) {
                // A missing column fails here, by name, as reading it from the row would.
                const auto valueOf = [&](long index, const char* name) -> const ado::Value& {
                    return index >= 0 ? rows->Fields(index).GetValue() : rows->Fields(name).GetValue();
                };
                const std::string F = PlainText(valueOf(soidsourcefield, "soidsourcefield"));
                const std::string R = PlainText(valueOf(ssourcetable, "ssourcetable"));
                const ado::Value& typeValue = valueOf(ibitype, "ibitype");
                const std::string B = PlainText(typeValue);
                // The row's values name a column and a table and give a number: as names and a
                // literal they cannot change what the statement does. Only a null type is
                // written as null: an empty one is a text like any other.
                const std::string K = LastTwoCharacters("0" + B);
                const std::string column = sqlname::QuoteQualified(F);
                std::string type = ado::IsNull(typeValue) ? "null" : B;
                if (!ado::IsNull(typeValue) && !ValueLiteral::IsNumericLiteral(B)) {
                    type.clear();
                    ValueLiteral::AppendText(type, B, false);
                }
                out += "update " + T + " set " + special + " = (select isnull(max(" + column + "),";
                ValueLiteral::AppendText(out, K + "0000000000000", false);
                out += ") from " + sqlname::QuoteQualified(R) + " where left(" + column + ",2) = ";
                ValueLiteral::AppendText(out, K, false);
                out += ") where ibitype = " + type + kCrLf;
                endWrite();
            }
            if (batches.AfterRow())
                writeBatchLine(InsertBatches::kCommit, false);
            if (ahead) {
                row = ahead->Next();
            } else {
                rows->MoveNext();
                row = rows->CurrentRow();
            }
        }
    } catch (...) {
        ahead.reset();  // no row after the failure is read
        // The open batch and the identity inserts end on lines of their own, also after a row
        // that broke off.
        const bool batchOpen = batches.Close();
        if (out.size() > writeStart && (batchOpen || identityInsert))
            endWrite();
        endIdentityInsert();
        if (batchOpen)
            writeBatchLine(InsertBatches::kCommit, false);
        reportOtherForms();
        throw;
    }
    // Before the batch's commit: a line of its own after a commit would read as the commit's name.
    endIdentityInsert();
    if (batches.Close())
        writeBatchLine(InsertBatches::kCommit, false);
    reportOtherForms();
}
