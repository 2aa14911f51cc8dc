#include "TSqlTextColumns.h"

#include "TextCollation.h"

#include <algorithm>
#include <string>

namespace ado::provider {

namespace {

bool IsTextType(std::string_view lower)
{
    static constexpr std::string_view kTypes[] = {"char", "varchar", "nchar", "nvarchar", "text", "ntext", "sysname"};
    return std::find(std::begin(kTypes), std::end(kTypes), lower) != std::end(kTypes);
}

// One column definition, tokens first..end - 1: "name type[(size)] ...".
void CollateColumn(TSqlTokens& tokens, size_t first, size_t end)
{
    if (end < first + 2 || !tokens.IsName(first) || !IsTextType(tokens.Lower(first + 1)))
        return;
    for (size_t i = first + 2; i < end; ++i)
        if (tokens.Is(i, "collate"))
            return;
    size_t type = first + 1;
    if (tokens.Is(type + 1, "(") && tokens.Match(type + 1) != TSqlTokens::npos && tokens.Match(type + 1) < end)
        type = tokens.Match(type + 1);
    tokens.InsertAfter(type, std::string(" COLLATE ") + kTextCollation);
}

// The column definitions between first and last (inclusive), split at the commas of their level.
void CollateColumns(TSqlTokens& tokens, size_t first, size_t last)
{
    const int depth = tokens.Depth(first);
    size_t item = first;
    for (size_t i = first; i <= last + 1; ++i)
        if (i == last + 1 || (tokens.Is(i, ",") && tokens.Depth(i) == depth)) {
            CollateColumn(tokens, item, i);
            item = i + 1;
        }
}

}  // namespace

void CollateTextColumns(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements)
{
    for (const TSqlStatement& s : statements) {
        if (!tokens.Is(s.first + 1, "table"))
            continue;
        if (s.word == "create") {
            size_t open = s.first + 2;
            while (open < s.last && !tokens.Is(open, "("))
                ++open;
            // A statement that ends before its column list has nothing to collate.
            if (!tokens.Is(open, "("))
                continue;
            const size_t close = tokens.Match(open);
            if (close != TSqlTokens::npos && close > open + 1)
                CollateColumns(tokens, open + 1, close - 1);
        } else if (s.word == "alter") {
            for (size_t i = s.first + 2; i < s.last; ++i)
                if (tokens.Is(i, "add") && tokens.Depth(i) == tokens.Depth(s.first)) {
                    CollateColumns(tokens, tokens.Is(i + 1, "column") ? i + 2 : i + 1, s.last);
                    break;
                }
        }
    }
}

}  // namespace ado::provider
