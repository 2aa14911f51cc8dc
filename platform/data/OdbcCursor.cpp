#include "OdbcCursor.h"

#include "OdbcUnicode.h"

#include <sqlext.h>

#include <algorithm>
#include <cstdio>

namespace ado::odbc {

namespace {

constexpr size_t kInitialUnits = 256;

template <class T>
T& Slot(Value& value)
{
    if (!std::holds_alternative<T>(value))
        value = T{};
    return std::get<T>(value);
}

// Digits as drivers give them may lack the zero before the point (".5", "-.5").
std::string DecimalDigits(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    std::string digits;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        if (text.front() == '-')
            digits.push_back('-');
        text.remove_prefix(1);
    }
    if (!text.empty() && text.front() == '.')
        digits.push_back('0');
    digits.append(text);
    return digits;
}

// "08:05:09.1234567" as a time of day on the day the platform's dates count from, as the
// embedded provider gives it.
DateTime TimeOfDay(const std::string& text)
{
    DateTime t{1899, 12, 30};
    double seconds = 0;
    if (std::sscanf(text.c_str(), "%d:%d:%lf", &t.hour, &t.minute, &seconds) == 3) {
        t.second = static_cast<int>(seconds);
        t.millisecond = static_cast<int>((seconds - t.second) * 1000 + 0.5);
        if (t.millisecond > 999)
            t.millisecond = 999;
    }
    return t;
}

}  // namespace

OdbcCursor::OdbcCursor(std::shared_ptr<provider::Session> session, OdbcHandle statement, bool* busy)
    : m_session(std::move(session)), m_statement(std::move(statement)), m_busy(busy)
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
    }
}

bool OdbcCursor::Fetch(std::vector<Value>& row)
{
    if (m_statement.Get() == nullptr)
        return false;
    const SQLRETURN rc = SQLFetch(m_statement.Get());
    if (rc == SQL_NO_DATA) {
        Finish();
        return false;
    }
    m_statement.Check(rc, "SQLFetch");
    row.resize(m_fields.size());
    for (size_t i = 0; i < m_fields.size(); ++i)
        ReadValue(static_cast<SQLUSMALLINT>(i + 1), m_kinds[i], row[i]);
    return true;
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
        value = DateTime{t.year, t.month, t.day, t.hour, t.minute, t.second, static_cast<int>(t.fraction / 1000000)};
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
            Slot<Decimal>(value).digits = DecimalDigits(std::string_view(m_narrow.data(), length));
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
