#pragma once

#include "DictionaryWriter.h"

// Plain text for a terminal: the tree indented by parent, each list as aligned columns under
// the layout's captions (East Asian wide characters take two columns). Control characters are
// shown as escapes (VisibleText), so every row is one line and nothing acts on the terminal;
// a cell wider than 80 columns is cut, ending in "…".
class TextWriter : public DictionaryWriter {
public:
    QByteArray Tree(const DictionaryDocument& document) const override;
    QByteArray Tables(const DictionaryDocument& document) const override;
    QByteArray Rows(const DictionaryRows& rows) const override;
};
