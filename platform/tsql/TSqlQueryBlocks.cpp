#include "TSqlQueryBlocks.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>

namespace ado::provider {

namespace {

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool Compound(std::string_view lower)
{
    return OneOf(lower, {"union", "except", "intersect"});
}

}  // namespace

TSqlQueryBlocks::TSqlQueryBlocks(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements)
    : m_tokens(tokens), m_blockOf(tokens.Size(), -1), m_clauseOf(tokens.Size(), TSqlClause::Other)
{
    for (const TSqlStatement& s : statements) {
        if (s.word == "update" || s.word == "delete")
            AddBlock(s.first, s.last);
        for (size_t i = s.first; i <= s.last; ++i)
            if (tokens.Kind(i) == TokenKind::Word && tokens.Lower(i) == "select")
                AddBlock(i, s.last);
    }
    // Blocks were added in text order; the parent of one is the innermost block before it that
    // still holds it.
    std::vector<size_t> open;
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        while (!open.empty() && m_blocks[open.back()].last < m_blocks[b].first)
            open.pop_back();
        if (!open.empty())
            m_blocks[b].parent = static_cast<int>(open.back());
        open.push_back(b);
        for (size_t i = m_blocks[b].first; i <= m_blocks[b].last; ++i)
            m_blockOf[i] = static_cast<int>(b);
        ReadClauses(m_blocks[b], static_cast<int>(b));
    }
}

void TSqlQueryBlocks::AddBlock(size_t first, size_t statementLast)
{
    TSqlQueryBlock block;
    block.first = first;
    block.last = statementLast;
    block.depth = m_tokens.Depth(first);
    for (size_t j = first + 1; j <= statementLast; ++j) {
        if (m_tokens.Depth(j) < block.depth) {
            block.last = j - 1;
            break;
        }
        if (m_tokens.Depth(j) == block.depth && Compound(m_tokens.Lower(j))) {
            block.last = j - 1;
            block.compound = true;
            break;
        }
    }
    if (first > 0 && m_tokens.Depth(first - 1) == block.depth) {
        const std::string& before = m_tokens.Lower(first - 1);
        if (Compound(before) || (before == "all" && first > 1 && Compound(m_tokens.Lower(first - 2))))
            block.compound = true;
    }
    m_blocks.push_back(std::move(block));
}

void TSqlQueryBlocks::ReadClauses(TSqlQueryBlock& block, int index)
{
    const int d = block.depth;
    const std::string& word = m_tokens.Lower(block.first);
    TSqlClause clause = TSqlClause::Other;
    size_t i = block.first + 1;
    bool expectTable = false;
    bool joinCondition = false;  // the Condition clause is a join's ON
    if (word == "select") {
        if (m_tokens.Is(i, "distinct"))
            block.distinct = i++;
        else if (m_tokens.Is(i, "all"))
            ++i;
        if (m_tokens.Is(i, "top") && i < block.last) {
            block.topFirst = i++;
            i = m_tokens.Is(i, "(") && m_tokens.Match(i) != TSqlTokens::npos ? m_tokens.Match(i) + 1 : i + 1;
            if (m_tokens.Is(i, "percent"))
                ++i;
            block.topLast = i - 1;
        }
        clause = TSqlClause::SelectList;
        block.listFirst = i;
        block.listLast = block.last;
    } else if (word == "update") {
        clause = TSqlClause::From;
        expectTable = true;
    }
    for (size_t k = i; k <= block.last; ++k) {
        if (m_blockOf[k] != index)
            continue;  // a nested block, read on its own
        if (m_tokens.Depth(k) != d) {
            m_clauseOf[k] = clause;
            continue;
        }
        const std::string& w = m_tokens.Lower(k);
        const bool inFrom = clause == TSqlClause::From || (clause == TSqlClause::Condition && joinCondition);
        const bool function = m_tokens.Is(k + 1, "(");
        if (w == "from") {
            if (clause == TSqlClause::SelectList)
                block.listLast = k - 1;
            clause = TSqlClause::From;
            expectTable = true;
        } else if (w == "where" || w == "having") {
            clause = TSqlClause::Condition;
            joinCondition = false;
            if (w == "having")
                block.having = k;
        } else if (w == "group" && m_tokens.Is(k + 1, "by")) {
            block.groupBy = k;
            clause = TSqlClause::GroupBy;
        } else if (w == "order" && m_tokens.Is(k + 1, "by")) {
            block.orderBy = k;
            clause = TSqlClause::OrderBy;
        } else if (w == "set" && word == "update") {
            clause = TSqlClause::Set;
        } else if (w == "into" || w == "values" || w == "limit" || w == "offset") {
            if (clause == TSqlClause::SelectList)
                block.listLast = k - 1;
            clause = TSqlClause::Other;
        } else if (w == "on" && clause == TSqlClause::From) {
            clause = TSqlClause::Condition;
            joinCondition = true;
        } else if (inFrom && (w == "join" || w == ",")) {
            clause = TSqlClause::From;
            expectTable = true;
        } else if (inFrom && !function && OneOf(w, {"left", "right", "inner", "cross", "full", "outer", "natural"})) {
            clause = TSqlClause::From;
        } else if (clause == TSqlClause::From && w == "with" && m_tokens.Is(k + 1, "(") &&
                   m_tokens.Match(k + 1) != TSqlTokens::npos) {
            m_tokens.Drop(k, m_tokens.Match(k + 1));
            for (const size_t end = m_tokens.Match(k + 1); k < end; ++k)
                m_clauseOf[k] = TSqlClause::From;
            m_clauseOf[k] = TSqlClause::From;
            continue;
        } else if (clause == TSqlClause::From && expectTable && (m_tokens.IsName(k) || w == "(")) {
            const size_t start = k;
            ReadTable(block, k, block.last);
            for (size_t t = start; t <= k; ++t)
                if (m_blockOf[t] == index)
                    m_clauseOf[t] = TSqlClause::From;
            expectTable = false;
            continue;
        }
        m_clauseOf[k] = clause;
    }
}

void TSqlQueryBlocks::ReadTable(TSqlQueryBlock& block, size_t& i, size_t end)
{
    TSqlTableRef ref;
    if (m_tokens.Is(i, "(")) {
        i = m_tokens.Match(i) == TSqlTokens::npos ? end : m_tokens.Match(i);
    } else {
        while (i <= end) {
            ref.table = NameOf(m_tokens.Source(), m_tokens.At(i));
            if (!m_tokens.Is(i + 1, "."))
                break;
            i += 2;
            while (m_tokens.Is(i, "."))
                ++i;
        }
        i = std::min(i, end);  // a name that ends in "." at the end of its block
        if (m_tokens.Is(i + 1, "(") && m_tokens.Match(i + 1) != TSqlTokens::npos) {
            ref.table.clear();  // a table-valued function
            i = m_tokens.Match(i + 1);
        }
    }
    if (i + 1 <= end && m_tokens.Is(i + 1, "as"))
        ++i;
    if (i + 1 <= end && m_tokens.IsName(i + 1)) {
        ++i;
        const std::string alias = NameOf(m_tokens.Source(), m_tokens.At(i));
        for (char c : alias)
            ref.alias += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    block.tables.push_back(std::move(ref));
}

}  // namespace ado::provider
