#pragma once

#include "TSqlCatalogue.h"
#include "TSqlDeclarations.h"
#include "TSqlQueryBlocks.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace ado::provider {

// A column named in an expression: "c", "t.c" or "dbo.t.c", tokens first..last.
struct TSqlColumnRef {
    size_t first = 0;
    size_t last = 0;
    std::string qualifier;  // the table or alias, or empty
    std::string column;
};

// The type of an operand of an expression, as far as the text, the variables and the catalogue
// tell: literals by their kind, columns by the tables their query block reads, variables by
// their declaration, well-known functions by what they return. An unknown type has no name.
class TSqlOperandTypes {
public:
    TSqlOperandTypes(const TSqlTokens& tokens, const TSqlQueryBlocks& blocks, const TSqlCatalogue* catalogue,
                     const TSqlDeclarations& declarations)
        : m_tokens(tokens), m_blocks(blocks), m_catalogue(catalogue), m_declarations(declarations)
    {
    }

    // The column reference that starts at token i.
    std::optional<TSqlColumnRef> ColumnAt(size_t i) const;
    TSqlDataType TypeOf(const TSqlColumnRef& ref) const;
    // The operand that starts at token i, and its last token.
    TSqlDataType StartingAt(size_t i) const;
    size_t OperandEnd(size_t i) const;
    // The operand whose last token is i.
    TSqlDataType EndingAt(size_t i) const;
    // Whether the operand that starts or ends at token i is a column reference.
    bool ColumnStartsAt(size_t i) const { return ColumnAt(i).has_value(); }
    bool ColumnEndsAt(size_t i) const;
    // A function call: a word followed by "(".
    bool IsCall(size_t i) const;

private:
    TSqlDataType FunctionType(size_t name) const;
    // The type written in CONVERT's first argument or after CAST's AS.
    TSqlDataType WrittenType(size_t first, size_t last) const;
    std::optional<TSqlDataType> Lookup(const std::string& table, const std::string& column) const;
    std::optional<TSqlDataType> AliasType(const TSqlQueryBlock& block, const std::string& column) const;

    const TSqlTokens& m_tokens;
    const TSqlQueryBlocks& m_blocks;
    const TSqlCatalogue* m_catalogue;
    const TSqlDeclarations& m_declarations;
    mutable std::map<std::pair<std::string, std::string>, std::optional<TSqlDataType>> m_cache;
};

}  // namespace ado::provider
