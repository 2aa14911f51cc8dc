#pragma once

#include "DictionaryWriter.h"

// CSV (RFC 4180: comma-separated, quoted where needed with quotes doubled, CR LF line ends)
// with value names as its header, for spreadsheets and tools:
//   tree:   the seven values of the tree records;
//   tables: subsystem, table, caption, message, list ("indexes" or "fields"), then the index
//           layout's names and the field layout's names; each row fills the names of its list;
//           a table without rows still has one line;
//   rows:   the rows' names (the summary is left to the exit status).
// The file starts with a UTF-8 byte-order mark, for spreadsheets. A cell that a spreadsheet
// would run as a formula (one starting with = + - @, a tab or CR, unless it is a plain number)
// gets a leading ' unless the writer is raw; control characters other than tab and line breaks
// are shown as escapes (VisibleText).
class CsvWriter : public DictionaryWriter {
public:
    explicit CsvWriter(bool raw = false);

    QByteArray Tree(const DictionaryDocument& document) const override;
    QByteArray Tables(const DictionaryDocument& document) const override;
    QByteArray Rows(const DictionaryRows& rows) const override;

private:
    QString Cell(const QString& value) const;
    void AppendLine(QString& out, const QStringList& cells) const;

    bool m_raw;
};
