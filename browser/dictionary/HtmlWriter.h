#pragma once

#include "DictionaryWriter.h"

// One self-contained HTML page (inline style and script, nothing fetched) that a person opens
// in any browser: the subsystem tree beside the tables (a bar between them widens it, a button
// hides it), each table's index and field lists headed by the language's captions, and a search
// box that filters tables and rows as one types and marks what it found. The lists' rows are
// data in the page that the script makes tables of when they come into view, so that a page of
// thousands of tables opens at once. "#search=TEXT" in the page's address fills the box on
// load. Tables the search leaves out carry the "hidden" attribute, and their sections hold only
// the rows it leaves, so the page's document shows what is visible.
class HtmlWriter : public DictionaryWriter {
public:
    QByteArray Tree(const DictionaryDocument& document) const override;
    QByteArray Tables(const DictionaryDocument& document) const override;
    QByteArray Rows(const DictionaryRows& rows) const override;
};
