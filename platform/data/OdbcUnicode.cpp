#include "OdbcUnicode.h"

#include <QString>

namespace ado::odbc {

namespace {

void AppendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

// Hand-written rather than through QString: this runs for every text value of every row.
void Utf16ToUtf8(const char16_t* units, size_t count, std::string& out)
{
    out.clear();
    out.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const char16_t u = units[i];
        if (u < 0x80) {
            out.push_back(static_cast<char>(u));
        } else if (IsHighSurrogate(u) && i + 1 < count && IsLowSurrogate(units[i + 1])) {
            AppendCodePoint(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            AppendCodePoint(out, 0xFFFD);
        } else {
            AppendCodePoint(out, u);
        }
    }
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU16String();
}

}  // namespace ado::odbc
