#pragma once

#include "TSqlCatalogue.h"
#include "TSqlStatements.h"

#include <string_view>
#include <vector>

namespace ado::provider {

// SQLite has no clustered indexes; the word is kept as this comment in the statement text SQLite
// stores, where the catalogue reads it back.
constexpr std::string_view kClusteredMark = "/*clustered*/";
constexpr std::string_view kNonclusteredMark = "/*nonclustered*/";
// A computed column's expression is rewritten for SQLite like any other; its T-SQL text, which the
// catalogue reports, stays beside it in a line comment that starts with this mark.
constexpr std::string_view kExpressionMark = "-- T-SQL: ";

// Writes SQL Server's forms of CREATE TABLE and CREATE INDEX in SQLite's: IDENTITY wherever it
// stands moves behind the type (where the catalogue reads it), NOT FOR REPLICATION and INCLUDE
// go, CLUSTERED and NONCLUSTERED become their marks, a function call as a default and a computed
// column's expression get the parentheses SQLite needs (its text kept behind kExpressionMark),
// and PERSISTED becomes STORED. Throws SQL Server's Msg 2705 for a column named twice, and for a
// column ALTER TABLE adds that the table has (when the catalogue is given).
void RewriteCreateStatements(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements,
                             const TSqlCatalogue* catalogue);

}  // namespace ado::provider
