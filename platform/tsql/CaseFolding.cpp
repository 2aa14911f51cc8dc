#include "CaseFolding.h"

#include "Utf8Text.h"

#include <QChar>

namespace ado::provider {

std::string FoldCase(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {
            folded.push_back(static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte | 0x20 : byte));
            ++at;
            continue;
        }
        AppendUtf8(folded, QChar::toCaseFolded(NextCodePoint(text, at)));
    }
    return folded;
}

}  // namespace ado::provider
