#include "WholeDecimalValues.h"

#include <charconv>
#include <limits>
#include <string>

namespace ado::provider {

std::optional<std::int64_t> WholeDecimalLiteral(std::string_view digits, bool negative)
{
    const size_t point = digits.find('.');
    if (point == std::string_view::npos || digits.find_first_not_of("0123456789.") != std::string_view::npos ||
        digits.find_first_not_of('0', point + 1) != std::string_view::npos)
        return std::nullopt;
    const std::string_view whole = digits.substr(0, point);
    std::uint64_t magnitude = 0;
    const auto [end, ec] = std::from_chars(whole.data(), whole.data() + whole.size(), magnitude);
    constexpr std::uint64_t kMost = std::numeric_limits<std::int64_t>::max();
    constexpr std::uint64_t kEveryWholeDouble = std::uint64_t{1} << 53;
    if (whole.empty() || ec != std::errc() || end != whole.data() + whole.size() ||
        magnitude > kMost + (negative ? 1 : 0) || magnitude <= kEveryWholeDouble)
        return std::nullopt;
    return negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
}

void RewriteWholeDecimalValues(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements)
{
    for (const TSqlStatement& s : statements) {
        if (s.word != "insert")
            continue;
        size_t values = s.first;
        while (values <= s.last && !(tokens.Is(values, "values") && tokens.Depth(values) == tokens.Depth(s.first)))
            ++values;
        for (size_t open = values + 1; open <= s.last && tokens.Is(open, "(");) {
            const size_t close = tokens.Match(open);
            if (close == TSqlTokens::npos || close > s.last)
                break;
            // Each value: the tokens between two commas of the list.
            for (size_t first = open + 1; first < close;) {
                size_t next = first;
                while (next < close && !(tokens.Is(next, ",") && tokens.Depth(next) == tokens.Depth(open) + 1))
                    ++next;
                const bool sign = tokens.Is(first, "-") || tokens.Is(first, "+");
                const size_t number = first + (sign ? 1 : 0);
                // The sign stays where it is: SQLite negates an integer literal exactly, 2^63 too.
                if (number + 1 == next && tokens.Kind(number) == TokenKind::Number &&
                    WholeDecimalLiteral(tokens.Text(number), tokens.Is(first, "-")))
                    tokens.Replace(number, std::string(tokens.Text(number).substr(0, tokens.Text(number).find('.'))));
                first = next + 1;
            }
            open = close + 1;
            if (!tokens.Is(open, ","))
                break;
            ++open;
        }
    }
}

}  // namespace ado::provider
