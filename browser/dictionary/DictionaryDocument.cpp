#include "DictionaryDocument.h"

#include "modPublic.h"

namespace {

QStringList LayoutValues(const VexaList* layout, const QString& name)
{
    QStringList values;
    if (layout) {
        for (const VexaRecordPtr& column : *layout)
            values << column->GetValue(name).toString();
    }
    return values;
}

}  // namespace

QStringList DictionaryDocument::Names(const VexaList* layout)
{
    return LayoutValues(layout, QStringLiteral("FName"));
}

QStringList DictionaryDocument::Captions(const VexaList* layout)
{
    return LayoutValues(layout, QStringLiteral("FCaption"));
}

std::vector<QStringList> DictionaryDocument::Cells(const VexaList& layout, const VexaList* rows)
{
    const QStringList names = Names(&layout);
    std::vector<QStringList> cells;
    if (rows) {
        for (const VexaRecordPtr& row : *rows) {
            QStringList line;
            for (const QString& name : names)
                line << row->GetValue(name).toString();
            cells.push_back(line);
        }
    }
    return cells;
}

std::map<QString, std::vector<const VexaRecord*>> DictionaryDocument::Children(const VexaList& tree)
{
    std::map<QString, std::vector<const VexaRecord*>> children;
    for (const VexaRecordPtr& record : tree)
        children[record->GetValue(QStringLiteral("FRelative")).toString()].push_back(record.get());
    return children;
}

QString DictionaryDocument::UngroupedCaption()
{
    return modPublic::LocalText(QStringLiteral("未归类的表"));
}

std::vector<QStringList> DictionaryRows::Cells() const
{
    std::vector<QStringList> cells;
    for (const QVariantList& row : rows) {
        QStringList line;
        for (const QVariant& value : row)
            line << value.toString();
        cells.push_back(line);
    }
    return cells;
}

QStringList DictionaryDocument::Failures() const
{
    QStringList failures;
    for (const DictionaryGroup& group : groups)
        for (const DictionaryTable& table : group.tables)
            if (!table.message.isEmpty())
                failures << table.name + QStringLiteral(": ") + table.message;
    return failures;
}
