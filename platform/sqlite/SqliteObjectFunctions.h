#pragma once

#include "SqliteSchema.h"

#include <sqlite3.h>

namespace ado::provider {

// SQL Server's functions about one object of the catalogue: objectproperty(id, property) and
// ident_seed, ident_incr and ident_current of a table's identity column. schema must outlive
// the connection.
void RegisterObjectFunctions(sqlite3* db, SqliteSchema& schema);

}  // namespace ado::provider
