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

}  // namespace ado::provider
