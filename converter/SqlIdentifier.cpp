#include "SqlIdentifier.h"

#include <QString>

#include <algorithm>
#include <iterator>
#include <optional>
#include <vector>

namespace sqlname {

namespace {

// The server's reserved keywords, upper case and sorted; a name equal to one of them (in any
// letter case) must be delimited.
constexpr std::string_view kReserved[] = {
    "ADD", "ALL", "ALTER", "AND", "ANY", "AS", "ASC", "AUTHORIZATION", "BACKUP", "BEGIN", "BETWEEN", "BREAK",
    "BROWSE", "BULK", "BY", "CASCADE", "CASE", "CHECK", "CHECKPOINT", "CLOSE", "CLUSTERED", "COALESCE", "COLLATE",
    "COLUMN", "COMMIT", "COMPUTE", "CONSTRAINT", "CONTAINS", "CONTAINSTABLE", "CONTINUE", "CONVERT", "CREATE",
    "CROSS", "CURRENT", "CURRENT_DATE", "CURRENT_TIME", "CURRENT_TIMESTAMP", "CURRENT_USER", "CURSOR", "DATABASE",
    "DBCC", "DEALLOCATE", "DECLARE", "DEFAULT", "DELETE", "DENY", "DESC", "DISK", "DISTINCT", "DISTRIBUTED",
    "DOUBLE", "DROP", "DUMP", "ELSE", "END", "ERRLVL", "ESCAPE", "EXCEPT", "EXEC", "EXECUTE", "EXISTS", "EXIT",
    "EXTERNAL", "FETCH", "FILE", "FILLFACTOR", "FOR", "FOREIGN", "FREETEXT", "FREETEXTTABLE", "FROM", "FULL",
    "FUNCTION", "GOTO", "GRANT", "GROUP", "HAVING", "HOLDLOCK", "IDENTITY", "IDENTITYCOL", "IDENTITY_INSERT", "IF",
    "IN", "INDEX", "INNER", "INSERT", "INTERSECT", "INTO", "IS", "JOIN", "KEY", "KILL", "LEFT", "LIKE", "LINENO",
    "LOAD", "MERGE", "NATIONAL", "NOCHECK", "NONCLUSTERED", "NOT", "NULL", "NULLIF", "OF", "OFF", "OFFSETS", "ON",
    "OPEN", "OPENDATASOURCE", "OPENQUERY", "OPENROWSET", "OPENXML", "OPTION", "OR", "ORDER", "OUTER", "OVER",
    "PERCENT", "PIVOT", "PLAN", "PRECISION", "PRIMARY", "PRINT", "PROC", "PROCEDURE", "PUBLIC", "RAISERROR", "READ",
    "READTEXT", "RECONFIGURE", "REFERENCES", "REPLICATION", "RESTORE", "RESTRICT", "RETURN", "REVERT", "REVOKE",
    "RIGHT", "ROLLBACK", "ROWCOUNT", "ROWGUIDCOL", "RULE", "SAVE", "SCHEMA", "SECURITYAUDIT", "SELECT",
    "SEMANTICKEYPHRASETABLE", "SEMANTICSIMILARITYDETAILSTABLE", "SEMANTICSIMILARITYTABLE", "SESSION_USER", "SET",
    "SETUSER", "SHUTDOWN", "SOME", "STATISTICS", "SYSTEM_USER", "TABLE", "TABLESAMPLE", "TEXTSIZE", "THEN", "TO",
    "TOP", "TRAN", "TRANSACTION", "TRIGGER", "TRUNCATE", "TRY_CONVERT", "TSEQUAL", "UNION", "UNIQUE", "UNPIVOT",
    "UPDATE", "UPDATETEXT", "USE", "USER", "VALUES", "VARYING", "VIEW", "WAITFOR", "WHEN", "WHERE", "WHILE", "WITH",
    "WRITETEXT",
};
static_assert(std::is_sorted(std::begin(kReserved), std::end(kReserved)));

bool IsReserved(std::string_view name)
{
    if (name.size() > 30)
        return false;
    std::string upper(name);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return std::binary_search(std::begin(kReserved), std::end(kReserved), std::string_view(upper));
}

bool IsAsciiRegular(std::string_view name)
{
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (!letter(name.front()))
        return false;
    return std::all_of(name.begin() + 1, name.end(), [&](char c) {
        return letter(c) || (c >= '0' && c <= '9') || c == '@' || c == '$' || c == '#';
    });
}

// Names with characters beyond ASCII: letters and digits of any script (not beyond the basic
// plane), checked on the decoded text; text that is no UTF-8 is never regular.
bool IsUnicodeRegular(std::string_view name)
{
    const QString text = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    if (text.toUtf8() != QByteArray(name.data(), static_cast<qsizetype>(name.size())))
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isSurrogate())
            return false;
        const bool letter = c.isLetter() || c == u'_';
        if (i == 0 ? !letter : !(letter || c.isDigit() || c == u'@' || c == u'$' || c == u'#'))
            return false;
    }
    return true;
}

void AppendBracketed(std::string& out, std::string_view name)
{
    out += '[';
    for (char c : name) {
        out += c;
        if (c == ']')
            out += ']';
    }
    out += ']';
}

// One part of a qualified name: its name, and whether the text delimited it with brackets.
struct Part {
    std::string name;
    bool bracketed = false;
};

// Splits "a.[b c].\"d\"" into its parts; nothing when the text is not such a name.
std::optional<std::vector<Part>> SplitQualified(std::string_view text)
{
    std::vector<Part> parts;
    size_t i = 0;
    while (true) {
        Part part;
        if (i < text.size() && (text[i] == '[' || text[i] == '"')) {
            const char close = text[i] == '[' ? ']' : '"';
            part.bracketed = close == ']';
            for (++i;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                if (text[i] == close) {
                    if (i + 1 < text.size() && text[i + 1] == close) {
                        part.name += close;
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                part.name += text[i];
            }
            if (i < text.size() && text[i] != '.')
                return std::nullopt;
        } else {
            const size_t dot = text.find('.', i);
            part.name = std::string(text.substr(i, dot == std::string_view::npos ? std::string_view::npos : dot - i));
            if (part.name.find_first_of("[]\"") != std::string::npos)
                return std::nullopt;
            i = dot == std::string_view::npos ? text.size() : dot;
        }
        parts.push_back(std::move(part));
        if (i >= text.size())
            return parts;
        ++i;  // the dot
    }
}

}  // namespace

bool IsRegularIdentifier(std::string_view name)
{
    if (name.empty() || IsReserved(name))
        return false;
    const bool ascii = std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? IsAsciiRegular(name) : IsUnicodeRegular(name);
}

std::string Quote(std::string_view name)
{
    if (IsRegularIdentifier(name))
        return std::string(name);
    std::string out;
    AppendBracketed(out, name);
    return out;
}

std::string QuoteQualified(std::string_view name)
{
    const std::optional<std::vector<Part>> parts = SplitQualified(name);
    if (!parts)
        return Quote(name);
    std::string out;
    for (size_t i = 0; i < parts->size(); ++i) {
        const Part& part = (*parts)[i];
        if (i > 0)
            out += '.';
        if (part.bracketed)
            AppendBracketed(out, part.name);
        else if (!part.name.empty() || parts->size() == 1)  // "db..t" leaves the owner out
            out += Quote(part.name);
    }
    return out;
}

std::string InLiteral(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '\'')
            out += '\'';
    }
    return out;
}

}  // namespace sqlname
