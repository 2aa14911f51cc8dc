#pragma once

#include <optional>
#include <string_view>

namespace ado::provider {

// SQL Server's LIKE: "%" any run of characters, "_" one character, "[abc]", "[a-f]" and "[^a]"
// one character of (or not of) a set, an optional escape character that makes the next one
// plain. Characters compare as the text collation has them (letter case ignored), and trailing
// blanks of the value do not count.
bool MatchLike(std::string_view value, std::string_view pattern, std::optional<char32_t> escape = std::nullopt);

}  // namespace ado::provider
