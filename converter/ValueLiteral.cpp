#include "ValueLiteral.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Longer texts joined with "+" would be cut to the server's longest plain string; starting the
// expression with a (max) string keeps every character.
constexpr size_t kLongestPlainText = 4000;
// The server's numeric literals hold at most this many digits.
constexpr size_t kMaxDigits = 38;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

bool IsBinaryType(ado::DataTypeEnum type)
{
    return type == ado::adBinary || type == ado::adVarBinary || type == ado::adLongVarBinary;
}

// What a text holds that decides how it is written.
struct TextScan {
    bool utf8 = true;      // well-formed UTF-8 without surrogates or overlong forms
    bool special = false;  // a quote, a NUL, a line feed or a "$", which a literal cannot always take as they are
};

// One pass over the text; eight characters at a time while they are ASCII.
TextScan Scan(std::string_view text)
{
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
    const auto hasZeroByte = [](std::uint64_t v) { return ((v - kOnes) & ~v & kHighs) != 0; };
    TextScan scan;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        std::uint64_t eight;
        if (end - p >= 8 && (std::memcpy(&eight, p, 8), (eight & kHighs) == 0)) {
            if (hasZeroByte(eight) || hasZeroByte(eight ^ (kOnes * '\'')) || hasZeroByte(eight ^ (kOnes * '\n')) ||
                hasZeroByte(eight ^ (kOnes * '$')))
                scan.special = true;
            p += 8;
            continue;
        }
        if (*p < 0x80) {
            if (*p == 0 || *p == '\'' || *p == '\n' || *p == '$')
                scan.special = true;
            ++p;
            continue;
        }
        // Three bytes, as most characters beyond ASCII take (CJK among them): U+0800 on, no
        // surrogate.
        if ((*p & 0xF0) == 0xE0 && end - p >= 3 && (p[1] & 0xC0) == 0x80 && (p[2] & 0xC0) == 0x80 &&
            (*p != 0xE0 || p[1] >= 0xA0) && (*p != 0xED || p[1] < 0xA0)) {
            p += 3;
            continue;
        }
        size_t length;
        std::uint32_t code;
        if ((*p & 0xE0) == 0xC0) {
            length = 2;
            code = *p & 0x1F;
        } else if ((*p & 0xF0) == 0xE0) {
            length = 3;
            code = *p & 0x0F;
        } else if ((*p & 0xF8) == 0xF0) {
            length = 4;
            code = *p & 0x07;
        } else {
            scan.utf8 = false;
            return scan;
        }
        if (static_cast<size_t>(end - p) < length) {
            scan.utf8 = false;
            return scan;
        }
        for (size_t i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80) {
                scan.utf8 = false;
                return scan;
            }
            code = code << 6 | (p[i] & 0x3F);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            scan.utf8 = false;
            return scan;
        }
        p += length;
    }
    return scan;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A line break the server or its tools would take as more than one: after a backslash the
// server joins the lines (and drops both), a tool splits the script at a line that is only GO
// (or GO and a count), and sqlcmd runs a line that starts with ":" or "!!" as its own command.
bool HasCommandLineBreak(std::string_view text)
{
    for (size_t at = text.find('\n'); at != std::string_view::npos; at = text.find('\n', at + 1)) {
        if ((at > 0 && text[at - 1] == '\\') || (at > 1 && text[at - 1] == '\r' && text[at - 2] == '\\'))
            return true;
        const size_t end = text.find('\n', at + 1);
        std::string_view line = text.substr(at + 1, end == std::string_view::npos ? end : end - at - 1);
        while (!line.empty() && IsBlank(line.front()))
            line.remove_prefix(1);
        while (!line.empty() && IsBlank(line.back()))
            line.remove_suffix(1);
        if (line.starts_with(':') || line.starts_with("!!"))
            return true;
        if (line.size() >= 2 && (line[0] | 0x20) == 'g' && (line[1] | 0x20) == 'o') {
            line.remove_prefix(2);
            while (!line.empty() && IsBlank(line.front()))
                line.remove_prefix(1);
            if (line.find_first_not_of("0123456789") == std::string_view::npos)
                return true;
        }
    }
    return false;
}

void AppendQuoted(std::string& out, std::string_view text)
{
    const char* p = text.data();
    const char* end = p + text.size();
    while (const char* quote = static_cast<const char*>(std::memchr(p, '\'', static_cast<size_t>(end - p)))) {
        out.append(p, static_cast<size_t>(quote + 1 - p));
        out.push_back('\'');
        p = quote + 1;
    }
    out.append(p, static_cast<size_t>(end - p));
}

void AppendHex(std::string& out, const unsigned char* data, size_t size)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const size_t start = out.size();
    out.resize(start + 2 + size * 2);
    char* p = out.data() + start;
    *p++ = '0';
    *p++ = 'x';
    for (size_t i = 0; i < size; ++i) {
        *p++ = kDigits[data[i] >> 4];
        *p++ = kDigits[data[i] & 15];
    }
}

void AppendBytes(std::string& out, const ado::Bytes& bytes) { AppendHex(out, bytes.data(), bytes.size()); }

// A text that cannot stand in a UTF-8 script as it is goes as its bytes.
void AppendTextOrBytes(std::string& out, std::string_view text, bool unicode, bool& ownForm)
{
    const TextScan scan = Scan(text);
    if (scan.utf8 && !scan.special) {
        // Most texts: the quotes around them and nothing else.
        out += unicode ? std::string_view("N'") : std::string_view("'");
        out += text;
        out += '\'';
        return;
    }
    if (scan.utf8) {
        ValueLiteral::AppendText(out, text, unicode);
        return;
    }
    AppendHex(out, reinterpret_cast<const unsigned char*>(text.data()), text.size());
    ownForm = false;
}

// The value's text form quoted: what a date, bytes or a number that has no literal keep.
void AppendQuotedForm(std::string& out, const ado::Value& value, bool unicode, bool& ownForm)
{
    if (const auto* text = std::get_if<std::string>(&value)) {
        AppendTextOrBytes(out, *text, unicode, ownForm);
        return;
    }
    std::string text;
    clsUtility::AppendValueText(text, value, false);
    ValueLiteral::AppendText(out, text, unicode);
}

// A value that has no form of its column's type: bytes as 0x, anything else quoted. Always false.
bool AppendOtherForm(std::string& out, const ado::Value& value)
{
    if (const auto* bytes = std::get_if<ado::Bytes>(&value)) {
        AppendBytes(out, *bytes);
        return false;
    }
    bool ownForm = false;
    AppendQuotedForm(out, value, false, ownForm);
    return false;
}

bool HasNonZeroDigit(std::string_view literal)
{
    for (char c : literal) {
        if (c == 'e' || c == 'E')
            return false;
        if (c >= '1' && c <= '9')
            return true;
    }
    return false;
}

bool EqualsNoCase(std::string_view text, std::string_view lower)
{
    if (text.size() != lower.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if ((text[i] | 0x20) != lower[i])
            return false;
    return true;
}

// The size of a sized character or binary column (not of its long and (max) kinds); 0 for any
// other column.
long SizedLength(const ado::Field& field)
{
    switch (field.Type()) {
    case ado::adChar:
    case ado::adVarChar:
    case ado::adBinary:
    case ado::adVarBinary:
        return field.DefinedSize() <= 8000 ? field.DefinedSize() : 0;
    case ado::adWChar:
    case ado::adVarWChar:
        return field.DefinedSize() <= 4000 ? field.DefinedSize() : 0;
    default:
        return 0;
    }
}

// The values a whole-number type holds.
struct Range {
    std::int64_t least, most;
    bool Holds(std::int64_t n) const { return n >= least && n <= most; }
    // Within the range (a double's rounding at the ends of bigint's aside).
    bool Holds(double d) const { return d >= static_cast<double>(least) && d <= static_cast<double>(most); }
};

Range WholeNumberRange(ado::DataTypeEnum type)
{
    switch (type) {
    case ado::adUnsignedTinyInt:
        return {0, 255};
    case ado::adTinyInt:
        return {-128, 127};
    case ado::adSmallInt:
        return {-32768, 32767};
    case ado::adInteger:
        return {INT32_MIN, INT32_MAX};
    default:
        return {INT64_MIN, INT64_MAX};
    }
}

// A loop of its own: find_first_of looks each character up in the set with memchr, which
// costs more than the whole literal is long.
bool HasExponent(std::string_view literal)
{
    for (const char c : literal)
        if ((c | 0x20) == 'e')
            return true;
    return false;
}

bool IsHex(char c) { return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f'); }

// The forms the server reads as a uniqueidentifier: 8-4-4-4-12 hexadecimal digits, in braces or not.
bool IsGuid(std::string_view text)
{
    if (text.size() == 38 && text.front() == '{' && text.back() == '}')
        text = text.substr(1, 36);
    if (text.size() != 36)
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (i == 8 || i == 13 || i == 18 || i == 23 ? text[i] != '-' : !IsHex(text[i]))
            return false;
    return true;
}

}  // namespace

ValueLiteral::ValueLiteral(const ado::Field& field)
    : m_kind(clsUtility::FieldKind(field)),
      m_type(field.Type()),
      m_binary(IsBinaryType(field.Type())),
      m_size(SizedLength(field)),
      m_scale(field.NumericScale()),
      m_integerDigits(0),
      m_date(field)
{
    switch (m_type) {
    case ado::adDecimal:
    case ado::adNumeric:
    case ado::adVarNumeric:
        m_integerDigits = static_cast<int>(field.DefinedSize()) - m_scale;
        break;
    case ado::adCurrency:  // money's 19 digits (smallmoney's 10), 4 of them decimals
        m_scale = 4;
        m_integerDigits = field.Precision() == 10 ? 6 : 15;
        break;
    default:
        break;
    }
}

bool ValueLiteral::Holds(std::string_view literal) const
{
    if (m_type == ado::adDouble)
        return true;
    if (HasExponent(literal)) {
        double number = 0;
        std::from_chars(literal.data(), literal.data() + literal.size(), number);
        switch (m_type) {
        case ado::adSingle:
            return std::fabs(number) <= std::numeric_limits<float>::max();
        default:
            if (m_integerDigits > 0)
                return std::fabs(number) < std::pow(10.0, m_integerDigits);
            return number == std::trunc(number) && WholeNumberRange(m_type).Holds(number);
        }
    }
    if (m_type == ado::adSingle)
        return true;  // a literal of 38 digits at most is far inside a real's range
    const bool negative = !literal.empty() && literal.front() == '-';
    std::string_view digits = literal.substr(negative ? 1 : 0);
    const size_t point = digits.find('.');
    std::string_view whole = digits.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : digits.substr(point + 1);
    while (whole.size() > 1 && whole.front() == '0')
        whole.remove_prefix(1);
    const size_t kept = m_integerDigits > 0 ? static_cast<size_t>(m_scale) : 0;
    if (fraction.size() > kept && fraction.substr(kept).find_first_not_of('0') != std::string_view::npos)
        return false;  // digits the type would round away
    if (m_type == ado::adCurrency) {
        // Ten-thousandths in a 64-bit integer (smallmoney: in a 32-bit one).
        std::string units(whole);
        units.append(fraction.substr(0, std::min<size_t>(fraction.size(), 4)));
        units.append(4 - std::min<size_t>(fraction.size(), 4), '0');
        std::uint64_t magnitude = 0;
        const auto [end, ec] = std::from_chars(units.data(), units.data() + units.size(), magnitude);
        const std::uint64_t most = m_integerDigits == 6 ? 2147483647ULL : 9223372036854775807ULL;
        return ec == std::errc() && end == units.data() + units.size() && magnitude <= most + (negative ? 1 : 0);
    }
    if (m_integerDigits > 0)
        return whole == "0" || whole.size() <= static_cast<size_t>(m_integerDigits);
    std::uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), magnitude);
    if (ec != std::errc() || end != whole.data() + whole.size())
        return false;
    const Range range = WholeNumberRange(m_type);
    return negative ? magnitude <= 0 - static_cast<std::uint64_t>(range.least)
                    : magnitude <= static_cast<std::uint64_t>(range.most);
}

bool ValueLiteral::HoldsText(std::string_view text) const
{
    if (m_type == ado::adGUID)
        return IsGuid(text);
    // No character takes more bytes in a column than in UTF-8: a text no longer than the size
    // in bytes fits.
    if (m_size == 0 || text.size() <= static_cast<size_t>(m_size))
        return true;
    // Characters as the column counts them: UTF-16 units in a Unicode column, bytes of a
    // double-byte code page (one for ASCII, two for the rest) in any other.
    const bool unicode = m_kind == clsUtility::eUnicodeText;
    long length = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80)
            continue;
        length += c < 0x80 ? 1 : (c >= 0xF0 || !unicode ? 2 : 1);
    }
    return length <= m_size;
}

bool ValueLiteral::IsNumericLiteral(std::string_view text)
{
    size_t i = 0;
    const auto digits = [&] {
        const size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - start;
    };
    if (i < text.size() && text[i] == '-')
        ++i;
    size_t count = digits();
    if (count == 0)
        return false;
    if (i < text.size() && text[i] == '.') {
        ++i;
        count += digits();
    }
    if (i == text.size())
        return count <= kMaxDigits;
    if (text[i] != 'e' && text[i] != 'E')
        return false;
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    if (digits() == 0 || i != text.size())
        return false;
    // An exponent literal is a float: one the server cannot hold would fail the whole script.
    double number = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), number);
    return result.ec == std::errc() && std::isfinite(number);
}

void ValueLiteral::AppendText(std::string& out, std::string_view text, bool unicode)
{
    const std::string_view open = unicode ? "N'" : "'";
    // A NUL byte is not something a script may carry, nor a line break that means more than
    // one, nor "$(", where sqlcmd puts a scripting variable's value: the pieces around them are
    // joined to char(0), char(13), char(10) and char(40).
    std::string split(1, '\0');
    if (HasCommandLineBreak(text))
        split += "\r\n";
    if (text.find("$(") != std::string_view::npos)
        split += '(';
    size_t at = text.find_first_of(split);
    if (at == std::string_view::npos) {
        out += open;
        AppendQuoted(out, text);
        out += '\'';
        return;
    }
    bool first = true;
    const auto join = [&] {
        if (!first)
            out += '+';
        first = false;
    };
    if (text.size() > kLongestPlainText) {
        join();
        out += unicode ? "cast(N'' as nvarchar(max))" : "cast('' as varchar(max))";
    }
    size_t start = 0;
    while (true) {
        const std::string_view piece = text.substr(start, at == std::string_view::npos ? at : at - start);
        if (!piece.empty()) {
            join();
            out += open;
            AppendQuoted(out, piece);
            out += '\'';
        }
        if (at == std::string_view::npos)
            return;
        join();
        out += unicode ? "nchar(" : "char(";
        out += std::to_string(static_cast<int>(text[at]));
        out += ')';
        start = at + 1;
        at = text.find_first_of(split, start);
    }
}

bool ValueLiteral::Append(std::string& out, const ado::Value& value) const
{
    if (ado::IsNull(value)) {
        out += "null";
        return true;
    }
    if (m_binary)
        return AppendBinary(out, value);
    switch (m_kind) {
    case clsUtility::eWholeNumber:
    case clsUtility::eOtherBare: {
        const size_t start = out.size();
        if (!AppendNumber(out, value))
            return false;
        if (const auto* whole = std::get_if<std::int64_t>(&value); whole && m_integerDigits == 0 && m_type != ado::adSingle)
            return m_type == ado::adDouble || WholeNumberRange(m_type).Holds(*whole);
        const std::string_view literal(out.data() + start, out.size() - start);
        if (Holds(literal))
            return true;
        // A whole-number column would drop a fraction without a word: quoted, the server
        // refuses the value instead.
        if (m_kind == clsUtility::eWholeNumber && literal.find_first_of(".eE") != std::string_view::npos) {
            const std::string number(literal);
            out.resize(start);
            AppendText(out, number, false);
        }
        return false;
    }
    case clsUtility::eBoolean:
        return AppendBoolean(out, value);
    case clsUtility::eDate:
        return AppendDate(out, value);
    default:
        return AppendOther(out, value);
    }
}

bool ValueLiteral::AppendNumber(std::string& out, const ado::Value& value) const
{
    bool ownForm = true;
    std::visit(Overloaded{
                   [&](const ado::Null&) { out += "null"; },
                   [&](bool b) { out += b ? '1' : '0'; },
                   [&](std::int64_t i) {
                       char digits[24];
                       out.append(digits, static_cast<size_t>(std::to_chars(digits, digits + sizeof digits, i).ptr - digits));
                   },
                   [&](double d) {
                       if (std::isfinite(d)) {
                           clsUtility::AppendValueText(out, d, false);
                       } else {
                           AppendQuotedForm(out, d, false, ownForm);
                           ownForm = false;
                       }
                   },
                   [&](const ado::Decimal& d) {
                       if (IsNumericLiteral(d.digits)) {
                           out += d.digits;
                       } else {
                           AppendTextOrBytes(out, d.digits, false, ownForm);
                           ownForm = false;
                       }
                   },
                   [&](const std::string& s) {
                       if (IsNumericLiteral(s)) {
                           out += s;
                       } else {
                           AppendTextOrBytes(out, s, false, ownForm);
                           ownForm = false;
                       }
                   },
                   [&](const ado::Bytes& b) {
                       AppendBytes(out, b);
                       ownForm = m_binary;
                   },
                   [&](const ado::DateTime&) {
                       AppendQuotedForm(out, value, false, ownForm);
                       ownForm = false;
                   },
               },
               value);
    return ownForm;
}

bool ValueLiteral::AppendBoolean(std::string& out, const ado::Value& value) const
{
    // The bit a value stands for, when it stands for one.
    const auto bit = [](const ado::Value& v) -> int {
        if (const auto* b = std::get_if<bool>(&v))
            return *b;
        if (const auto* i = std::get_if<std::int64_t>(&v))
            return *i != 0;
        if (const auto* d = std::get_if<double>(&v))
            return std::isnan(*d) ? -1 : *d != 0;
        const std::string* text = nullptr;
        if (const auto* decimal = std::get_if<ado::Decimal>(&v))
            text = &decimal->digits;
        else
            text = std::get_if<std::string>(&v);
        if (!text)
            return -1;
        if (EqualsNoCase(*text, "true"))
            return 1;
        if (EqualsNoCase(*text, "false"))
            return 0;
        return IsNumericLiteral(*text) ? HasNonZeroDigit(*text) : -1;
    }(value);
    if (bit >= 0) {
        out += bit ? '1' : '0';
        return true;
    }
    return AppendOtherForm(out, value);
}

bool ValueLiteral::AppendDate(std::string& out, const ado::Value& value) const
{
    if (const auto* date = std::get_if<ado::DateTime>(&value))
        return m_date.Append(out, *date);
    return AppendOtherForm(out, value);
}

bool ValueLiteral::AppendBinary(std::string& out, const ado::Value& value) const
{
    // The server takes no text for a binary column: a text goes as its bytes, anything else
    // as the bytes of its text form.
    const auto fits = [&](size_t bytes) { return m_size == 0 || bytes <= static_cast<size_t>(m_size); };
    if (const auto* bytes = std::get_if<ado::Bytes>(&value)) {
        AppendBytes(out, *bytes);
        return fits(bytes->size());
    }
    if (const auto* text = std::get_if<std::string>(&value)) {
        AppendHex(out, reinterpret_cast<const unsigned char*>(text->data()), text->size());
        return fits(text->size());
    }
    std::string text;
    clsUtility::AppendValueText(text, value, false);
    AppendHex(out, reinterpret_cast<const unsigned char*>(text.data()), text.size());
    return false;
}

bool ValueLiteral::AppendOther(std::string& out, const ado::Value& value) const
{
    if (const auto* bytes = std::get_if<ado::Bytes>(&value)) {
        AppendBytes(out, *bytes);
        return false;
    }
    bool ownForm = true;
    AppendQuotedForm(out, value, m_kind == clsUtility::eUnicodeText, ownForm);
    if (const auto* text = std::get_if<std::string>(&value); ownForm && text && (m_size > 0 || m_type == ado::adGUID))
        return HoldsText(*text);
    return ownForm;
}
