#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ado::provider {

// A SQL Server text made ready for SQLite.
struct TSqlText {
    std::string sql;                          // SQLite's form of the text
    std::string lastToken;                    // the last token of the original text
    std::optional<std::string> helpIndexTable;  // the table named when the text calls sp_helpindex
};

// Turns SQL Server's dialect into SQLite's: N'...' and 0x... literals, [names], isnull(),
// left() and right(), the "dbo." owner, comments (SQL Server nests them), and statements that
// follow one another without ";" (as SQL Server batches do). Throws AutomationError in SQL
// Server's words for an unclosed string, quoted name or comment.
TSqlText RewriteTSql(std::string_view text);

}  // namespace ado::provider
