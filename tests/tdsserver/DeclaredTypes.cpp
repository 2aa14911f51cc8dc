#include "DeclaredTypes.h"

#include "AutomationError.h"
#include "TSqlRewriter.h"

#include <sqlite3.h>

namespace tds {

namespace {

struct StatementCloser {
    void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};

}  // namespace

DeclaredTypes::DeclaredTypes(const std::filesystem::path& file)
{
    if (sqlite3_open_v2(file.c_str(), &m_db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK)
        sqlite3_busy_timeout(m_db, 1000);
    // A handle that failed to open stays and answers every lookup with nothing.
}

DeclaredTypes::~DeclaredTypes()
{
    sqlite3_close(m_db);
}

std::vector<DeclaredColumn> DeclaredTypes::Of(std::string_view sql, std::size_t columnCount) const
{
    std::string text;
    try {
        text = ado::provider::RewriteTSql(sql).sql;
    } catch (const automation::AutomationError&) {
        return {};  // the provider has already run it; its own error was reported there
    }
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(m_db, text.c_str(), static_cast<int>(text.size()), &raw, &tail) != SQLITE_OK)
        return {};
    const std::unique_ptr<sqlite3_stmt, StatementCloser> statement(raw);
    if (!raw || static_cast<std::size_t>(sqlite3_column_count(raw)) != columnCount)
        return {};
    std::vector<DeclaredColumn> columns(columnCount);
    for (std::size_t i = 0; i < columnCount; ++i) {
        const int c = static_cast<int>(i);
        if (const char* type = sqlite3_column_decltype(raw, c))
            columns[i].type = type;
        if (const char* table = sqlite3_column_table_name(raw, c))
            columns[i].table = table;
    }
    return columns;
}

}  // namespace tds
