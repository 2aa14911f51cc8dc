#pragma once

#include "Field.h"

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ado::provider {

// How a result column's stored values become ADO values; chosen once per column from its
// ADO type so a row costs no decisions beyond the storage class.
enum class ValueKind { Plain, Boolean, Decimal, Date };

ValueKind ValueKindOf(DataTypeEnum type);

// Not a storage class: a date column's text already read as a date (PackRow), its bytes those
// of a DateTime.
constexpr int kStoredDate = 0x10;
// Room for a decimal's digits of any double in fixed notation.
constexpr size_t kDecimalRoom = 400;

// A value as SQLite stores it: its storage class (SQLITE_INTEGER, ...) and its contents; text
// and bytes point into the statement's row, or into a packed copy of it.
struct StoredValue {
    int type = SQLITE_NULL;
    std::int64_t integer = 0;
    double real = 0;
    std::string_view bytes;
};

// Stores column `column` of the statement's current row into value, reusing the text or
// bytes the value already holds.
void ReadValue(sqlite3_stmt* statement, int column, ValueKind kind, Value& value);

// Packs the statement's current row after what out holds, for UnpackRow on another thread: each column as SQLite stores it, except what is worth doing where the row
// is read, so that the thread that takes the rows has less to do (a decimal column's number as
// its digits, a date column's text read as a date). values and scratch hold one entry per
// column, kept from row to row.
void PackRow(sqlite3_stmt* statement, const std::vector<ValueKind>& kinds, std::vector<StoredValue>& values,
             std::vector<std::string>& scratch, std::string& out);
// Reads the row packed at p into row (one value per column, reusing the text or bytes the
// values already hold) as ReadValue would have read it, and moves p past it.
void UnpackRow(const char*& p, const std::vector<ValueKind>& kinds, Value* row);

// 'YYYY-MM-DD[ HH:MM[:SS[.fff]]]' (or 'T' between date and time), or a time alone; false
// when the text is none of these or names no real day and time (2024-02-30, 25:00).
bool ParseDateTime(std::string_view text, DateTime& out);

}  // namespace ado::provider
