#pragma once

#include <string>
#include <string_view>

// Which catalogue a SQL Server connection is read through. SQL Server answers its legacy
// compatibility views and procedures (sysobjects, syscolumns, systypes, syscomments, sysindexes,
// sysindexkeys, sp_helpindex); other T-SQL engines lack some of them or fill them with their own
// type numbers and lower-cased names, and are read through the catalogue views instead
// (sys.columns, sys.types, sys.indexes, sys.index_columns, sys.default_constraints,
// INFORMATION_SCHEMA). Each component decides once per connection:
//   * an embedded SQLite file answers the legacy catalogue itself: legacy, without asking;
//   * a server whose @@version names Babelfish: the catalogue views;
//   * any other server: legacy, until a legacy read fails with an error saying that the view or
//     procedure does not exist there; from then on the catalogue views.
namespace catalogue {

enum class Kind { Legacy, Views };

// The one statement sent to tell the kinds apart.
inline constexpr const char* kVersionQuery = "select @@version";

// The kind a server needs by its answer to kVersionQuery.
Kind FromVersion(std::string_view version);

// True when a server's error text says that a legacy view or procedure the components read is
// missing: SQL Server's "Invalid object name 'syscomments'." and "Could not find stored
// procedure 'sp_helpindex'.", PostgreSQL's 'relation "sysindexkeys" does not exist' and
// Babelfish's "'sp_helpindex' is not currently supported".
bool SaysLegacyMissing(std::string_view message);

// For a log line or a status text: which catalogue is read, naming its views.
std::string Describe(Kind kind);

// An index's name as it was created. Babelfish keeps an index as a PostgreSQL index named by the
// index's name, its table's name and 32 hexadecimal digits, lower-cased and cut to 63
// characters; this takes that suffix away (as far as the cut left it), and leaves any other
// name as it is. tableName is the table's own name, without schema.
std::string IndexName(std::string_view name, std::string_view tableName);

}  // namespace catalogue
