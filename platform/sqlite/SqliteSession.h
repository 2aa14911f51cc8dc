#pragma once

#include "AutomationError.h"
#include "Provider.h"
#include "SqliteBatchVariables.h"
#include "SqliteHandles.h"
#include "SqliteIdentity.h"
#include "SqliteInsertCache.h"
#include "SqliteProvider.h"
#include "SqliteSchema.h"
#include "TSqlBatch.h"

#include <memory>
#include <string>

namespace ado::provider {

// One open SQLite file that answers SQL Server's SQL.
class SqliteSession final : public Session {
public:
    // Throws AutomationError naming the path when the file cannot be opened (a missing file
    // unless mode is Create, a file that is no database).
    SqliteSession(const std::string& path, SqliteOpenMode mode);
    ~SqliteSession() override;

    std::unique_ptr<Cursor> Execute(std::string_view sql) override;

    sqlite3* Db() const { return m_db.get(); }
    // The database's name as SQL Server would know it: the file's base name.
    const std::string& DatabaseName() const { return m_databaseName; }

private:
    // One text of statements, none of them control of flow, with the variables of its batch.
    std::unique_ptr<Cursor> ExecuteText(std::string_view sql, SqliteBatchVariables& variables);
    // An insert of literal values through the statement kept for its shape (made on its first
    // use); null when the insert's text is not one the cache can serve.
    std::unique_ptr<Cursor> ExecuteInsert(const SqliteInsertCache::Insert& insert);
    // The parts of a batch in order, each IF choosing its branch; the last part's rows come back.
    std::unique_ptr<Cursor> RunParts(const std::vector<BatchPart>& parts, SqliteBatchVariables& variables);
    std::unique_ptr<Cursor> HelpIndex(const std::string& tableName);
    // Prepares the first statement of [text, end), its identity triggers in place; tail is
    // where the next statement starts. Throws the statement's error in SQL Server's words.
    StatementPtr Prepare(const char* text, const char* end, const char*& tail, std::string_view lastToken);
    // The error of a statement that failed as it ran, in SQL Server's words; a duplicate key
    // shows its value when the statement is an insert of literals.
    ::automation::AutomationError RunError(int code, std::string_view lastToken, const SqliteInsertCache::Insert* insert);

    DatabasePtr m_db;
    std::string m_databaseName;
    std::unique_ptr<SqliteSchema> m_schema;  // after m_db: its statements go first
    std::unique_ptr<SqliteIdentity> m_identity;
    SqliteInsertCache m_inserts;  // after m_db: its statements go first
};

}  // namespace ado::provider
