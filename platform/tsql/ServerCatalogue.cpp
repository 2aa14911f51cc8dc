#include "ServerCatalogue.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace catalogue {

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

// PostgreSQL's longest name, and the digits of the hash Babelfish appends.
constexpr size_t kLongestName = 63;
constexpr size_t kHashDigits = 32;

}  // namespace

Kind FromVersion(std::string_view version)
{
    return Contains(Lower(version), "babelfish") ? Kind::Views : Kind::Legacy;
}

bool SaysLegacyMissing(std::string_view message)
{
    const std::string text = Lower(message);
    constexpr std::array legacy{"sysobjects", "syscolumns", "systypes", "syscomments", "sysindexes", "sysindexkeys",
                                "sp_helpindex"};
    constexpr std::array missing{"invalid object name", "does not exist", "could not find stored procedure",
                                 "not currently supported"};
    // The view or procedure is the object the message names, in quotes of either kind: a user
    // table whose name merely holds "sysobjects" is no missing legacy view.
    const auto named = [&](const char* name) {
        return Contains(text, "'" + std::string(name) + "'") || Contains(text, "\"" + std::string(name) + "\"");
    };
    const auto says = [&](const char* words) { return Contains(text, words); };
    return std::any_of(legacy.begin(), legacy.end(), named) && std::any_of(missing.begin(), missing.end(), says);
}

std::string Describe(Kind kind)
{
    return kind == Kind::Legacy
               ? "legacy catalogue (sysobjects, syscolumns, systypes, syscomments, sysindexes, sysindexkeys, sp_helpindex)"
               : "catalogue views (sys.columns, sys.types, sys.indexes, sys.index_columns, sys.default_constraints, "
                 "INFORMATION_SCHEMA)";
}

std::string IndexName(std::string_view name, std::string_view tableName)
{
    if (name.size() <= kHashDigits)
        return std::string(name);
    const std::string_view hash = name.substr(name.size() - kHashDigits);
    if (!std::all_of(hash.begin(), hash.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) || (c >= 'a' && c <= 'f'); }))
        return std::string(name);
    const std::string_view body = name.substr(0, name.size() - kHashDigits);
    const std::string table = Lower(tableName);
    if (body.size() > table.size() && body.ends_with(table))
        return std::string(body.substr(0, body.size() - table.size()));
    // Cut to fit: what is left of the table's name is the start of it.
    if (name.size() != kLongestName)
        return std::string(name);
    for (size_t kept = std::min(table.size(), body.size() - 1); kept > 0; --kept)
        if (body.ends_with(std::string_view(table).substr(0, kept)))
            return std::string(body.substr(0, body.size() - kept));
    return std::string(body);
}

}  // namespace catalogue
