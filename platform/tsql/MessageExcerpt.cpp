#include "MessageExcerpt.h"

#include "Utf8Text.h"

namespace ado::provider {

std::string Excerpt(std::string_view text)
{
    size_t end = 0;
    for (size_t count = 0; end < text.size() && count < kExcerptCharacters; ++count)
        NextCodePoint(text, end);
    return std::string(text.substr(0, end));
}

}  // namespace ado::provider
