#pragma once

#include "Connection.h"
#include "Recordset.h"
#include "clsUtility.h"

#include <string>
#include <vector>

// The insert statement of one table's rows. Which columns take part and how each is rendered
// is worked out once, at the table's first row, with the same catalogue questions the row would
// otherwise ask for every field; every row then costs its values alone.
class InsertStatement {
public:
    // Leaves out identity and computed columns (asked of columnproperty) and row-version columns.
    InsertStatement(const ado::Recordset& rows, const std::string& strTable, ado::ConnectionPtr& objCon);

    // Appends the second write of the current row's insert statement:
    // column list + ") values(" + value list + ")".
    void AppendRow(std::string& out, const ado::Recordset& rows) const;

private:
    struct Column {
        long index;
        clsUtility::enuFieldKind kind;
    };

    std::vector<Column> m_columns;
    std::string m_head;  // "a,b) values("
};
