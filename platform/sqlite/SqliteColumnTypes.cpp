#include "SqliteColumnTypes.h"

#include "SqlTokenizer.h"
#include "SqliteTypes.h"
#include "TextCollation.h"

#include <string>

namespace ado::provider {

std::optional<TSqlDataType> SqliteColumnTypes::ColumnType(std::string_view table, std::string_view column) const
{
    const std::string tableName(table);
    const std::string columnName(column);
    const char* declared = nullptr;
    const char* collation = nullptr;
    if (sqlite3_table_column_metadata(m_db, nullptr, tableName.c_str(), columnName.c_str(), &declared, &collation,
                                      nullptr, nullptr, nullptr) != SQLITE_OK)
        return std::nullopt;
    const SqlServerColumnType sql = ParseDeclaredType(declared ? declared : "").sql;
    TSqlDataType type = TSqlDataType::Parse(sql.name);
    if (type.name == "decimal" || type.name == "numeric") {
        type.precision = sql.xprec;
        type.scale = sql.xscale;
    }
    type.collated = collation && EqualsNoCase(collation, kTextCollation);
    return type;
}

std::optional<std::string> SqliteColumnTypes::StoredName(std::string_view name) const
{
    const std::shared_ptr<const TableSchema> table = m_schema.Find(name);
    if (!table || table->name == name)
        return std::nullopt;
    return table->name;
}

}  // namespace ado::provider
