#include "SqliteValues.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

namespace ado::provider {

namespace {

// Reads exactly `width` digits at `at`.
bool Digits(std::string_view text, size_t at, size_t width, int& out)
{
    if (at + width > text.size())
        return false;
    int value = 0;
    for (size_t i = at; i < at + width; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    out = value;
    return true;
}

// "HH:MM[:SS[.fff...]]" at `at`, to the end of the text (a trailing "Z" is allowed).
bool ParseTime(std::string_view text, size_t at, DateTime& out)
{
    if (!Digits(text, at, 2, out.hour) || at + 2 >= text.size() || text[at + 2] != ':' ||
        !Digits(text, at + 3, 2, out.minute))
        return false;
    size_t i = at + 5;
    if (i < text.size() && text[i] == ':') {
        if (!Digits(text, i + 1, 2, out.second))
            return false;
        i += 3;
        if (i < text.size() && text[i] == '.') {
            ++i;
            // Seven digits are kept (datetime2's 100 nanoseconds); further ones are dropped.
            int ticks = 0, scale = 1000000;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
                ticks += (text[i] - '0') * scale;
                scale /= 10;
                ++i;
            }
            out.millisecond = ticks / 10000;
            out.tick = ticks % 10000;
        }
    }
    if (i < text.size() && text[i] == 'Z')
        ++i;
    return i == text.size() && out.hour < 24 && out.minute < 60 && out.second < 60;
}

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// A day that the calendar has: no 30 February, no 31 April, no year 0.
bool IsCalendarDay(int year, int month, int day)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1 || month < 1 || month > 12 || day < 1)
        return false;
    return day <= kDays[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

// 'YYYY-MM-DD HH:MM:SS.fff', the form dates are stored in, read at fixed places; false for
// any other text, which the general reading then takes.
bool ParseStoredForm(std::string_view text, DateTime& out)
{
    const char* c = text.data();
    if (text.size() != 23 || c[4] != '-' || c[7] != '-' || (c[10] != ' ' && c[10] != 'T') || c[13] != ':' ||
        c[16] != ':' || c[19] != '.')
        return false;
    // Unsigned: a character below '0' wraps round to a large number.
    const auto digit = [c](int at) { return static_cast<unsigned>(c[at] - '0'); };
    const bool other = [&]<int... At>(std::integer_sequence<int, At...>) {
        return ((digit(At) > 9) | ...);
    }(std::integer_sequence<int, 0, 1, 2, 3, 5, 6, 8, 9, 11, 12, 14, 15, 17, 18, 20, 21, 22>{});
    if (other)
        return false;
    const auto two = [&](int at) { return static_cast<int>(digit(at) * 10 + digit(at + 1)); };
    const DateTime t{two(0) * 100 + two(2), two(5), two(8), two(11), two(14), two(17),
                     static_cast<int>(digit(20) * 100 + digit(21) * 10 + digit(22))};
    if (!IsCalendarDay(t.year, t.month, t.day) || t.hour >= 24 || t.minute >= 60 || t.second >= 60)
        return false;
    out = t;
    return true;
}

// Into a string that usually has the room already: cheaper than assign, which allows for
// the source overlapping the string.
void CopyInto(std::string& target, const char* data, size_t size)
{
    target.resize(size);
    if (size > 0)
        std::memcpy(target.data(), data, size);
}

void SetText(Value& value, const char* data, size_t size)
{
    if (auto* text = std::get_if<std::string>(&value))
        CopyInto(*text, data, size);
    else
        value.emplace<std::string>(data, size);
}

void SetDecimal(Value& value, const char* data, size_t size)
{
    if (auto* decimal = std::get_if<Decimal>(&value))
        CopyInto(decimal->digits, data, size);
    else
        value.emplace<Decimal>(Decimal{std::string(data, size)});
}

// Any double in fixed notation, its shortest form (at most 309 digits before the point or 324
// places after it, kDecimalRoom in all); away from the common path.
[[gnu::noinline]] char* FixedDigits(double d, char* buffer)
{
    return std::to_chars(buffer, buffer + kDecimalRoom, d, std::chars_format::fixed).ptr;
}

// What std::to_chars gives in fixed notation, for the values amounts and quantities mostly
// hold: sixteenths of a whole number of at most 15 significant digits. The exact decimal
// expansion of such a double has at most four decimals, and no other decimal of 15 digits or
// fewer reads back as the same double, so the expansion is the shortest text that does.
// nullptr for any other value (and for zero, whose sign the general conversion keeps).
char* ShortFixed(double d, char* buffer)
{
    if (!(std::fabs(d) < 1e15) || d == 0)
        return nullptr;
    const double sixteenths = d * 16;  // exact: a power of two
    if (sixteenths != std::trunc(sixteenths))
        return nullptr;
    const auto m = static_cast<long long>(sixteenths);
    // m / 16 = m * 625 / 10^4, below 2^64 for |m| < 1.6e16.
    unsigned long long n = (m < 0 ? 0ULL - static_cast<unsigned long long>(m) : static_cast<unsigned long long>(m)) * 625;
    int decimals = 4;
    while (decimals > 0 && n % 10 == 0) {
        n /= 10;
        --decimals;
    }
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, n).ptr;
    const int count = static_cast<int>(end - digits);
    if (count > 15)
        return nullptr;
    char* p = buffer;
    if (m < 0)
        *p++ = '-';
    const int whole = count - decimals;
    if (whole <= 0) {
        *p++ = '0';
        *p++ = '.';
        for (int i = whole; i < 0; ++i)
            *p++ = '0';
        std::memcpy(p, digits, static_cast<size_t>(count));
        return p + count;
    }
    std::memcpy(p, digits, static_cast<size_t>(whole));
    p += whole;
    if (decimals > 0) {
        *p++ = '.';
        std::memcpy(p, digits + whole, static_cast<size_t>(decimals));
        p += decimals;
    }
    return p;
}

// The digits a decimal column gives for a number SQLite holds as an integer or a float, in fixed
// notation (decimals carry digits, never an exponent), at buffer (kDecimalRoom bytes); their end.
char* DecimalDigits(const StoredValue& stored, char* buffer)
{
    if (stored.type == SQLITE_INTEGER)
        return std::to_chars(buffer, buffer + kDecimalRoom, stored.integer).ptr;
    if (char* end = ShortFixed(stored.real, buffer))
        return end;
    return FixedDigits(stored.real, buffer);
}

}  // namespace

ValueKind ValueKindOf(DataTypeEnum type)
{
    switch (type) {
    case adBoolean:
        return ValueKind::Boolean;
    case adNumeric:
    case adDecimal:
    case adCurrency:
        return ValueKind::Decimal;
    case adDBDate:
    case adDBTime:
    case adDBTimeStamp:
        return ValueKind::Date;
    default:
        return ValueKind::Plain;
    }
}

bool ParseDateTime(std::string_view text, DateTime& out)
{
    if (ParseStoredForm(text, out))
        return true;
    DateTime t;
    if (text.size() >= 5 && text[2] == ':') {
        // A time alone sits on the day the platform's dates count from.
        t.year = 1899;
        t.month = 12;
        t.day = 30;
        if (!ParseTime(text, 0, t))
            return false;
        out = t;
        return true;
    }
    if (!Digits(text, 0, 4, t.year) || text.size() < 10 || text[4] != '-' || !Digits(text, 5, 2, t.month) ||
        text[7] != '-' || !Digits(text, 8, 2, t.day) || !IsCalendarDay(t.year, t.month, t.day))
        return false;
    if (text.size() > 10) {
        if ((text[10] != ' ' && text[10] != 'T') || !ParseTime(text, 11, t))
            return false;
    }
    out = t;
    return true;
}

namespace {

// Reading a column and making its value, each written once and inlined into the direct read
// and into the packing and unpacking of rows: ReadValue stays a single pass over the column.
[[gnu::always_inline]] inline StoredValue Stored(sqlite3_stmt* statement, int column)
{
    // One look-up of the column, then its value read directly: the sessions open their
    // connection without a mutex, where a column's value may be read like a function's argument.
    sqlite3_value* const cell = sqlite3_column_value(statement, column);
    StoredValue stored;
    stored.type = sqlite3_value_type(cell);
    switch (stored.type) {
    case SQLITE_NULL:
        break;
    case SQLITE_INTEGER:
        stored.integer = sqlite3_value_int64(cell);
        break;
    case SQLITE_FLOAT:
        stored.real = sqlite3_value_double(cell);
        break;
    case SQLITE_TEXT: {
        const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(cell));
        stored.bytes = std::string_view(data, static_cast<size_t>(sqlite3_value_bytes(cell)));
        break;
    }
    default: {
        const auto* data = static_cast<const char*>(sqlite3_value_blob(cell));
        stored.bytes = std::string_view(data, static_cast<size_t>(sqlite3_value_bytes(cell)));
        break;
    }
    }
    return stored;
}

[[gnu::always_inline]] inline void MakeValue(const StoredValue& stored, ValueKind kind, Value& value)
{
    switch (stored.type) {
    case SQLITE_NULL:
        value.emplace<Null>();
        return;
    case SQLITE_INTEGER:
    case SQLITE_FLOAT:
        if (kind == ValueKind::Decimal) {
            char buffer[kDecimalRoom];
            SetDecimal(value, buffer, static_cast<size_t>(DecimalDigits(stored, buffer) - buffer));
        } else if (stored.type == SQLITE_FLOAT) {
            value = stored.real;
        } else if (kind == ValueKind::Boolean) {
            value = stored.integer != 0;
        } else {
            value = stored.integer;
        }
        return;
    case kStoredDate: {
        DateTime t;
        std::memcpy(&t, stored.bytes.data(), sizeof t);
        value = t;
        return;
    }
    case SQLITE_TEXT: {
        const char* data = stored.bytes.data();
        const size_t size = stored.bytes.size();
        if (kind == ValueKind::Decimal) {
            SetDecimal(value, data, size);
        } else if (kind == ValueKind::Date) {
            DateTime t;
            if (ParseDateTime(stored.bytes, t))
                value = t;
            else
                SetText(value, data, size);
        } else {
            SetText(value, data, size);
        }
        return;
    }
    default: {
        const auto* data = reinterpret_cast<const unsigned char*>(stored.bytes.data());
        const size_t size = stored.bytes.size();
        if (auto* bytes = std::get_if<Bytes>(&value))
            bytes->assign(data, data + size);
        else
            value.emplace<Bytes>(data, data + size);
        return;
    }
    }
}

}  // namespace

void ReadValue(sqlite3_stmt* statement, int column, ValueKind kind, Value& value)
{
    MakeValue(Stored(statement, column), kind, value);
}

namespace {

// What is worth doing of MakeValue on the thread that reads the rows, so that the one that takes
// them has less to do: a decimal column's number as its digits, a date column's text read as a
// date (both in scratch). MakeValue gives the same value for the result as for stored.
[[gnu::always_inline]] inline StoredValue ForPacking(const StoredValue& stored, ValueKind kind, std::string& scratch)
{
    if (kind == ValueKind::Decimal && (stored.type == SQLITE_INTEGER || stored.type == SQLITE_FLOAT)) {
        scratch.resize(kDecimalRoom);
        StoredValue digits;
        digits.type = SQLITE_TEXT;
        digits.bytes = std::string_view(scratch.data(), static_cast<size_t>(DecimalDigits(stored, scratch.data()) - scratch.data()));
        return digits;
    }
    DateTime t;
    if (kind == ValueKind::Date && stored.type == SQLITE_TEXT && ParseDateTime(stored.bytes, t)) {
        scratch.resize(sizeof t);
        std::memcpy(scratch.data(), &t, sizeof t);
        StoredValue date;
        date.type = kStoredDate;
        date.bytes = scratch;
        return date;
    }
    return stored;
}

[[gnu::always_inline]] inline StoredValue Unpacked(const char*& p)
{
    StoredValue stored;
    stored.type = *p++;
    switch (stored.type) {
    case SQLITE_NULL:
        break;
    case SQLITE_INTEGER:
        std::memcpy(&stored.integer, p, sizeof stored.integer);
        p += sizeof stored.integer;
        break;
    case SQLITE_FLOAT:
        std::memcpy(&stored.real, p, sizeof stored.real);
        p += sizeof stored.real;
        break;
    default: {
        std::uint32_t length;
        std::memcpy(&length, p, 4);
        p += 4;
        stored.bytes = std::string_view(p, length);
        p += length;
        break;
    }
    }
    return stored;
}

}  // namespace

void PackRow(sqlite3_stmt* statement, const std::vector<ValueKind>& kinds, std::vector<StoredValue>& values,
             std::vector<std::string>& scratch, std::string& out)
{
    const size_t count = kinds.size();
    for (size_t i = 0; i < count; ++i)
        values[i] = ForPacking(Stored(statement, static_cast<int>(i)), kinds[i], scratch[i]);

    // The row's room made at once, then filled: an append per piece cost more than the copying.
    size_t size = 0;
    for (size_t i = 0; i < count; ++i) {
        switch (values[i].type) {
        case SQLITE_NULL:
            size += 1;
            break;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            size += 1 + 8;
            break;
        default:
            size += 1 + 4 + values[i].bytes.size();
            break;
        }
    }
    const size_t start = out.size();
    out.resize(start + size);
    char* p = out.data() + start;
    for (size_t i = 0; i < count; ++i) {
        const StoredValue& stored = values[i];
        *p++ = static_cast<char>(stored.type);
        switch (stored.type) {
        case SQLITE_NULL:
            break;
        case SQLITE_INTEGER:
            std::memcpy(p, &stored.integer, 8);
            p += 8;
            break;
        case SQLITE_FLOAT:
            std::memcpy(p, &stored.real, 8);
            p += 8;
            break;
        default: {
            // SQLite holds at most 2^31 - 1 bytes in a value.
            const auto length = static_cast<std::uint32_t>(stored.bytes.size());
            std::memcpy(p, &length, 4);
            p += 4;
            if (length > 0)
                std::memcpy(p, stored.bytes.data(), length);
            p += length;
            break;
        }
        }
    }
}


void UnpackRow(const char*& p, const std::vector<ValueKind>& kinds, Value* row)
{
    const size_t count = kinds.size();
    for (size_t i = 0; i < count; ++i)
        MakeValue(Unpacked(p), kinds[i], row[i]);
}

}  // namespace ado::provider
