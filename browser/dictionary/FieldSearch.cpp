#include "FieldSearch.h"

#include "modPublic.h"

bool FieldSearch::Matches(const QString& fieldName, const QString& description, const QString& text)
{
    return fieldName.contains(text, Qt::CaseInsensitive) || description.contains(text, Qt::CaseInsensitive);
}

std::vector<FieldSearch::Hit> FieldSearch::Find(const DictionaryDocument& document, const QString& text)
{
    const QString name = QStringLiteral("FFieldName");
    const QString description = QStringLiteral("FDescription");
    std::vector<Hit> hits;
    for (const DictionaryGroup& group : document.groups) {
        for (const DictionaryTable& table : group.tables) {
            if (!table.fields)
                continue;
            for (const VexaRecordPtr& field : *table.fields) {
                if (Matches(field->GetValue(name).toString(), field->GetValue(description).toString(), text))
                    hits.push_back({&group, &table, field});
            }
        }
    }
    return hits;
}

DictionaryRows FieldSearch::Rows(const DictionaryDocument& document, const std::vector<Hit>& hits)
{
    DictionaryRows rows;
    rows.title = document.title;
    rows.account = document.account;
    rows.names = {QStringLiteral("subsystem"), QStringLiteral("table"), QStringLiteral("FFieldName"),
                  QStringLiteral("FDescription"), QStringLiteral("FFieldType")};
    const QStringList fieldNames = DictionaryDocument::Names(document.fieldLayout.get());
    const QStringList fieldCaptions = DictionaryDocument::Captions(document.fieldLayout.get());
    rows.captions = {modPublic::LocalText(QStringLiteral("子系统")), modPublic::LocalText(QStringLiteral("表代码"))};
    for (qsizetype i = 2; i < rows.names.size(); ++i)
        rows.captions << fieldCaptions.value(fieldNames.indexOf(rows.names[i]), rows.names[i]);
    for (const Hit& hit : hits) {
        QVariantList row{hit.group->node ? hit.group->node->GetValue(QStringLiteral("FText")).toString() : QString(),
                         hit.table->name};
        for (qsizetype i = 2; i < rows.names.size(); ++i)
            row << hit.field->GetValue(rows.names[i]);
        rows.rows.push_back(row);
    }
    return rows;
}
