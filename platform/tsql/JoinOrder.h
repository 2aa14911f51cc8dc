#pragma once

#include <string>
#include <string_view>

namespace ado::provider {

// SQLite lets no table of a LEFT JOIN's right-hand side narrow a virtual table on its left,
// so "syscolumns t2 left join D t1 on (...) join sysobjects t3 on (t3.ID=t2.ID) where
// t3.Name='T'" would read the whole catalogue. An inner join that follows a LEFT JOIN and
// does not refer to its right-hand table gives the same rows when it comes first; this moves
// such joins ahead, so the catalogue is reached through the table named. Texts it cannot
// read safely (subqueries in FROM, unqualified column names in ON, "*" in the select list,
// other join kinds) are left as they are. The text keeps its length.
std::string MoveInnerJoinsAhead(std::string_view sql);

// A LEFT JOIN whose ON condition compares its table's column in the text collation with
// another table's column can use no index of the table for that comparison: SQLite reads, for
// every row on the left, all rows that the condition's constant terms select through an index
// ("D t1 on (t1.F = t2.Name collate ... and t1.I = 3)": every row of I = 3, again and again).
// This moves the constant terms ("t1.I = 3", "'x' = t1.C") into a table of its own ("(select *
// from D t1 where t1.I = 3 limit -1) t1"; the limit keeps SQLite from merging it back), which
// gives the same rows: SQLite reads it once and indexes it for the comparison. Conditions it cannot read safely (an OR at their top, names
// without a table's alias) stay as they are.
std::string MaterializeLeftJoinFilters(std::string_view sql);

}  // namespace ado::provider
