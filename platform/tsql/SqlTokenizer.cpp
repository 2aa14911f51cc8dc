#include "SqlTokenizer.h"

#include "CaseFolding.h"

#include <algorithm>

namespace ado::provider {

namespace {

// The character classes of SQL text are ASCII's whatever the process's locale; tested by hand,
// as the tokenizer is on the path of every statement.
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
unsigned char ToLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c | 0x20) : c; }

bool IsWordChar(unsigned char c)
{
    const unsigned char lower = ToLower(c);
    return (lower >= 'a' && lower <= 'z') || IsDigit(c) || c == '_' || c == '@' || c == '#' || c == '$' || c >= 0x80;
}

bool IsHex(unsigned char c)
{
    const unsigned char lower = ToLower(c);
    return IsDigit(c) || (lower >= 'a' && lower <= 'f');
}

// End of a quoted run opened at `begin` with `close` as its closing character; a doubled
// closing character stands for itself. Returns npos when the text ends first.
size_t QuotedEnd(std::string_view text, size_t begin, char close)
{
    size_t i = begin + 1;
    while (i < text.size()) {
        if (text[i] == close) {
            if (i + 1 < text.size() && text[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return std::string_view::npos;
}

}  // namespace

std::string Lower(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    const bool ascii = std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return ToLower(static_cast<unsigned char>(x)) == ToLower(static_cast<unsigned char>(y));
    });
    if (ascii)
        return true;
    const auto beyondAscii = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
    return (std::any_of(a.begin(), a.end(), beyondAscii) || std::any_of(b.begin(), b.end(), beyondAscii)) &&
           FoldCase(a) == FoldCase(b);
}

std::string LastNamePart(std::string_view name)
{
    std::string part;
    char close = 0;
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (close) {
            if (c != close)
                part += c;
            else if (i + 1 < name.size() && name[i + 1] == close)
                part += name[++i];
            else
                close = 0;
        } else if (c == '[') {
            close = ']';
        } else if (c == '"') {
            close = '"';
        } else if (c == '.') {
            part.clear();
        } else {
            part += c;
        }
    }
    return part;
}

std::vector<Token> TokenizeSql(std::string_view text)
{
    std::vector<Token> tokens;
    size_t i = 0;
    const size_t n = text.size();
    tokens.reserve(std::min<size_t>(n / 4 + 4, 1 << 16));  // about one token in four characters of SQL
    auto push = [&](TokenKind kind, size_t begin, size_t end, bool closed = true) {
        tokens.push_back(Token{kind, begin, end, closed});
        i = end;
    };
    auto quoted = [&](TokenKind kind, size_t begin, size_t open, char close) {
        const size_t end = QuotedEnd(text, open, close);
        if (end == std::string_view::npos)
            push(kind, begin, n, false);
        else
            push(kind, begin, end);
    };
    while (i < n) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const unsigned char next = i + 1 < n ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (IsSpace(c)) {
            size_t j = i;
            while (j < n && IsSpace(static_cast<unsigned char>(text[j])))
                ++j;
            push(TokenKind::Blank, i, j);
        } else if (c == '-' && next == '-') {
            const size_t j = text.find('\n', i);
            push(TokenKind::Comment, i, j == std::string_view::npos ? n : j);
        } else if (c == '/' && next == '*') {
            int depth = 0;
            size_t j = i;
            while (j < n) {
                if (text.compare(j, 2, "/*") == 0) {
                    ++depth;
                    j += 2;
                } else if (text.compare(j, 2, "*/") == 0) {
                    j += 2;
                    if (--depth == 0)
                        break;
                } else {
                    ++j;
                }
            }
            push(TokenKind::Comment, i, j, depth == 0);
        } else if (c == '\'') {
            quoted(TokenKind::String, i, i, '\'');
        } else if ((c == 'N' || c == 'n') && next == '\'') {
            quoted(TokenKind::NString, i, i + 1, '\'');
        } else if (c == '[') {
            quoted(TokenKind::QuotedName, i, i, ']');
        } else if (c == '"' || c == '`') {
            quoted(TokenKind::QuotedName, i, i, static_cast<char>(c));
        } else if (c == '0' && (next == 'x' || next == 'X')) {
            size_t j = i + 2;
            while (j < n && IsHex(static_cast<unsigned char>(text[j])))
                ++j;
            push(TokenKind::Binary, i, j);
        } else if (IsDigit(c) || (c == '.' && IsDigit(next))) {
            size_t j = i;
            while (j < n && (IsDigit(static_cast<unsigned char>(text[j])) || text[j] == '.'))
                ++j;
            if (j < n && (text[j] == 'e' || text[j] == 'E')) {
                size_t k = j + 1;
                if (k < n && (text[k] == '+' || text[k] == '-'))
                    ++k;
                if (k < n && IsDigit(static_cast<unsigned char>(text[k]))) {
                    j = k;
                    while (j < n && IsDigit(static_cast<unsigned char>(text[j])))
                        ++j;
                }
            }
            push(TokenKind::Number, i, j);
        } else if (IsWordChar(c)) {
            size_t j = i;
            while (j < n && IsWordChar(static_cast<unsigned char>(text[j])))
                ++j;
            push(TokenKind::Word, i, j);
        } else {
            static constexpr std::string_view kPairs[] = {"<>", "!=", "<=", ">=", "||", "!<", "!>", "=="};
            // Every pair ends in one of these; the common single marks (",", "(", ")") need no search.
            const bool pair = (next == '=' || next == '>' || next == '<' || next == '|') &&
                              std::find(std::begin(kPairs), std::end(kPairs), text.substr(i, 2)) != std::end(kPairs);
            push(TokenKind::Punct, i, i + (pair ? 2 : 1));
        }
    }
    return tokens;
}

std::string NameOf(std::string_view text, const Token& token)
{
    const std::string_view raw = TokenText(text, token);
    if (token.kind != TokenKind::QuotedName || raw.empty())
        return std::string(raw);
    const char close = raw.front() == '[' ? ']' : raw.front();
    std::string name;
    const size_t last = token.closed ? raw.size() - 1 : raw.size();
    for (size_t i = 1; i < last; ++i) {
        name.push_back(raw[i]);
        if (raw[i] == close && i + 1 < last && raw[i + 1] == close)
            ++i;
    }
    return name;
}

std::string StringContent(std::string_view text, const Token& token)
{
    std::string_view raw = TokenText(text, token);
    if (token.kind == TokenKind::NString)
        raw.remove_prefix(1);
    std::string content;
    const size_t last = token.closed ? raw.size() - 1 : raw.size();
    for (size_t i = 1; i < last; ++i) {
        content.push_back(raw[i]);
        if (raw[i] == '\'' && i + 1 < last && raw[i + 1] == '\'')
            ++i;
    }
    return content;
}

}  // namespace ado::provider
