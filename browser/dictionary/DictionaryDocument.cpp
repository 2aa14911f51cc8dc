#include "DictionaryDocument.h"

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
