#pragma once

#include "AutomationError.h"

#include <sqlite3.h>

#include <string_view>

namespace ado::provider {

// The numbers SQL Server's provider gives its command errors.
constexpr long kErrorInvalidObject = -2147217865;  // invalid object name
constexpr long kErrorCommand = -2147217900;        // errors in the command text
constexpr long kErrorIntegrity = -2147217873;      // constraint violations
constexpr long kErrorOpen = -2147467259;           // the database cannot be opened

// An error of this provider, with its source set.
automation::AutomationError ProviderError(long number, std::string_view description);

// SQLite's report of a failed statement in SQL Server's words: "Invalid object name 'T'.",
// "Invalid column name 'C'.", "Incorrect syntax near 'X'." and so on; other texts pass through.
// lastToken names the end of the text for a statement that stops short.
automation::AutomationError TranslateSqliteError(sqlite3* db, int code, std::string_view lastToken);

}  // namespace ado::provider
