#pragma once

#include <string>
#include <string_view>

namespace tds {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);
// UTF-16LE bytes as they arrive in a packet (an odd last byte is dropped).
std::u16string Utf16FromBytes(const unsigned char* data, std::size_t size);

// Text in the code page of the server's collation (CP936, as the Chinese collation implies).
// Characters the code page lacks become "?", as a server's conversion does.
std::string Utf8ToServerCodePage(std::string_view text);

}  // namespace tds
