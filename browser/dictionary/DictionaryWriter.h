#pragma once

#include "DictionaryDocument.h"

#include <QByteArray>
#include <QString>

#include <memory>

// Writes what the dictionary command read, in one format, as UTF-8 bytes: the tree, the tables
// of a document (one table, or all of them grouped by subsystem), or a flat list of rows.
class DictionaryWriter {
public:
    virtual ~DictionaryWriter() = default;

    virtual QByteArray Tree(const DictionaryDocument& document) const = 0;
    virtual QByteArray Tables(const DictionaryDocument& document) const = 0;
    virtual QByteArray Rows(const DictionaryRows& rows) const = 0;

    // The writer of a format: "text", "json", "csv", "markdown" or "html"; nullptr for others.
    // rawCsv: CSV cells that look like formulas are written as they are (CsvWriter).
    static std::unique_ptr<DictionaryWriter> ForFormat(const QString& format, bool rawCsv = false);
    // The format names, in the order above.
    static QStringList Formats();
};
