#include "SqliteSession.h"

#include "SqliteBatchVariables.h"
#include "SqliteCatalogue.h"
#include "SqliteColumnTypes.h"
#include "SqliteCursor.h"
#include "SqliteDuplicateKey.h"
#include "SqliteErrors.h"
#include "SqlTokenizer.h"
#include "TSqlRewriter.h"

#include <cctype>
#include <cstring>
#include <filesystem>
#include <vector>

namespace ado::provider {

namespace {

constexpr int kBusyTimeoutMs = 5000;

// SQLite's optimizations that test a join's key against a Bloom filter hash a text by its
// length (SQLite 3.40), so a key that the text collation finds equal with other trailing blanks
// ("FPhone   " for "FPhone") would be missed. Their bits in SQLite's optimization mask.
constexpr int kBloomFilter = 0x00080000;
constexpr int kBloomPulldown = 0x00100000;

[[noreturn]] void ThrowOpenError(const std::string& path, std::string_view reason)
{
    throw ProviderError(kErrorOpen, "Cannot open database file '" + path + "': " + std::string(reason));
}

// Only blanks and statement separators left.
bool OnlySeparators(const char* text, const char* end)
{
    for (; text < end; ++text)
        if (!std::isspace(static_cast<unsigned char>(*text)) && *text != ';')
            return false;
    return true;
}

// What compiling a statement showed of it: the tables it inserts into, whether it makes, drops
// or changes a table, and whether it rolls back (which also takes away the identity triggers
// made since the transaction began).
struct StatementWatch {
    std::vector<std::string> inserts;
    bool changesTables = false;
    bool rollsBack = false;

    static int Note(void* data, int action, const char* name, const char*, const char* database, const char*)
    {
        auto& watch = *static_cast<StatementWatch*>(data);
        if (action == SQLITE_INSERT && name && database && std::strcmp(database, "main") == 0 &&
            std::strncmp(name, "sqlite_", 7) != 0)
            watch.inserts.emplace_back(name);
        else if (action == SQLITE_CREATE_TABLE || action == SQLITE_DROP_TABLE || action == SQLITE_ALTER_TABLE)
            watch.changesTables = true;
        else if ((action == SQLITE_TRANSACTION || action == SQLITE_SAVEPOINT) && name &&
                 sqlite3_stricmp(name, "ROLLBACK") == 0)
            watch.rollsBack = true;
        return SQLITE_OK;
    }
};

}  // namespace

SqliteSession::SqliteSession(const std::string& path, SqliteOpenMode mode)
{
    // A missing file is a database the server does not have, said in the server's words; the
    // name is the Data Source as given, which is what the user has to correct.
    std::error_code ec;
    if (mode != SqliteOpenMode::Create && path != ":memory:" && !std::filesystem::exists(path, ec) && !ec)
        throw ProviderError(kErrorOpen, "Cannot open database \"" + path + "\" requested by the login. The login failed.");
    // A session is used by one thread at a time: SQLite need not lock the connection for every
    // value read, which costs more than the read itself.
    const int flags = SQLITE_OPEN_NOMUTEX | (mode == SqliteOpenMode::ReadOnly ? SQLITE_OPEN_READONLY
                                             : mode == SqliteOpenMode::Create ? (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)
                                                                              : SQLITE_OPEN_READWRITE);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    m_db.reset(db);
    if (rc != SQLITE_OK)
        ThrowOpenError(path, db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    sqlite3_test_control(SQLITE_TESTCTRL_OPTIMIZATIONS, db, kBloomFilter | kBloomPulldown);
    m_databaseName = std::filesystem::path(path).stem().string();
    try {
        m_schema = std::make_unique<SqliteSchema>(db);
        m_schema->Refresh();  // reads the file's header: a file that is no database fails here
    } catch (const automation::AutomationError& e) {
        ThrowOpenError(path, e.Description().toStdString());
    }
    m_identity = std::make_unique<SqliteIdentity>(db, *m_schema);
    RegisterCatalogue(db, *m_schema, m_databaseName);
}

SqliteSession::~SqliteSession() = default;

std::unique_ptr<Cursor> SqliteSession::Execute(std::string_view sql)
{
    m_schema->CheckBeforeNextUse();
    if (const std::optional<SqliteInsertCache::Insert> insert = SqliteInsertCache::Read(sql))
        if (std::unique_ptr<Cursor> done = ExecuteInsert(*insert))
            return done;
    SqliteBatchVariables variables;
    if (const std::optional<std::vector<BatchPart>> parts = SplitBatch(sql))
        return RunParts(*parts, variables);
    return ExecuteText(sql, variables);
}

std::unique_ptr<Cursor> SqliteSession::ExecuteInsert(const SqliteInsertCache::Insert& insert)
{
    sqlite3_stmt* statement = m_inserts.Find(insert.shape);
    if (!statement) {
        // Only the text before the values is kept, so the rewriter reads the insert with its
        // values as nulls: a value of any size is not copied to be compiled.
        const size_t head = insert.shape.find('\0');
        std::string skeleton(insert.shape, 0, head);
        for (size_t v = 0; v < insert.values.size(); ++v)
            skeleton += v == 0 ? "null" : ",null";
        skeleton += ')';
        const SqliteColumnTypes columnTypes(m_db.get(), *m_schema);
        const TSqlText text = RewriteTSql(skeleton, &columnTypes);
        if (text.helpIndexTable || !text.variables.empty() || !text.assignments.empty())
            return nullptr;
        const std::optional<std::string> parameterised = SqliteInsertCache::Parameterised(text.sql, insert);
        if (!parameterised)
            return nullptr;
        const char* const end = parameterised->data() + parameterised->size();
        const char* tail = nullptr;
        StatementPtr prepared = Prepare(parameterised->data(), end, tail, text.lastToken);
        if (!prepared || !OnlySeparators(tail, end))
            return nullptr;
        statement = m_inserts.Keep(insert.shape, std::move(prepared));
    }
    const StatementReset reset(statement);
    SqliteInsertCache::Bind(statement, insert);
    const int step = sqlite3_step(statement);
    if (step != SQLITE_DONE)
        throw RunError(step, insert.lastToken, &insert);
    m_schema->Invalidate();
    return std::make_unique<RowsCursor>();
}

std::unique_ptr<Cursor> SqliteSession::RunParts(const std::vector<BatchPart>& parts, SqliteBatchVariables& variables)
{
    std::unique_ptr<Cursor> last = std::make_unique<RowsCursor>();
    for (const BatchPart& part : parts) {
        if (part.condition.empty()) {
            last = ExecuteText(part.sql, variables);
            continue;
        }
        const std::unique_ptr<Cursor> test =
            ExecuteText("select case when " + part.condition + " then 1 else 0 end", variables);
        std::vector<Value> row;
        const bool holds = test->Fetch(row) && !row.empty() && row[0] == Value(std::int64_t{1});
        last = RunParts(holds ? part.then : part.otherwise, variables);
    }
    return last;
}

std::unique_ptr<Cursor> SqliteSession::ExecuteText(std::string_view sql, SqliteBatchVariables& variables)
{
    const SqliteColumnTypes columnTypes(m_db.get(), *m_schema);
    const TSqlText text = RewriteTSql(sql, &columnTypes, variables.Declared());
    variables.Declare(text.variables);

    sqlite3* db = m_db.get();
    const char* next = text.sql.data();
    const char* const end = next + text.sql.size();
    while (next < end) {
        const char* const start = next;
        const char* tail = nullptr;
        StatementPtr statement = Prepare(next, end, tail, text.lastToken);
        sqlite3_stmt* raw = statement.get();
        next = tail;
        if (!statement)
            continue;  // blanks or a lone ";"
        variables.Bind(raw);
        if (text.IsAssignment(static_cast<size_t>(start - text.sql.data()), static_cast<size_t>(tail - text.sql.data()))) {
            variables.Assign(raw, db, text.lastToken);
            continue;
        }
        if (sqlite3_column_count(raw) > 0) {
            if (!OnlySeparators(next, end) || text.helpIndexTable)
                throw ProviderError(kErrorCommand, "A statement that returns rows must be the last of its batch.");
            return std::make_unique<SqliteCursor>(std::static_pointer_cast<SqliteSession>(shared_from_this()),
                                                  std::move(statement), text.lastToken);
        }
        int step;
        while ((step = sqlite3_step(raw)) == SQLITE_ROW) {
        }
        if (step != SQLITE_DONE) {
            const std::optional<SqliteInsertCache::Insert> insert = SqliteInsertCache::Read(sql);
            throw RunError(step, text.lastToken, insert ? &*insert : nullptr);
        }
        if (!sqlite3_stmt_readonly(raw))
            m_schema->Invalidate();
    }
    if (text.helpIndexTable)
        return HelpIndex(text.helpIndexVariable ? LastNamePart(variables.Text(*text.helpIndexVariable))
                                                : *text.helpIndexTable);
    return std::make_unique<RowsCursor>();
}

StatementPtr SqliteSession::Prepare(const char* text, const char* end, const char*& tail, std::string_view lastToken)
{
    sqlite3* db = m_db.get();
    for (bool first = true;; first = false) {
        StatementWatch watch;
        sqlite3_set_authorizer(db, &StatementWatch::Note, &watch);
        sqlite3_stmt* raw = nullptr;
        const int rc = sqlite3_prepare_v3(db, text, static_cast<int>(end - text), 0, &raw, &tail);
        sqlite3_set_authorizer(db, nullptr, nullptr);
        StatementPtr statement(raw);
        if (rc != SQLITE_OK)
            throw TranslateSqliteError(db, rc, lastToken);
        if (watch.changesTables || watch.rollsBack) {
            m_identity->Forget();
            m_inserts.Clear();
        }
        // A trigger made just now is not in the statement compiled before it.
        if (!first || !m_identity->Cover(watch.inserts))
            return statement;
    }
}

automation::AutomationError SqliteSession::RunError(int code, std::string_view lastToken,
                                                    const SqliteInsertCache::Insert* insert)
{
    const std::string message = sqlite3_errmsg(m_db.get());
    if (auto duplicate = DuplicateKeyError(code, message, *m_schema, insert ? InsertedValues(*insert, *m_schema) : KeyValueOf{}))
        return std::move(*duplicate);
    return TranslateSqliteError(m_db.get(), code, lastToken);
}

}  // namespace ado::provider
