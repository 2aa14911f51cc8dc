#include "TSqlOperators.h"

#include "TSqlError.h"

#include <algorithm>
#include <initializer_list>

namespace ado::provider {

namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// Whether token i can end an operand, so that an operator after it is binary.
bool EndsOperand(const TSqlTokens& tokens, size_t i)
{
    switch (tokens.Kind(i)) {
    case TokenKind::String:
    case TokenKind::NString:
    case TokenKind::Number:
    case TokenKind::Binary:
    case TokenKind::QuotedName:
        return true;
    case TokenKind::Word:
        return tokens.IsName(i) || tokens.Lower(i).front() == '@' || OneOf(tokens.Lower(i), {"null", "end"});
    default:
        return tokens.Lower(i) == ")";
    }
}

bool Joinable(const TSqlDataType& type)
{
    const auto kind = type.Classify();
    return kind == TSqlDataType::Kind::Text || kind == TSqlDataType::Kind::Unknown;
}

// The type SQL Server converts two texts to before it applies an operator.
std::string CommonTextType(const TSqlDataType& a, const TSqlDataType& b)
{
    const auto rank = [](const TSqlDataType& t) {
        if (t.name == "ntext")
            return 6;
        if (t.name == "text")
            return 5;
        if (t.Unicode())
            return t.name == "nchar" ? 3 : 4;
        return t.name == "char" ? 1 : 2;
    };
    const TSqlDataType& higher = rank(a) >= rank(b) ? a : b;
    return higher.name == "sysname" ? "nvarchar" : higher.name;
}

// A number literal that is not zero: a divisor that needs no check.
bool NonzeroNumber(const TSqlTokens& tokens, size_t i)
{
    if (tokens.Kind(i) != TokenKind::Number)
        return false;
    const std::string_view digits = tokens.Text(i).substr(0, tokens.Text(i).find_first_of("eE"));
    return digits.find_first_of("123456789") != std::string_view::npos;
}

// Whether the operand from token i to last is one expression that a call may take as its
// argument: a literal, a name, a variable, a call or a parenthesised expression, maybe signed.
// Signs with nothing after them end the text: no operand there.
bool WholeOperand(const TSqlTokens& tokens, size_t i, size_t last)
{
    if (last >= tokens.Size())
        return false;
    while (i < last && tokens.Kind(i) == TokenKind::Punct && (tokens.Is(i, "-") || tokens.Is(i, "+")))
        ++i;
    if (tokens.Is(i, "("))
        return tokens.Match(i) == last;
    return tokens.Kind(i) != TokenKind::Word || tokens.IsName(i) || tokens.Lower(i).front() == '@';
}

}  // namespace

void RewriteOperators(TSqlTokens& tokens, const TSqlOperandTypes& types)
{
    for (size_t i = 1; i + 1 < tokens.Size(); ++i) {
        const std::string& op = tokens.Lower(i);
        if (tokens.Kind(i) != TokenKind::Punct || !OneOf(op, {"+", "-", "*", "/", "%"}) || tokens.Replaced(i) ||
            !EndsOperand(tokens, i - 1))
            continue;
        const TSqlDataType left = types.EndingAt(i - 1);
        const TSqlDataType right = types.StartingAt(i + 1);
        if (op == "+") {
            if ((left.IsText() && Joinable(right)) || (right.IsText() && Joinable(left)))
                tokens.Replace(i, "||");
            continue;
        }
        if (!left.IsText() || !right.IsText()) {
            // SQLite gives NULL for a division by zero; SQL Server stops with Msg 8134.
            const size_t last = types.OperandEnd(i + 1);
            if ((op == "/" || op == "%") && !NonzeroNumber(tokens, i + 1) && WholeOperand(tokens, i + 1, last)) {
                tokens.InsertBefore(i + 1, "divisor(");
                tokens.InsertAfter(last, ")");
            }
            continue;
        }
        const char* name = op == "%" ? "modulo" : op == "-" ? "subtract" : op == "*" ? "multiply" : "divide";
        throw ProviderError(kErrorCommand, std::string("Invalid operator for data type. Operator equals ") + name +
                                               ", type equals " + CommonTextType(left, right) + ".");
    }
}

}  // namespace ado::provider
