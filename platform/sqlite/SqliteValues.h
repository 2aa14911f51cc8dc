#pragma once

#include "Field.h"

#include <sqlite3.h>

#include <string_view>

namespace ado::provider {

// How a result column's stored values become ADO values; chosen once per column from its
// ADO type so a row costs no decisions beyond the storage class.
enum class ValueKind { Plain, Boolean, Decimal, Date };

ValueKind ValueKindOf(DataTypeEnum type);

// Stores column `column` of the statement's current row into value, reusing the text or
// bytes the value already holds.
void ReadValue(sqlite3_stmt* statement, int column, ValueKind kind, Value& value);

// 'YYYY-MM-DD[ HH:MM[:SS[.fff]]]' (or 'T' between date and time), or a time alone; false
// when the text is none of these or names no real day and time (2024-02-30, 25:00).
bool ParseDateTime(std::string_view text, DateTime& out);

}  // namespace ado::provider
