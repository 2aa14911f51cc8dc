#include "InsertStatement.h"

#include "SqlIdentifier.h"
#include "mdlCommon.h"

namespace {

bool ColumnProperty(ado::ConnectionPtr& objCon, const std::string& objectName, const std::string& column,
                    const char* property)
{
    const std::string sql = "select columnproperty(object_id('" + objectName + "'),'" + sqlname::InLiteral(column) +
                            "','" + property + "')";
    const ado::RecordsetPtr answer = mdlCommon::Utility().OpenRecordset(sql, objCon);
    return mdlCommon::NumberFromText(mdlCommon::GetValueText(*answer, true)) == 1;
}

}  // namespace

InsertStatement::InsertStatement(const ado::Recordset& rows, const std::string& strObjectName,
                                 ado::ConnectionPtr& objCon, bool keepIdentity)
{
    for (long i = 0; i < rows.FieldCount(); ++i) {
        const ado::Field& field = rows.Fields(i);
        if (ColumnProperty(objCon, strObjectName, field.Name(), "IsIdentity")) {
            if (!keepIdentity)
                continue;
            m_writesIdentity = true;
        }
        // SQL Server refuses values for computed and row-version columns.
        if ((field.Attributes() & ado::adFldRowVersion) ||
            ColumnProperty(objCon, strObjectName, field.Name(), "IsComputed"))
            continue;
        m_columns.push_back({i, ValueLiteral(field), field.Name()});
        m_head += sqlname::Quote(field.Name());
        m_head += ',';
    }
    if (!m_head.empty())
        m_head.pop_back();
    m_head += ") values(";
}

void InsertStatement::AppendRow(std::string& out, const ado::Recordset& rows)
{
    const ado::Value* values = rows.CurrentRow();
    if (!values)
        rows.Fields(0L).GetValue();  // no current row: the record set's own error
    AppendRow(out, values);
}

void InsertStatement::AppendRow(std::string& out, const ado::Value* values)
{
    ++m_row;
    out += m_head;
    for (Column& column : m_columns) {
        if (!column.literal.Append(out, values[column.index]) && column.otherForms++ == 0)
            column.firstRow = m_row;
        out.push_back(',');
    }
    if (!m_columns.empty())
        out.pop_back();
    out.push_back(')');
}

std::vector<TableFacts::OtherForm> InsertStatement::OtherForms() const
{
    std::vector<TableFacts::OtherForm> forms;
    for (const Column& column : m_columns)
        if (column.otherForms > 0)
            forms.push_back({column.name, column.otherForms, column.firstRow});
    return forms;
}

std::string InsertStatement::OtherFormReport() const
{
    std::string columns;
    for (const TableFacts::OtherForm& form : OtherForms()) {
        if (!columns.empty())
            columns += ", ";
        columns += form.column + " (" + std::to_string(form.values) + (form.values == 1 ? " value" : " values") +
                   ", first at row " + std::to_string(form.firstRow) + ")";
    }
    return columns.empty() ? columns : "values written in another form than their column's type: " + columns;
}
