#pragma once

#include "TSqlCatalogue.h"

#include <sqlite3.h>

namespace ado::provider {

// The rewriter's view of a SQLite file: a column's type as its declaration maps to SQL
// Server's (SqliteTypes), and whether it is declared in the text collation already.
class SqliteColumnTypes final : public TSqlCatalogue {
public:
    explicit SqliteColumnTypes(sqlite3* db) : m_db(db) {}

    std::optional<TSqlDataType> ColumnType(std::string_view table, std::string_view column) const override;

private:
    sqlite3* m_db;
};

}  // namespace ado::provider
