#pragma once

#include "TSqlStatements.h"

#include <optional>
#include <string>
#include <vector>

namespace ado::provider {

// A call of sp_helpindex, the one procedure the embedded provider answers, with the object its
// argument names: a table name, or the variable that holds it.
struct TSqlProcedureCall {
    std::string table;                    // the object part of the name, as the procedure reads it
    std::optional<std::string> variable;  // "@name" when the argument is a variable
};

// Reads the procedure call that a batch makes, the way SQL Server parses it: "EXEC[UTE] name"
// anywhere, or a name alone as the first statement of the batch; then arguments, each
// "[@parameter =] value" with a string, number, name, variable, NULL or DEFAULT as the value,
// separated by commas, up to the end of the statement. Throws AutomationError in SQL Server's
// words for anything else after an argument ("Incorrect syntax near 'x'."), an unknown
// procedure or parameter, too many or too few arguments, and a call that is not the last
// statement of its batch (it returns rows). The call's tokens are dropped from the text.
std::optional<TSqlProcedureCall> ReadProcedureCall(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements);

// Whether the statement is a procedure call as ReadProcedureCall takes it.
bool IsProcedureCall(const TSqlTokens& tokens, const std::vector<TSqlStatement>& statements, size_t statement);

}  // namespace ado::provider
