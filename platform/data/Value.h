#pragma once

#include <QVariant>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace ado {

// A value read from a record set. Null is its own alternative, so a null tells itself apart
// from an empty text.
struct Null {
    bool operator==(const Null&) const = default;
};

struct DateTime {
    int year = 1900, month = 1, day = 1, hour = 0, minute = 0, second = 0, millisecond = 0;
    // The 100-nanosecond units below the millisecond (0 to 9,999) that time and datetime2 hold.
    int subMillisecond = 0;
    bool operator==(const DateTime&) const = default;
};

// An exact number (decimal, numeric, money) kept as its digits: "-12.3400".
struct Decimal {
    std::string digits;
    bool operator==(const Decimal&) const = default;
};

using Bytes = std::vector<unsigned char>;

// Text is UTF-8.
using Value = std::variant<Null, bool, std::int64_t, double, Decimal, std::string, Bytes, DateTime>;

inline bool IsNull(const Value& value) { return std::holds_alternative<Null>(value); }

// The value as text the way a host's string conversion gives it: integers and decimals as
// their digits, doubles in the shortest form that reads back the same, booleans "True" or
// "False", dates "YYYY-MM-DD HH:MM:SS" (with ".mmm" when there are milliseconds), binary as
// upper-case hex. Throws AutomationError 94 "Invalid use of Null" for a null.
std::string ToText(const Value& value);

// The value as an automation variant: null becomes an invalid QVariant, text a QString,
// binary a QByteArray, dates a QDateTime, decimals their digits as a QString.
QVariant ToVariant(const Value& value);

}  // namespace ado
