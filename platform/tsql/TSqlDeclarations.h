#pragma once

#include "TSqlDataType.h"
#include "TSqlStatements.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ado::provider {

// A variable of a batch: its name in lower case ("@total") and its declared type.
struct TSqlVariable {
    std::string name;
    TSqlDataType type;
};

// The variables of a batch. DECLARE, SET and "SELECT @v = ..." become statements that SQLite
// can run: a SELECT whose columns are named after the variables they assign ("SELECT 5 AS
// "@n""), so that whoever runs the batch stores them; a DECLARE without values and SET options
// (SET NOCOUNT ON) are dropped. Every variable must be declared before it is used, as SQL
// Server requires; otherwise the constructor throws AutomationError "Must declare the scalar
// variable "@v".".
class TSqlDeclarations {
public:
    // Statements for which skip answers true (procedure calls) are left alone. declaredBefore:
    // the variables that earlier parts of the same batch declared.
    TSqlDeclarations(TSqlTokens& tokens, const std::vector<TSqlStatement>& statements,
                     const std::function<bool(size_t)>& skip, const std::vector<TSqlVariable>& declaredBefore = {});

    const std::vector<TSqlVariable>& Variables() const { return m_variables; }
    const TSqlVariable* Find(std::string_view lowerName) const;
    // The first token of each statement that assigns variables.
    const std::vector<size_t>& Assignments() const { return m_assignments; }
    // Names the assigning columns; call once every other edit has been made, so that the names
    // come last.
    void NameColumns();

private:
    void Declare(const TSqlStatement& s);
    void Set(const TSqlStatement& s);
    void SelectInto(const TSqlStatement& s);
    void CheckUses(size_t first, size_t last) const;
    // Where the expression that starts at first ends: before a comma at the given level, or
    // before one of the clause words at it, or at last.
    size_t ExpressionEnd(size_t first, size_t last, int depth, bool clauses) const;
    // The value that ends at token last is the variable's new value.
    void Assign(size_t last, const std::string& name);

    TSqlTokens& m_tokens;
    std::vector<TSqlVariable> m_variables;
    std::vector<size_t> m_assignments;
    std::vector<std::pair<size_t, std::string>> m_columnNames;  // token to follow, its name
};

}  // namespace ado::provider
