#include "InsertStatement.h"

#include "AutomationError.h"
#include "mdlCommon.h"

#include <charconv>
#include <cstring>

namespace {

bool ColumnProperty(ado::ConnectionPtr& objCon, const std::string& table, const std::string& column,
                    const char* property)
{
    const std::string sql = "select columnproperty(object_id('" + table + "'),'" + column + "','" + property + "')";
    const ado::RecordsetPtr answer = mdlCommon::Utility().OpenRecordset(sql, objCon);
    return mdlCommon::NumberFromText(mdlCommon::GetValueText(*answer, true)) == 1;
}

// Appends text with every single quote doubled.
void AppendQuoted(std::string& out, const std::string& text)
{
    const char* p = text.data();
    const char* end = p + text.size();
    while (const char* quote = static_cast<const char*>(std::memchr(p, '\'', static_cast<size_t>(end - p)))) {
        out.append(p, quote + 1);
        out.push_back('\'');
        p = quote + 1;
    }
    out.append(p, end);
}

void AppendValue(std::string& out, const ado::Value& value)
{
    if (const auto* text = std::get_if<std::string>(&value))
        AppendQuoted(out, *text);
    else
        clsUtility::AppendValueText(out, value, false);  // digits, dates and hex hold no quotes
}

bool IsTrue(const ado::Value& value)
{
    if (const auto* b = std::get_if<bool>(&value))
        return *b;
    if (const auto* i = std::get_if<std::int64_t>(&value))
        return *i != 0;
    if (const auto* d = std::get_if<double>(&value))
        return *d != 0;
    if (const auto* decimal = std::get_if<ado::Decimal>(&value))
        return decimal->digits.find_first_of("123456789") != std::string::npos;
    if (const auto* text = std::get_if<std::string>(&value)) {
        double number = 0;
        const auto result = std::from_chars(text->data(), text->data() + text->size(), number);
        if (result.ec == std::errc() && result.ptr == text->data() + text->size())
            return number != 0;
        return text->size() == 4 && (text->compare("true") == 0 || text->compare("True") == 0 || text->compare("TRUE") == 0);
    }
    return false;
}

}  // namespace

InsertStatement::InsertStatement(const ado::Recordset& rows, const std::string& strTable, ado::ConnectionPtr& objCon)
{
    for (long i = 0; i < rows.FieldCount(); ++i) {
        const ado::Field& field = rows.Fields(i);
        if (ColumnProperty(objCon, strTable, field.Name(), "IsIdentity"))
            continue;
        // SQL Server refuses values for computed and row-version columns.
        if ((field.Attributes() & ado::adFldRowVersion) || ColumnProperty(objCon, strTable, field.Name(), "IsComputed"))
            continue;
        m_columns.push_back({i, clsUtility::FieldKind(field)});
        m_head += field.Name();
        m_head += ',';
    }
    if (!m_head.empty())
        m_head.pop_back();
    m_head += ") values(";
}

void InsertStatement::AppendRow(std::string& out, const ado::Recordset& rows) const
{
    out += m_head;
    for (const Column& column : m_columns) {
        const ado::Value& value = rows.Fields(column.index).GetValue();
        if (ado::IsNull(value)) {
            out += "null";
        } else {
            switch (column.kind) {
            case clsUtility::eWholeNumber:
            case clsUtility::eOtherBare:
                AppendValue(out, value);
                break;
            case clsUtility::eBoolean:
                out.push_back(IsTrue(value) ? '1' : '0');
                break;
            case clsUtility::eUnicodeText:
                out += "N'";
                AppendValue(out, value);
                out.push_back('\'');
                break;
            default:
                out.push_back('\'');
                AppendValue(out, value);
                out.push_back('\'');
                break;
            }
        }
        out.push_back(',');
    }
    if (!m_columns.empty())
        out.pop_back();
    out.push_back(')');
}
