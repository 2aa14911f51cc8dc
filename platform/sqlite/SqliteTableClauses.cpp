#include "SqliteTableClauses.h"

#include "SqlTokenizer.h"
#include "TSqlCreateTable.h"

#include <algorithm>

namespace ado::provider {

namespace {

// The tokens of a CREATE TABLE text that carry meaning: the significant ones and the clustering
// marks, read as the words they stand for.
class ClauseTokens {
public:
    explicit ClauseTokens(std::string_view sql) : m_sql(sql)
    {
        std::vector<size_t> open;
        for (const Token& t : TokenizeSql(sql)) {
            const std::string_view text = TokenText(sql, t);
            if (t.kind == TokenKind::Comment && (text == kClusteredMark || text == kNonclusteredMark))
                m_words.push_back(text == kClusteredMark ? "clustered" : "nonclustered");
            else if (t.kind == TokenKind::Comment && text.substr(0, kExpressionMark.size()) == kExpressionMark)
                m_words.push_back(std::string(kExpressionMark));
            else if (t.Significant())
                m_words.push_back(t.kind == TokenKind::Word ? Lower(text) : std::string(text));
            else
                continue;
            m_tokens.push_back(t);
            m_match.push_back(npos);
            if (text == "(" && t.kind == TokenKind::Punct)
                open.push_back(m_tokens.size() - 1);
            else if (text == ")" && t.kind == TokenKind::Punct && !open.empty()) {
                m_match[open.back()] = m_tokens.size() - 1;
                m_match.back() = open.back();
                open.pop_back();
            }
        }
    }

    static constexpr size_t npos = static_cast<size_t>(-1);

    size_t Size() const { return m_tokens.size(); }
    bool Is(size_t k, std::string_view word) const { return k < Size() && m_words[k] == word; }
    size_t Match(size_t k) const { return m_match[k]; }
    std::string Name(size_t k) const { return Lower(NameOf(m_sql, m_tokens[k])); }
    std::string NameAsWritten(size_t k) const { return NameOf(m_sql, m_tokens[k]); }
    // The text from token first to token last, as written.
    // The T-SQL text a computed column's expression mark holds.
    std::string MarkedExpression(size_t k) const
    {
        std::string_view text = TokenText(m_sql, m_tokens[k]).substr(kExpressionMark.size());
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
            text.remove_suffix(1);
        return std::string(text);
    }
    std::string Text(size_t first, size_t last) const
    {
        return std::string(m_sql.substr(m_tokens[first].begin, m_tokens[last].end - m_tokens[first].begin));
    }

private:
    std::string_view m_sql;
    std::vector<Token> m_tokens;
    std::vector<std::string> m_words;
    std::vector<size_t> m_match;
};

// The column names of "(a, b DESC)" starting at "(".
std::vector<std::string> KeyList(const ClauseTokens& tokens, size_t open)
{
    std::vector<std::string> keys;
    const size_t close = tokens.Match(open);
    for (size_t k = open + 1; close != ClauseTokens::npos && k < close; ++k)
        if ((k == open + 1 || tokens.Is(k - 1, ",")) && !tokens.Is(k, ","))
            keys.push_back(tokens.Name(k));
    return keys;
}

// One column definition or table constraint, tokens first..last.
void ReadElement(const ClauseTokens& tokens, size_t first, size_t last, TableClauses& clauses)
{
    const bool tableConstraint = tokens.Is(first, "constraint") || tokens.Is(first, "primary") ||
                                 tokens.Is(first, "unique") || tokens.Is(first, "check") ||
                                 tokens.Is(first, "foreign");
    const std::string column = tableConstraint ? std::string() : tokens.Name(first);
    std::string name;  // of the constraint that follows
    for (size_t k = tableConstraint ? first : first + 1; k <= last; ++k) {
        if (tokens.Is(k, "(") && tokens.Match(k) != ClauseTokens::npos) {
            if (!column.empty() && tokens.Is(k - 1, "as"))
                clauses.computed[column] = tokens.Text(k, tokens.Match(k));
            else if (!column.empty() && tokens.Is(k - 1, kExpressionMark))
                clauses.computed[column] = tokens.MarkedExpression(k - 1);
            k = tokens.Match(k);
            continue;
        }
        if (tokens.Is(k, "autoincrement"))
            clauses.autoincrement = true;
        else if (tokens.Is(k, "null") && !tokens.Is(k - 1, "not") && !tokens.Is(k - 1, "default") && !column.empty())
            clauses.declaredNull.push_back(column);
        else if (tokens.Is(k, "constraint") && k < last) {
            name = tokens.NameAsWritten(++k);
            continue;
        } else if (tokens.Is(k, "default")) {
            if (!name.empty() && !column.empty())
                clauses.defaultNames[column] = name;
        } else if (tokens.Is(k, "primary") || tokens.Is(k, "unique") || tokens.Is(k, "check") ||
                   tokens.Is(k, "foreign") || (tokens.Is(k, "references") && !column.empty())) {
            ConstraintClause c;
            c.name = name;
            c.column = column;
            if (tokens.Is(k, "primary") || tokens.Is(k, "unique")) {
                c.kind = tokens.Is(k, "primary") ? ConstraintClause::Kind::PrimaryKey : ConstraintClause::Kind::Unique;
                k += tokens.Is(k + 1, "key") ? 2 : 1;
                if (tokens.Is(k, "clustered") || tokens.Is(k, "nonclustered"))
                    c.clustered = tokens.Is(k++, "clustered");
                c.keys = tokens.Is(k, "(") ? KeyList(tokens, k) : std::vector<std::string>{column};
                --k;
            } else if (tokens.Is(k, "check")) {
                c.kind = ConstraintClause::Kind::Check;
                if (tokens.Is(k + 1, "(") && tokens.Match(k + 1) != ClauseTokens::npos)
                    c.text = tokens.Text(k + 1, tokens.Match(k + 1));
            } else {
                c.kind = ConstraintClause::Kind::ForeignKey;
                if (tokens.Is(k + 2, "("))
                    c.keys = KeyList(tokens, k + 2);
                // A table's FOREIGN KEY is followed by its REFERENCES: one constraint.
                while (tableConstraint && k < last && !tokens.Is(k, "references"))
                    ++k;
            }
            if (c.column.empty() && !c.keys.empty())
                c.column = c.keys.front();
            clauses.constraints.push_back(std::move(c));
        }
        name.clear();
    }
}

}  // namespace

const ConstraintClause* TableClauses::PrimaryKey() const
{
    const auto found = std::find_if(constraints.begin(), constraints.end(), [](const ConstraintClause& c) {
        return c.kind == ConstraintClause::Kind::PrimaryKey;
    });
    return found == constraints.end() ? nullptr : &*found;
}

bool TableClauses::DeclaredNull(std::string_view lowerColumn) const
{
    return std::find(declaredNull.begin(), declaredNull.end(), lowerColumn) != declaredNull.end();
}

TableClauses ReadTableClauses(std::string_view createTable)
{
    TableClauses clauses;
    const ClauseTokens tokens(createTable);
    size_t open = 0;
    while (open < tokens.Size() && !tokens.Is(open, "("))
        ++open;
    const size_t close = open < tokens.Size() ? tokens.Match(open) : ClauseTokens::npos;
    if (close == ClauseTokens::npos)
        return clauses;
    size_t first = open + 1;
    for (size_t k = first; k <= close; ++k) {
        if (tokens.Is(k, "(") && tokens.Match(k) != ClauseTokens::npos && k < close) {
            k = tokens.Match(k);
            continue;
        }
        if (k < close && !tokens.Is(k, ","))
            continue;
        if (k > first)
            ReadElement(tokens, first, k - 1, clauses);
        first = k + 1;
    }
    return clauses;
}

}  // namespace ado::provider
