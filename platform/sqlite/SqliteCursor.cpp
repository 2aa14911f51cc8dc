#include "SqliteCursor.h"

#include "SqliteErrors.h"
#include "SqliteSession.h"
#include "SqliteTypes.h"

namespace ado::provider {

namespace {

// A column that comes straight from a table is nullable as its table declares it (primary
// keys never are); anything else may be null.
bool Nullable(sqlite3* db, sqlite3_stmt* statement, int column)
{
    const char* database = sqlite3_column_database_name(statement, column);
    const char* table = sqlite3_column_table_name(statement, column);
    const char* origin = sqlite3_column_origin_name(statement, column);
    if (!database || !table || !origin)
        return true;
    int notNull = 0;
    int primaryKey = 0;
    if (sqlite3_table_column_metadata(db, database, table, origin, nullptr, nullptr, &notNull, &primaryKey,
                                      nullptr) != SQLITE_OK)
        return true;
    return !notNull && !primaryKey;
}

}  // namespace

SqliteCursor::SqliteCursor(std::shared_ptr<SqliteSession> session, StatementPtr statement, std::string lastToken)
    : m_session(std::move(session)), m_statement(std::move(statement)), m_lastToken(std::move(lastToken))
{
    sqlite3_stmt* s = m_statement.get();
    const int count = sqlite3_column_count(s);
    m_fields.reserve(static_cast<size_t>(count));
    m_kinds.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const char* declared = sqlite3_column_decltype(s, i);
        FieldInfo field = declared ? ParseDeclaredType(declared).field : FieldInfo{};
        field.name = sqlite3_column_name(s, i);
        if (Nullable(m_session->Db(), s, i))
            field.attributes |= adFldIsNullable;
        m_kinds.push_back(ValueKindOf(field.type));
        m_fields.push_back(std::move(field));
    }
    m_stored.resize(m_kinds.size());
    m_scratch.resize(m_kinds.size());
}

bool SqliteCursor::Step()
{
    if (!m_statement)
        return false;
    const int rc = sqlite3_step(m_statement.get());
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE) {
        m_statement.reset();
        return false;
    }
    const auto error = TranslateSqliteError(m_session->Db(), rc, m_lastToken);
    m_statement.reset();
    throw error;
}

bool SqliteCursor::Fetch(std::vector<Value>& row)
{
    if (!Step())
        return false;
    const int count = static_cast<int>(m_fields.size());
    row.resize(m_fields.size());
    for (int i = 0; i < count; ++i)
        ReadValue(m_statement.get(), i, m_kinds[static_cast<size_t>(i)], row[static_cast<size_t>(i)]);
    return true;
}

bool SqliteCursor::FetchPacked(std::string& out, std::vector<Value>&)
{
    if (!Step())
        return false;
    PackRow(m_statement.get(), m_kinds, m_stored, m_scratch, out);
    return true;
}

namespace {

class StoredRowUnpacker final : public RowUnpacker {
public:
    explicit StoredRowUnpacker(std::vector<ValueKind> kinds) : RowUnpacker(kinds.size()), m_kinds(std::move(kinds)) {}
    void Unpack(const char*& p, Value* row) const override { UnpackRow(p, m_kinds, row); }

private:
    std::vector<ValueKind> m_kinds;
};

}  // namespace

std::shared_ptr<const RowUnpacker> SqliteCursor::Unpacker() const { return std::make_shared<StoredRowUnpacker>(m_kinds); }

bool RowsCursor::Fetch(std::vector<Value>& row)
{
    if (m_next >= m_rows.size())
        return false;
    row = m_rows[m_next++];
    return true;
}

}  // namespace ado::provider
