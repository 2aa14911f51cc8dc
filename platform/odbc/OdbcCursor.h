#pragma once

#include "OdbcColumnType.h"
#include "OdbcHandle.h"
#include "Provider.h"

#include <memory>
#include <vector>

namespace ado::odbc {

// The rows of one executed statement. The statement's first result that has columns is the one
// read. Columns of a bounded size are bound to buffers that the driver fills a block of rows
// at a time (a row array); long and unbounded columns are read value by value with
// SQLGetData, which drivers allow only after the bound columns and one row at a time: a
// result with such a column fetches single rows, its columns before the first long one bound.
class OdbcCursor final : public provider::Cursor {
public:
    // statement has just been executed. busy, when given, is the connection's flag that says
    // a result is being read on it; the cursor clears it when its rows end or it goes.
    // sizesHold: the data source keeps every value within its column's declared size, so that
    // texts, bytes and decimals may be bound to buffers of that size too; otherwise only
    // numbers, bits and dates are bound.
    // Throws OdbcError when one of the statement's results before the first with columns failed.
    OdbcCursor(std::shared_ptr<provider::Session> session, OdbcHandle statement, bool* busy, bool sizesHold);
    ~OdbcCursor() override;
    OdbcCursor(const OdbcCursor&) = delete;
    OdbcCursor& operator=(const OdbcCursor&) = delete;

    bool HasResultSet() const override { return !m_fields.empty(); }
    const std::vector<FieldInfo>& Fields() const override { return m_fields; }
    bool Fetch(std::vector<Value>& row) override;

private:
    // A column bound to a buffer of arraySize elements of width bytes.
    struct Binding {
        SQLSMALLINT cType = 0;
        SQLLEN width = 0;  // bytes per row, a terminator included
        std::vector<unsigned char> buffer;
        std::vector<SQLLEN> indicators;
    };

    void FindResultSet();
    void Describe(SQLSMALLINT columnCount);
    void Bind();
    bool FetchBlock();
    void Finish();
    void ReadValue(SQLUSMALLINT column, ValueKind kind, Value& value);
    void ReadBound(size_t column, size_t row, Value& value);
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
    bool m_sizesHold;
    std::vector<FieldInfo> m_fields;
    std::vector<ValueKind> m_kinds;
    std::vector<SQLULEN> m_sizes;      // the column sizes the driver described
    std::vector<Binding> m_bindings;   // the bound columns, from the first; the rest are read by SQLGetData
    SQLULEN m_arraySize = 1;
    SQLULEN m_fetched = 0;             // rows of the current block
    SQLULEN m_next = 0;                // the block's next row to hand out
    std::vector<SQLUSMALLINT> m_status;
    // Reused from value to value and row to row.
    std::vector<char16_t> m_wide;
    std::vector<char> m_narrow;
    std::vector<unsigned char> m_bytes;
};

}  // namespace ado::odbc
