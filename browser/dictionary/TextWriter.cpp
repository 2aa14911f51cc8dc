#include "TextWriter.h"

#include "VisibleText.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

// The widest cell, in columns: a longer one is cut, so that one long description does not
// widen every row past the screen (the other formats keep it whole).
constexpr int kCellColumns = 80;

// Columns a character takes on a terminal: East Asian wide and full-width forms take two.
int CharacterWidth(char32_t c)
{
    const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                      (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                      (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
    return wide ? 2 : 1;
}

int DisplayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4())
        width += CharacterWidth(c);
    return width;
}

// A cell: shown, and no wider than kCellColumns, ending in "…" when cut.
QString Cell(const QString& text)
{
    const QString shown = VisibleText(text);
    if (DisplayWidth(shown) <= kCellColumns)
        return shown;
    QList<char32_t> kept;
    int width = 0;
    for (const char32_t c : shown.toUcs4()) {
        if (width + CharacterWidth(c) > kCellColumns - 1)
            break;
        width += CharacterWidth(c);
        kept.append(c);
    }
    return QString::fromUcs4(kept.constData(), kept.size()) + u'…';
}

QString Value(const VexaRecord& record, const char* name)
{
    return record.GetValue(QString::fromLatin1(name)).toString();
}

std::vector<QStringList> CellLines(const QStringList& captions, std::vector<QStringList> rows)
{
    std::vector<QStringList> lines{captions};
    for (QStringList& cells : rows) {
        for (QString& cell : cells)
            cell = Cell(cell);
        lines.push_back(std::move(cells));
    }
    for (QString& caption : lines.front())
        caption = Cell(caption);
    return lines;
}

// Lines of cells in aligned columns, two blanks between columns and none after the last.
QString Aligned(const std::vector<QStringList>& lines)
{
    std::vector<int> widths;
    for (const QStringList& cells : lines) {
        widths.resize(std::max(widths.size(), static_cast<size_t>(cells.size())), 0);
        for (qsizetype i = 0; i < cells.size(); ++i)
            widths[static_cast<size_t>(i)] = std::max(widths[static_cast<size_t>(i)], DisplayWidth(cells[i]));
    }
    QString text;
    for (const QStringList& cells : lines) {
        for (qsizetype i = 0; i < cells.size(); ++i) {
            text += cells[i];
            if (i + 1 < cells.size())
                text += QString(widths[static_cast<size_t>(i)] - DisplayWidth(cells[i]) + 2, u' ');
        }
        text += u'\n';
    }
    return text;
}

// One list: the layout's captions as headings, then the rows.
QString List(const VexaList& layout, const VexaList* rows)
{
    return Aligned(CellLines(DictionaryDocument::Captions(&layout), DictionaryDocument::Cells(layout, rows)));
}

QString Table(const DictionaryDocument& document, const DictionaryTable& table)
{
    QString text = VisibleText(table.node ? Value(*table.node, "FText") : table.name) + u'\n';
    if (!document.singleTable && !table.message.isEmpty())
        text += QStringLiteral("! ") + VisibleText(table.message) + u'\n';
    text += u'\n' + List(*document.indexLayout, table.indexes.get());
    text += u'\n' + List(*document.fieldLayout, table.fields.get());
    return text;
}

}  // namespace

QByteArray TextWriter::Tree(const DictionaryDocument& document) const
{
    QString text = VisibleText(document.account) + u'\n';
    auto children = DictionaryDocument::Children(*document.tree);
    std::set<QString> keys;
    for (const VexaRecordPtr& record : *document.tree)
        keys.insert(Value(*record, "FKey"));
    const auto print = [&](const auto& self, const QString& parent, int depth) -> void {
        for (const VexaRecord* node : children[parent]) {
            text += QString(depth * 2, u' ') + VisibleText(Value(*node, "FText")) + QStringLiteral("  [") +
                    VisibleText(Value(*node, "FKey")) + QStringLiteral("]\n");
            self(self, Value(*node, "FKey"), depth + 1);
        }
    };
    print(print, QString(), 0);
    // Nodes whose parent is missing follow, under a line naming the missing parent.
    for (const auto& [parent, nodes] : children) {
        if (parent.isEmpty() || keys.count(parent))
            continue;
        text += QStringLiteral("(no node %1)\n").arg(VisibleText(parent));
        print(print, parent, 1);
    }
    return text.toUtf8();
}

QByteArray TextWriter::Tables(const DictionaryDocument& document) const
{
    QString text = VisibleText(document.account) + u'\n';
    if (document.singleTable) {
        for (const DictionaryGroup& group : document.groups)
            for (const DictionaryTable& table : group.tables)
                text += Table(document, table);
        return text.toUtf8();
    }
    for (const DictionaryGroup& group : document.groups) {
        text += u'\n';
        text += group.node ? QStringLiteral("== %1  [%2]\n").arg(VisibleText(Value(*group.node, "FText")), VisibleText(group.key))
                           : QStringLiteral("== (no node %1)\n").arg(VisibleText(group.key));
        for (const DictionaryTable& table : group.tables)
            text += u'\n' + Table(document, table);
    }
    return text.toUtf8();
}

QByteArray TextWriter::Rows(const DictionaryRows& rows) const
{
    QString text = VisibleText(rows.account) + u'\n' + Aligned(CellLines(rows.captions, rows.Cells()));
    if (!rows.summary.isEmpty())
        text += VisibleText(rows.summary) + u'\n';
    return text.toUtf8();
}
