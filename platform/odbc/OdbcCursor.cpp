#include "OdbcCursor.h"

#include "OdbcUnicode.h"

#include <sqlext.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace ado::odbc {

namespace {

constexpr size_t kInitialUnits = 256;
// A block of rows takes about this much memory, whatever the table: the cursor's memory stays
// flat in rows.
constexpr SQLLEN kBlockBytes = 1 << 20;
constexpr SQLULEN kMostRowsPerBlock = 1024;
// A value whose buffer would be larger is read with SQLGetData.
constexpr SQLLEN kLargestBoundValue = 16 * 1024;
// The text of the widest decimal (38 digits, sign, point, a leading zero) or time of day, and
// its terminator.
constexpr SQLLEN kNumberTextBytes = 64;

template <class T>
T& Slot(Value& value)
{
    if (!std::holds_alternative<T>(value))
        value = T{};
    return std::get<T>(value);
}

// Digits as drivers give them may lack the zero before the point (".5", "-.5").
// Into digits, whose room is reused from row to row.
void DecimalDigits(std::string_view text, std::string& digits)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    digits.clear();
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (text.front() == '-')
            digits.push_back('-');
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '.')
        digits.push_back('0');
    digits.append(text);
}

// "08:05:09.1234567" as a time of day on the day the platform's dates count from, as the
// embedded provider gives it, every fraction digit kept.
DateTime TimeOfDay(const std::string& text)
{
    DateTime t{1899, 12, 30};
    int used = 0;
    if (std::sscanf(text.c_str(), "%d:%d:%d%n", &t.hour, &t.minute, &t.second, &used) != 3)
        return t;
    long units = 0, scale = 10000000;  // 100-nanosecond units of the second
    if (text[static_cast<size_t>(used)] == '.')
        for (size_t i = static_cast<size_t>(used) + 1; i < text.size() && text[i] >= '0' && text[i] <= '9' && scale > 1; ++i)
            units += (text[i] - '0') * (scale /= 10);
    t.millisecond = static_cast<int>(units / 10000);
    t.tick = static_cast<int>(units % 10000);
    return t;
}

// A timestamp with its fraction (nanoseconds) kept to the 100 ns that the server's types hold.
DateTime FromTimestamp(const SQL_TIMESTAMP_STRUCT& t)
{
    return DateTime{t.year, t.month, t.day, t.hour, t.minute, t.second, static_cast<int>(t.fraction / 1000000),
                    static_cast<int>(t.fraction % 1000000 / 100)};
}

// The C type and buffer width (a terminator included) of a column bound to a buffer; false
// for a long or unbounded column, and for any column whose values may be longer than its
// declared size (sizesHold false), which are read with SQLGetData.
bool BoundType(ValueKind kind, const FieldInfo& field, SQLULEN size, bool wide, bool sizesHold, SQLSMALLINT& cType,
               SQLLEN& width)
{
    switch (kind) {
    case ValueKind::Integer:
        cType = SQL_C_SBIGINT;
        width = sizeof(SQLBIGINT);
        return true;
    case ValueKind::Boolean:
        cType = SQL_C_BIT;
        width = 1;
        return true;
    case ValueKind::Double:
        cType = SQL_C_DOUBLE;
        width = sizeof(double);
        return true;
    case ValueKind::Timestamp:
        cType = SQL_C_TYPE_TIMESTAMP;
        width = sizeof(SQL_TIMESTAMP_STRUCT);
        return true;
    case ValueKind::Decimal:
    case ValueKind::Time:
        cType = SQL_C_CHAR;
        width = kNumberTextBytes;
        return sizesHold;
    case ValueKind::Text:
    case ValueKind::Binary:
        break;
    }
    if (!sizesHold)
        return false;
    if ((field.attributes & adFldLong) || size == 0 || size > static_cast<SQLULEN>(kLargestBoundValue))
        return false;
    const auto units = static_cast<SQLLEN>(size);
    if (kind == ValueKind::Binary) {
        cType = SQL_C_BINARY;
        width = units;
    } else if (wide) {
        cType = SQL_C_WCHAR;
        width = (units + 1) * static_cast<SQLLEN>(sizeof(SQLWCHAR));
    } else {
        // A driver without a Unicode interface hands its text over as UTF-8: up to four bytes a character.
        cType = SQL_C_CHAR;
        width = units * 4 + 1;
    }
    return width <= kLargestBoundValue;
}

SQLLEN TerminatorBytes(SQLSMALLINT cType)
{
    return cType == SQL_C_WCHAR ? static_cast<SQLLEN>(sizeof(SQLWCHAR)) : cType == SQL_C_CHAR ? 1 : 0;
}

}  // namespace

OdbcCursor::OdbcCursor(std::shared_ptr<provider::Session> session, OdbcHandle statement, bool* busy, bool sizesHold)
    : m_session(std::move(session)), m_statement(std::move(statement)), m_busy(busy), m_sizesHold(sizesHold)
{
    FindResultSet();
}

OdbcCursor::~OdbcCursor() { Finish(); }

void OdbcCursor::Finish()
{
    m_statement = OdbcHandle();
    if (m_busy) {
        *m_busy = false;
        m_busy = nullptr;
    }
}

void OdbcCursor::FindResultSet()
{
    // A batch or procedure may give row counts and messages before its first rows
    // (sp_helpindex); a statement without any rows leaves the record set closed.
    for (;;) {
        SQLSMALLINT columns = 0;
        m_statement.Check(SQLNumResultCols(m_statement.Get(), &columns), "SQLNumResultCols");
        if (columns > 0) {
            Describe(columns);
            Bind();
            return;
        }
        const SQLRETURN rc = SQLMoreResults(m_statement.Get());
        if (rc == SQL_NO_DATA) {
            Finish();
            return;
        }
        m_statement.Check(rc, "SQLMoreResults");
    }
}

void OdbcCursor::Describe(SQLSMALLINT columnCount)
{
    const bool wide = m_statement.Wide();
    std::u16string wideName(128, u'\0');
    std::string narrowName(256, '\0');
    for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(columnCount); ++i) {
        ColumnDescription column;
        for (;;) {
            SQLSMALLINT length = 0;
            const SQLSMALLINT room = static_cast<SQLSMALLINT>(wide ? wideName.size() : narrowName.size());
            const SQLRETURN rc =
                wide ? SQLDescribeColW(m_statement.Get(), i, reinterpret_cast<SQLWCHAR*>(wideName.data()), room, &length,
                                       &column.sqlType, &column.columnSize, &column.decimalDigits, &column.nullable)
                     : SQLDescribeCol(m_statement.Get(), i, reinterpret_cast<SQLCHAR*>(narrowName.data()), room, &length,
                                      &column.sqlType, &column.columnSize, &column.decimalDigits, &column.nullable);
            m_statement.Check(rc, "SQLDescribeCol");
            length = std::max<SQLSMALLINT>(length, 0);
            if (length >= room) {
                (wide ? wideName.resize(static_cast<size_t>(length) + 1) : narrowName.resize(static_cast<size_t>(length) + 1));
                continue;
            }
            if (wide)
                Utf16ToUtf8(wideName.data(), static_cast<size_t>(length), column.name);
            else
                column.name.assign(narrowName.data(), static_cast<size_t>(length));
            break;
        }

        SQLSMALLINT typeNameBytes = 0;
        if (wide) {
            SQLWCHAR typeName[128] = {};
            if (SQL_SUCCEEDED(SQLColAttributeW(m_statement.Get(), i, SQL_DESC_TYPE_NAME, typeName, sizeof typeName,
                                               &typeNameBytes, nullptr)))
                Utf16ToUtf8(reinterpret_cast<const char16_t*>(typeName),
                            std::min<size_t>(static_cast<size_t>(std::max<SQLSMALLINT>(typeNameBytes, 0)) / sizeof(SQLWCHAR),
                                             std::size(typeName) - 1),
                            column.typeName);
        } else {
            char typeName[256] = {};
            if (SQL_SUCCEEDED(SQLColAttribute(m_statement.Get(), i, SQL_DESC_TYPE_NAME, typeName, sizeof typeName,
                                              &typeNameBytes, nullptr)))
                column.typeName.assign(typeName, std::min<size_t>(static_cast<size_t>(std::max<SQLSMALLINT>(typeNameBytes, 0)),
                                                                  sizeof typeName - 1));
        }

        ColumnMapping mapping = MapColumn(column);
        m_fields.push_back(std::move(mapping.info));
        m_kinds.push_back(mapping.kind);
        m_sizes.push_back(column.columnSize);
    }
}

void OdbcCursor::Bind()
{
    SQLHSTMT statement = m_statement.Get();
    SQLLEN rowBytes = 0;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        Binding binding;
        if (!BoundType(m_kinds[i], m_fields[i], m_sizes[i], m_statement.Wide(), m_sizesHold, binding.cType,
                       binding.width))
            break;
        rowBytes += binding.width + static_cast<SQLLEN>(sizeof(SQLLEN));
        m_bindings.push_back(std::move(binding));
    }
    if (m_bindings.empty())
        return;

    // Blocks of rows only when no column needs SQLGetData, and only with a driver that says
    // how many rows each fetch gave.
    SQLULEN rows = 1;
    const bool counted = SQL_SUCCEEDED(SQLSetStmtAttr(statement, SQL_ATTR_ROWS_FETCHED_PTR, &m_fetched, 0));
    if (counted && m_bindings.size() == m_fields.size()) {
        rows = std::clamp<SQLULEN>(static_cast<SQLULEN>(kBlockBytes / rowBytes), 1, kMostRowsPerBlock);
        const SQLRETURN rc =
            SQLSetStmtAttr(statement, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(rows), 0);
        if (!SQL_SUCCEEDED(rc) || !SQL_SUCCEEDED(SQLGetStmtAttr(statement, SQL_ATTR_ROW_ARRAY_SIZE, &rows, 0, nullptr)) ||
            rows == 0)
            rows = 1;
    }
    m_arraySize = rows;
    m_status.assign(rows, SQL_ROW_NOROW);
    if (rows > 1)
        m_statement.Check(SQLSetStmtAttr(statement, SQL_ATTR_ROW_STATUS_PTR, m_status.data(), 0),
                          "SQLSetStmtAttr(SQL_ATTR_ROW_STATUS_PTR)");
    for (size_t i = 0; i < m_bindings.size(); ++i) {
        Binding& binding = m_bindings[i];
        binding.buffer.resize(static_cast<size_t>(binding.width) * rows);
        binding.indicators.resize(rows);
        m_statement.Check(SQLBindCol(statement, static_cast<SQLUSMALLINT>(i + 1), binding.cType, binding.buffer.data(),
                                     binding.width, binding.indicators.data()),
                          "SQLBindCol");
    }
}

bool OdbcCursor::FetchBlock()
{
    m_fetched = 0;
    m_next = 0;
    const SQLRETURN rc = SQLFetch(m_statement.Get());
    if (rc == SQL_NO_DATA)
        return false;
    m_statement.Check(rc, "SQLFetch");
    if (m_arraySize == 1) {
        m_fetched = 1;  // also for a driver that does not count
        return true;
    }
    for (SQLULEN row = 0; row < m_fetched; ++row)
        if (m_status[row] == SQL_ROW_ERROR)
            m_statement.Check(SQL_ERROR, "SQLFetch");
    return m_fetched > 0;
}

bool OdbcCursor::Fetch(std::vector<Value>& row)
{
    if (m_statement.Get() == nullptr)
        return false;
    if (m_next >= m_fetched && !FetchBlock()) {
        Finish();
        return false;
    }
    const size_t current = m_next++;
    row.resize(m_fields.size());
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (i < m_bindings.size())
            ReadBound(i, current, row[i]);
        else
            ReadValue(static_cast<SQLUSMALLINT>(i + 1), m_kinds[i], row[i]);
    }
    return true;
}

void OdbcCursor::ReadBound(size_t column, size_t row, Value& value)
{
    const Binding& binding = m_bindings[column];
    const SQLLEN length = binding.indicators[row];
    if (length == SQL_NULL_DATA) {
        value = Null{};
        return;
    }
    const unsigned char* data = binding.buffer.data() + row * static_cast<size_t>(binding.width);
    const auto fixed = [data](auto& out) {
        std::memcpy(&out, data, sizeof out);
        return out;
    };
    switch (m_kinds[column]) {
    case ValueKind::Integer: {
        SQLBIGINT number;
        value = static_cast<std::int64_t>(fixed(number));
        return;
    }
    case ValueKind::Boolean:
        value = data[0] != 0;
        return;
    case ValueKind::Double: {
        double number;
        value = fixed(number);
        return;
    }
    case ValueKind::Timestamp: {
        SQL_TIMESTAMP_STRUCT t;
        fixed(t);
        value = FromTimestamp(t);
        return;
    }
    default:
        break;
    }
    // A value longer than the driver described its column would lose its end: never taken.
    if (length == SQL_NO_TOTAL || length < 0 || length > binding.width - TerminatorBytes(binding.cType))
        throw OdbcError({{"01004", 0,
                          "String data, right truncation: a value of column " + m_fields[column].name +
                              " is longer than its declared size"}});
    const auto* text = reinterpret_cast<const char*>(data);
    const auto size = static_cast<size_t>(length);
    switch (m_kinds[column]) {
    case ValueKind::Decimal:
        DecimalDigits(std::string_view(text, size), Slot<Decimal>(value).digits);
        return;
    case ValueKind::Time:
        value = TimeOfDay(std::string(text, size));
        return;
    case ValueKind::Text:
        if (binding.cType == SQL_C_WCHAR)
            Utf16ToUtf8(reinterpret_cast<const char16_t*>(data), size / sizeof(SQLWCHAR), Slot<std::string>(value));
        else
            Slot<std::string>(value).assign(text, size);
        return;
    default:
        Slot<Bytes>(value).assign(data, data + size);
        return;
    }
}

template <class Unit>
bool OdbcCursor::ReadAll(SQLUSMALLINT column, SQLSMALLINT cType, size_t terminatorUnits, std::vector<Unit>& buffer,
                         size_t& length)
{
    // The buffer only grows, so a long value early on spares later rows their reallocations.
    if (buffer.size() < kInitialUnits)
        buffer.resize(kInitialUnits);
    length = 0;
    for (;;) {
        const size_t room = buffer.size() - length;
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(m_statement.Get(), column, cType, buffer.data() + length,
                                        static_cast<SQLLEN>(room * sizeof(Unit)), &indicator);
        if (rc == SQL_NO_DATA)
            return true;  // the call before returned the last piece
        m_statement.Check(rc, "SQLGetData");
        if (indicator == SQL_NULL_DATA)
            return false;
        const size_t usable = room - terminatorUnits;
        if (indicator != SQL_NO_TOTAL && static_cast<size_t>(indicator) / sizeof(Unit) <= usable) {
            length += static_cast<size_t>(indicator) / sizeof(Unit);
            return true;
        }
        // Truncated: keep the piece, make room for the rest and ask again.
        length += usable;
        const size_t rest =
            indicator == SQL_NO_TOTAL ? buffer.size() : static_cast<size_t>(indicator) / sizeof(Unit) - usable;
        buffer.resize(length + std::max(rest, kInitialUnits) + terminatorUnits);
    }
}

template <class T>
bool OdbcCursor::ReadFixed(SQLUSMALLINT column, SQLSMALLINT cType, T& out)
{
    SQLLEN indicator = 0;
    m_statement.Check(SQLGetData(m_statement.Get(), column, cType, &out, sizeof out, &indicator), "SQLGetData");
    return indicator != SQL_NULL_DATA;
}

void OdbcCursor::ReadValue(SQLUSMALLINT column, ValueKind kind, Value& value)
{
    switch (kind) {
    case ValueKind::Integer: {
        SQLBIGINT number = 0;
        value = ReadFixed(column, SQL_C_SBIGINT, number) ? Value(static_cast<std::int64_t>(number)) : Value(Null{});
        return;
    }
    case ValueKind::Boolean: {
        unsigned char bit = 0;
        value = ReadFixed(column, SQL_C_BIT, bit) ? Value(bit != 0) : Value(Null{});
        return;
    }
    case ValueKind::Double: {
        double number = 0;
        value = ReadFixed(column, SQL_C_DOUBLE, number) ? Value(number) : Value(Null{});
        return;
    }
    case ValueKind::Timestamp: {
        SQL_TIMESTAMP_STRUCT t{};
        if (!ReadFixed(column, SQL_C_TYPE_TIMESTAMP, t)) {
            value = Null{};
            return;
        }
        value = FromTimestamp(t);
        return;
    }
    case ValueKind::Decimal:
    case ValueKind::Time: {
        size_t length = 0;
        if (!ReadAll(column, SQL_C_CHAR, 1, m_narrow, length)) {
            value = Null{};
            return;
        }
        if (kind == ValueKind::Decimal)
            DecimalDigits(std::string_view(m_narrow.data(), length), Slot<Decimal>(value).digits);
        else
            value = TimeOfDay(std::string(m_narrow.data(), length));
        return;
    }
    case ValueKind::Text: {
        size_t length = 0;
        if (!m_statement.Wide()) {
            // A driver without a Unicode interface hands its text over as UTF-8.
            if (!ReadAll(column, SQL_C_CHAR, 1, m_narrow, length)) {
                value = Null{};
                return;
            }
            Slot<std::string>(value).assign(m_narrow.data(), length);
            return;
        }
        if (!ReadAll(column, SQL_C_WCHAR, 1, m_wide, length)) {
            value = Null{};
            return;
        }
        Utf16ToUtf8(m_wide.data(), length, Slot<std::string>(value));
        return;
    }
    case ValueKind::Binary: {
        size_t length = 0;
        if (!ReadAll(column, SQL_C_BINARY, 0, m_bytes, length)) {
            value = Null{};
            return;
        }
        Slot<Bytes>(value).assign(m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(length));
        return;
    }
    }
}

}  // namespace ado::odbc
