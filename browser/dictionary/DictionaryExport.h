#pragma once

#include <QString>

// The whole dictionary (every described table with its indexes and fields, grouped by
// subsystem) written to a file in a format, as "tabrix dictionary --all" writes it: read through
// a data object of its own on one held connection, written whole or not at all. False with the
// data layer's or the file's message when it fails.
bool ExportDictionary(const QString& format, const QString& path, QString& message);

// The format that a file name's extension asks for: .html/.htm, .json, .csv, .md/.markdown;
// text for any other.
QString FormatOfFileName(const QString& path);
