#include "TextWriter.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {

// Columns a character takes on a terminal: East Asian wide and full-width forms take two.
int DisplayWidth(const QString& text)
{
    int width = 0;
    for (const char32_t c : text.toUcs4()) {
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
                          (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        width += wide ? 2 : 1;
    }
    return width;
}

QString Value(const VexaRecord& record, const char* name)
{
    return record.GetValue(QString::fromLatin1(name)).toString();
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
    std::vector<QStringList> lines{DictionaryDocument::Captions(&layout)};
    for (QStringList& cells : DictionaryDocument::Cells(layout, rows))
        lines.push_back(std::move(cells));
    return Aligned(lines);
}

QString Table(const DictionaryDocument& document, const DictionaryTable& table)
{
    QString text = (table.node ? Value(*table.node, "FText") : table.name) + u'\n';
    if (!document.singleTable && !table.message.isEmpty())
        text += QStringLiteral("! ") + table.message + u'\n';
    text += u'\n' + List(*document.indexLayout, table.indexes.get());
    text += u'\n' + List(*document.fieldLayout, table.fields.get());
    return text;
}

}  // namespace

QByteArray TextWriter::Tree(const DictionaryDocument& document) const
{
    QString text = document.account + u'\n';
    auto children = DictionaryDocument::Children(*document.tree);
    std::set<QString> keys;
    for (const VexaRecordPtr& record : *document.tree)
        keys.insert(Value(*record, "FKey"));
    const auto print = [&](const auto& self, const QString& parent, int depth) -> void {
        for (const VexaRecord* node : children[parent]) {
            text += QString(depth * 2, u' ') + Value(*node, "FText") + QStringLiteral("  [") + Value(*node, "FKey") +
                    QStringLiteral("]\n");
            self(self, Value(*node, "FKey"), depth + 1);
        }
    };
    print(print, QString(), 0);
    // Nodes whose parent is missing follow, under a line naming the missing parent.
    for (const auto& [parent, nodes] : children) {
        if (parent.isEmpty() || keys.count(parent))
            continue;
        text += QStringLiteral("(no node %1)\n").arg(parent);
        print(print, parent, 1);
    }
    return text.toUtf8();
}

QByteArray TextWriter::Tables(const DictionaryDocument& document) const
{
    QString text = document.account + u'\n';
    if (document.singleTable) {
        for (const DictionaryGroup& group : document.groups)
            for (const DictionaryTable& table : group.tables)
                text += Table(document, table);
        return text.toUtf8();
    }
    for (const DictionaryGroup& group : document.groups) {
        text += u'\n';
        text += group.node ? QStringLiteral("== %1  [%2]\n").arg(Value(*group.node, "FText"), group.key)
                           : QStringLiteral("== (no node %1)\n").arg(group.key);
        for (const DictionaryTable& table : group.tables)
            text += u'\n' + Table(document, table);
    }
    return text.toUtf8();
}

QByteArray TextWriter::Rows(const DictionaryRows& rows) const
{
    std::vector<QStringList> lines{rows.captions};
    for (QStringList& cells : rows.Cells())
        lines.push_back(std::move(cells));
    QString text = rows.account + u'\n' + Aligned(lines);
    if (!rows.summary.isEmpty())
        text += rows.summary + u'\n';
    return text.toUtf8();
}
