#pragma once

#include "TSqlCatalogue.h"
#include "TSqlTokens.h"

namespace ado::provider {

// SQLite matches names without regard to case in ASCII only; SQL Server's collation ignores
// case beyond it. A name with characters beyond ASCII that gives a table in another case
// ("ÉTÉ" for [Été]) is written as the table is stored.
void SpellStoredNames(TSqlTokens& tokens, const TSqlCatalogue* catalogue);

}  // namespace ado::provider
