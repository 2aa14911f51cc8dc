#pragma once

#include "DictionaryWriter.h"

// Markdown for documents and wikis: the tree as a nested list, each table as a heading over two
// pipe tables headed by the layout's captions, subsystems as the headings above their tables.
// Characters that Markdown would read as markup are escaped with a backslash, '&' as "&amp;" (so
// no text turns into an entity), control characters shown as escapes (VisibleText).
class MarkdownWriter : public DictionaryWriter {
public:
    QByteArray Tree(const DictionaryDocument& document) const override;
    QByteArray Tables(const DictionaryDocument& document) const override;
    QByteArray Rows(const DictionaryRows& rows) const override;

    // The text as it reads in Markdown: markup and '&' escaped, control characters visible.
    static QString Escaped(const QString& text);
};
