#include "OdbcColumnType.h"

#include <gtest/gtest.h>

#include <sqlext.h>

using namespace ado;
using namespace ado::odbc;

namespace {

// A column as the FreeTDS driver describes SQL Server's types.
ColumnDescription Column(SQLSMALLINT sqlType, const char* typeName, SQLULEN size, SQLSMALLINT digits = 0,
                         SQLSMALLINT nullable = SQL_NULLABLE)
{
    return ColumnDescription{"c", sqlType, typeName, size, digits, nullable};
}

struct Expected {
    DataTypeEnum type;
    long size;
    int precision;
    int scale;
    ValueKind kind;
};

void ExpectMapping(const ColumnDescription& column, Expected expected)
{
    const ColumnMapping m = MapColumn(column);
    SCOPED_TRACE(column.typeName);
    EXPECT_EQ(m.info.type, expected.type);
    EXPECT_EQ(m.info.definedSize, expected.size);
    EXPECT_EQ(m.info.precision, expected.precision);
    EXPECT_EQ(m.info.numericScale, expected.scale);
    EXPECT_EQ(m.kind, expected.kind);
}

}  // namespace

TEST(OdbcColumnType, ExactNumbersAsSqlServerReportsThem)
{
    ExpectMapping(Column(SQL_INTEGER, "int", 10), {adInteger, 4, 10, 255, ValueKind::Integer});
    ExpectMapping(Column(SQL_SMALLINT, "smallint", 5), {adSmallInt, 2, 5, 255, ValueKind::Integer});
    ExpectMapping(Column(SQL_TINYINT, "tinyint", 3), {adUnsignedTinyInt, 1, 3, 255, ValueKind::Integer});
    ExpectMapping(Column(SQL_BIGINT, "bigint", 19), {adBigInt, 8, 19, 255, ValueKind::Integer});
    ExpectMapping(Column(SQL_BIT, "bit", 1), {adBoolean, 2, 255, 255, ValueKind::Boolean});
    // The declared precision is the defined size.
    ExpectMapping(Column(SQL_DECIMAL, "decimal", 28, 10), {adNumeric, 28, 28, 10, ValueKind::Decimal});
    ExpectMapping(Column(SQL_NUMERIC, "numeric", 9, 0), {adNumeric, 9, 9, 0, ValueKind::Decimal});
    ExpectMapping(Column(SQL_DECIMAL, "money", 19, 4), {adCurrency, 8, 19, 255, ValueKind::Decimal});
    ExpectMapping(Column(SQL_DECIMAL, "smallmoney", 10, 4), {adCurrency, 8, 10, 255, ValueKind::Decimal});
}

TEST(OdbcColumnType, FloatsAndDates)
{
    ExpectMapping(Column(SQL_FLOAT, "float", 53), {adDouble, 8, 15, 255, ValueKind::Double});
    ExpectMapping(Column(SQL_REAL, "real", 24), {adSingle, 4, 7, 255, ValueKind::Double});
    ExpectMapping(Column(SQL_TYPE_TIMESTAMP, "datetime", 23, 3), {adDBTimeStamp, 16, 23, 3, ValueKind::Timestamp});
    ExpectMapping(Column(SQL_TYPE_TIMESTAMP, "smalldatetime", 16, 0), {adDBTimeStamp, 16, 16, 0, ValueKind::Timestamp});
    ExpectMapping(Column(SQL_TYPE_TIMESTAMP, "datetime2", 27, 7), {adDBTimeStamp, 16, 27, 7, ValueKind::Timestamp});
    // A datetime2(3) has a datetime's 23 digits; it reports its type's 27 to stay a datetime2.
    ExpectMapping(Column(SQL_TYPE_TIMESTAMP, "datetime2", 23, 3), {adDBTimeStamp, 16, 27, 3, ValueKind::Timestamp});
    ExpectMapping(Column(SQL_TYPE_DATE, "date", 10, 0), {adDBDate, 16, 10, 0, ValueKind::Timestamp});
    ExpectMapping(Column(-154, "time", 16, 7), {adDBTime, 16, 16, 7, ValueKind::Time});
}

TEST(OdbcColumnType, CharacterTypesAndTheirLongForms)
{
    ExpectMapping(Column(SQL_CHAR, "char", 10), {adChar, 10, 255, 255, ValueKind::Text});
    ExpectMapping(Column(SQL_WCHAR, "nchar", 10), {adWChar, 10, 255, 255, ValueKind::Text});
    ExpectMapping(Column(SQL_VARCHAR, "varchar", 8000), {adVarChar, 8000, 255, 255, ValueKind::Text});
    ExpectMapping(Column(SQL_WVARCHAR, "nvarchar", 4000), {adVarWChar, 4000, 255, 255, ValueKind::Text});
    ExpectMapping(Column(SQL_LONGVARCHAR, "text", 2147483647), {adLongVarChar, 2147483647, 255, 255, ValueKind::Text});
    ExpectMapping(Column(SQL_WLONGVARCHAR, "ntext", 1073741823), {adLongVarWChar, 1073741823, 255, 255, ValueKind::Text});
    // (max) types: drivers give a size of 0 or one beyond the largest sized type.
    ExpectMapping(Column(SQL_VARCHAR, "varchar", 0), {adLongVarChar, 2147483647, 255, 255, ValueKind::Text});
    ExpectMapping(Column(SQL_WVARCHAR, "nvarchar", 0), {adLongVarWChar, 1073741823, 255, 255, ValueKind::Text});
    ExpectMapping(Column(SQL_WVARCHAR, "nvarchar", 1073741823), {adLongVarWChar, 1073741823, 255, 255, ValueKind::Text});
    ExpectMapping(Column(-152, "xml", 0), {adLongVarWChar, 1073741823, 255, 255, ValueKind::Text});
    ExpectMapping(Column(SQL_GUID, "uniqueidentifier", 36), {adGUID, 16, 255, 255, ValueKind::Text});
}

TEST(OdbcColumnType, BinaryTypesAndRowVersion)
{
    ExpectMapping(Column(SQL_BINARY, "binary", 16), {adBinary, 16, 255, 255, ValueKind::Binary});
    ExpectMapping(Column(SQL_VARBINARY, "varbinary", 100), {adVarBinary, 100, 255, 255, ValueKind::Binary});
    ExpectMapping(Column(SQL_VARBINARY, "varbinary", 0), {adLongVarBinary, 2147483647, 255, 255, ValueKind::Binary});
    ExpectMapping(Column(SQL_LONGVARBINARY, "image", 2147483647), {adLongVarBinary, 2147483647, 255, 255, ValueKind::Binary});

    const ColumnMapping rowVersion = MapColumn(Column(SQL_BINARY, "timestamp", 8, 0, SQL_NO_NULLS));
    EXPECT_EQ(rowVersion.info.type, adBinary);
    EXPECT_EQ(rowVersion.info.definedSize, 8);
    EXPECT_TRUE(rowVersion.info.attributes & adFldRowVersion);
    EXPECT_FALSE(MapColumn(Column(SQL_BINARY, "binary", 8)).info.attributes & adFldRowVersion);
    // A date column some drivers call timestamp is no row version.
    EXPECT_FALSE(MapColumn(Column(SQL_TYPE_TIMESTAMP, "timestamp", 23, 3)).info.attributes & adFldRowVersion);
}

TEST(OdbcColumnType, NullableFixedAndLongAttributes)
{
    const long notNullInt = MapColumn(Column(SQL_INTEGER, "int", 10, 0, SQL_NO_NULLS)).info.attributes;
    EXPECT_FALSE(notNullInt & adFldIsNullable);
    EXPECT_FALSE(notNullInt & adFldMayBeNull);
    EXPECT_TRUE(notNullInt & adFldFixed);

    const long nullableText = MapColumn(Column(SQL_WVARCHAR, "nvarchar", 50)).info.attributes;
    EXPECT_TRUE(nullableText & adFldIsNullable);
    EXPECT_FALSE(nullableText & adFldFixed);
    EXPECT_FALSE(nullableText & adFldLong);
    EXPECT_TRUE(MapColumn(Column(SQL_WLONGVARCHAR, "ntext", 1073741823)).info.attributes & adFldLong);
    EXPECT_TRUE(MapColumn(Column(SQL_VARCHAR, "varchar", 255, 0, SQL_NULLABLE_UNKNOWN)).info.attributes & adFldIsNullable);
}

TEST(OdbcColumnType, UnknownTypesReadAsUnicodeText)
{
    ExpectMapping(Column(-150, "sql_variant", 8000), {adVariant, 8016, 255, 255, ValueKind::Text});
    ExpectMapping(Column(SQL_UNKNOWN_TYPE, "", 0), {adVarWChar, 1073741823, 255, 255, ValueKind::Text});
    ExpectMapping(Column(-155, "datetimeoffset", 34, 7), {adVarWChar, 34, 255, 255, ValueKind::Text});
}
