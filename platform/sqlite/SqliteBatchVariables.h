#pragma once

#include "TSqlDeclarations.h"
#include "TSqlValue.h"

#include <sqlite3.h>

#include <string>
#include <string_view>
#include <vector>

namespace ado::provider {

// The variables of one batch while it runs: every one starts as NULL; statements read them as
// bound "@name" parameters and assigning statements (see TSqlText) store into them. A batch
// with IF runs in parts; the variables a part declares live on for the parts after it.
class SqliteBatchVariables {
public:
    // Adds the variables not yet known, each NULL.
    void Declare(const std::vector<TSqlVariable>& declared);
    std::vector<TSqlVariable> Declared() const;

    // Binds each "@name" parameter of the statement to its variable's value.
    void Bind(sqlite3_stmt* statement) const;
    // Runs an assigning statement: each column, converted to the type of the variable it is
    // named after, becomes that variable's value; the last row counts, no row leaves them as
    // they were. Throws AutomationError in SQL Server's words when a value does not convert.
    void Assign(sqlite3_stmt* statement, sqlite3* db, std::string_view lastToken);
    // A variable's value as text; empty for NULL.
    std::string Text(std::string_view name) const;

private:
    struct Variable {
        std::string name;  // lower case
        TSqlDataType type;
        TSqlValue value;
    };

    Variable* Find(std::string_view name);
    const Variable* Find(std::string_view name) const;

    std::vector<Variable> m_variables;
};

}  // namespace ado::provider
