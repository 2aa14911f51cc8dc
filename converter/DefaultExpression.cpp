#include "DefaultExpression.h"

#include "SqlTokenizer.h"

#include <vector>

namespace DefaultExpression {

using ado::provider::Token;
using ado::provider::TokenKind;

namespace {

bool IsPunct(std::string_view text, const Token& token, char c)
{
    return token.kind == TokenKind::Punct && token.end == token.begin + 1 && text[token.begin] == c;
}

// The index after the expression starting at i, or npos when none starts there.
size_t EndOfExpression(std::string_view text, const std::vector<Token>& tokens, size_t i)
{
    constexpr size_t npos = static_cast<size_t>(-1);
    if (i < tokens.size() && (IsPunct(text, tokens[i], '-') || IsPunct(text, tokens[i], '+')))
        ++i;  // a signed number
    if (i >= tokens.size())
        return npos;
    if (tokens[i].kind == TokenKind::Word && i + 1 < tokens.size() && IsPunct(text, tokens[i + 1], '('))
        ++i;  // a function call: its name, then its arguments in parentheses
    if (!IsPunct(text, tokens[i], '('))
        return i + 1;
    int depth = 0;
    for (; i < tokens.size(); ++i) {
        if (IsPunct(text, tokens[i], '('))
            ++depth;
        else if (IsPunct(text, tokens[i], ')') && --depth == 0)
            return i + 1;
    }
    return npos;
}

}  // namespace

bool IsWhole(std::string_view text)
{
    if (text.find_first_of("\r\n") != std::string_view::npos)
        return false;
    std::vector<Token> tokens;
    for (const Token& token : ado::provider::TokenizeSql(text)) {
        if (!token.closed || token.kind == TokenKind::Comment || IsPunct(text, token, ';'))
            return false;
        if (token.Significant())
            tokens.push_back(token);
    }
    if (tokens.empty())
        return false;
    const Token& first = tokens.front();
    const bool literal = first.kind == TokenKind::String || first.kind == TokenKind::NString ||
                         first.kind == TokenKind::Number || first.kind == TokenKind::Binary ||
                         first.kind == TokenKind::Word || IsPunct(text, first, '(') || IsPunct(text, first, '-') ||
                         IsPunct(text, first, '+');
    return literal && EndOfExpression(text, tokens, 0) == tokens.size();
}

}  // namespace DefaultExpression
