#include "TSqlStoredNames.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace ado::provider {

namespace {

bool OneOf(const std::string& word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// Whether name token i stands where a table is named: after FROM, JOIN, INTO, UPDATE, TABLE (an
// owner before it or not), in a FROM list, or as the qualifier of a column.
bool NamesTable(const TSqlTokens& tokens, size_t i)
{
    if (tokens.Is(i + 1, ".") && i + 2 < tokens.Size() && tokens.IsName(i + 2))
        return true;
    size_t before = i;
    if (before >= 2 && tokens.Is(before - 1, "."))
        before -= 2;
    if (before == 0)
        return false;
    const std::string& word = tokens.Lower(before - 1);
    if (OneOf(word, {"from", "join", "into", "update", "table"}))
        return true;
    if (word != ",")
        return false;
    for (size_t k = before - 1; k-- > 0;) {
        if (tokens.Depth(k) != tokens.Depth(before - 1) || tokens.Kind(k) != TokenKind::Word)
            continue;
        const std::string& clause = tokens.Lower(k);
        if (OneOf(clause, {"from", "where", "select", "set", "on", "group", "order", "having", "values", "by"}))
            return clause == "from";
    }
    return false;
}

}  // namespace

void SpellStoredNames(TSqlTokens& tokens, const TSqlCatalogue* catalogue)
{
    if (!catalogue)
        return;
    for (size_t i = 0; i < tokens.Size(); ++i) {
        if ((tokens.Kind(i) != TokenKind::Word && tokens.Kind(i) != TokenKind::QuotedName) || !NamesTable(tokens, i))
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
