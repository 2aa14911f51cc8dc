#pragma once

#include <string>
#include <string_view>

namespace ado::provider {

// The most of an outside text (a script's rest, a value, a name) that an error message quotes:
// SQL Server's messages quote names and values of up to 128 characters, and a script of any
// size must not make a message of that size.
inline constexpr size_t kExcerptCharacters = 128;

// The text's first kExcerptCharacters characters (UTF-8, never cut inside a character).
std::string Excerpt(std::string_view text);

}  // namespace ado::provider
