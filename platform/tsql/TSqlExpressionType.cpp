#include "TSqlExpressionType.h"

#include "TSqlTokens.h"

#include <algorithm>
#include <initializer_list>
#include <string>

namespace ado::provider {

namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

TSqlDataType Named(std::string_view text)
{
    return TSqlDataType::Parse(text);
}

// SQL Server's data type precedence among the types arithmetic yields, highest first.
int Precedence(const TSqlDataType& t)
{
    static constexpr std::string_view kOrder[] = {"datetime2", "datetime", "smalldatetime", "date", "time", "float",
                                                  "real", "decimal", "numeric", "money", "smallmoney", "bigint",
                                                  "int", "smallint", "tinyint", "bit", "nvarchar", "nchar",
                                                  "varchar", "char"};
    const auto found = std::find(std::begin(kOrder), std::end(kOrder), t.name);
    return found == std::end(kOrder) ? -1 : static_cast<int>(std::end(kOrder) - found);
}

// An operand as a decimal's precision and scale: integers count their digits.
std::pair<int, int> DecimalForm(const TSqlDataType& t)
{
    if (t.name == "decimal" || t.name == "numeric")
        return {t.precision < 0 ? 18 : t.precision, t.scale < 0 ? 0 : t.scale};
    static constexpr std::pair<std::string_view, int> kDigits[] = {
        {"bit", 1}, {"tinyint", 3}, {"smallint", 5}, {"int", 10}, {"bigint", 19}};
    for (const auto& [name, digits] : kDigits)
        if (t.name == name)
            return {digits, 0};
    return {18, 0};
}

TSqlDataType DecimalResult(char op, const TSqlDataType& left, const TSqlDataType& right)
{
    const auto [p1, s1] = DecimalForm(left);
    const auto [p2, s2] = DecimalForm(right);
    int p = 0, s = 0;
    switch (op) {
    case '*':
        p = p1 + p2 + 1;
        s = s1 + s2;
        break;
    case '/':
        s = std::max(6, s1 + p2 + 1);
        p = p1 - s1 + s2 + s;
        break;
    case '%':
        s = std::max(s1, s2);
        p = std::min(p1 - s1, p2 - s2) + s;
        break;
    default:
        s = std::max(s1, s2);
        p = std::max(p1 - s1, p2 - s2) + s + 1;
        break;
    }
    // Beyond 38 digits the integral part is kept and the scale gives way, down to 6.
    if (p > 38) {
        s = std::max(std::min(s, 6), s - (p - 38));
        p = 38;
    }
    TSqlDataType t = Named("decimal");
    t.precision = p;
    t.scale = s;
    return t;
}

TSqlDataType Combine(char op, const TSqlDataType& left, const TSqlDataType& right)
{
    if (!left.Known() || !right.Known())
        return {};
    if (op == '+' && left.IsText() && right.IsText()) {
        const bool unicode = left.Unicode() || right.Unicode();
        TSqlDataType t = Named(unicode ? "nvarchar" : "varchar");
        const int longest = unicode ? 4000 : 8000;
        const int length = std::max(left.length, 1) + std::max(right.length, 1);
        t.max = left.max || right.max || length > longest;
        t.length = t.max ? -1 : length;
        return t;
    }
    const TSqlDataType& higher = Precedence(left) >= Precedence(right) ? left : right;
    if (Precedence(higher) < 0)
        return {};
    if (higher.name == "decimal" || higher.name == "numeric")
        return DecimalResult(op, left, right);
    TSqlDataType t = Named(higher.name);
    return t;
}

class Typer {
public:
    Typer(std::string_view expression, const TSqlColumnTypes& columnTypes)
        : m_tokens(expression), m_columnTypes(columnTypes)
    {
    }

    TSqlDataType Whole() const { return m_tokens.Size() ? Of(0, m_tokens.Size() - 1) : TSqlDataType{}; }

private:
    bool Operator(size_t i, std::initializer_list<std::string_view> ops) const
    {
        return m_tokens.Kind(i) == TokenKind::Punct && OneOf(m_tokens.Lower(i), ops);
    }

    // A binary operator of the given ones at the outer level of first..last, the last one written
    // (operators of one precedence group left to right); npos when there is none.
    size_t Split(size_t first, size_t last, std::initializer_list<std::string_view> ops) const
    {
        for (size_t i = last; i > first; --i) {
            if (m_tokens.Depth(i) != m_tokens.Depth(first) || !Operator(i, ops))
                continue;
            // A sign after another operator or "(" belongs to its operand.
            if (!Operator(i - 1, {"+", "-", "*", "/", "%", "(", ","}))
                return i;
        }
        return TSqlTokens::npos;
    }

    TSqlDataType Of(size_t first, size_t last) const
    {
        while (m_tokens.Is(first, "(") && m_tokens.Match(first) == last && first < last) {
            ++first;
            --last;
        }
        for (const auto ops : {std::initializer_list<std::string_view>{"+", "-"}, {"*", "/", "%"}}) {
            const size_t at = Split(first, last, ops);
            if (at != TSqlTokens::npos)
                return Combine(m_tokens.Lower(at).front(), Of(first, at - 1), Of(at + 1, last));
        }
        if (Operator(first, {"+", "-"}) && first < last)
            return Of(first + 1, last);
        if (first == last)
            return Single(first);
        if (m_tokens.Kind(first) == TokenKind::Word && m_tokens.Is(first + 1, "(") &&
            m_tokens.Match(first + 1) == last)
            return Call(first, last);
        if (m_tokens.Is(first, "case"))
            for (size_t k = first + 1; k < last; ++k)
                if (m_tokens.Is(k, "then") && m_tokens.Depth(k) == m_tokens.Depth(first))
                    return Of(k + 1, ArmEnd(k + 1, last));
        return {};
    }

    // The last token of a CASE arm that starts at first.
    size_t ArmEnd(size_t first, size_t last) const
    {
        size_t k = first;
        while (k < last && !(m_tokens.Depth(k + 1) == m_tokens.Depth(first) &&
                             OneOf(m_tokens.Lower(k + 1), {"when", "else", "end"})))
            ++k;
        return k;
    }

    TSqlDataType Single(size_t i) const
    {
        const std::string_view text = m_tokens.Text(i);
        switch (m_tokens.Kind(i)) {
        case TokenKind::Number: {
            if (text.find_first_of("eE") != std::string_view::npos)
                return Named("float");
            const size_t point = text.find('.');
            if (point == std::string_view::npos) {
                // Integers beyond int's range are decimals of their digits.
                if (text.size() < 10 || (text.size() == 10 && text <= "2147483647"))
                    return Named("int");
                TSqlDataType t = Named("decimal");
                t.precision = static_cast<int>(text.size());
                t.scale = 0;
                return t;
            }
            TSqlDataType t = Named("decimal");
            t.scale = static_cast<int>(text.size() - point - 1);
            t.precision = std::max(static_cast<int>(text.size() - 1), 1);
            return t;
        }
        case TokenKind::String:
        case TokenKind::NString: {
            TSqlDataType t = Named(m_tokens.Kind(i) == TokenKind::NString ? "nvarchar" : "varchar");
            t.length = std::max(1, static_cast<int>(StringContent(m_tokens.Source(), m_tokens.At(i)).size()));
            return t;
        }
        case TokenKind::Word:
        case TokenKind::QuotedName:
            if (const auto type = m_columnTypes(NameOf(m_tokens.Source(), m_tokens.At(i))))
                return *type;
            return {};
        default:
            return {};
        }
    }

    // The type written between first and last, as in CAST(x AS varchar(10)).
    TSqlDataType Written(size_t first, size_t last) const
    {
        std::string text;
        for (size_t k = first; k <= last; ++k)
            text += std::string(m_tokens.Kind(k) == TokenKind::QuotedName ? NameOf(m_tokens.Source(), m_tokens.At(k))
                                                                            : m_tokens.Text(k));
        return Named(text);
    }

    TSqlDataType Call(size_t name, size_t close) const
    {
        const std::string& f = m_tokens.Lower(name);
        const size_t open = name + 1;
        const int inside = m_tokens.Depth(open) + 1;
        size_t firstArgEnd = close - 1;
        for (size_t k = open + 1; k < close; ++k)
            if (m_tokens.Depth(k) == inside && m_tokens.Is(k, ",")) {
                firstArgEnd = k - 1;
                break;
            }
        if (f == "cast") {
            for (size_t k = close; k-- > open + 1;)
                if (m_tokens.Depth(k) == inside && m_tokens.Is(k, "as"))
                    return Written(k + 1, close - 1);
            return {};
        }
        if (f == "convert")
            return firstArgEnd < close - 1 ? Written(open + 1, firstArgEnd) : TSqlDataType{};
        if (open + 1 >= close)
            return OneOf(f, {"getdate", "getutcdate"}) ? Named("datetime")
                   : f == "newid"                       ? Named("uniqueidentifier")
                   : f == "sysdatetime"                 ? Named("datetime2")
                                                        : TSqlDataType{};
        if (OneOf(f, {"isnull", "coalesce", "nullif", "upper", "lower", "ltrim", "rtrim", "substring", "replace",
                      "left", "right", "reverse", "stuff", "abs", "round", "floor", "ceiling"}))
            return Of(open + 1, firstArgEnd);
        if (OneOf(f, {"len", "datalength", "charindex", "patindex", "datediff", "datepart", "year", "month", "day",
                      "ascii", "unicode"}))
            return Named("int");
        if (f == "dateadd") {
            const size_t last = close - 1;
            size_t k = last;
            while (k > open + 1 && !(m_tokens.Depth(k) == inside && m_tokens.Is(k, ",")))
                --k;
            return Of(k + 1, last);
        }
        return {};
    }

    TSqlTokens m_tokens;
    const TSqlColumnTypes& m_columnTypes;
};

}  // namespace

TSqlDataType ExpressionType(std::string_view expression, const TSqlColumnTypes& columnTypes)
{
    return Typer(expression, columnTypes).Whole();
}

}  // namespace ado::provider
