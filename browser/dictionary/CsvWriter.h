#pragma once

#include "DictionaryWriter.h"

// CSV (RFC 4180: comma-separated, quoted where needed with quotes doubled, CR LF line ends)
// with value names as its header, for spreadsheets and tools:
//   tree:   the seven values of the tree records;
//   tables: subsystem, table, caption, message, list ("indexes" or "fields"), then the index
//           layout's names and the field layout's names; each row fills the names of its list;
//           a table without rows still has one line;
//   rows:   the rows' names (the summary is left to the exit status).
class CsvWriter : public DictionaryWriter {
public:
    QByteArray Tree(const DictionaryDocument& document) const override;
    QByteArray Tables(const DictionaryDocument& document) const override;
    QByteArray Rows(const DictionaryRows& rows) const override;
};
