#include "CsvWriter.h"

namespace {

QString Cell(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void AppendLine(QString& out, const QStringList& cells)
{
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += u',';
        out += Cell(cells[i]);
    }
    out += QStringLiteral("\r\n");
}

}  // namespace

QByteArray CsvWriter::Tree(const DictionaryDocument& document) const
{
    const QStringList names = {QStringLiteral("FType"),     QStringLiteral("FRelative"), QStringLiteral("FKey"),
                               QStringLiteral("FText"),     QStringLiteral("FimgNormal"), QStringLiteral("FimgClick"),
                               QStringLiteral("FTag")};
    QString out;
    AppendLine(out, names);
    for (const VexaRecordPtr& record : *document.tree) {
        QStringList cells;
        for (const QString& name : names)
            cells << record->GetValue(name).toString();
        AppendLine(out, cells);
    }
    return out.toUtf8();
}

QByteArray CsvWriter::Tables(const DictionaryDocument& document) const
{
    const QStringList indexNames = DictionaryDocument::Names(document.indexLayout.get());
    const QStringList fieldNames = DictionaryDocument::Names(document.fieldLayout.get());
    QString out;
    AppendLine(out, QStringList{QStringLiteral("subsystem"), QStringLiteral("table"), QStringLiteral("caption"),
                                QStringLiteral("message"), QStringLiteral("list")} +
                        indexNames + fieldNames);
    for (const DictionaryGroup& group : document.groups) {
        const QString subsystem = group.node ? group.node->GetValue(QStringLiteral("FText")).toString() : QString();
        for (const DictionaryTable& table : group.tables) {
            const QStringList leading = {subsystem, table.name,
                                         table.node ? table.node->GetValue(QStringLiteral("FText")).toString() : table.name,
                                         table.message};
            bool any = false;
            const auto appendRows = [&](const VexaList* rows, const QString& list, bool indexList) {
                if (!rows)
                    return;
                for (const VexaRecordPtr& row : *rows) {
                    QStringList cells = leading;
                    cells << list;
                    for (const QString& name : indexNames)
                        cells << (indexList ? row->GetValue(name).toString() : QString());
                    for (const QString& name : fieldNames)
                        cells << (indexList ? QString() : row->GetValue(name).toString());
                    AppendLine(out, cells);
                    any = true;
                }
            };
            appendRows(table.indexes.get(), QStringLiteral("indexes"), true);
            appendRows(table.fields.get(), QStringLiteral("fields"), false);
            if (!any)
                AppendLine(out, leading + QStringList{QString()} + QStringList(indexNames.size() + fieldNames.size()));
        }
    }
    return out.toUtf8();
}

QByteArray CsvWriter::Rows(const DictionaryRows& rows) const
{
    QString out;
    AppendLine(out, rows.names);
    for (const QVariantList& row : rows.rows) {
        QStringList cells;
        for (const QVariant& value : row)
            cells << value.toString();
        AppendLine(out, cells);
    }
    return out.toUtf8();
}
