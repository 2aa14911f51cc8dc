#pragma once

#include "TSqlOperandTypes.h"

namespace ado::provider {

// The arithmetic operators as SQL Server types them: "+" between texts (or a text and an
// operand of no known number or date type) joins them, so it becomes "||"; "%", "-", "*" and
// "/" between two texts fail with SQL Server's error 403 ("Invalid operator for data type.
// Operator equals modulo, type equals varchar."), thrown as AutomationError. The right operand
// of "/" and "%" goes through divisor() (SqliteTSqlFunctions) unless it is a number other than
// zero, so that a division by zero stops the statement as on SQL Server.
void RewriteOperators(TSqlTokens& tokens, const TSqlOperandTypes& types);

}  // namespace ado::provider
