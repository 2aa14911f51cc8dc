#pragma once

#include <cstdint>
#include <optional>

namespace ado::provider {

// The place of a Chinese character (the CJK Unified Ideographs and their extension A) in
// pinyin order, as ICU's Chinese collation has it (through QCollator): smaller ranks sort
// first, and no two characters share one. Nothing for any other character.
std::optional<std::uint32_t> PinyinRank(char32_t c);

}  // namespace ado::provider
