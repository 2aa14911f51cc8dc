#pragma once

#include <string>
#include <string_view>

namespace tds {

// SQLite numbers only a column declared "integer primary key" by itself, and the SQLite
// provider leaves "int identity(1,1) ... primary key" as written, so inserts that leave the
// column out fail. For CREATE TABLE this turns an identity column that is also the primary key
// into "<name> integer primary key autoincrement", which SQLite fills in and the provider
// reports as an identity. Other texts, and identity columns that are not the key, come back
// unchanged.
std::string RewriteIdentityColumns(std::string_view sql);

}  // namespace tds
