#pragma once

#include "Connection.h"
#include "Recordset.h"
#include "TableFacts.h"
#include "ValueLiteral.h"

#include <string>
#include <vector>

// The insert statement of one table's rows. Which columns take part and how each is rendered
// is worked out once, at the table's first row, with the same catalogue questions the row would
// otherwise ask for every field; every row then costs its values alone.
class InsertStatement {
public:
    // Leaves out computed columns (asked of columnproperty) and row-version columns, and the
    // identity column unless keepIdentity. strObjectName is the table's name as it stands
    // inside object_id('...').
    InsertStatement(const ado::Recordset& rows, const std::string& strObjectName, ado::ConnectionPtr& objCon,
                    bool keepIdentity);

    // The statement writes an identity column's values: the server takes them only while
    // identity_insert is on for the table.
    bool WritesIdentity() const { return m_writesIdentity; }

    // Appends the second write of the current row's insert statement:
    // column list + ") values(" + value list + ")".
    void AppendRow(std::string& out, const ado::Recordset& rows);
    // The same of a row's values in field order.
    void AppendRow(std::string& out, const ado::Value* values);

    // The columns whose values had to be written in another form than their type gives, with
    // how many and the first row (counted from 1); empty when there were none.
    std::string OtherFormReport() const;
    // The same columns, for a host's report.
    std::vector<TableFacts::OtherForm> OtherForms() const;

private:
    struct Column {
        long index;
        ValueLiteral literal;
        std::string name;
        long otherForms = 0;
        long firstRow = 0;
    };

    std::vector<Column> m_columns;
    std::string m_head;  // "a,b) values("
    long m_row = 0;
    bool m_writesIdentity = false;
};
