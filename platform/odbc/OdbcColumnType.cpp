#include "OdbcColumnType.h"

#include <sqlext.h>

#include <algorithm>
#include <cctype>

namespace ado::odbc {

namespace {

// SQL Server's own ODBC type numbers.
constexpr SQLSMALLINT kSsVariant = -150;
constexpr SQLSMALLINT kSsXml = -152;
constexpr SQLSMALLINT kSsTime2 = -154;
constexpr SQLSMALLINT kSsTimestampOffset = -155;

constexpr long kLongChar = 2147483647;
constexpr long kLongWChar = 1073741823;
constexpr long kMaxChar = 8000;
constexpr long kMaxWChar = 4000;
constexpr unsigned char kNotApplicable = 255;
constexpr long kFldMayDefer = 0x2;
constexpr long kFldUnknownUpdatable = 0x8;

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// The type name without a size part: "decimal(28,10)" gives "decimal".
std::string BaseName(const std::string& typeName)
{
    std::string name = Lower(typeName.substr(0, typeName.find('(')));
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

unsigned char Byte(SQLULEN value) { return static_cast<unsigned char>(std::min<SQLULEN>(value, 255)); }

long Size(SQLULEN value) { return static_cast<long>(std::min<SQLULEN>(value, kLongChar)); }

struct Shape {
    DataTypeEnum type;
    long size;
    unsigned char precision;
    unsigned char scale;
    ValueKind kind;
    long flags;  // adFldFixed, adFldLong, adFldRowVersion
};

Shape Fixed(DataTypeEnum type, long size, unsigned char precision, ValueKind kind)
{
    return {type, size, precision, kNotApplicable, kind, adFldFixed};
}

Shape Variable(DataTypeEnum type, long size, ValueKind kind) { return {type, size, kNotApplicable, kNotApplicable, kind, 0}; }

Shape Long(DataTypeEnum type, long size, ValueKind kind)
{
    return {type, size, kNotApplicable, kNotApplicable, kind, adFldLong | kFldMayDefer};
}

// A length of 0 or beyond the largest sized type is how drivers report the (max) types.
bool IsMax(SQLULEN size, long largest) { return size == 0 || size > static_cast<SQLULEN>(largest); }

Shape ShapeOf(const ColumnDescription& c)
{
    const std::string name = BaseName(c.typeName);
    if (name == "money")
        return Fixed(adCurrency, 8, 19, ValueKind::Decimal);
    if (name == "smallmoney")
        return Fixed(adCurrency, 8, 10, ValueKind::Decimal);
    if (name == "uniqueidentifier")
        return Fixed(adGUID, 16, kNotApplicable, ValueKind::Text);

    switch (c.sqlType) {
    case SQL_BIT:
        return Fixed(adBoolean, 2, kNotApplicable, ValueKind::Boolean);
    case SQL_TINYINT:
        return Fixed(adUnsignedTinyInt, 1, 3, ValueKind::Integer);
    case SQL_SMALLINT:
        return Fixed(adSmallInt, 2, 5, ValueKind::Integer);
    case SQL_INTEGER:
        return Fixed(adInteger, 4, 10, ValueKind::Integer);
    case SQL_BIGINT:
        return Fixed(adBigInt, 8, 19, ValueKind::Integer);
    case SQL_REAL:
        return Fixed(adSingle, 4, 7, ValueKind::Double);
    case SQL_FLOAT:
    case SQL_DOUBLE:
        return Fixed(adDouble, 8, 15, ValueKind::Double);
    case SQL_DECIMAL:
    case SQL_NUMERIC: {
        // The declared precision is the defined size, so decimal(28,10) scripts as it was declared.
        const SQLULEN precision = c.columnSize ? c.columnSize : 18;
        return {adNumeric, Size(precision), Byte(precision), Byte(static_cast<SQLULEN>(std::max<SQLSMALLINT>(c.decimalDigits, 0))),
                ValueKind::Decimal, adFldFixed};
    }
    case SQL_TYPE_DATE:
        return {adDBDate, 16, Byte(c.columnSize), 0, ValueKind::Timestamp, adFldFixed};
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
    case SQL_DATETIME:
        // A datetime2 reports its type's full precision, so that a datetime2(3) (23 digits, as
        // a datetime) keeps its own type.
        return {adDBTimeStamp, 16, name == "datetime2" ? Byte(27) : Byte(c.columnSize),
                Byte(static_cast<SQLULEN>(std::max<SQLSMALLINT>(c.decimalDigits, 0))), ValueKind::Timestamp, adFldFixed};
    case SQL_TYPE_TIME:
    case SQL_TIME:
    case kSsTime2:
        return {adDBTime, 16, Byte(c.columnSize), Byte(static_cast<SQLULEN>(std::max<SQLSMALLINT>(c.decimalDigits, 0))),
                ValueKind::Time, adFldFixed};
    case kSsTimestampOffset:
        return Variable(adVarWChar, Size(c.columnSize ? c.columnSize : 34), ValueKind::Text);
    case SQL_CHAR:
        return {adChar, Size(c.columnSize), kNotApplicable, kNotApplicable, ValueKind::Text, adFldFixed};
    case SQL_WCHAR:
        return {adWChar, Size(c.columnSize), kNotApplicable, kNotApplicable, ValueKind::Text, adFldFixed};
    case SQL_VARCHAR:
        return IsMax(c.columnSize, kMaxChar) ? Long(adLongVarChar, kLongChar, ValueKind::Text)
                                             : Variable(adVarChar, Size(c.columnSize), ValueKind::Text);
    case SQL_WVARCHAR:
        return IsMax(c.columnSize, kMaxWChar) ? Long(adLongVarWChar, kLongWChar, ValueKind::Text)
                                              : Variable(adVarWChar, Size(c.columnSize), ValueKind::Text);
    case SQL_LONGVARCHAR:
        return Long(adLongVarChar, kLongChar, ValueKind::Text);
    case SQL_WLONGVARCHAR:
    case kSsXml:
        return Long(adLongVarWChar, kLongWChar, ValueKind::Text);
    case SQL_GUID:
        return Fixed(adGUID, 16, kNotApplicable, ValueKind::Text);
    case SQL_BINARY:
        if (name == "timestamp" || name == "rowversion")
            return {adBinary, 8, kNotApplicable, kNotApplicable, ValueKind::Binary, adFldFixed | adFldRowVersion};
        return {adBinary, Size(c.columnSize), kNotApplicable, kNotApplicable, ValueKind::Binary, adFldFixed};
    case SQL_VARBINARY:
        return IsMax(c.columnSize, kMaxChar) ? Long(adLongVarBinary, kLongChar, ValueKind::Binary)
                                             : Variable(adVarBinary, Size(c.columnSize), ValueKind::Binary);
    case SQL_LONGVARBINARY:
        return Long(adLongVarBinary, kLongChar, ValueKind::Binary);
    case kSsVariant:
        return Variable(adVariant, 8016, ValueKind::Text);
    default:
        return Variable(adVarWChar, kLongWChar, ValueKind::Text);
    }
}

}  // namespace

ColumnMapping MapColumn(const ColumnDescription& column)
{
    const Shape shape = ShapeOf(column);
    ColumnMapping mapping;
    mapping.kind = shape.kind;
    FieldInfo& info = mapping.info;
    info.name = column.name;
    info.type = shape.type;
    info.definedSize = shape.size;
    info.precision = shape.precision;
    info.numericScale = shape.scale;
    info.attributes = kFldUnknownUpdatable | shape.flags;
    // A driver that cannot tell counts as nullable: a column line then says "null", which
    // never refuses rows the source holds.
    if (column.nullable != SQL_NO_NULLS)
        info.attributes |= adFldIsNullable | adFldMayBeNull;
    return mapping;
}

}  // namespace ado::odbc
