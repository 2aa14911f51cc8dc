#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ado::provider {

enum class TokenKind {
    Blank,       // white space
    Comment,     // -- to the line end, or /* ... */ (nested as SQL Server nests them)
    String,      // '...' with '' for a quote
    NString,     // N'...'
    QuotedName,  // [...] "..." `...`
    Word,        // keywords and plain names (letters, digits, _ @ # $, any non-ASCII byte)
    Number,
    Binary,      // 0x followed by hex digits
    Punct,       // operators and punctuation; "<>", "!=", "<=", ">=", "||" as one token
};

struct Token {
    TokenKind kind;
    std::size_t begin;
    std::size_t end;
    bool closed = true;  // false for a string, quoted name or comment that runs off the text

    bool Significant() const { return kind != TokenKind::Blank && kind != TokenKind::Comment; }
};

// Splits SQL text into tokens. Never fails: an unterminated string, quoted name or comment
// becomes the last token, marked not closed.
std::vector<Token> TokenizeSql(std::string_view text);

inline std::string_view TokenText(std::string_view text, const Token& token)
{
    return text.substr(token.begin, token.end - token.begin);
}

// The name a Word or QuotedName token stands for: brackets and quotes removed, doubled
// closing quotes made single.
std::string NameOf(std::string_view text, const Token& token);

// The content of a String or NString token: quotes removed, '' made '.
std::string StringContent(std::string_view text, const Token& token);

// Equal without regard to letter case, beyond ASCII too (as FoldCase compares).
bool EqualsNoCase(std::string_view a, std::string_view b);

// The text with ASCII letters in lower case.
std::string Lower(std::string_view text);

// The object part of a name such as "dbo.T", "[dbo].[T]" or "T".
std::string LastNamePart(std::string_view name);

}  // namespace ado::provider
