#pragma once

#include "OdbcColumnType.h"
#include "OdbcHandle.h"
#include "Provider.h"

#include <memory>
#include <vector>

namespace ado::odbc {

// The rows of one executed statement, fetched row by row from the driver. The statement's
// first result that has columns is the one read.
class OdbcCursor final : public provider::Cursor {
public:
    // statement has just been executed. busy, when given, is the connection's flag that says
    // a result is being read on it; the cursor clears it when its rows end or it goes.
    // Throws OdbcError when one of the statement's results before the first with columns failed.
    OdbcCursor(std::shared_ptr<provider::Session> session, OdbcHandle statement, bool* busy);
    ~OdbcCursor() override;
    OdbcCursor(const OdbcCursor&) = delete;
    OdbcCursor& operator=(const OdbcCursor&) = delete;

    bool HasResultSet() const override { return !m_fields.empty(); }
    const std::vector<FieldInfo>& Fields() const override { return m_fields; }
    bool Fetch(std::vector<Value>& row) override;

private:
    void FindResultSet();
    void Describe(SQLSMALLINT columnCount);
    void Finish();
    void ReadValue(SQLUSMALLINT column, ValueKind kind, Value& value);
    // Reads the whole value of a column in pieces into buffer, growing it; length receives the
    // units read. False for a null.
    template <class Unit>
    bool ReadAll(SQLUSMALLINT column, SQLSMALLINT cType, size_t terminatorUnits, std::vector<Unit>& buffer,
                 size_t& length);
    template <class T>
    bool ReadFixed(SQLUSMALLINT column, SQLSMALLINT cType, T& out);

    std::shared_ptr<provider::Session> m_session;  // keeps the connection open while rows are read
    OdbcHandle m_statement;
    bool* m_busy;
    std::vector<FieldInfo> m_fields;
    std::vector<ValueKind> m_kinds;
    // Reused from value to value and row to row.
    std::vector<char16_t> m_wide;
    std::vector<char> m_narrow;
    std::vector<unsigned char> m_bytes;
};

}  // namespace ado::odbc
