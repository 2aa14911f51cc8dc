#pragma once

#include "TSqlStatements.h"

#include <string>
#include <vector>

namespace ado::provider {

// The part of a query block a token belongs to.
enum class TSqlClause {
    Other,
    SelectList,
    From,       // table names and aliases
    Condition,  // ON, WHERE, HAVING
    GroupBy,
    OrderBy,
    Set,        // the assignments of an UPDATE
};

// A table a query block reads: its name (empty for a derived table or a function) and alias,
// both as written, the alias in lower case.
struct TSqlTableRef {
    std::string table;
    std::string alias;
};

// One SELECT, UPDATE or DELETE with the tokens first..last, at one parenthesis level.
struct TSqlQueryBlock {
    static constexpr size_t npos = TSqlTokens::npos;

    size_t first = 0;
    size_t last = 0;
    int depth = 0;
    int parent = -1;                 // the block it is nested in
    bool compound = false;           // a member of UNION, EXCEPT or INTERSECT
    std::vector<TSqlTableRef> tables;
    size_t distinct = npos;          // the DISTINCT word
    size_t topFirst = npos;          // TOP n [PERCENT]
    size_t topLast = npos;
    size_t listFirst = npos;         // the select list
    size_t listLast = npos;
    size_t groupBy = npos;           // the GROUP, HAVING and ORDER words at the block's level
    size_t having = npos;
    size_t orderBy = npos;
};

// The query blocks of a batch, the clause each token stands in, and the tables in reach of
// each block. Table hints ("WITH (NOLOCK)") are dropped from the text: SQLite has no locks to
// hint at.
class TSqlQueryBlocks {
public:
    TSqlQueryBlocks(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements);

    const std::vector<TSqlQueryBlock>& Blocks() const { return m_blocks; }
    // The innermost block holding the token, or -1.
    int BlockOf(size_t token) const { return m_blockOf[token]; }
    TSqlClause ClauseOf(size_t token) const { return m_clauseOf[token]; }

private:
    void AddBlock(size_t first, size_t statementLast);
    void ReadClauses(TSqlQueryBlock& block, int index);
    // A table reference at tokens[i] in a FROM clause; i moves past it.
    void ReadTable(TSqlQueryBlock& block, size_t& i, size_t end);

    TSqlTokens& m_tokens;
    std::vector<TSqlQueryBlock> m_blocks;
    std::vector<int> m_blockOf;
    std::vector<TSqlClause> m_clauseOf;
};

}  // namespace ado::provider
