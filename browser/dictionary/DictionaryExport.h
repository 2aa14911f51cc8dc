#pragma once

#include <QString>
#include <QStringList>

// The whole dictionary (every described table with its indexes and fields, grouped by
// subsystem) written to a file in a format, as "tabrix dictionary --all" writes it: read through
// a data object of its own on one held connection, written whole or not at all. False with the
// data layer's or the file's message when it fails. Written, it may still hold tables whose
// queries failed (their lists empty, the server's message beside them): failures names them.
bool ExportDictionary(const QString& format, const QString& path, QString& message, QStringList& failures);

// The format that a file name's extension asks for: .html/.htm, .json, .csv, .md/.markdown;
// text for any other.
QString FormatOfFileName(const QString& path);
