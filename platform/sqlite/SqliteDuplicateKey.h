#pragma once

#include "AutomationError.h"
#include "SqliteInsertCache.h"
#include "SqliteSchema.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace ado::provider {

// The new row's value of a key column as SQL Server prints it in the message ("fnumber", "30",
// "<NULL>"), when the statement shows it.
using KeyValueOf = std::function<std::optional<std::string>(std::string_view column)>;

// SQL Server's error for a key a primary key, unique constraint or unique index already holds
// (as the column's collation compares it): Msg 2627 "Violation of PRIMARY KEY constraint ..." or
// Msg 2601 "Cannot insert duplicate key row in object ... with unique index ...", from the error
// SQLite gave (code, message). Nothing when the error is of another kind.
std::optional<automation::AutomationError> DuplicateKeyError(int code, std::string_view message, SqliteSchema& schema,
                                                              const KeyValueOf& valueOf);

// The values an insert of literals gives its columns: those of its column list, or else the
// table's columns that take values (not identity or computed), in order. It refers to insert.
KeyValueOf InsertedValues(const SqliteInsertCache::Insert& insert, SqliteSchema& schema);

}  // namespace ado::provider
