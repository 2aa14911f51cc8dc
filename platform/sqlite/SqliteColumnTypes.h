#pragma once

#include "SqliteSchema.h"
#include "TSqlCatalogue.h"

#include <sqlite3.h>

namespace ado::provider {

// The rewriter's view of a SQLite file: a column's type as its declaration maps to SQL
// Server's (SqliteTypes), whether it is declared in the text collation already, and tables'
// names as the catalogue finds them (without regard to case).
class SqliteColumnTypes final : public TSqlCatalogue {
public:
    SqliteColumnTypes(sqlite3* db, SqliteSchema& schema) : m_db(db), m_schema(schema) {}

    std::optional<TSqlDataType> ColumnType(std::string_view table, std::string_view column) const override;
    std::optional<std::string> StoredName(std::string_view name) const override;

private:
    sqlite3* m_db;
    SqliteSchema& m_schema;
};

}  // namespace ado::provider
