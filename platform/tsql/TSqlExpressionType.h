#pragma once

#include "TSqlDataType.h"

#include <functional>
#include <optional>
#include <string_view>

namespace ado::provider {

using TSqlColumnTypes = std::function<std::optional<TSqlDataType>(std::string_view column)>;

// The type SQL Server gives an expression over the columns of one table, as it types a computed
// column: CAST and CONVERT by the type they name, columns by their declaration, literals by their
// kind, arithmetic by the operand of higher type precedence (with SQL Server's precision and scale
// of decimal results), "+" between texts by the sum of their lengths, and the well-known functions
// by what they return. An expression it cannot type gives a type without a name.
TSqlDataType ExpressionType(std::string_view expression, const TSqlColumnTypes& columnTypes);

}  // namespace ado::provider
