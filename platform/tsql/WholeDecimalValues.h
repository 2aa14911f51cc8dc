#pragma once

#include "TSqlStatements.h"
#include "TSqlTokens.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ado::provider {

// A decimal literal that stands for a whole number beyond 2^53 (123456789012345678.0000000000, as
// scripts write a decimal(28,10) value): SQLite reads a literal with a point as a REAL, which
// keeps such a number only to the nearest double, while its 64-bit integers hold it exactly.
// digits is the literal without its sign; nothing for any other literal (a fraction that is not
// zero, an exponent, a number beyond 64 bits, one a double holds exactly).
std::optional<std::int64_t> WholeDecimalLiteral(std::string_view digits, bool negative);

// In the value lists of INSERT ... VALUES, where a value goes into its column as it is, writes
// each such literal as the integer it stands for. Elsewhere a literal keeps its
// type: 123456789012345678.0 / 7 is no integer division.
void RewriteWholeDecimalValues(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements);

}  // namespace ado::provider
