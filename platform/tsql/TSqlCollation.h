#pragma once

#include "TSqlOperandTypes.h"

namespace ado::provider {

// Makes text compare and sort in the text collation, leaving every other comparison as it
// is so that indexes on numbers and dates keep serving it. "COLLATE" follows each text column
// in ON, WHERE, HAVING, GROUP BY and ORDER BY, inside MIN and MAX, and next to a comparison
// anywhere else (CASE, the select list); a comparison without a column whose side is a text
// literal or variable takes it too. A column that carries the collation by its declaration
// needs none.
void ApplyCollation(TSqlTokens& tokens, const TSqlQueryBlocks& blocks, const TSqlOperandTypes& types);

// SELECT DISTINCT over text columns becomes a GROUP BY on them in the collation, which compares
// its rows as the collation does. Call once the select list is written in SQLite's form.
void CollateDistinct(TSqlTokens& tokens, const TSqlQueryBlocks& blocks, const TSqlOperandTypes& types);

}  // namespace ado::provider
