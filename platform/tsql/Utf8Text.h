#pragma once

#include <string>
#include <string_view>

namespace ado::provider {

// Code points of UTF-8 text. A byte that starts no valid sequence stands for itself as
// U+DC80 + byte (as in Python's surrogate escape), so any text survives a round trip.
std::u32string DecodeUtf8(std::string_view text);
// The code point at text[at]; at moves past it.
char32_t NextCodePoint(std::string_view text, size_t& at);
void AppendUtf8(std::string& out, char32_t c);
std::string EncodeUtf8(std::u32string_view text);

}  // namespace ado::provider
