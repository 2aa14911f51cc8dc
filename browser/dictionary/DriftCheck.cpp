#include "DriftCheck.h"

#include "AutomationError.h"
#include "HeldConnection.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <map>
#include <set>

namespace {

constexpr long kObjectNotSet = 91;

// A name as the server's default collation compares it.
QString Key(const QString& name)
{
    qsizetype end = name.size();
    while (end > 0 && name[end - 1] == u' ')
        --end;
    return name.left(end).toCaseFolded();
}

QString Text(const ado::Recordset& rs, const char* column)
{
    const ado::Value& value = rs.Fields(column).GetValue();
    return ado::IsNull(value) ? QString() : QString::fromStdString(ado::ToText(value));
}

}  // namespace

std::vector<DriftCheck::Item> DriftCheck::Find(const DictionaryDocument& document, const clsGetData& data,
                                               HeldConnection& connection)
{
    // What the catalogue holds: tables and views by name, which of them are tables.
    std::map<QString, QString> existing;  // key -> name
    std::set<QString> userTables;
    QString message;
    const ado::RecordsetPtr objects = data.GetTablesAndViews(&message);
    if (!objects)
        throw automation::AutomationError(kObjectNotSet, message);
    for (; !objects->Eof(); objects->MoveNext()) {
        const QString name = Text(*objects, "name");
        existing.emplace(Key(name), name);
        if (modPublic::TrimBlanks(Text(*objects, "xtype")) == QLatin1String("U"))
            userTables.insert(Key(name));
    }
    // The described fields, by table ID.
    std::map<qint64, std::set<QString>> describedFields;
    std::map<qint64, std::vector<QString>> describedFieldNames;
    const ado::RecordsetPtr fields =
        connection.GetData(QStringLiteral("select FTableID, FFieldName from t_FieldDescription order by FTableID, FFieldName"));
    for (; !fields->Eof(); fields->MoveNext()) {
        const qint64 id = Text(*fields, "FTableID").toLongLong();
        const QString name = Text(*fields, "FFieldName");
        if (describedFields[id].insert(Key(name)).second)
            describedFieldNames[id].push_back(name);
    }

    std::vector<Item> missingTables, missingFields, undescribedColumns, undescribedTables;
    std::set<QString> described = {Key(QStringLiteral("t_Subsystem")), Key(QStringLiteral("t_tabledescription")),
                                   Key(QStringLiteral("t_FieldDescription"))};
    std::set<qint64> checkedIds;
    for (const DictionaryGroup& group : document.groups) {
        for (const DictionaryTable& table : group.tables) {
            described.insert(Key(table.name));
            checkedIds.insert(table.id);
            if (!existing.count(Key(table.name))) {
                missingTables.push_back({Kind::MissingTable, table.name, QString()});
                continue;
            }
            std::set<QString> columns;
            if (table.fields) {
                for (const VexaRecordPtr& row : *table.fields) {
                    const QString column = row->GetValue(QStringLiteral("FFieldName")).toString();
                    columns.insert(Key(column));
                    if (!describedFields[table.id].count(Key(column)))
                        undescribedColumns.push_back({Kind::UndescribedColumn, table.name, column});
                }
            }
            for (const QString& field : describedFieldNames[table.id])
                if (!columns.count(Key(field)))
                    missingFields.push_back({Kind::MissingField, table.name, field});
        }
    }
    // Descriptions of fields whose table ID no described table has.
    for (const auto& [id, names] : describedFieldNames)
        if (!checkedIds.count(id))
            for (const QString& field : names)
                missingFields.push_back({Kind::MissingField, QStringLiteral("#%1").arg(id), field});
    for (const auto& [key, name] : existing)
        if (userTables.count(key) && !described.count(key))
            undescribedTables.push_back({Kind::UndescribedTable, name, QString()});

    std::vector<Item> items = missingTables;
    items.insert(items.end(), undescribedTables.begin(), undescribedTables.end());
    items.insert(items.end(), missingFields.begin(), missingFields.end());
    items.insert(items.end(), undescribedColumns.begin(), undescribedColumns.end());
    return items;
}

DictionaryRows DriftCheck::Rows(const DictionaryDocument& document, const std::vector<Item>& items)
{
    DictionaryRows rows;
    rows.title = document.title;
    rows.account = document.account;
    rows.names = {QStringLiteral("drift"), QStringLiteral("table"), QStringLiteral("field")};
    rows.captions = {modPublic::LocalText(QStringLiteral("差异")), modPublic::LocalText(QStringLiteral("表代码")),
                     modPublic::LocalText(QStringLiteral("字段名称"))};
    const std::map<Kind, QString> texts = {
        {Kind::MissingTable, modPublic::LocalText(QStringLiteral("表不存在"))},
        {Kind::UndescribedTable, modPublic::LocalText(QStringLiteral("表没有描述"))},
        {Kind::MissingField, modPublic::LocalText(QStringLiteral("字段不存在"))},
        {Kind::UndescribedColumn, modPublic::LocalText(QStringLiteral("字段没有描述"))},
    };
    for (const Item& item : items)
        rows.rows.push_back({texts.at(item.kind), item.table, item.field});
    rows.summary = modPublic::LocalText(QStringLiteral("差异数:")) + u' ' + QString::number(items.size());
    return rows;
}
