#pragma once

#include <sqlite3.h>

namespace ado::provider {

// Gives one SQLite connection SQL Server's text collation (as kTextCollation, and under the
// SQL Server names of its case- and accent-sensitive and binary kinds) and the T-SQL
// functions whose meaning differs from SQLite's or that SQLite lacks: LIKE, CHARINDEX, REPLACE,
// UPPER, LOWER, SUBSTRING, DATALENGTH, CHAR, NCHAR, CONVERT (which CAST is rewritten to),
// DATEADD, DATEDIFF, DATEPART, YEAR, MONTH and DAY.
void RegisterTSqlFunctions(sqlite3* db);

}  // namespace ado::provider
