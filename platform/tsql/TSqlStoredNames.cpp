#include "TSqlStoredNames.h"

#include <algorithm>
#include <string>

namespace ado::provider {

void SpellStoredNames(TSqlTokens& tokens, const TSqlCatalogue* catalogue)
{
    if (!catalogue)
        return;
    for (size_t i = 0; i < tokens.Size(); ++i) {
        if (tokens.Kind(i) != TokenKind::Word && tokens.Kind(i) != TokenKind::QuotedName)
            continue;
        const std::string_view text = tokens.Text(i);
        if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            continue;
        const std::optional<std::string> stored = catalogue->StoredName(NameOf(tokens.Source(), tokens.At(i)));
        if (!stored)
            continue;
        std::string quoted = "\"";
        for (const char c : *stored)
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        tokens.Replace(i, quoted + "\"");
    }
}

}  // namespace ado::provider
