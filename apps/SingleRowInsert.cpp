#include "SingleRowInsert.h"

#include "SqlTokenizer.h"

#include <algorithm>

using ado::provider::EqualsNoCase;
using ado::provider::Token;
using ado::provider::TokenKind;
using ado::provider::TokenText;

namespace {

// SQL Server's decimal types hold 38 digits.
constexpr int kMostDigits = 38;

class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text)
    {
        for (const Token& t : ado::provider::TokenizeSql(text))
            if (t.Significant())
                m_tokens.push_back(t);
    }

    std::size_t Size() const { return m_tokens.size(); }
    const Token& At(std::size_t i) const { return m_tokens[i]; }
    std::string_view Text(std::size_t i) const { return TokenText(m_text, m_tokens[i]); }
    bool IsWord(std::size_t i, std::string_view word) const
    {
        return i < m_tokens.size() && m_tokens[i].kind == TokenKind::Word && EqualsNoCase(Text(i), word);
    }
    bool IsPunct(std::size_t i, std::string_view mark) const
    {
        return i < m_tokens.size() && m_tokens[i].kind == TokenKind::Punct && Text(i) == mark;
    }
    bool IsName(std::size_t i) const
    {
        return i < m_tokens.size() && m_tokens[i].closed &&
               (m_tokens[i].kind == TokenKind::Word || m_tokens[i].kind == TokenKind::QuotedName);
    }
    bool IsText(std::size_t i) const
    {
        return i < m_tokens.size() && m_tokens[i].closed &&
               (m_tokens[i].kind == TokenKind::String || m_tokens[i].kind == TokenKind::NString);
    }
    std::string_view Between(std::size_t first, std::size_t last) const
    {
        return m_text.substr(m_tokens[first].begin, m_tokens[last].end - m_tokens[first].begin);
    }
    std::string NameAt(std::size_t i) const { return ado::provider::NameOf(m_text, m_tokens[i]); }

    // The tokens a text term takes at i: a literal, char(n) or nchar(n), or the
    // cast('' as varchar(max)) a long text starts with; 0 for anything else. unicode is set for
    // a term of Unicode text.
    std::size_t TextTerm(std::size_t i, bool& unicode) const
    {
        if (IsText(i)) {
            unicode |= At(i).kind == TokenKind::NString;
            return 1;
        }
        if ((IsWord(i, "char") || IsWord(i, "nchar")) && IsPunct(i + 1, "(") && i + 2 < Size() &&
            At(i + 2).kind == TokenKind::Number && IsPunct(i + 3, ")")) {
            unicode |= IsWord(i, "nchar");
            return 4;
        }
        if (IsWord(i, "cast") && IsPunct(i + 1, "(") && IsText(i + 2) && IsWord(i + 3, "as") &&
            (IsWord(i + 4, "varchar") || IsWord(i + 4, "nvarchar")) && IsPunct(i + 5, "(") && IsWord(i + 6, "max") &&
            IsPunct(i + 7, ")") && IsPunct(i + 8, ")")) {
            unicode |= IsWord(i + 4, "nvarchar");
            return 9;
        }
        return 0;
    }

    // The kind of the value in tokens [first, end); nothing for a value that is no constant the
    // converter writes.
    std::optional<SingleRowInsert::Kind> ValueKind(std::size_t first, std::size_t end) const
    {
        using Kind = SingleRowInsert::Kind;
        if (end == first + 1 && IsWord(first, "null"))
            return Kind{};
        if (end == first + 1 && At(first).kind == TokenKind::Binary)
            return Kind{Kind::Binary};
        const std::size_t digits = IsPunct(first, "-") ? first + 1 : first;
        if (end == digits + 1 && At(digits).kind == TokenKind::Number)
            return NumberKind(Text(digits));
        // Texts and Unicode texts stay apart: a list of both would be Unicode text, whose
        // shorter most length could cut a long text.
        bool unicode = false;
        for (std::size_t i = first;;) {
            const std::size_t term = TextTerm(i, unicode);
            if (term == 0 || i + term > end)
                return std::nullopt;
            i += term;
            if (i == end)
                return Kind{unicode ? Kind::UnicodeText : Kind::Text};
            if (!IsPunct(i, "+"))
                return std::nullopt;
            ++i;
        }
    }

private:
    // A literal with an exponent is a float; one without is exact: an int when it fits one
    // (ten digits beside a decimal), a decimal of its own digits otherwise.
    static std::optional<SingleRowInsert::Kind> NumberKind(std::string_view number)
    {
        using Kind = SingleRowInsert::Kind;
        if (number.find_first_of("eE") != std::string_view::npos)
            return Kind{Kind::Float};
        const std::size_t point = number.find('.');
        Kind kind{Kind::Exact};
        if (point == std::string_view::npos) {
            kind.integerDigits = std::max<int>(10, static_cast<int>(number.size()));
        } else {
            kind.integerDigits = std::max<int>(1, static_cast<int>(point));
            kind.scale = static_cast<int>(number.size() - point - 1);
        }
        if (kind.integerDigits + kind.scale > kMostDigits)
            return std::nullopt;
        return kind;
    }

    std::string_view m_text;
    std::vector<Token> m_tokens;
};

}  // namespace

std::optional<SingleRowInsert> SingleRowInsert::Read(std::string_view text)
{
    const Reader r(text);
    SingleRowInsert insert;
    std::size_t i = 1;
    if (!r.IsWord(0, "insert"))
        return std::nullopt;
    if (r.IsWord(i, "into"))
        ++i;
    const std::size_t nameFirst = i;
    if (!r.IsName(i) || r.IsWord(i, "values"))
        return std::nullopt;
    while (r.IsPunct(i + 1, ".") && r.IsName(i + 2))
        i += 2;
    insert.m_table = r.Between(nameFirst, i);
    ++i;
    if (r.IsPunct(i, "(")) {
        for (++i;; i += 2) {
            if (!r.IsName(i))
                return std::nullopt;
            insert.m_columns.push_back(r.NameAt(i));
            if (r.IsPunct(i + 1, ")"))
                break;
            if (!r.IsPunct(i + 1, ","))
                return std::nullopt;
        }
        i += 2;
    }
    if (!r.IsWord(i, "values") || !r.IsPunct(i + 1, "("))
        return std::nullopt;
    insert.m_head = r.Between(0, i);
    const std::size_t open = i + 1;
    int depth = 0;
    std::size_t valueFirst = open + 1;
    for (i = open; i < r.Size(); ++i) {
        if (r.IsPunct(i, "(")) {
            ++depth;
            continue;
        }
        const bool close = r.IsPunct(i, ")");
        if (close && depth > 1) {
            --depth;
            continue;
        }
        if (close || (depth == 1 && r.IsPunct(i, ","))) {
            const std::optional<Kind> kind = r.ValueKind(valueFirst, i);
            if (!kind)
                return std::nullopt;
            insert.m_kinds.push_back(*kind);
            valueFirst = i + 1;
            if (close)
                break;
        }
    }
    // The row ends the statement, and gives every listed column its value.
    if (i + 1 != r.Size() || (!insert.m_columns.empty() && insert.m_columns.size() != insert.m_kinds.size()))
        return std::nullopt;
    insert.m_row = r.Between(open, i);
    return insert;
}

bool SingleRowInsert::JoinTo(std::vector<Kind>& kinds) const
{
    if (kinds.size() != m_kinds.size())
        return false;
    std::vector<Kind> joined = kinds;
    for (std::size_t c = 0; c < joined.size(); ++c) {
        Kind& to = joined[c];
        const Kind& row = m_kinds[c];
        if (row.kind == Kind::Null)
            continue;
        if (to.kind == Kind::Null) {
            to = row;
            continue;
        }
        if (to.kind != row.kind)
            return false;
        to.integerDigits = std::max(to.integerDigits, row.integerDigits);
        to.scale = std::max(to.scale, row.scale);
        if (to.integerDigits + to.scale > kMostDigits)
            return false;
    }
    kinds = std::move(joined);
    return true;
}
