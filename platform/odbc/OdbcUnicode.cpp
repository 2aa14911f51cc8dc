#include "OdbcUnicode.h"

#include <QString>

namespace ado::odbc {

namespace {

// Writes the UTF-8 form of c at p; returns where the next character goes.
char* PutCodePoint(char* p, char32_t c)
{
    if (c < 0x80) {
        *p++ = static_cast<char>(c);
    } else if (c < 0x800) {
        *p++ = static_cast<char>(0xC0 | (c >> 6));
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        *p++ = static_cast<char>(0xE0 | (c >> 12));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        *p++ = static_cast<char>(0xF0 | (c >> 18));
        *p++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        *p++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        *p++ = static_cast<char>(0x80 | (c & 0x3F));
    }
    return p;
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

// Hand-written rather than through QString: this runs for every text value of every row.
void Utf16ToUtf8(const char16_t* units, size_t count, std::string& out)
{
    // At most three bytes a unit (a surrogate pair's four bytes come from two units).
    out.resize(count * 3);
    char* const start = out.data();
    char* p = start;
    for (size_t i = 0; i < count; ++i) {
        const char16_t u = units[i];
        if (u < 0x80) {
            *p++ = static_cast<char>(u);
        } else if (IsHighSurrogate(u) && i + 1 < count && IsLowSurrogate(units[i + 1])) {
            p = PutCodePoint(p, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            p = PutCodePoint(p, 0xFFFD);
        } else {
            p = PutCodePoint(p, u);
        }
    }
    out.resize(static_cast<size_t>(p - start));
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU16String();
}

}  // namespace ado::odbc
