#pragma once

#include "SqliteSchema.h"

#include <sqlite3.h>

#include <string>
#include <string_view>
#include <utility>
#include <unordered_set>
#include <vector>

namespace ado::provider {

// The seed and increment of "IDENTITY(seed, increment)" in a declared type; 1 and 1 when not given.
std::pair<long long, long long> SeedAndIncrement(std::string_view declaredType);

// SQL Server numbers an identity column that an insert leaves out; SQLite numbers only a
// table's rowid, so a column declared "int IDENTITY(1,1) NOT NULL" would refuse such an insert.
// For a table with such a column, a temporary trigger (held by the connection, never written to
// the file) turns the insert into one that carries the next number: the largest so far plus the
// increment (the smallest plus it when counting down), or the seed in an empty table.
class SqliteIdentity {
public:
    SqliteIdentity(sqlite3* db, SqliteSchema& schema) : m_db(db), m_schema(schema) {}

    // Gives every table of `tables` that has an identity column its trigger; true when one was
    // made (a statement prepared before then would not run it).
    bool Cover(const std::vector<std::string>& tables);
    // A table may have been dropped or made anew: look at every table again.
    void Forget() { m_seen.clear(); }

private:
    void CreateTrigger(const TableSchema& table, const ColumnSchema& identity);

    sqlite3* m_db;
    SqliteSchema& m_schema;
    std::unordered_set<std::string> m_seen;  // lower-case names of tables already covered
};

}  // namespace ado::provider
