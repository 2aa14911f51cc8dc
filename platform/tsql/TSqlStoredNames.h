#pragma once

#include "TSqlCatalogue.h"
#include "TSqlTokens.h"

namespace ado::provider {

// SQLite matches names without regard to case in ASCII only; SQL Server's collation ignores
// case beyond it. A name with characters beyond ASCII where a table is named (after FROM, JOIN,
// INTO, UPDATE, TABLE, in a FROM list, before ".column") that gives a table in another case
// ("ÉTÉ" for [Été]) is written as the table is stored.
void SpellStoredNames(TSqlTokens& tokens, const TSqlCatalogue* catalogue);

}  // namespace ado::provider
