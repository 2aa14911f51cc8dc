#pragma once

#include "TSqlQueryBlocks.h"

namespace ado::provider {

// SELECT TOP n, TOP (n) and TOP n PERCENT become SQLite's LIMIT at the end of their query
// block; a percentage counts the block's rows and rounds up, as SQL Server does. A member of a
// UNION, EXCEPT or INTERSECT keeps its own limit inside a subquery.
void RewriteTop(TSqlTokens& tokens, const TSqlQueryBlocks& blocks);

}  // namespace ado::provider
