#include "SqliteErrors.h"

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
    return "'" + std::string(text) + "'";
}

}  // namespace

automation::AutomationError ProviderError(long number, std::string_view description)
{
    return automation::AutomationError(
        number, QString::fromUtf8(description.data(), static_cast<qsizetype>(description.size())),
        QStringLiteral("Tabrix.SQLite"));
}

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
    if ((code & 0xff) == SQLITE_CONSTRAINT)
        return ProviderError(kErrorIntegrity, m);
    return ProviderError(kErrorCommand, m);
}

}  // namespace ado::provider
