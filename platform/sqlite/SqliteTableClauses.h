#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ado::provider {

// A constraint as the CREATE TABLE text declares it, on a column or on the table.
struct ConstraintClause {
    enum class Kind { PrimaryKey, Unique, ForeignKey, Check };
    Kind kind = Kind::Check;
    std::string name;                  // empty when the server is to name it
    std::string column;                // lower case; the column it is declared on, or its first key column
    std::vector<std::string> keys;     // lower case; the columns of a primary key or unique constraint
    std::optional<bool> clustered;     // CLUSTERED or NONCLUSTERED, when written
    std::string text;                  // a check's condition, in its parentheses
};

// What only the CREATE TABLE text tells: constraint names, clustering, AUTOINCREMENT, computed
// expressions and columns declared NULL.
struct TableClauses {
    std::unordered_map<std::string, std::string> defaultNames;  // lower-case column -> name
    std::unordered_map<std::string, std::string> computed;      // lower-case column -> "(expression)"
    std::vector<std::string> declaredNull;                      // lower-case columns declared NULL
    std::vector<ConstraintClause> constraints;                  // in the order written
    bool autoincrement = false;

    const ConstraintClause* PrimaryKey() const;
    bool DeclaredNull(std::string_view lowerColumn) const;
};

TableClauses ReadTableClauses(std::string_view createTable);

}  // namespace ado::provider
