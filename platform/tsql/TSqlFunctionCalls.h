#pragma once

#include "TSqlOperandTypes.h"

namespace ado::provider {

// Function calls whose arguments SQLite cannot take as T-SQL writes them: CONVERT's type and
// CAST's "AS type" become a text argument of convert() (with the value's own type when it is
// known, so that dates take their style and decimals their scale), the date part of DATEADD,
// DATEDIFF and DATEPART becomes text, and DATALENGTH learns that its argument is Unicode.
void RewriteFunctionCalls(TSqlTokens& tokens, const TSqlOperandTypes& types);

}  // namespace ado::provider
