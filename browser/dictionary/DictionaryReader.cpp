#include "DictionaryReader.h"

#include "AutomationError.h"
#include "TreeNodeText.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <map>

namespace {

QString Value(const VexaRecordPtr& record, const char* name)
{
    return record->GetValue(QString::fromLatin1(name)).toString();
}

bool IsTableNode(const VexaRecordPtr& record)
{
    return Value(record, "FTag") == QLatin1String("1");
}

}  // namespace

bool DictionaryReader::ReadTree(DictionaryDocument& document, QString& message)
{
    document.language = modPublic::GetLanguage();
    document.title = modPublic::LocalText(QStringLiteral("Norv字段描述查询工具"));
    document.indexLayout = VexaList::From(m_data.GetInfo(0));
    document.fieldLayout = VexaList::From(m_data.GetInfo(1));
    document.tree = VexaList::From(m_data.GetTreeData(QString(), &message));
    if (!document.tree || !document.indexLayout || !document.fieldLayout)
        return false;
    document.account = modPublic::LocalText(QStringLiteral("账套名称:[")) + modPublic::GetAcctName() + QStringLiteral("]");
    return true;
}

bool DictionaryReader::ReadTable(DictionaryDocument& document, const QString& table, QString& message)
{
    DictionaryTable result;
    result.name = table;
    for (const VexaRecordPtr& record : *document.tree) {
        const QString text = Value(record, "FText");
        if (!IsTableNode(record) || text.mid(text.indexOf(u'(') + 1).chopped(1) != table)
            continue;
        result.node = record;
        try {
            result.id = nodetext::TableId(Value(record, "FKey"));
        } catch (...) {
            automation::ClearCurrentError();
        }
        break;
    }
    document.singleTable = true;
    ReadRows(result, true);
    message = result.message;
    DictionaryGroup group;
    if (result.node)
        group.key = Value(result.node, "FRelative");
    group.tables.push_back(std::move(result));
    document.groups = {std::move(group)};
    return message.isEmpty();
}

template <class Fill>
void DictionaryReader::Group(DictionaryDocument& document, Fill&& fill)
{
    document.singleTable = false;
    document.groups.clear();
    std::map<QString, size_t> groupOf;
    std::map<QString, DictionaryGroup> orphans;
    for (const VexaRecordPtr& record : *document.tree) {
        if (!IsTableNode(record)) {
            if (!Value(record, "FRelative").isEmpty()) {
                groupOf.emplace(Value(record, "FKey"), document.groups.size());
                document.groups.push_back({Value(record, "FKey"), record, {}});
            }
            continue;
        }
        DictionaryTable table;
        table.node = record;
        try {
            table.name = nodetext::TableName(Value(record, "FText"));
            table.id = nodetext::TableId(Value(record, "FKey"));
            fill(table);
        } catch (...) {
            // The window ends the pick quietly here; the document says why.
            table.message = automation::InfoFromCurrentException().description;
            automation::ClearCurrentError();
        }
        const QString parent = Value(record, "FRelative");
        if (const auto found = groupOf.find(parent); found != groupOf.end()) {
            document.groups[found->second].tables.push_back(std::move(table));
        } else {
            DictionaryGroup& orphan = orphans[parent];
            orphan.key = parent;
            orphan.tables.push_back(std::move(table));
        }
    }
    for (auto& [key, group] : orphans)
        document.groups.push_back(std::move(group));
}

void DictionaryReader::ReadAll(DictionaryDocument& document, bool withIndexes)
{
    if (m_data.ReadsCatalogueViews() && ReadAllAtOnce(document, withIndexes))
        return;
    Group(document, [&](DictionaryTable& table) { ReadRows(table, withIndexes); });
}

bool DictionaryReader::ReadAllAtOnce(DictionaryDocument& document, bool withIndexes)
{
    QStringList names;
    std::map<QString, size_t> placeOf;
    for (const VexaRecordPtr& record : *document.tree) {
        if (!IsTableNode(record))
            continue;
        try {
            const QString name = nodetext::TableName(Value(record, "FText"));
            if (placeOf.emplace(name, names.size()).second)
                names << name;
        } catch (...) {
            automation::ClearCurrentError();
        }
    }
    QString message;
    std::optional<std::vector<automation::ObjectPtr>> indexes;
    if (withIndexes && !(indexes = m_data.GetAllIndexRows(names, &message)))
        return false;
    const std::optional<clsGetData::FieldRowsByTable> fields = m_data.GetAllFieldRows(&message);
    if (!fields)
        return false;
    const VexaListPtr none = std::make_shared<VexaList>();
    Group(document, [&](DictionaryTable& table) {
        if (indexes)
            table.indexes = VexaList::From((*indexes)[placeOf.at(table.name)]);
        const auto found = fields->find({table.id, table.name});
        table.fields = found != fields->end() ? found->second : none;
    });
    return true;
}

bool DictionaryReader::ReadAllFields(DictionaryDocument& document, QString& message,
                                     const clsGetData::FieldRowFilter& keep)
{
    const std::optional<clsGetData::FieldRowsByTable> rows = m_data.GetAllFieldRows(&message, keep);
    if (!rows)
        return false;
    const VexaListPtr none = std::make_shared<VexaList>();
    Group(document, [&](DictionaryTable& table) {
        const auto found = rows->find({table.id, table.name});
        // A table that does not exist has an empty field list, as its field query gives.
        table.fields = found != rows->end() ? found->second : none;
    });
    return true;
}

void DictionaryReader::ReadRows(DictionaryTable& table, bool withIndexes)
{
    QString message;
    if (withIndexes)
        table.indexes = VexaList::From(m_data.GetDataByInterID(table.id, table.name, 0, &message));
    table.fields = VexaList::From(m_data.GetDataByInterID(table.id, table.name, 1, &message));
    table.message = message;
}
