#include "SqliteInsertCache.h"

#include "SqliteErrors.h"
#include "SqlTokenizer.h"
#include "WholeDecimalValues.h"

#include <charconv>
#include <limits>

namespace ado::provider {

namespace {

using Kind = SqliteInsertCache::Literal::Kind;

bool IsWord(std::string_view sql, const Token& t, std::string_view word)
{
    return t.kind == TokenKind::Word && EqualsNoCase(TokenText(sql, t), word);
}

bool IsPunct(std::string_view sql, const Token& t, std::string_view punct)
{
    return t.kind == TokenKind::Punct && TokenText(sql, t) == punct;
}

bool IsName(const Token& t) { return t.kind == TokenKind::Word || t.kind == TokenKind::QuotedName; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// What SQLite reads as a number literal: digits with at most one point, at least one digit
// before the exponent, an exponent with digits. isReal: it has a point or an exponent;
// isZero: every digit before the exponent is 0.
bool ReadNumber(std::string_view text, bool& isReal, bool& isZero)
{
    size_t i = 0, digits = 0;
    bool point = false;
    isZero = true;
    for (; i < text.size() && (IsDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            if (point)
                return false;
            point = true;
        } else {
            ++digits;
            isZero = isZero && text[i] == '0';
        }
    }
    if (digits == 0)
        return false;
    isReal = point;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        isReal = true;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            ++i;
        const size_t exponent = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        if (i == exponent)
            return false;
    }
    return i == text.size();
}

int HexValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

// One value of the list, sign included; false when it is not a literal this cache binds.
bool ReadLiteral(std::string_view sql, const std::vector<const Token*>& value, SqliteInsertCache::Literal& literal)
{
    size_t at = 0;
    bool negative = false, signed_ = false;
    if (value.size() == 2 && (IsPunct(sql, *value[0], "-") || IsPunct(sql, *value[0], "+"))) {
        negative = IsPunct(sql, *value[0], "-");
        signed_ = true;
        at = 1;
    }
    if (value.size() != at + 1)
        return false;
    const Token& t = *value[at];
    const std::string_view text = TokenText(sql, t);
    if (t.kind == TokenKind::Number) {
        bool isReal = false, isZero = false;
        if (!ReadNumber(text, isReal, isZero))
            return false;
        if (!isReal) {
            std::uint64_t magnitude = 0;
            const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
            constexpr std::uint64_t kMax = std::numeric_limits<std::int64_t>::max();
            if (ec == std::errc() && end == text.data() + text.size() && magnitude <= kMax + (negative ? 1 : 0)) {
                literal.kind = Kind::Integer;
                literal.integer = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
                return true;
            }
            // Beyond 64 bits SQLite reads the digits as a REAL.
        }
        // Written as the integer it stands for, as the rewriter writes it (WholeDecimalValues.h).
        if (const std::optional<std::int64_t> whole = WholeDecimalLiteral(text, negative)) {
            literal.kind = Kind::Integer;
            literal.integer = *whole;
            return true;
        }
        // Negated at run time, a zero would lose the minus that a literal keeps.
        if (negative && isZero)
            return false;
        literal.kind = Kind::Real;
        literal.negative = negative;
        literal.text = text;
        return true;
    }
    if (signed_)
        return false;
    if (IsWord(sql, t, "null")) {
        literal.kind = Kind::Null;
        return true;
    }
    if (t.kind == TokenKind::String || t.kind == TokenKind::NString) {
        // SQLite's compiler would stop at a NUL inside the text; such a statement takes the
        // ordinary path, which reports it.
        if (text.find('\0') != std::string_view::npos)
            return false;
        literal.kind = Kind::Text;
        const std::string_view quoted = t.kind == TokenKind::NString ? text.substr(1) : text;
        const std::string_view content = quoted.substr(1, quoted.size() - 2);
        if (content.find('\'') == std::string_view::npos)
            literal.text = content;
        else
            literal.owned = StringContent(sql, t);
        return true;
    }
    if (t.kind == TokenKind::Binary) {
        // An odd count of digits reads as if a 0 led them, as the rewriter writes it.
        std::string_view digits = text.substr(2);
        literal.kind = Kind::Bytes;
        literal.owned.reserve(digits.size() / 2 + 1);
        if (digits.size() % 2 == 1) {
            literal.owned.push_back(static_cast<char>(HexValue(digits[0])));
            digits.remove_prefix(1);
        }
        for (size_t i = 0; i + 1 < digits.size(); i += 2)
            literal.owned.push_back(static_cast<char>(HexValue(digits[i]) * 16 + HexValue(digits[i + 1])));
        return true;
    }
    return false;
}

char ShapeOf(const SqliteInsertCache::Literal& literal)
{
    if (literal.kind != Kind::Real)
        return 'p';
    return literal.negative ? 'm' : 'r';
}

}  // namespace

std::optional<SqliteInsertCache::Insert> SqliteInsertCache::Read(std::string_view sql)
{
    const size_t first = sql.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || (sql[first] | 0x20) != 'i')
        return std::nullopt;
    const std::vector<Token> tokens = TokenizeSql(sql);
    std::vector<const Token*> sig;
    sig.reserve(tokens.size());
    for (const Token& t : tokens) {
        if (!t.closed)
            return std::nullopt;
        if (t.Significant())
            sig.push_back(&t);
    }
    const auto is = [&](size_t i, std::string_view word) { return i < sig.size() && IsWord(sql, *sig[i], word); };
    const auto punct = [&](size_t i, std::string_view p) { return i < sig.size() && IsPunct(sql, *sig[i], p); };

    size_t i = 0;
    if (!is(i++, "insert"))
        return std::nullopt;
    if (is(i, "into"))
        ++i;
    if (i >= sig.size() || !IsName(*sig[i]) || is(i, "values"))
        return std::nullopt;
    for (++i; punct(i, ".") && i + 1 < sig.size() && IsName(*sig[i + 1]); i += 2) {
    }
    if (punct(i, "(")) {
        for (++i; i < sig.size() && !punct(i, ")"); ++i)
            if (!IsName(*sig[i]) && !punct(i, ","))
                return std::nullopt;
        ++i;
    }
    if (!is(i, "values") || !punct(i + 1, "("))
        return std::nullopt;
    i += 2;

    Insert insert;
    insert.values.reserve(sig.size() / 2);
    insert.shape.reserve(sig[i - 1]->end + sig.size() / 2 + 1);
    insert.shape.assign(sql.substr(0, sig[i - 1]->end));
    insert.shape.push_back('\0');
    std::vector<const Token*> value;
    for (; i < sig.size(); ++i) {
        const bool comma = punct(i, ",");
        if (!comma && !punct(i, ")")) {
            value.push_back(sig[i]);
            continue;
        }
        Literal literal;
        if (!ReadLiteral(sql, value, literal))
            return std::nullopt;
        insert.shape.push_back(ShapeOf(literal));
        insert.values.push_back(std::move(literal));
        value.clear();
        if (!comma)
            break;
    }
    if (i >= sig.size())
        return std::nullopt;
    for (size_t rest = i + 1; rest < sig.size(); ++rest)
        if (!punct(rest, ";"))
            return std::nullopt;
    insert.lastToken = TokenText(sql, *sig.back());
    return insert;
}

std::optional<std::string> SqliteInsertCache::Parameterised(std::string_view rewritten, const Insert& insert)
{
    const std::vector<Token> tokens = TokenizeSql(rewritten);
    std::vector<const Token*> sig;
    for (const Token& t : tokens)
        if (t.Significant())
            sig.push_back(&t);

    // The last "VALUES (" outside parentheses, and the end of its list.
    std::optional<size_t> open;
    int depth = 0;
    size_t items = 0;
    size_t close = 0;
    for (size_t i = 0; i < sig.size(); ++i) {
        if (IsPunct(rewritten, *sig[i], "(")) {
            if (depth == 0 && i > 0 && IsWord(rewritten, *sig[i - 1], "values")) {
                open = i;
                items = 1;
            }
            ++depth;
        } else if (IsPunct(rewritten, *sig[i], ")")) {
            if (--depth == 0 && open)
                close = i;
        } else if (depth == 1 && open && IsPunct(rewritten, *sig[i], ",")) {
            ++items;
        }
    }
    if (!open || close <= *open + 1 || items != insert.values.size())
        return std::nullopt;
    for (size_t rest = close + 1; rest < sig.size(); ++rest)
        if (!IsPunct(rewritten, *sig[rest], ";"))
            return std::nullopt;

    std::string sql(rewritten.substr(0, sig[*open]->end));
    for (size_t v = 0; v < insert.values.size(); ++v) {
        if (v > 0)
            sql += ',';
        const std::string parameter = "?" + std::to_string(v + 1);
        const Literal& literal = insert.values[v];
        if (literal.kind == Kind::Real)
            sql += (literal.negative ? "-CAST(" : "CAST(") + parameter + " AS REAL)";
        else
            sql += parameter;
    }
    sql += ')';
    return sql;
}

void SqliteInsertCache::Bind(sqlite3_stmt* statement, const Insert& insert)
{
    for (size_t v = 0; v < insert.values.size(); ++v) {
        const Literal& literal = insert.values[v];
        const int n = static_cast<int>(v + 1);
        int rc = SQLITE_OK;
        switch (literal.kind) {
        case Kind::Null:
            rc = sqlite3_bind_null(statement, n);
            break;
        case Kind::Integer:
            rc = sqlite3_bind_int64(statement, n, literal.integer);
            break;
        case Kind::Real:
            rc = sqlite3_bind_text(statement, n, literal.text.data(), static_cast<int>(literal.text.size()), SQLITE_STATIC);
            break;
        case Kind::Text: {
            // A null pointer would bind NULL; an empty text still has one.
            const std::string_view text = literal.owned.empty() ? literal.text : std::string_view(literal.owned);
            rc = sqlite3_bind_text64(statement, n, text.data() ? text.data() : "", text.size(), SQLITE_STATIC, SQLITE_UTF8);
            break;
        }
        case Kind::Bytes:
            rc = literal.owned.empty() ? sqlite3_bind_zeroblob(statement, n, 0)
                                       : sqlite3_bind_blob64(statement, n, literal.owned.data(), literal.owned.size(),
                                                             SQLITE_STATIC);
            break;
        }
        if (rc != SQLITE_OK)
            throw ProviderError(kErrorCommand, sqlite3_errstr(rc));
    }
}

sqlite3_stmt* SqliteInsertCache::Find(const std::string& shape) const
{
    const auto kept = m_statements.find(shape);
    return kept == m_statements.end() ? nullptr : kept->second.get();
}

sqlite3_stmt* SqliteInsertCache::Keep(const std::string& shape, StatementPtr statement)
{
    // Shapes come from a handful of tables at a time; a script that makes more starts over.
    constexpr size_t kMostShapes = 64;
    if (m_statements.size() >= kMostShapes)
        m_statements.clear();
    sqlite3_stmt* const kept = statement.get();
    m_statements[shape] = std::move(statement);
    return kept;
}

}  // namespace ado::provider
