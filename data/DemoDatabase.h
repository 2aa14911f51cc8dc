#pragma once

#include <QString>

// Databases for demonstrations, tests and benchmarks. Every function throws std::runtime_error
// with the path and SQLite's reason when the file cannot be written, and std::invalid_argument
// for arguments it cannot honour.
namespace demo {

// Writes the demo account database to path, replacing a file already there. The database is
// built beside the target and moved into place once complete, so a failure leaves the old file.
void WriteDemoDatabase(const QString& path);

// Writes a dictionary database to path (replacing a file already there): 15 subsystems, the
// given number of described tables t_Table1, t_Table2, ... (each one exists, with a few columns), and
// one more described table, t_WideTable, of 300 columns, each with a field description.
void WriteLargeDictionary(const QString& path, int tables);

// The name of the large table that AddLargeTable writes unless told otherwise.
inline const QString kLargeTableName = QStringLiteral("t_LargeTable");

// Adds a table of the given number of rows to the database at path (created when missing): an int
// key FID counting from 1, then FNumber, FName (nvarchar), FQty and FAmount (decimal), FDate
// (datetime), FNote (nvarchar, NULL in every seventh row, empty in the next) and FStatus. A table
// of that name already there is an error and stays as it was.
void AddLargeTable(const QString& path, qint64 rows, const QString& name = kLargeTableName);

}  // namespace demo
