#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Text conversions at the ODBC boundary, where the wide functions speak UTF-16.
namespace ado::odbc {

// Replaces out with the UTF-8 form of the UTF-16 units; a lone surrogate becomes U+FFFD.
void Utf16ToUtf8(const char16_t* units, size_t count, std::string& out);

std::u16string Utf8ToUtf16(std::string_view text);

}  // namespace ado::odbc
