#pragma once

#include "DictionaryWriter.h"

// Markdown for documents and wikis: the tree as a nested list, each table as a heading over two
// pipe tables headed by the layout's captions, subsystems as the headings above their tables.
// Characters that Markdown would read as markup are escaped with a backslash.
class MarkdownWriter : public DictionaryWriter {
public:
    QByteArray Tree(const DictionaryDocument& document) const override;
    QByteArray Tables(const DictionaryDocument& document) const override;
    QByteArray Rows(const DictionaryRows& rows) const override;

    // The text with Markdown's markup characters escaped and line breaks as blanks.
    static QString Escaped(const QString& text);
};
