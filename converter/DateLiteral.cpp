#include "DateLiteral.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr std::int64_t kTicksPerSecond = 10000000;  // 100 ns
constexpr std::int64_t kTicksPerDay = 86400 * kTicksPerSecond;

std::int64_t TicksOfDay(const ado::DateTime& t)
{
    return ((t.hour * 60LL + t.minute) * 60 + t.second) * kTicksPerSecond + t.millisecond * 10000LL + t.tick;
}

// Rounds value to whole units, half up, as the server rounds fractional seconds; a rounding
// that would reach the next day (dayLength) is cut to the last unit of the day instead and
// reported by ok = false.
std::int64_t RoundWithinDay(std::int64_t value, std::int64_t unit, std::int64_t dayLength, bool& ok)
{
    std::int64_t rounded = (value + unit / 2) / unit * unit;
    if (rounded >= dayLength) {
        rounded = value / unit * unit;
        ok = false;
    }
    return rounded;
}

// 10 to the power of the digits a type drops of the seven it could keep, in ticks.
std::int64_t UnitOfScale(int scale)
{
    std::int64_t unit = 1;
    for (int i = scale; i < 7; ++i)
        unit *= 10;
    return unit;
}

char* Digits(char* p, std::int64_t value, int width)
{
    for (int i = width - 1; i >= 0; --i, value /= 10)
        p[i] = static_cast<char>('0' + value % 10);
    return p + width;
}

// The same of a value of two digits, as a pair from a table: every date writes seven of them.
inline char* TwoDigits(char* p, std::int64_t value)
{
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    if (value < 0 || value > 99) [[unlikely]]
        return Digits(p, value, 2);
    std::memcpy(p, kPairs + value * 2, 2);
    return p + 2;
}

char* AppendDay(char* p, const ado::DateTime& t)
{
    if (t.year >= 0 && t.year <= 9999) {
        p = TwoDigits(p, t.year / 100);
        p = TwoDigits(p, t.year % 100);
    } else {
        p = Digits(p, t.year, 4);
    }
    *p++ = '-';
    p = TwoDigits(p, t.month);
    *p++ = '-';
    return TwoDigits(p, t.day);
}

// HH:MM:SS and, when digits > 0, that many fractional digits of ticks (a time of day).
char* AppendTime(char* p, std::int64_t ticks, int digits)
{
    const std::int64_t seconds = ticks / kTicksPerSecond;
    p = TwoDigits(p, seconds / 3600);
    *p++ = ':';
    p = TwoDigits(p, seconds / 60 % 60);
    *p++ = ':';
    p = TwoDigits(p, seconds % 60);
    if (digits > 0) {
        *p++ = '.';
        // The 7 - digits digits that the type drops, in one division.
        static constexpr std::int64_t kDropped[] = {10000000, 1000000, 100000, 10000, 1000, 100, 10, 1};
        p = Digits(p, ticks % kTicksPerSecond / kDropped[digits], digits);
    }
    return p;
}

}  // namespace

DateLiteral::Form DateLiteral::FormOf(const ado::Field& field)
{
    switch (field.Type()) {
    case ado::adDBDate:
        return Form::Date;
    case ado::adDBTime:
        return Form::Time;
    case ado::adDBTimeStamp:
        // datetime reports 23 digits, smalldatetime 16; a datetime2 its type's 27.
        return field.Precision() == 23 || field.Precision() == 16 ? Form::DateTime : Form::DateTime2;
    default:
        return Form::DateTime;
    }
}

DateLiteral::DateLiteral(const ado::Field& field)
    : m_form(FormOf(field)),
      m_scale(field.NumericScale() > 7 ? 7 : field.NumericScale()),
      m_small(field.Type() == ado::adDBTimeStamp && field.Precision() == 16)
{
}

std::string DateLiteral::ScriptType(const ado::Field& field, const std::string& mapName)
{
    const std::string scale = "(" + std::to_string(field.NumericScale() > 7 ? 7 : field.NumericScale()) + ")";
    switch (FormOf(field)) {
    case Form::DateTime2:
        return "datetime2" + scale;
    case Form::Time:
        return mapName + scale;
    default:
        return {};
    }
}

bool DateLiteral::Append(std::string& out, const ado::DateTime& value) const
{
    char text[40];
    char* p = text;
    *p++ = '\'';
    bool ok = true;
    const std::int64_t ticks = TicksOfDay(value);
    switch (m_form) {
    case Form::Date:
        p = AppendDay(p, value);
        ok = ticks == 0;
        break;
    case Form::Time:
        p = AppendTime(p, RoundWithinDay(ticks, UnitOfScale(m_scale), kTicksPerDay, ok), m_scale);
        // A time column holds no day: one other than the day times count from is left out.
        ok = ok && value.year == 1899 && value.month == 12 && value.day == 30;
        break;
    case Form::DateTime2:
        p = AppendDay(p, value);
        *p++ = 'T';
        p = AppendTime(p, RoundWithinDay(ticks, UnitOfScale(m_scale), kTicksPerDay, ok), m_scale);
        break;
    case Form::DateTime: {
        // The server keeps three hundredths of a second and shows them as .000, .003 or .007:
        // written so, a value reads back as the same three hundredth. In thirds of a tick one
        // three hundredth is a whole number of them.
        constexpr std::int64_t kThirdsPer300th = 3 * kTicksPerSecond / 300;
        const std::int64_t thirds = RoundWithinDay(ticks * 3, kThirdsPer300th, kTicksPerDay * 3, ok);
        const std::int64_t hundredths3 = thirds / kThirdsPer300th;  // of the day
        p = AppendDay(p, value);
        *p++ = 'T';
        if (ok && value.tick == 0) {
            // Milliseconds as they stand: the server rounds them the same way.
            p = AppendTime(p, ticks, 3);
        } else {
            p = AppendTime(p, hundredths3 / 300 * kTicksPerSecond, 0);
            *p++ = '.';
            p = Digits(p, (hundredths3 % 300 * 10 + 1) / 3, 3);
        }
        // Before 1753 the type has no days at all: the server refuses the text as it stands. A
        // smalldatetime column's own days run from 1900 to 6 June 2079.
        if (value.year < 1753)
            ok = false;
        const int day = value.year * 10000 + value.month * 100 + value.day;
        if (m_small && (day < 19000101 || day > 20790606))
            ok = false;
        break;
    }
    }
    *p++ = '\'';
    out.append(text, static_cast<size_t>(p - text));
    return ok;
}
