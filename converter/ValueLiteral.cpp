#include "ValueLiteral.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

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
    bool special = false;  // a quote or a NUL, which a literal cannot take as they are
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
            if (hasZeroByte(eight) || hasZeroByte(eight ^ (kOnes * '\'')))
                scan.special = true;
            p += 8;
            continue;
        }
        if (*p < 0x80) {
            if (*p == 0 || *p == '\'')
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

}  // namespace

ValueLiteral::ValueLiteral(const ado::Field& field)
    : m_kind(clsUtility::FieldKind(field)), m_binary(IsBinaryType(field.Type()))
{
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
    const std::string_view nul = unicode ? "nchar(0)" : "char(0)";
    size_t at = text.find('\0');
    if (at == std::string_view::npos) {
        out += open;
        AppendQuoted(out, text);
        out += '\'';
        return;
    }
    // A NUL byte inside a literal is not something a script may carry: the pieces around it are
    // joined to char(0).
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
        out += nul;
        start = at + 1;
        at = text.find('\0', start);
    }
}

bool ValueLiteral::Append(std::string& out, const ado::Value& value) const
{
    if (ado::IsNull(value)) {
        out += "null";
        return true;
    }
    switch (m_kind) {
    case clsUtility::eWholeNumber:
    case clsUtility::eOtherBare:
        return AppendNumber(out, value);
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
    if (std::holds_alternative<ado::DateTime>(value)) {
        out += '\'';
        clsUtility::AppendValueText(out, value, false);
        out += '\'';
        return true;
    }
    return AppendOtherForm(out, value);
}

bool ValueLiteral::AppendOther(std::string& out, const ado::Value& value) const
{
    if (const auto* bytes = std::get_if<ado::Bytes>(&value)) {
        AppendBytes(out, *bytes);
        return false;
    }
    bool ownForm = true;
    AppendQuotedForm(out, value, m_kind == clsUtility::eUnicodeText, ownForm);
    return ownForm;
}
