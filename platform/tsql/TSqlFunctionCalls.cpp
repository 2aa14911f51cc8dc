#include "TSqlFunctionCalls.h"

#include <vector>

namespace ado::provider {

namespace {

std::string Quoted(std::string_view text)
{
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += '\'';
        out += c;
    }
    return out + "'";
}

std::string WrittenType(const TSqlTokens& tokens, size_t first, size_t last)
{
    std::string text;
    for (size_t k = first; k <= last; ++k)
        text += tokens.Text(k);
    return text;
}

// The value's own type, when the argument first..last is a single operand of a known type.
std::optional<TSqlDataType> SourceType(const TSqlOperandTypes& types, size_t first, size_t last)
{
    if (first > last || types.OperandEnd(first) != last)
        return std::nullopt;
    TSqlDataType type = types.StartingAt(first);
    if (!type.Known())
        return std::nullopt;
    return type;
}

}  // namespace

void RewriteFunctionCalls(TSqlTokens& tokens, const TSqlOperandTypes& types)
{
    for (size_t i = 0; i < tokens.Size(); ++i) {
        if (!types.IsCall(i) || tokens.Replaced(i))
            continue;
        const size_t open = i + 1;
        const size_t close = tokens.Match(open);
        if (close == TSqlTokens::npos)
            continue;
        std::vector<size_t> commas;
        for (size_t k = open + 1; k < close; ++k)
            if (tokens.Depth(k) == tokens.Depth(open) + 1 && tokens.Is(k, ","))
                commas.push_back(k);
        const std::string& f = tokens.Lower(i);
        if (f == "convert" && !commas.empty() && commas[0] > open + 1) {
            const size_t typeLast = commas[0] - 1;
            tokens.Replace(open + 1, Quoted(WrittenType(tokens, open + 1, typeLast)));
            if (typeLast > open + 1)
                tokens.Drop(open + 2, typeLast);
            const size_t valueLast = commas.size() > 1 ? commas[1] - 1 : close - 1;
            if (const auto source = SourceType(types, commas[0] + 1, valueLast))
                tokens.InsertBefore(close, (commas.size() > 1 ? ", " : ", NULL, ") + Quoted(source->Text()));
        } else if (f == "cast") {
            size_t as = TSqlTokens::npos;
            for (size_t k = close; k-- > open + 1;)
                if (tokens.Depth(k) == tokens.Depth(open) + 1 && tokens.Is(k, "as")) {
                    as = k;
                    break;
                }
            if (as == TSqlTokens::npos || as + 1 >= close)
                continue;
            tokens.Replace(i, "convert");
            tokens.InsertAfter(open, Quoted(WrittenType(tokens, as + 1, close - 1)) + ", ");
            tokens.Drop(as, close - 1);
            tokens.DropBlanksBefore(as);
            if (const auto source = SourceType(types, open + 1, as - 1))
                tokens.InsertBefore(close, ", NULL, " + Quoted(source->Text()));
        } else if ((f == "dateadd" || f == "datediff" || f == "datepart") && tokens.Kind(open + 1) == TokenKind::Word &&
                   tokens.Is(open + 2, ",")) {
            tokens.Replace(open + 1, Quoted(tokens.Lower(open + 1)));
        } else if (f == "avg" && commas.empty() && SourceType(types, open + 1, close - 1).value_or(TSqlDataType{}).IsInteger()) {
            // SQL Server's average of whole numbers is a whole number, cut toward zero.
            tokens.Replace(i, "integer_avg");
        } else if (f == "datalength" && commas.empty() && close > open + 1 &&
                   types.OperandEnd(open + 1) == close - 1 && types.StartingAt(open + 1).Unicode()) {
            tokens.InsertBefore(close, ", 1");
        }
    }
}

}  // namespace ado::provider
