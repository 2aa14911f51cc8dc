#pragma once

#include <sqlite3.h>

#include <memory>
#include <string_view>

namespace ado::provider {

struct SqliteCloser {
    // close_v2 lets a database outlive its last statements instead of failing with SQLITE_BUSY.
    void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

using DatabasePtr = std::unique_ptr<sqlite3, SqliteCloser>;
using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Prepares one statement meant to be kept and run many times. Throws AutomationError with
// SQLite's text when the statement does not compile.
StatementPtr PrepareStatement(sqlite3* db, std::string_view sql);

// Resets a kept statement when it goes out of scope, so its read lock is released on every
// path out of the caller.
class StatementReset {
public:
    explicit StatementReset(sqlite3_stmt* statement) : m_statement(statement) {}
    ~StatementReset()
    {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
    StatementReset(const StatementReset&) = delete;
    StatementReset& operator=(const StatementReset&) = delete;

private:
    sqlite3_stmt* m_statement;
};

}  // namespace ado::provider
