#include "SqliteValues.h"

#include <charconv>

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
            int scale = 100;
            out.millisecond = 0;
            while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
                out.millisecond += (text[i] - '0') * scale;
                scale /= 10;
                ++i;
            }
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

void SetText(Value& value, const char* data, size_t size)
{
    if (auto* text = std::get_if<std::string>(&value))
        text->assign(data, size);
    else
        value.emplace<std::string>(data, size);
}

void SetDecimal(Value& value, const char* data, size_t size)
{
    if (auto* decimal = std::get_if<Decimal>(&value))
        decimal->digits.assign(data, size);
    else
        value.emplace<Decimal>(Decimal{std::string(data, size)});
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
    case adDBTimeStamp:
        return ValueKind::Date;
    default:
        return ValueKind::Plain;
    }
}

bool ParseDateTime(std::string_view text, DateTime& out)
{
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

void ReadValue(sqlite3_stmt* statement, int column, ValueKind kind, Value& value)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        value.emplace<Null>();
        return;
    case SQLITE_INTEGER: {
        const std::int64_t i = sqlite3_column_int64(statement, column);
        if (kind == ValueKind::Boolean) {
            value = i != 0;
        } else if (kind == ValueKind::Decimal) {
            char buffer[24];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, i).ptr;
            SetDecimal(value, buffer, static_cast<size_t>(end - buffer));
        } else {
            value = i;
        }
        return;
    }
    case SQLITE_FLOAT: {
        const double d = sqlite3_column_double(statement, column);
        if (kind == ValueKind::Decimal) {
            // Fixed notation: decimals carry digits, never an exponent.
            char buffer[400];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, d, std::chars_format::fixed).ptr;
            SetDecimal(value, buffer, static_cast<size_t>(end - buffer));
        } else {
            value = d;
        }
        return;
    }
    case SQLITE_TEXT: {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        const auto size = static_cast<size_t>(sqlite3_column_bytes(statement, column));
        if (kind == ValueKind::Decimal) {
            SetDecimal(value, data, size);
        } else if (kind == ValueKind::Date) {
            DateTime t;
            if (ParseDateTime(std::string_view(data, size), t))
                value = t;
            else
                SetText(value, data, size);
        } else {
            SetText(value, data, size);
        }
        return;
    }
    default: {
        const auto* data = static_cast<const unsigned char*>(sqlite3_column_blob(statement, column));
        const auto size = static_cast<size_t>(sqlite3_column_bytes(statement, column));
        if (auto* bytes = std::get_if<Bytes>(&value))
            bytes->assign(data, data + size);
        else
            value.emplace<Bytes>(data, data + size);
        return;
    }
    }
}

}  // namespace ado::provider
