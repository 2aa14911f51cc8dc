#include "SqliteErrors.h"

#include "MessageExcerpt.h"

#include <QString>

#include <string>

namespace ado::provider {

namespace {

bool StartsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

// SQL Server names a column without the table or alias in front of it.
std::string_view LastPart(std::string_view name)
{
    const size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(dot + 1);
}

std::string Quoted(std::string_view text)
{
    return "'" + Excerpt(text) + "'";
}

// SQL Server's "The len function requires 1 argument(s)." for the functions it knows.
std::string ArgumentCountMessage(std::string_view function)
{
    struct Arity {
        std::string_view name;
        std::string_view count;
    };
    static constexpr Arity kArities[] = {
        {"len", "1 argument(s)"},        {"datalength", "1 argument(s)"}, {"upper", "1 argument(s)"},
        {"lower", "1 argument(s)"},      {"ltrim", "1 argument(s)"},      {"rtrim", "1 argument(s)"},
        {"char", "1 argument(s)"},       {"nchar", "1 argument(s)"},      {"year", "1 argument(s)"},
        {"month", "1 argument(s)"},      {"day", "1 argument(s)"},        {"left", "2 argument(s)"},
        {"right", "2 argument(s)"},      {"isnull", "2 argument(s)"},     {"datepart", "2 argument(s)"},
        {"substring", "3 argument(s)"},  {"replace", "3 argument(s)"},    {"dateadd", "3 argument(s)"},
        {"datediff", "3 argument(s)"},   {"charindex", "2 to 3 arguments"}, {"getdate", "0 argument(s)"},
    };
    const std::string_view name = function == "ifnull" ? "isnull" : function;
    for (const Arity& a : kArities)
        if (a.name == name)
            return "The " + std::string(name) + " function requires " + std::string(a.count) + ".";
    return {};
}

std::string DatabaseName(sqlite3* db)
{
    const char* file = sqlite3_db_filename(db, "main");
    std::string_view name = file ? file : "";
    if (const size_t slash = name.find_last_of('/'); slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    if (const size_t dot = name.rfind('.'); dot != std::string_view::npos && dot > 0)
        name = name.substr(0, dot);
    return std::string(name);
}

}  // namespace

automation::AutomationError TranslateSqliteError(sqlite3* db, int code, std::string_view lastToken)
{
    const std::string message = sqlite3_errmsg(db);
    const std::string_view m = message;
    if (StartsWith(m, "no such table: "))
        return ProviderError(kErrorInvalidObject,
                             "Invalid object name " + Quoted(m.substr(15)) + ".");
    if (StartsWith(m, "no such column: "))
        return ProviderError(kErrorCommand, "Invalid column name " + Quoted(LastPart(m.substr(16))) + ".");
    if (StartsWith(m, "near \"")) {
        const size_t end = m.rfind("\": syntax error");
        if (end != std::string_view::npos && end > 6)
            return ProviderError(kErrorCommand, "Incorrect syntax near " + Quoted(m.substr(6, end - 6)) + ".");
    }
    if (m == "incomplete input")
        return ProviderError(kErrorCommand, "Incorrect syntax near " + Quoted(lastToken) + ".");
    if (StartsWith(m, "unrecognized token: \"")) {
        const std::string_view token = m.substr(21, m.size() - 22);
        return ProviderError(kErrorCommand, "Incorrect syntax near " + Quoted(token) + ".");
    }
    if (StartsWith(m, "no such function: "))
        return ProviderError(kErrorCommand, Quoted(m.substr(18)) + " is not a recognized built-in function name.");
    if (StartsWith(m, "ambiguous column name: "))
        return ProviderError(kErrorCommand, "Ambiguous column name " + Quoted(LastPart(m.substr(23))) + ".");
    if (StartsWith(m, "table ") && m.size() > 21 && m.substr(m.size() - 15) == " already exists")
        return ProviderError(kErrorCommand, "There is already an object named " +
                                                Quoted(m.substr(6, m.size() - 21)) + " in the database.");
    if (StartsWith(m, "misuse of aggregate"))
        return ProviderError(kErrorCommand, "An aggregate may not appear in the WHERE clause unless it is in a subquery "
                                            "contained in a HAVING clause or a select list, and the column being "
                                            "aggregated is an outer reference.");
    if (StartsWith(m, "sub-select returns ") || m == "row value misused")
        return ProviderError(kErrorCommand, "Only one expression can be specified in the select list when the subquery "
                                            "is not introduced with EXISTS.");
    if (StartsWith(m, "no such index: "))
        return ProviderError(kErrorCommand, "Cannot drop the index " + Quoted(m.substr(15)) +
                                                ", because it does not exist or you do not have permission.");
    if ((code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED)
        return ProviderError(kErrorCommand, "Lock request time out period exceeded.");
    if (StartsWith(m, "no such collation sequence: "))
        return ProviderError(kErrorCommand, "Invalid collation " + Quoted(m.substr(28)) + ".");
    if (StartsWith(m, "wrong number of arguments to function ") && m.size() > 40 && m.substr(m.size() - 2) == "()") {
        const std::string text = ArgumentCountMessage(m.substr(38, m.size() - 40));
        if (!text.empty())
            return ProviderError(kErrorCommand, text);
    }
    if ((code & 0xff) == SQLITE_READONLY)
        return ProviderError(kErrorCommand, "Failed to update database \"" + DatabaseName(db) +
                                                "\" because the database is read-only.");
    if ((code & 0xff) == SQLITE_CONSTRAINT)
        return ProviderError(kErrorIntegrity, m);
    return ProviderError(kErrorCommand, m);
}

}  // namespace ado::provider
