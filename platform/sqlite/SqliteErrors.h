#pragma once

#include "TSqlError.h"

#include <sqlite3.h>

#include <string_view>

namespace ado::provider {

// SQLite's report of a failed statement in SQL Server's words: "Invalid object name 'T'.",
// "Invalid column name 'C'.", "Incorrect syntax near 'X'." and so on; other texts pass through.
// lastToken names the end of the text for a statement that stops short.
automation::AutomationError TranslateSqliteError(sqlite3* db, int code, std::string_view lastToken);

}  // namespace ado::provider
