#pragma once

#include "DictionaryWriter.h"

// One self-contained HTML page (inline style and script, nothing fetched) that a person opens
// in any browser: the subsystem tree beside the tables, each table's index and field lists
// headed by the language's captions, and a search box that filters tables and rows as one
// types. "#search=TEXT" in the page's address fills the box on load. Rows the search leaves out
// carry the "hidden" attribute, so the page's document shows what is visible.
class HtmlWriter : public DictionaryWriter {
public:
    QByteArray Tree(const DictionaryDocument& document) const override;
    QByteArray Tables(const DictionaryDocument& document) const override;
    QByteArray Rows(const DictionaryRows& rows) const override;
};
