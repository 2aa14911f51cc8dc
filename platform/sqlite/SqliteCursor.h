#pragma once

#include "Provider.h"
#include "SqliteHandles.h"
#include "SqliteValues.h"

#include <memory>
#include <string>
#include <vector>

namespace ado::provider {

class SqliteSession;

// The rows of one SQLite statement, stepped one at a time as they are fetched; the statement
// is finalised at the end of its rows.
class SqliteCursor final : public Cursor {
public:
    // The statement has been prepared but not stepped.
    SqliteCursor(std::shared_ptr<SqliteSession> session, StatementPtr statement, std::string lastToken);

    bool HasResultSet() const override { return true; }
    const std::vector<FieldInfo>& Fields() const override { return m_fields; }
    bool Fetch(std::vector<Value>& row) override;
    // Packs each column as SQLite stores it; the unpacker makes the values of it.
    bool FetchPacked(std::string& out, std::vector<Value>& scratch) override;
    std::shared_ptr<const RowUnpacker> Unpacker() const override;

private:
    // False at the end, where the statement is finalised; throws the statement's failure.
    bool Step();

    std::shared_ptr<SqliteSession> m_session;  // keeps the database open while rows remain
    StatementPtr m_statement;
    std::string m_lastToken;
    std::vector<FieldInfo> m_fields;
    std::vector<ValueKind> m_kinds;
    std::vector<StoredValue> m_stored;  // the row being packed
    std::vector<std::string> m_scratch;  // its decimals' digits, by column
};

// Rows the provider makes up itself (the index report); an empty field list means no
// result set at all.
class RowsCursor final : public Cursor {
public:
    RowsCursor() = default;
    RowsCursor(std::vector<FieldInfo> fields, std::vector<std::vector<Value>> rows)
        : m_fields(std::move(fields)), m_rows(std::move(rows)) {}

    bool HasResultSet() const override { return !m_fields.empty(); }
    const std::vector<FieldInfo>& Fields() const override { return m_fields; }
    bool Fetch(std::vector<Value>& row) override;

private:
    std::vector<FieldInfo> m_fields;
    std::vector<std::vector<Value>> m_rows;
    size_t m_next = 0;
};

}  // namespace ado::provider
