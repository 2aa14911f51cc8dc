#include "ServerForm.h"

#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

template <class Number>
std::string Shortest(Number number)
{
    if (number == 0)
        number = 0;  // no "-0": the server keeps no sign on zero
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, number).ptr);
}

// A number as its exact decimal digits: value = 0.digits * 10^point, negated when negative.
struct Exact {
    bool negative = false;
    std::string digits;  // without leading zeros; empty for zero
    long point = 0;
};

// Optional sign, digits with an optional point, an optional exponent; blanks around it.
std::optional<Exact> ParseExact(std::string_view text)
{
    text = Trimmed(text);
    Exact e;
    size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        e.negative = text[i++] == '-';
    bool anyDigit = false, seenPoint = false;
    long point = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (c >= '0' && c <= '9') {
            anyDigit = true;
            if (e.digits.empty() && c == '0') {
                if (seenPoint)
                    --point;
                continue;
            }
            e.digits.push_back(c);
            if (!seenPoint)
                ++point;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (i < text.size()) {
        if (text[i] != 'e' && text[i] != 'E')
            return std::nullopt;
        long exponent = 0;
        const char* begin = text.data() + i + 1;
        if (begin < text.data() + text.size() && *begin == '+')
            ++begin;
        const auto [end, ec] = std::from_chars(begin, text.data() + text.size(), exponent);
        if (ec != std::errc() || end != text.data() + text.size() || std::labs(exponent) > 100000)
            return std::nullopt;
        point += exponent;
    }
    while (!e.digits.empty() && e.digits.back() == '0')
        e.digits.pop_back();
    e.point = e.digits.empty() ? 0 : point;
    if (e.digits.empty())
        e.negative = false;
    return e;
}

// The exact digits of a number value; nothing for a value that is no number.
std::optional<Exact> ExactOf(const ado::Value& value)
{
    return std::visit(Overloaded{
                          [](const ado::Null&) -> std::optional<Exact> { return std::nullopt; },
                          [](bool b) { return ParseExact(b ? "1" : "0"); },
                          [](std::int64_t i) { return ParseExact(std::to_string(i)); },
                          [](double d) -> std::optional<Exact> {
                              if (!std::isfinite(d))
                                  return std::nullopt;
                              return ParseExact(Shortest(d));
                          },
                          [](const ado::Decimal& d) { return ParseExact(d.digits); },
                          [](const std::string& s) { return ParseExact(s); },
                          [](const ado::Bytes&) -> std::optional<Exact> { return std::nullopt; },
                          [](const ado::DateTime&) -> std::optional<Exact> { return std::nullopt; },
                      },
                      value);
}

// Integer and fraction digits rounded half away from zero to scale fraction digits.
struct Rounded {
    bool negative = false;
    std::string whole;     // without leading zeros; "0" for none
    std::string fraction;  // exactly scale digits
};

std::optional<Rounded> Round(const Exact& e, int scale)
{
    if (e.point > 400)  // no type holds such a number, and its digits need not be made
        return std::nullopt;
    Rounded r;
    r.negative = e.negative;
    const auto digitAt = [&](long position) {  // position 0 is the first digit after the point
        const long index = position + e.point;
        return index >= 0 && index < static_cast<long>(e.digits.size()) ? e.digits[static_cast<size_t>(index)] : '0';
    };
    for (long p = -std::max(e.point, 0L); p < scale; ++p)
        (p < 0 ? r.whole : r.fraction).push_back(digitAt(p));
    if (digitAt(scale) >= '5') {
        std::string all = r.whole + r.fraction;
        size_t i = all.size();
        while (i > 0 && all[i - 1] == '9')
            all[--i] = '0';
        if (i == 0)
            all.insert(all.begin(), '1');
        else
            ++all[i - 1];
        r.whole = all.substr(0, all.size() - static_cast<size_t>(scale));
        r.fraction = all.substr(all.size() - static_cast<size_t>(scale));
    }
    const size_t first = r.whole.find_first_not_of('0');
    r.whole = first == std::string::npos ? "0" : r.whole.substr(first);
    if (r.whole == "0" && r.fraction.find_first_not_of('0') == std::string::npos)
        r.negative = false;
    return r;
}

std::string Text(const Rounded& r)
{
    return (r.negative ? "-" : "") + r.whole + (r.fraction.empty() ? "" : "." + r.fraction);
}

__extension__ typedef __int128 Int128;  // holds every 38-digit number

// A whole number of up to 38 digits.
std::optional<Int128> Whole(const std::string& digits, bool negative)
{
    if (digits.size() > 38)
        return std::nullopt;
    Int128 n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return negative ? -n : n;
}

std::optional<double> DoubleOf(const ado::Value& value)
{
    if (const auto* d = std::get_if<double>(&value))
        return std::isfinite(*d) ? std::optional<double>(*d) : std::nullopt;
    if (const auto* i = std::get_if<std::int64_t>(&value))
        return static_cast<double>(*i);
    const std::optional<Exact> exact = ExactOf(value);
    if (!exact)
        return std::nullopt;
    std::string text = exact->digits.empty() ? "0" : (exact->negative ? "-0." : "0.") + exact->digits + "e" + std::to_string(exact->point);
    double d = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), d);
    if (result.ec != std::errc() || !std::isfinite(d))
        return std::nullopt;
    return d;
}

// A point in time with the 100-nanosecond units of its second.
struct Moment {
    int year = 1900, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    long fraction = 0;  // 0 to 9,999,999

    static constexpr long kPerSecond = 10000000;
};

bool IsLeap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysIn(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

bool Valid(const Moment& m)
{
    return m.year >= 1 && m.year <= 9999 && m.month >= 1 && m.month <= 12 && m.day >= 1 &&
           m.day <= DaysIn(m.year, m.month) && m.hour >= 0 && m.hour < 24 && m.minute >= 0 && m.minute < 60 &&
           m.second >= 0 && m.second < 60 && m.fraction >= 0 && m.fraction < Moment::kPerSecond;
}

// Adds a second; false when that makes another day.
bool NextSecond(Moment& m)
{
    if (++m.second < 60)
        return true;
    m.second = 0;
    if (++m.minute < 60)
        return true;
    m.minute = 0;
    if (++m.hour < 24)
        return true;
    m.hour = 0;
    return false;
}

// "YYYY-MM-DD", with " HH:MM[:SS[.fffffff]]" or "THH:MM..." after it, or a time of day alone.
std::optional<Moment> ParseMoment(std::string_view text)
{
    text = Trimmed(text);
    Moment m;
    size_t i = 0;
    const auto number = [&](size_t digits, int& out) {
        if (i + digits > text.size())
            return false;
        out = 0;
        for (size_t k = 0; k < digits; ++k) {
            const char c = text[i + k];
            if (c < '0' || c > '9')
                return false;
            out = out * 10 + (c - '0');
        }
        i += digits;
        return true;
    };
    const auto literal = [&](char c) { return i < text.size() && text[i] == c ? (++i, true) : false; };
    const bool hasDate = text.size() >= 10 && text[4] == '-';
    if (hasDate) {
        if (!number(4, m.year) || !literal('-') || !number(2, m.month) || !literal('-') || !number(2, m.day))
            return std::nullopt;
        if (i == text.size())
            return Valid(m) ? std::optional<Moment>(m) : std::nullopt;
        if (!literal(' ') && !literal('T'))
            return std::nullopt;
    }
    if (!number(2, m.hour) || !literal(':') || !number(2, m.minute))
        return std::nullopt;
    if (literal(':')) {
        if (!number(2, m.second))
            return std::nullopt;
        if (literal('.')) {
            long scale = Moment::kPerSecond;
            size_t digits = 0;
            for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
                if (digits == 7)
                    return std::nullopt;  // beyond the 100 ns the server's times hold
                scale /= 10;
                m.fraction += (text[i] - '0') * scale;
            }
            if (digits == 0)
                return std::nullopt;
        }
    }
    if (i != text.size() || !Valid(m))
        return std::nullopt;
    return m;
}

std::optional<Moment> MomentOf(const ado::Value& value)
{
    if (const auto* t = std::get_if<ado::DateTime>(&value)) {
        Moment m{t->year, t->month, t->day, t->hour, t->minute, t->second,
                 t->millisecond * 10000L + t->tick};
        return Valid(m) ? std::optional<Moment>(m) : std::nullopt;
    }
    if (const auto* s = std::get_if<std::string>(&value))
        return ParseMoment(*s);
    return std::nullopt;
}

// Rounds the fraction to digits decimal digits; false when that makes another day.
bool RoundFraction(Moment& m, int digits)
{
    long unit = 1;
    for (int k = digits; k < 7; ++k)
        unit *= 10;
    m.fraction = (m.fraction + unit / 2) / unit * unit;
    if (m.fraction < Moment::kPerSecond)
        return true;
    m.fraction = 0;
    return NextSecond(m);
}

std::string DatePart(const Moment& m)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", m.year, m.month, m.day);
    return buffer;
}

std::string TimePart(const Moment& m, int digits)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d.%07ld", m.hour, m.minute, m.second, m.fraction);
    std::string text(buffer);
    text.resize(digits > 0 ? 9 + static_cast<size_t>(digits) : 8);
    return text;
}

// Characters of UTF-8 text as the server counts them: in UTF-16 units (unicode) or in bytes
// of a double-byte code page; nothing for text that is not UTF-8 or that a code page cannot
// hold (characters beyond the basic plane).
std::optional<long> ServerLength(std::string_view text, bool unicode)
{
    long length = 0;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t bytes = c < 0x80 ? 1 : (c & 0xE0) == 0xC0 ? 2 : (c & 0xF0) == 0xE0 ? 3 : (c & 0xF8) == 0xF0 ? 4 : 0;
        if (bytes == 0 || i + bytes > text.size())
            return std::nullopt;
        for (size_t k = 1; k < bytes; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return std::nullopt;
        if (bytes == 4 && !unicode)
            return std::nullopt;
        length += unicode ? (bytes == 4 ? 2 : 1) : (bytes == 1 ? 1 : 2);
        i += bytes;
    }
    return length;
}

// The text a value stands for in a character or binary column; nothing for bytes.
std::optional<std::string> PlainText(const ado::Value& value)
{
    return std::visit(Overloaded{
                          [](const ado::Null&) -> std::optional<std::string> { return std::nullopt; },
                          [](bool b) -> std::optional<std::string> { return b ? "1" : "0"; },
                          [](std::int64_t i) -> std::optional<std::string> { return std::to_string(i); },
                          [](double d) -> std::optional<std::string> {
                              return std::isfinite(d) ? std::optional<std::string>(Shortest(d)) : std::nullopt;
                          },
                          [](const ado::Decimal& d) -> std::optional<std::string> { return d.digits; },
                          [](const std::string& s) -> std::optional<std::string> { return s; },
                          [](const ado::Bytes&) -> std::optional<std::string> { return std::nullopt; },
                          [](const ado::DateTime&) -> std::optional<std::string> { return std::nullopt; },
                      },
                      value);
}

std::string Quoted(std::string_view text)
{
    std::string quoted = "'";
    for (char c : text) {
        quoted.push_back(c);
        if (c == '\'')
            quoted.push_back('\'');
    }
    return quoted + "'";
}

}  // namespace

ServerForm ServerForm::Parse(std::string_view typeText)
{
    ServerForm form;
    form.m_typeText = Lower(Trimmed(typeText));
    const std::string& text = form.m_typeText;
    const size_t open = text.find('(');
    std::string base(Trimmed(std::string_view(text).substr(0, open)));
    base = base.substr(0, base.find(" identity"));  // "int identity(1,1)" is an int
    std::vector<std::string> arguments;
    if (open != std::string::npos) {
        std::string_view rest = std::string_view(text).substr(open + 1);
        rest = rest.substr(0, rest.find(')'));
        for (size_t comma; (comma = rest.find(',')) != std::string_view::npos; rest.remove_prefix(comma + 1))
            arguments.emplace_back(Trimmed(rest.substr(0, comma)));
        arguments.emplace_back(Trimmed(rest));
    }
    const auto argument = [&](size_t index, long fallback) {
        if (index >= arguments.size())
            return fallback;
        if (arguments[index] == "max")
            return -1L;
        long n = fallback;
        std::from_chars(arguments[index].data(), arguments[index].data() + arguments[index].size(), n);
        return n;
    };
    const auto integer = [&](long long least, long long most) {
        form.m_kind = Kind::Integer;
        form.m_least = least;
        form.m_most = most;
    };
    const auto sized = [&](Kind kind, bool fixed, long longest) {
        form.m_kind = kind;
        form.m_fixed = fixed;
        form.m_length = argument(0, 1);
        if (form.m_length > longest)
            form.m_length = -1;  // the embedded provider's way of writing (max)
    };
    if (base == "int" || base == "integer")
        integer(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
    else if (base == "smallint")
        integer(-32768, 32767);
    else if (base == "tinyint")
        integer(0, 255);
    else if (base == "bigint")
        integer(std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max());
    else if (base == "bit")
        form.m_kind = Kind::Bit;
    else if (base == "decimal" || base == "numeric") {
        form.m_kind = Kind::Decimal;
        form.m_precision = static_cast<int>(std::clamp(argument(0, 18), 1L, 38L));
        form.m_scale = static_cast<int>(std::clamp(argument(1, 0), 0L, static_cast<long>(form.m_precision)));
    } else if (base == "money" || base == "smallmoney") {
        // Whole numbers of ten-thousandths, 64 or 32 bits wide.
        form.m_kind = Kind::Decimal;
        form.m_precision = base == "money" ? 19 : 10;
        form.m_scale = 4;
        form.m_least = base == "money" ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int32_t>::min();
        form.m_most = base == "money" ? std::numeric_limits<std::int64_t>::max() : std::numeric_limits<std::int32_t>::max();
    } else if (base == "float" || base == "double" || base == "double precision")
        form.m_kind = argument(0, 53) <= 24 ? Kind::Real : Kind::Float;
    else if (base == "real")
        form.m_kind = Kind::Real;
    else if (base == "datetime")
        form.m_kind = Kind::DateTime;
    else if (base == "smalldatetime")
        form.m_kind = Kind::SmallDateTime;
    else if (base == "date")
        form.m_kind = Kind::Date;
    else if (base == "time" || base == "datetime2") {
        form.m_kind = base == "time" ? Kind::Time : Kind::DateTime2;
        form.m_scale = static_cast<int>(std::clamp(argument(0, 7), 0L, 7L));
    } else if (base == "char" || base == "varchar")
        sized(Kind::Text, base == "char", 8000);
    else if (base == "nchar" || base == "nvarchar")
        sized(Kind::UnicodeText, base == "nchar", 4000);
    else if (base == "text")
        form.m_kind = Kind::Text;
    else if (base == "binary" || base == "varbinary")
        sized(Kind::Binary, base == "binary", 8000);
    else if (base == "image" || base == "blob")
        form.m_kind = Kind::Binary;
    else if (base == "uniqueidentifier")
        form.m_kind = Kind::Guid;
    // ntext, and every type the server would not know: unbounded Unicode text.
    return form;
}

ServerForm ServerForm::ForColumn(const ado::FieldInfo& column)
{
    const std::string size = column.definedSize >= 1073741823 ? "max" : std::to_string(column.definedSize);
    const int p = column.precision, s = column.numericScale == 255 ? 0 : column.numericScale;
    switch (column.type) {
    case ado::adInteger:
        return Parse("int");
    case ado::adSmallInt:
        return Parse("smallint");
    case ado::adTinyInt:
    case ado::adUnsignedTinyInt:
        return Parse("tinyint");
    case ado::adBigInt:
        return Parse("bigint");
    case ado::adBoolean:
        return Parse("bit");
    case ado::adDecimal:
    case ado::adNumeric:
    case ado::adVarNumeric:
        return Parse("decimal(" + std::to_string(column.definedSize) + "," + std::to_string(s) + ")");
    case ado::adCurrency:
        return Parse(p == 10 ? "smallmoney" : "money");
    case ado::adDouble:
        return Parse("float");
    case ado::adSingle:
        return Parse("real");
    case ado::adDBTimeStamp:
    case ado::adDBDate:
    case ado::adDBTime:
    case ado::adDate:
        if (p == 23 && s == 3)
            return Parse("datetime");
        if (p == 16 && s == 0)
            return Parse("smalldatetime");
        if (p == 10 && s == 0)
            return Parse("date");
        if ((p == 8 && s == 0) || (s > 0 && p == 9 + s))
            return Parse("time(" + std::to_string(s) + ")");
        return Parse("datetime2(" + std::to_string(s) + ")");
    case ado::adChar:
        return Parse("char(" + size + ")");
    case ado::adWChar:
        return Parse("nchar(" + size + ")");
    case ado::adVarChar:
    case ado::adLongVarChar:
        return Parse("varchar(" + size + ")");
    case ado::adBinary:
        return Parse("binary(" + size + ")");
    case ado::adVarBinary:
    case ado::adLongVarBinary:
        return Parse("varbinary(" + size + ")");
    case ado::adGUID:
        return Parse("uniqueidentifier");
    default:
        return Parse("nvarchar(" + size + ")");
    }
}

std::optional<std::string> ServerForm::Of(const ado::Value& value) const
{
    if (ado::IsNull(value))
        return "NULL";
    switch (m_kind) {
    case Kind::Integer:
    case Kind::Bit:
    case Kind::Decimal:
    case Kind::Float:
    case Kind::Real:
        return NumberForm(value);
    case Kind::DateTime:
    case Kind::SmallDateTime:
    case Kind::Date:
    case Kind::Time:
    case Kind::DateTime2:
        return DateForm(value);
    default:
        return TextForm(value);
    }
}

std::optional<std::string> ServerForm::NumberForm(const ado::Value& value) const
{
    if (m_kind == Kind::Float || m_kind == Kind::Real) {
        const std::optional<double> d = DoubleOf(value);
        if (!d)
            return std::nullopt;
        if (m_kind == Kind::Float)
            return *d != 0 && std::fabs(*d) < DBL_MIN ? std::nullopt : std::optional<std::string>(Shortest(*d));
        const auto f = static_cast<float>(*d);
        if (!std::isfinite(f) || (*d != 0 && std::fabs(f) < FLT_MIN))
            return std::nullopt;
        return Shortest(f);
    }
    if (m_kind == Kind::Bit) {
        if (const auto* s = std::get_if<std::string>(&value)) {
            const std::string word = Lower(Trimmed(*s));
            if (word == "true" || word == "false")
                return word == "true" ? "1" : "0";
        }
        const std::optional<Exact> e = ExactOf(value);
        return e ? std::optional<std::string>(e->digits.empty() ? "0" : "1") : std::nullopt;
    }
    const std::optional<Exact> e = ExactOf(value);
    if (!e)
        return std::nullopt;
    if (m_kind == Kind::Integer) {
        // A fraction is no part of a whole number: 1.5 has no form in int.
        if (e->point < static_cast<long>(e->digits.size()))
            return std::nullopt;
        const std::optional<Rounded> r = Round(*e, 0);
        const std::optional<Int128> n = r ? Whole(r->whole, r->negative) : std::nullopt;
        if (!n || *n < m_least || *n > m_most)
            return std::nullopt;
        return Text(*r);
    }
    const std::optional<Rounded> r = Round(*e, m_scale);
    if (!r)
        return std::nullopt;
    if (m_most != 0) {  // money: its ten-thousandths within 64 or 32 bits
        const std::optional<Int128> n = Whole(r->whole + r->fraction, r->negative);
        if (!n || *n < m_least || *n > m_most)
            return std::nullopt;
    } else if (r->whole != "0" && static_cast<long>(r->whole.size()) > m_precision - m_scale) {
        return std::nullopt;
    }
    return Text(*r);
}

std::optional<std::string> ServerForm::DateForm(const ado::Value& value) const
{
    std::optional<Moment> m = MomentOf(value);
    if (!m)
        return std::nullopt;
    switch (m_kind) {
    case Kind::Date:
        return DatePart(*m);
    case Kind::Time:
        if (!RoundFraction(*m, m_scale))
            return std::nullopt;
        return TimePart(*m, m_scale);
    case Kind::DateTime2:
        if (!RoundFraction(*m, m_scale))
            return std::nullopt;
        return DatePart(*m) + " " + TimePart(*m, m_scale);
    case Kind::DateTime: {
        // Ticks of 1/300 s, shown as milliseconds .000, .003, .007.
        if (m->year < 1753)
            return std::nullopt;
        long ticks = (m->fraction * 300 + Moment::kPerSecond / 2) / Moment::kPerSecond;
        if (ticks == 300) {
            ticks = 0;
            if (!NextSecond(*m))
                return std::nullopt;
        }
        m->fraction = (ticks * 10 + 1) / 3 * 10000;
        return DatePart(*m) + " " + TimePart(*m, 3);
    }
    default: {  // smalldatetime: whole minutes, 29.999 s and more rounded up
        const long milliseconds = m->second * 1000 + (m->fraction + 5000) / 10000;
        Moment held = *m;
        held.second = milliseconds >= 29999 ? 59 : 0;
        held.fraction = 0;
        if (held.second == 59 && !NextSecond(held))
            return std::nullopt;
        if (held.year < 1900 || DatePart(held) > "2079-06-06")
            return std::nullopt;
        return DatePart(held) + " " + TimePart(held, 0);
    }
    }
}

std::optional<std::string> ServerForm::TextForm(const ado::Value& value) const
{
    if (m_kind == Kind::Binary) {
        ado::Bytes bytes;
        if (const auto* b = std::get_if<ado::Bytes>(&value)) {
            bytes = *b;
        } else {
            // Text or a number in a binary column: the bytes of its text.
            const std::optional<std::string> text = PlainText(value);
            if (!text)
                return std::nullopt;
            bytes.assign(text->begin(), text->end());
        }
        if (m_length >= 0 && static_cast<long>(bytes.size()) > m_length)
            return std::nullopt;
        if (m_fixed)
            bytes.resize(static_cast<size_t>(m_length), 0);
        static constexpr char kDigits[] = "0123456789ABCDEF";
        std::string hex = "0x";
        for (unsigned char b : bytes) {
            hex.push_back(kDigits[b >> 4]);
            hex.push_back(kDigits[b & 15]);
        }
        return hex;
    }
    std::optional<std::string> text = PlainText(value);
    if (!text)
        return std::nullopt;
    if (m_kind == Kind::Guid) {
        std::string_view g = Trimmed(*text);
        if (g.size() == 38 && g.front() == '{' && g.back() == '}')
            g = g.substr(1, 36);
        if (g.size() != 36)
            return std::nullopt;
        std::string upper;
        for (size_t i = 0; i < g.size(); ++i) {
            const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
            if (dash ? g[i] != '-' : !std::isxdigit(static_cast<unsigned char>(g[i])))
                return std::nullopt;
            upper.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(g[i]))));
        }
        return upper;
    }
    const bool unicode = m_kind == Kind::UnicodeText;
    const std::optional<long> length = ServerLength(*text, unicode);
    if (!length || (m_length >= 0 && *length > m_length))
        return std::nullopt;
    if (m_fixed)
        text->append(static_cast<size_t>(m_length - *length), ' ');
    return Quoted(*text);
}
