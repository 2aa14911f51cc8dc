#include "IdentityColumns.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace tds {

namespace {

struct Word {
    std::string lower;
    std::size_t begin;
};

bool IsWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '@' || c == '#' || c == '$';
}

// One column definition between the table's parentheses: its place and its words at the
// definition's own level (words inside a type's size or a default's parentheses are left out).
struct Definition {
    std::size_t begin = 0, end = 0;
    std::vector<Word> words;
};

// The definitions of "create table name ( ... )"; empty when the text is not that.
std::vector<Definition> Definitions(std::string_view s)
{
    std::vector<Definition> out;
    std::vector<Word> leading;  // the words before the table's "("
    int depth = 0;
    for (std::size_t i = 0; i < s.size();) {
        const char c = s[i];
        if (c == '\'' || c == '"' || c == '[') {
            const char close = c == '[' ? ']' : c;
            const std::size_t end = s.find(close, i + 1);
            if (end == std::string_view::npos)
                return {};
            if (depth == 1 && out.back().words.empty())
                out.back().words.push_back({"", i});  // a quoted column name
            i = end + 1;
        } else if (c == '(') {
            if (++depth == 1) {
                if (leading.size() < 2 || leading[0].lower != "create" || leading[1].lower != "table")
                    return {};
                out.push_back({i + 1, 0, {}});
            }
            ++i;
        } else if (c == ')' || (c == ',' && depth == 1)) {
            if (depth == 1)
                out.back().end = i;
            if (c == ',' && depth == 1)
                out.push_back({i + 1, 0, {}});
            if (c == ')' && --depth == 0)
                return out;
            ++i;
        } else if (IsWordChar(c)) {
            std::size_t end = i;
            while (end < s.size() && IsWordChar(s[end]))
                ++end;
            std::string lower(s.substr(i, end - i));
            std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char ch) { return std::tolower(ch); });
            if (depth == 0)
                leading.push_back({lower, i});
            else if (depth == 1)
                out.back().words.push_back({lower, i});
            i = end;
        } else {
            ++i;
        }
    }
    return {};
}

bool Has(const std::vector<Word>& words, std::string_view first, std::string_view second = {})
{
    for (std::size_t i = 0; i < words.size(); ++i)
        if (words[i].lower == first && (second.empty() || (i + 1 < words.size() && words[i + 1].lower == second)))
            return true;
    return false;
}

}  // namespace

std::string RewriteIdentityColumns(std::string_view sql)
{
    std::string out(sql);
    const std::vector<Definition> definitions = Definitions(sql);
    // From the last, so earlier places stay valid.
    for (auto d = definitions.rbegin(); d != definitions.rend(); ++d) {
        if (d->words.size() < 2 || !Has(d->words, "identity") || !Has(d->words, "primary", "key"))
            continue;
        const std::size_t nameBegin = d->words[0].begin;
        const std::size_t typeBegin = d->words[1].begin;
        std::string name(sql.substr(nameBegin, typeBegin - nameBegin));
        while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back())))
            name.pop_back();
        out.replace(nameBegin, d->end - nameBegin, name + " integer primary key autoincrement");
    }
    return out;
}

}  // namespace tds
