#include "MarkdownWriter.h"

#include "VisibleText.h"

#include <set>
#include <vector>

namespace {

QString Value(const VexaRecord& record, const char* name)
{
    return record.GetValue(QString::fromLatin1(name)).toString();
}

QString Row(const QStringList& cells)
{
    QString line = QStringLiteral("|");
    for (const QString& cell : cells)
        line += u' ' + MarkdownWriter::Escaped(cell) + QStringLiteral(" |");
    return line + u'\n';
}

QString PipeTable(const QStringList& captions, const std::vector<QStringList>& rows)
{
    QString text = Row(captions) + u'|' + QStringLiteral(" --- |").repeated(captions.size()) + u'\n';
    for (const QStringList& cells : rows)
        text += Row(cells);
    return text;
}

QString List(const VexaList& layout, const VexaList* rows)
{
    return PipeTable(DictionaryDocument::Captions(&layout), DictionaryDocument::Cells(layout, rows));
}

}  // namespace

QString MarkdownWriter::Escaped(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size());
    // The escapes of control characters start with a backslash, which is escaped in turn.
    for (const QChar c : VisibleText(text)) {
        if (c == u'&')
            escaped += QStringLiteral("&amp;");
        else if (QStringLiteral("\\`*_[]<>|#~").contains(c))
            escaped += u'\\' + QString(c);
        else
            escaped += c;
    }
    return escaped;
}

QByteArray MarkdownWriter::Tree(const DictionaryDocument& document) const
{
    QString text = QStringLiteral("# ") + Escaped(document.title) + QStringLiteral("\n\n") + Escaped(document.account) +
                   QStringLiteral("\n\n");
    auto children = DictionaryDocument::Children(*document.tree);
    std::set<QString> keys;
    for (const VexaRecordPtr& record : *document.tree)
        keys.insert(Value(*record, "FKey"));
    const auto print = [&](const auto& self, const QString& parent, int depth) -> void {
        for (const VexaRecord* node : children[parent]) {
            text += QString(depth * 2, u' ') + QStringLiteral("- ") + Escaped(Value(*node, "FText")) + QStringLiteral(" `") +
                    VisibleText(Value(*node, "FKey")) + QStringLiteral("`\n");
            self(self, Value(*node, "FKey"), depth + 1);
        }
    };
    print(print, QString(), 0);
    for (const auto& [parent, nodes] : children) {
        if (parent.isEmpty() || keys.count(parent))
            continue;
        text += QStringLiteral("- ") + Escaped(DictionaryDocument::UngroupedCaption()) + QStringLiteral(" `") +
                VisibleText(parent) + QStringLiteral("`\n");
        print(print, parent, 1);
    }
    return text.toUtf8();
}

QByteArray MarkdownWriter::Tables(const DictionaryDocument& document) const
{
    QString text = QStringLiteral("# ") + Escaped(document.title) + QStringLiteral("\n\n") + Escaped(document.account) +
                   QStringLiteral("\n");
    const QString tableLevel = document.singleTable ? QStringLiteral("## ") : QStringLiteral("### ");
    for (const DictionaryGroup& group : document.groups) {
        if (!document.singleTable)
            text += QStringLiteral("\n## ") +
                    Escaped(group.node ? Value(*group.node, "FText") : DictionaryDocument::UngroupedCaption()) +
                    QStringLiteral(" `") + VisibleText(group.key) + QStringLiteral("`\n");
        for (const DictionaryTable& table : group.tables) {
            text += u'\n' + tableLevel + Escaped(table.node ? Value(*table.node, "FText") : table.name) + u'\n';
            if (!table.message.isEmpty())
                text += QStringLiteral("\n> ") + Escaped(table.message) + u'\n';
            text += u'\n' + List(*document.indexLayout, table.indexes.get());
            text += u'\n' + List(*document.fieldLayout, table.fields.get());
        }
    }
    return text.toUtf8();
}

QByteArray MarkdownWriter::Rows(const DictionaryRows& rows) const
{
    QString text = QStringLiteral("# ") + Escaped(rows.title) + QStringLiteral("\n\n") + Escaped(rows.account) +
                   QStringLiteral("\n\n") + PipeTable(rows.captions, rows.Cells());
    if (!rows.summary.isEmpty())
        text += u'\n' + Escaped(rows.summary) + u'\n';
    return text.toUtf8();
}
