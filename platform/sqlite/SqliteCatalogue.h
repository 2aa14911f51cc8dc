#pragma once

#include "SqliteSchema.h"

#include <string>

namespace ado::provider {

// Presents SQL Server's catalogue on one SQLite connection: the read-only tables sysobjects,
// syscolumns, systypes, syscomments, sysindexes and sysindexkeys (eponymous virtual tables,
// so they need no schema change and work on read-only files, their names in the text
// collation) and the functions object_id, columnproperty, objectproperty, ident_seed,
// ident_incr, ident_current, getdate, newid, left, right, len and db_name, with the T-SQL functions and the collation of SqliteTSqlFunctions. schema must
// outlive the connection.
void RegisterCatalogue(sqlite3* db, SqliteSchema& schema, const std::string& databaseName);

}  // namespace ado::provider
