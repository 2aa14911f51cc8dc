#include "SqliteIdentity.h"

#include "SqlTokenizer.h"
#include "SqliteErrors.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace ado::provider {

namespace {

std::string Quoted(std::string_view name)
{
    std::string out = "\"";
    for (const char c : name)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + '"';
}

}  // namespace

std::pair<long long, long long> SeedAndIncrement(std::string_view declaredType)
{
    std::pair<long long, long long> result{1, 1};
    const std::string lower = Lower(declaredType);
    std::size_t at = lower.find("identity");
    if (at == std::string::npos || (at = lower.find('(', at)) == std::string::npos)
        return result;
    const auto number = [&](std::size_t& i, long long& out) {
        while (i < lower.size() && std::isspace(static_cast<unsigned char>(lower[i])))
            ++i;
        const auto [end, ec] = std::from_chars(lower.data() + i, lower.data() + lower.size(), out);
        i = static_cast<std::size_t>(end - lower.data());
        return ec == std::errc();
    };
    std::size_t i = at + 1;
    long long seed = 1, increment = 1;
    if (!number(i, seed))
        return result;
    while (i < lower.size() && std::isspace(static_cast<unsigned char>(lower[i])))
        ++i;
    if (i < lower.size() && lower[i] == ',' && number(++i, increment) && increment != 0)
        result = {seed, increment};
    return result;
}

bool SqliteIdentity::Cover(const std::vector<std::string>& tables)
{
    bool made = false;
    for (const std::string& name : tables) {
        if (!m_seen.insert(Lower(name)).second)
            continue;
        const std::shared_ptr<const TableSchema> table = m_schema.Find(name);
        if (!table || table->view)
            continue;
        const auto identity = std::find_if(table->columns.begin(), table->columns.end(),
                                           [](const ColumnSchema& c) { return c.type.identity; });
        if (identity == table->columns.end())
            continue;
        CreateTrigger(*table, *identity);
        made = true;
    }
    return made;
}

void SqliteIdentity::CreateTrigger(const TableSchema& table, const ColumnSchema& identity)
{
    const auto [seed, increment] = SeedAndIncrement(identity.declaredType);
    const std::string t = Quoted(table.name);
    const std::string c = Quoted(identity.name);
    std::string columns, values;
    for (const ColumnSchema& column : table.columns) {
        if (column.computed || &column == &identity)
            continue;
        columns += Quoted(column.name) + ", ";
        values += "NEW." + Quoted(column.name) + ", ";
    }
    // The trigger's own insert carries the number, so the trigger does not fire for it again.
    const std::string sql =
        "CREATE TEMP TRIGGER IF NOT EXISTS " + Quoted("tabrix_identity_" + table.name) + " BEFORE INSERT ON main." + t +
        " WHEN NEW." + c + " IS NULL BEGIN INSERT INTO " + t + " (" + columns + c + ") VALUES (" + values +
        "(SELECT coalesce(" + (increment > 0 ? "max(" : "min(") + c + ") + (" + std::to_string(increment) + "), " +
        std::to_string(seed) + ") FROM " + t + ")); SELECT RAISE(IGNORE); END";
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string reason = error ? error : "unknown error";
        sqlite3_free(error);
        m_seen.erase(Lower(table.name));
        throw ProviderError(kErrorCommand, "Cannot number the identity column " + identity.name + " of " + table.name +
                                               ": " + reason);
    }
}

}  // namespace ado::provider
