#include "SqliteHandles.h"

#include "SqliteErrors.h"

namespace ado::provider {

StatementPtr PrepareStatement(sqlite3* db, std::string_view sql)
{
    sqlite3_stmt* statement = nullptr;
    const int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT,
                                      &statement, nullptr);
    StatementPtr owned(statement);
    if (rc != SQLITE_OK)
        throw TranslateSqliteError(db, rc, {});
    return owned;
}

}  // namespace ado::provider
