#include "CsvWriter.h"

#include "VisibleText.h"

#include <QRegularExpression>

namespace {

// Without it a spreadsheet reads the file in the system's code page, which garbles every
// Chinese text on most machines.
const QString kByteOrderMark = QString(QChar(0xFEFF));

// A spreadsheet reads a cell that starts with one of these as a formula.
bool LooksLikeFormula(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^[-+]?[0-9]+(\\.[0-9]+)?$"));
    return !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()) && !number.match(text).hasMatch();
}

}  // namespace

CsvWriter::CsvWriter(bool raw) : m_raw(raw) {}

QString CsvWriter::Cell(const QString& value) const
{
    // Tabs and line breaks stay as they are (a line break in quotes); other control characters are shown.
    QString text = VisibleText(value, u"\t\r\n");
    if (!m_raw && LooksLikeFormula(text))
        text.prepend(u'\'');
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    text.replace(u'"', QStringLiteral("\"\""));
    return u'"' + text + u'"';
}

void CsvWriter::AppendLine(QString& out, const QStringList& cells) const
{
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += u',';
        out += Cell(cells[i]);
    }
    out += QStringLiteral("\r\n");
}

QByteArray CsvWriter::Tree(const DictionaryDocument& document) const
{
    const QStringList names = {QStringLiteral("FType"),     QStringLiteral("FRelative"), QStringLiteral("FKey"),
                               QStringLiteral("FText"),     QStringLiteral("FimgNormal"), QStringLiteral("FimgClick"),
                               QStringLiteral("FTag")};
    QString out = kByteOrderMark;
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
    QString out = kByteOrderMark;
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
    QString out = kByteOrderMark;
    AppendLine(out, rows.names);
    for (const QVariantList& row : rows.rows) {
        QStringList cells;
        for (const QVariant& value : row)
            cells << value.toString();
        AppendLine(out, cells);
    }
    return out.toUtf8();
}
