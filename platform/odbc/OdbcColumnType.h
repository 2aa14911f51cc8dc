#pragma once

#include "Field.h"

#include <sql.h>

#include <string>

namespace ado::odbc {

// How a column's values are read from the driver and held as a Value.
enum class ValueKind {
    Integer,    // int64
    Boolean,    // bool
    Double,     // double
    Decimal,    // exact digits (decimal, numeric, money)
    Timestamp,  // DateTime from the driver's timestamp structure
    Time,       // DateTime on 1900-01-01 from the time of day
    Text,       // UTF-8 string, read as UTF-16
    Binary,     // Bytes
};

// A result column as the driver describes it.
struct ColumnDescription {
    std::string name;
    SQLSMALLINT sqlType = SQL_UNKNOWN_TYPE;
    std::string typeName;  // the data source's own name: "money", "timestamp", "nvarchar"
    SQLULEN columnSize = 0;
    SQLSMALLINT decimalDigits = 0;
    SQLSMALLINT nullable = SQL_NULLABLE_UNKNOWN;
};

struct ColumnMapping {
    FieldInfo info;
    ValueKind kind = ValueKind::Text;
};

// The ADO description of a column the way SQL Server's OLE DB provider gives it: type number,
// defined size (the declared precision for decimals), precision and scale (255 where they do
// not apply) and attributes (nullable, fixed length, long, row version).
ColumnMapping MapColumn(const ColumnDescription& column);

}  // namespace ado::odbc
