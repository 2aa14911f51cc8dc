#pragma once

#include "TSqlCatalogue.h"
#include "TSqlDeclarations.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ado::provider {

// A SQL Server batch made ready for SQLite.
struct TSqlText {
    std::string sql;                           // SQLite's form of the text
    std::string lastToken;                     // the last token of the original text
    std::optional<std::string> helpIndexTable;  // the batch ends by calling sp_helpindex for this table
    std::optional<std::string> helpIndexVariable;  // ... or for the table a variable names
    std::vector<TSqlVariable> variables;       // the batch's variables so far, as declared
    std::vector<size_t> assignments;           // where in sql each statement that assigns variables begins

    // Whether the statement at [begin, end) of sql assigns variables: its columns are named
    // after them and it returns no rows to the caller.
    bool IsAssignment(size_t begin, size_t end) const;
};

// Turns SQL Server's dialect into SQLite's: N'...' and 0x... literals, [names], isnull(), left()
// and right(), the "dbo." owner, comments (SQL Server nests them), statements that follow one
// another without ";" (as SQL Server batches do), TOP, CONVERT and CAST, the date parts of DATEADD,
// DATEDIFF and DATEPART, "+" between texts, variables (DECLARE, SET, SELECT @v =), table hints,
// BEGIN/COMMIT/ROLLBACK TRAN, SQL Server's forms of CREATE TABLE and CREATE INDEX
// (TSqlCreateTable), and the text collation where text is compared or sorted; reads the
// sp_helpindex call. The catalogue, when given, tells the types of columns; without it no column is
// known to hold text. Throws AutomationError in SQL Server's words for an unclosed string, quoted
// name or comment, a malformed procedure call, an undeclared variable, a column named twice and an
// operator that texts do not take. A part of a batch that runs after others (an IF's condition or
// branch) is given the variables they declared.
TSqlText RewriteTSql(std::string_view text, const TSqlCatalogue* catalogue = nullptr,
                     const std::vector<TSqlVariable>& declaredBefore = {});

}  // namespace ado::provider
