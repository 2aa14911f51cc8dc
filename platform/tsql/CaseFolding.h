#pragma once

#include <string>
#include <string_view>

namespace ado::provider {

// UTF-8 text with every character case folded (Unicode simple case folding, as the text
// collation ignores case): the key under which names are looked up, so that "ÉTÉ" finds "Été"
// as "ITEM" finds "Item".
std::string FoldCase(std::string_view text);

}  // namespace ado::provider
