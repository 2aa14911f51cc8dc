#include "Commands.h"

#include "AutomationError.h"
#include "Connection.h"

#include <string>

namespace {

// A run without --write: whatever the statement changes is undone on every way out. The
// connection is also opened read-only, which SQLite enforces and a server may ignore.
class RolledBackTransaction {
public:
    explicit RolledBackTransaction(ado::Connection& connection) : m_connection(connection) { m_connection.BeginTrans(); }
    ~RolledBackTransaction()
    {
        try {
            m_connection.RollbackTrans();
        } catch (const automation::AutomationError&) {
            // The connection closes next without a commit, which undoes the changes as well.
            automation::ClearCurrentError();
        }
    }
    RolledBackTransaction(const RolledBackTransaction&) = delete;
    RolledBackTransaction& operator=(const RolledBackTransaction&) = delete;

private:
    ado::Connection& m_connection;
};

// A value as one cell of a tab-separated line: tabs, line breaks and backslashes are escaped so
// that every row stays on one line and the text can be read back.
void AppendCell(std::string& line, std::string_view text)
{
    // Runs without anything to escape go in whole: most cells have none.
    for (size_t start = 0;;) {
        const size_t special = text.find_first_of("\t\n\r\\", start);
        line.append(text.substr(start, special - start));
        if (special == std::string_view::npos)
            return;
        switch (text[special]) {
        case '\t': line += "\\t"; break;
        case '\n': line += "\\n"; break;
        case '\r': line += "\\r"; break;
        default: line += "\\\\"; break;
        }
        start = special + 1;
    }
}

}  // namespace

int CmdQuery(CommandLine& line)
{
    DatabaseOptions database = DatabaseOptionsOf(line);
    const QStringList texts = line.options.positionalArguments();
    if (texts.isEmpty())
        return UsageError(line, QStringLiteral("no SQL text given"));
    if (texts.size() > 1)
        return UsageError(line, QStringLiteral("give the SQL text as one argument (in quotes)"));
    const std::optional<QString> sql = texts.constFirst();
    if (!database.file && !database.connection)
        return UsageError(line, QStringLiteral("give either --db or --connection"));
    if (const int status = CheckDatabaseOptions(line, database))
        return status;
    const std::optional<QString>& file = database.file;
    const std::optional<QString>& connection = database.connection;
    const bool write = line.options.isSet(QStringLiteral("write"));

    try {
        ado::Connection db;
        const std::string source =
            file ? QStringLiteral("Provider=SQLite;Data Source=%1").arg(*file).toStdString() : connection->toStdString();
        db.Open(source, write ? ado::adModeReadWrite : ado::adModeRead);
        std::optional<RolledBackTransaction> readOnly;
        if (!write)
            readOnly.emplace(db);
        const ado::RecordsetPtr rows = db.Execute(sql->toStdString());
        if (rows->State() == ado::adStateClosed) {
            if (!write)
                Print(stderr, "tabrix query: read-only run, any change the statement made is rolled back "
                              "(--write keeps it)\n");
            return 0;
        }

        std::string text;
        for (long i = 0; i < rows->FieldCount(); ++i) {
            if (i)
                text += '\t';
            AppendCell(text, rows->Fields(i).Name());
        }
        text += '\n';
        Print(stdout, text);
        for (; !rows->Eof(); rows->MoveNext()) {
            text.clear();
            for (long i = 0; i < rows->FieldCount(); ++i) {
                if (i)
                    text += '\t';
                const ado::Value& value = rows->Fields(i).GetValue();
                if (ado::IsNull(value))
                    text += "NULL";
                else if (const std::string* plain = std::get_if<std::string>(&value))
                    AppendCell(text, *plain);  // texts as they are, without a copy
                else
                    AppendCell(text, ado::ToText(value));
            }
            text += '\n';
            Print(stdout, text);
        }
        return 0;
    } catch (const automation::AutomationError& error) {
        std::fflush(stdout);
        Print(stderr, error.Description() + QLatin1Char('\n'));
    } catch (const std::exception& error) {
        std::fflush(stdout);
        Print(stderr, QString::fromUtf8(error.what()) + QLatin1Char('\n'));
    }
    return 2;
}
