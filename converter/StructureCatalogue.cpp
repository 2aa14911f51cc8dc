#include "StructureCatalogue.h"

#include "AutomationError.h"
#include "ServerCatalogue.h"
#include "SqlIdentifier.h"
#include "mdlCommon.h"

#include <QString>

#include <map>

namespace {

std::string Text(const ado::Recordset& rs, long column) { return mdlCommon::GetValueText(rs.Fields(column).GetValue(), false); }

long Number(const ado::Recordset& rs, long column)
{
    return static_cast<long>(mdlCommon::NumberFromText(mdlCommon::GetValueText(rs.Fields(column).GetValue(), true)));
}

// A default's definition as SQL Server keeps it, in parentheses; Babelfish gives it bare
// ("getdate()", "0"), which not every target reads as a default.
std::string Definition(const std::string& text)
{
    return text.empty() || text.starts_with('(') ? text : "(" + text + ")";
}

// The key is the clustered index. A server that keeps every table as a heap (Babelfish makes no
// clustered indexes) has its primary key in that place, as SQL Server clusters a primary key
// unless told otherwise.
constexpr const char* kIsKey =
    "(i.type = 1 or (i.is_primary_key = 1 and not exists "
    "(select 1 from sys.indexes k where k.object_id = i.object_id and k.type = 1)))";

}  // namespace

StructureCatalogue::Facts StructureCatalogue::Legacy(ado::ConnectionPtr& connection, const std::string& objectName,
                                                     const ado::Recordset& fields)
{
    clsUtility& utility = mdlCommon::Utility();
    Facts facts;
    for (long i = 0; i < fields.FieldCount(); ++i) {
        const ado::Field& field = fields.Fields(i);
        const std::string nameText = sqlname::InLiteral(field.Name());
        Column column;
        const ado::RecordsetPtr identity = utility.OpenRecordset(
            "select columnproperty(object_id('" + objectName + "'),'" + nameText + "','IsIdentity')", connection);
        column.identity = mdlCommon::NumberFromText(mdlCommon::GetValueText(*identity, true)) == 1;
        column.nullable = (field.Attributes() & ado::adFldIsNullable) != 0;
        const ado::RecordsetPtr defaultText = utility.OpenRecordset(
            "SELECT syscomments.text From syscolumns "
            " inner join sysobjects  on sysobjects.id = syscolumns.cdefault "
            " inner join syscomments on sysobjects.id = syscomments.id "
            " where sysobjects.type = 'd' and syscolumns.name='" +
                nameText + "' " + " and syscolumns.id = object_id('" + objectName + "') ",
            connection);
        column.defaultText = mdlCommon::GetValueText(*defaultText, false);
        const ado::RecordsetPtr computed = utility.OpenRecordset(
            "select columnproperty(object_id('" + objectName + "'),'" + nameText + "','IsComputed')", connection);
        if (mdlCommon::NumberFromText(mdlCommon::GetValueText(*computed, true)) == 1) {
            // The catalogue keeps a computed column's text under its table, numbered by the column.
            const ado::RecordsetPtr text = utility.OpenRecordset(
                "select syscomments.text from syscolumns inner join syscomments on syscomments.id = syscolumns.id"
                " and syscomments.number = syscolumns.colid where syscolumns.name = '" +
                    nameText + "' and syscolumns.id = object_id('" + objectName + "')",
                connection);
            column.computedText = mdlCommon::GetValueText(*text, false);
        }
        facts.columns.push_back(std::move(column));
    }

    const std::string keyQuery =
        "select col.name,idx.name from syscolumns as col inner join sysindexkeys as ky on ky.id = col.id "
        "inner join sysindexes as idx on idx.id=col.id where col.id=object_id('" +
        objectName + "') ";
    const auto rows = [&](const std::string& condition, std::vector<IndexColumn>& into) {
        const ado::RecordsetPtr rs = utility.OpenRecordset(keyQuery + condition, connection);
        for (; !rs->Eof(); rs->MoveNext())
            into.push_back({Text(*rs, 0), Text(*rs, 1)});
    };
    rows("and idx.indid=1 and idx.indid = ky.indid and col.colid=ky.colid", facts.key);
    rows("and idx.indid<> 1 and idx.used>0 and idx.indid = ky.indid and col.colid=ky.colid", facts.indexes);
    return facts;
}

StructureCatalogue::Facts StructureCatalogue::Views(ado::ConnectionPtr& connection, const std::string& objectName,
                                                    const std::string& tableName, const ado::Recordset& fields)
{
    clsUtility& utility = mdlCommon::Utility();
    const std::string object = "object_id('" + objectName + "')";
    Facts facts;
    // Columns by their id, named as the empty result names them: some engines' catalogues give
    // names lower-cased.
    std::map<long, std::string> names;
    const ado::RecordsetPtr columns = utility.OpenRecordset(
        "select c.column_id, cast(c.is_identity as int), cast(c.is_nullable as int), d.definition, "
        "cast(c.is_computed as int), cc.definition from sys.columns c "
        "left join sys.default_constraints d on d.parent_object_id = c.object_id and d.parent_column_id = c.column_id "
        "left join sys.computed_columns cc on cc.object_id = c.object_id and cc.column_id = c.column_id "
        "where c.object_id = " + object + " order by c.column_id",
        connection);
    for (; !columns->Eof(); columns->MoveNext()) {
        const long position = static_cast<long>(facts.columns.size());
        if (position >= fields.FieldCount())
            break;
        names[Number(*columns, 0)] = fields.Fields(position).Name();
        facts.columns.push_back({Number(*columns, 1) == 1, Number(*columns, 2) == 1, Definition(Text(*columns, 3)),
                                 Number(*columns, 4) == 1 ? std::optional(Definition(Text(*columns, 5))) : std::nullopt});
    }
    if (static_cast<long>(facts.columns.size()) != fields.FieldCount() || !columns->Eof())
        throw automation::AutomationError(
            5, QStringLiteral("sys.columns lists other columns than the table's select gives"));

    const auto rows = [&](const std::string& condition, std::vector<IndexColumn>& into) {
        const ado::RecordsetPtr rs = utility.OpenRecordset(
            "select ic.column_id, i.name from sys.indexes i join sys.index_columns ic "
            "on ic.object_id = i.object_id and ic.index_id = i.index_id "
            "where i.object_id = " + object + " and ic.key_ordinal > 0 and " + condition +
                " order by i.index_id, ic.key_ordinal",
            connection);
        for (; !rs->Eof(); rs->MoveNext()) {
            const auto name = names.find(Number(*rs, 0));
            if (name == names.end())
                throw automation::AutomationError(
                    5, QStringLiteral("sys.index_columns names a column that sys.columns does not list"));
            into.push_back({name->second, catalogue::IndexName(Text(*rs, 1), tableName)});
        }
    };
    rows(kIsKey, facts.key);
    rows(std::string("i.type = 2 and i.is_hypothetical = 0 and not ") + kIsKey, facts.indexes);
    return facts;
}
