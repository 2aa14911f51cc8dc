#include "SqliteProvider.h"
#include "SqliteTestDatabase.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>

using namespace ado;

namespace {

struct Expected {
    const char* column;
    DataTypeEnum type;
    long size;
    int scale;
    bool nullable;
};

const char* const kTypesTable = R"(
CREATE TABLE t_types(
  c_int int, c_integer integer, c_smallint smallint, c_tinyint tinyint, c_bigint bigint, c_bit bit,
  c_dec decimal(19,4), c_num numeric(10), c_decdef decimal, c_money money, c_smallmoney smallmoney,
  c_float float, c_double double, c_real real,
  c_datetime datetime, c_smalldatetime smalldatetime, c_datetime2 datetime2, c_date date, c_time time,
  c_char char(10), c_nchar nchar(5), c_varchar varchar(20), c_nvarchar nvarchar(30),
  c_varcharmax varchar(2147483647), c_nvarcharmax nvarchar(1073741823), c_text text, c_ntext ntext,
  c_binary binary(8), c_varbinary varbinary(16), c_image image, c_blob blob, c_guid uniqueidentifier,
  c_other geography, c_none, c_identity int IDENTITY(1,1) NOT NULL, c_notnull varchar(3) NOT NULL,
  c_key nvarchar(12),
  CONSTRAINT PK_types PRIMARY KEY (c_key));
)";

const Expected kExpected[] = {
    {"c_int", adInteger, 4, 0, true},
    {"c_integer", adInteger, 4, 0, true},
    {"c_smallint", adSmallInt, 2, 0, true},
    {"c_tinyint", adUnsignedTinyInt, 1, 0, true},
    {"c_bigint", adBigInt, 8, 0, true},
    {"c_bit", adBoolean, 2, 0, true},
    {"c_dec", adNumeric, 19, 4, true},
    {"c_num", adNumeric, 10, 0, true},
    {"c_decdef", adNumeric, 18, 0, true},
    {"c_money", adCurrency, 8, 0, true},
    {"c_smallmoney", adCurrency, 8, 0, true},
    {"c_float", adDouble, 8, 0, true},
    {"c_double", adDouble, 8, 0, true},
    {"c_real", adSingle, 4, 0, true},
    {"c_datetime", adDBTimeStamp, 16, 0, true},
    {"c_smalldatetime", adDBTimeStamp, 16, 0, true},
    {"c_datetime2", adDBTimeStamp, 16, 7, true},  // seven fractional digits unless declared
    {"c_date", adDBDate, 16, 0, true},
    {"c_time", adDBTime, 16, 7, true},
    {"c_char", adChar, 10, 0, true},
    {"c_nchar", adWChar, 5, 0, true},
    {"c_varchar", adVarChar, 20, 0, true},
    {"c_nvarchar", adVarWChar, 30, 0, true},
    {"c_varcharmax", adVarChar, 2147483647, 0, true},
    {"c_nvarcharmax", adVarWChar, 1073741823, 0, true},
    {"c_text", adLongVarChar, 2147483647, 0, true},
    {"c_ntext", adLongVarWChar, 1073741823, 0, true},
    {"c_binary", adBinary, 8, 0, true},
    {"c_varbinary", adVarBinary, 16, 0, true},
    {"c_image", adLongVarBinary, 2147483647, 0, true},
    {"c_blob", adLongVarBinary, 2147483647, 0, true},
    {"c_guid", adGUID, 16, 0, true},
    {"c_other", adVarWChar, 1073741823, 0, true},
    {"c_none", adVarWChar, 1073741823, 0, true},
    {"c_identity", adInteger, 4, 0, false},
    {"c_notnull", adVarChar, 3, 0, false},
    {"c_key", adVarWChar, 12, 0, false},  // primary-key columns are NOT NULL
};

}  // namespace

TEST(SqliteFieldTypes, EveryDeclaredTypeOfTheMapping)
{
    const SqliteTestDatabase db(kTypesTable);
    const ConnectionPtr connection = db.Open(adModeRead);
    const RecordsetPtr rs = connection->Execute("select * from t_types where 1> 1");
    ASSERT_EQ(rs->State(), adStateOpen);
    EXPECT_TRUE(rs->Eof());
    ASSERT_EQ(rs->FieldCount(), static_cast<long>(std::size(kExpected)));
    for (long i = 0; i < rs->FieldCount(); ++i) {
        const Expected& e = kExpected[i];
        const Field& f = rs->Fields(i);
        SCOPED_TRACE(e.column);
        EXPECT_EQ(f.Name(), e.column);
        EXPECT_EQ(f.Type(), e.type);
        EXPECT_EQ(f.DefinedSize(), e.size);
        EXPECT_EQ(f.NumericScale(), e.scale);
        EXPECT_EQ((f.Attributes() & adFldIsNullable) != 0, e.nullable);
    }
    EXPECT_EQ(rs->Fields("c_dec").Precision(), 19);
    EXPECT_EQ(rs->Fields("c_int").Precision(), 10);
}

TEST(SqliteFieldTypes, MaxTypesDeclaredThroughTheProvider)
{
    const SqliteTestDatabase db("");
    const ConnectionPtr connection = db.Open();
    connection->Execute("create table t_max(a varchar(max), b nvarchar(max), c varbinary(max))");
    const RecordsetPtr rs = connection->Execute("select * from t_max where 1> 1");
    EXPECT_EQ(rs->Fields("a").Type(), adVarChar);
    EXPECT_EQ(rs->Fields("a").DefinedSize(), 2147483647);
    EXPECT_EQ(rs->Fields("b").Type(), adVarWChar);
    EXPECT_EQ(rs->Fields("b").DefinedSize(), 1073741823);
    EXPECT_EQ(rs->Fields("c").Type(), adVarBinary);
    EXPECT_EQ(rs->Fields("c").DefinedSize(), 2147483647);
    EXPECT_EQ(Query(*connection, "select name, length from syscolumns where id = object_id('t_max') order by colid"),
              (std::vector<std::vector<std::string>>{{"a", "-1"}, {"b", "-1"}, {"c", "-1"}}));
}

TEST(SqliteFieldTypes, DeclaredTypeSpellings)
{
    using provider::FieldInfoFromDeclaredType;
    EXPECT_EQ(FieldInfoFromDeclaredType("INT IDENTITY (1, 1)").type, adInteger);
    EXPECT_EQ(FieldInfoFromDeclaredType("numeric(18, 0) identity").type, adNumeric);
    EXPECT_EQ(FieldInfoFromDeclaredType("NVARCHAR (50)").definedSize, 50);
    EXPECT_EQ(FieldInfoFromDeclaredType("double precision").type, adDouble);
    EXPECT_EQ(FieldInfoFromDeclaredType("varchar").definedSize, 1);
    const FieldInfo wide = FieldInfoFromDeclaredType("Decimal(38,38)");
    EXPECT_EQ(wide.definedSize, 38);
    EXPECT_EQ(wide.numericScale, 38);
    EXPECT_EQ(wide.precision, 38);
    EXPECT_EQ(FieldInfoFromDeclaredType("").type, adVarWChar);
}

TEST(SqliteFieldTypes, ExpressionColumnsAreWideNullableText)
{
    const SqliteTestDatabase db(kTypesTable);
    const ConnectionPtr connection = db.Open();
    const RecordsetPtr rs = connection->Execute("select count(*) as n, isnull(c_int, 0) as i from t_types");
    EXPECT_EQ(rs->Fields("n").Type(), adVarWChar);
    EXPECT_EQ(rs->Fields("n").DefinedSize(), 1073741823);
    EXPECT_NE(rs->Fields("i").Attributes() & adFldIsNullable, 0);
    EXPECT_EQ(std::get<std::int64_t>(rs->Fields("n").GetValue()), 0);
}

TEST(SqliteFieldTypes, ValuesByStorageAndDeclaredType)
{
    const SqliteTestDatabase db(std::string(kTypesTable) + R"(
INSERT INTO t_types(c_key, c_notnull, c_identity, c_int, c_bit, c_dec, c_num, c_money, c_float, c_datetime, c_date,
                    c_time, c_nvarchar, c_varbinary, c_other)
VALUES ('k1', '', 1, 42, 1, 1234.5678, 7, 12.5, 0.1, '2024-01-31T08:05:09.123', '2024-02-29',
        '23:59:58', 'blank  ', X'000AFF', 'not a date');
INSERT INTO t_types(c_key, c_notnull, c_identity, c_bit, c_datetime, c_nvarchar) VALUES ('k2', 'x', 2, 0, 'soon', NULL);
)");
    const ConnectionPtr connection = db.Open(adModeRead);
    const RecordsetPtr rs = connection->Execute("select * from t_types order by c_key", adOpenStatic);
    ASSERT_FALSE(rs->Eof());
    EXPECT_EQ(rs->Fields("c_int").GetValue(), Value(std::int64_t{42}));
    EXPECT_EQ(rs->Fields("c_bit").GetValue(), Value(true));
    EXPECT_EQ(rs->Fields("c_dec").GetValue(), Value(Decimal{"1234.5678"}));
    EXPECT_EQ(rs->Fields("c_num").GetValue(), Value(Decimal{"7"}));
    EXPECT_EQ(rs->Fields("c_money").GetValue(), Value(Decimal{"12.5"}));
    EXPECT_EQ(rs->Fields("c_float").GetValue(), Value(0.1));
    EXPECT_EQ(rs->Fields("c_datetime").GetValue(), Value(DateTime{2024, 1, 31, 8, 5, 9, 123}));
    EXPECT_EQ(rs->Fields("c_date").GetValue(), Value(DateTime{2024, 2, 29, 0, 0, 0, 0}));
    EXPECT_EQ(rs->Fields("c_time").GetValue(), Value(DateTime{1899, 12, 30, 23, 59, 58, 0}));
    EXPECT_EQ(rs->Fields("c_nvarchar").GetValue(), Value(std::string("blank  ")));
    EXPECT_EQ(rs->Fields("c_notnull").GetValue(), Value(std::string()));
    EXPECT_EQ(rs->Fields("c_varbinary").GetValue(), Value(Bytes{0x00, 0x0A, 0xFF}));
    EXPECT_EQ(rs->Fields("c_other").GetValue(), Value(std::string("not a date")));
    EXPECT_TRUE(IsNull(rs->Fields("c_smallint").GetValue()));
    rs->MoveNext();
    EXPECT_EQ(rs->Fields("c_bit").GetValue(), Value(false));
    EXPECT_EQ(rs->Fields("c_datetime").GetValue(), Value(std::string("soon")));  // not a date: kept as text
    EXPECT_TRUE(IsNull(rs->Fields("c_nvarchar").GetValue()));
}

// A decimal that SQLite holds as a float reads as the shortest fixed text that gives the float
// back, whichever way it is found (sixteenths of whole numbers take a quicker one).
TEST(SqliteFieldTypes, DecimalsHeldAsFloatsReadAsTheirShortestFixedText)
{
    std::vector<double> values = {0.25, -0.75, 1.5, 150000, 0.0625, -1234.5, 0.1, 2.0 / 3, 1e15 - 0.5, 123456789012345.5,
                                  999999999999999.9, 1e15, 1e20, -1e-7, 5e-324, 0.0};
    for (long long i = -2000; i <= 2000; i += 7)
        for (int shift : {0, 1, 2, 3, 4, 5})
            values.push_back(std::ldexp(static_cast<double>(i) * 1000003, -shift));
    std::string script = "CREATE TABLE d(n integer, v decimal(38,10));";
    for (size_t i = 0; i < values.size(); ++i) {
        char literal[64];
        const auto end = std::to_chars(literal, literal + sizeof literal, values[i], std::chars_format::scientific, 17).ptr;
        script += "INSERT INTO d VALUES(" + std::to_string(i) + ", " + std::string(literal, end) + ");";
    }
    const SqliteTestDatabase db(script);
    const ConnectionPtr connection = db.Open(adModeRead);
    const RecordsetPtr rs = connection->Execute("select v from d order by n", adOpenForwardOnly);
    for (double value : values) {
        ASSERT_FALSE(rs->Eof());
        char expected[400];
        const auto end = std::to_chars(expected, expected + sizeof expected, value, std::chars_format::fixed).ptr;
        EXPECT_EQ(rs->Fields(0L).GetValue(), Value(Decimal{std::string(expected, end)})) << value;
        rs->MoveNext();
    }
}

// Decimals at the edges of their types, inserted as a data script writes them and read back
// (SqliteInsertCache's test holds the ordinary path to the same storage): SQLite
// keeps a whole number in its 64-bit integers, also one written with a point and zero decimals
// beyond a double's exact range, and any other number as a REAL of 15 to 17 significant digits,
// its documented limit, which reads back as that double's value. The storage class is asked of
// SQLite itself.
TEST(SqliteFieldTypes, DecimalsAtTheEdgesReadBackAsSqliteKeepsThem)
{
    struct Case {
        const char* type;
        const char* literal;
        const char* storage;  // typeof()
        const char* read;
    };
    const Case cases[] = {
        {"decimal(28,10)", "123456789012345678.0000000000", "integer", "123456789012345678"},
        {"decimal(28,10)", "-123456789012345678.0000000000", "integer", "-123456789012345678"},
        {"decimal(38,0)", "9223372036854775807.0", "integer", "9223372036854775807"},
        {"decimal(38,0)", "-9223372036854775808.0", "integer", "-9223372036854775808"},
        {"decimal(19,1)", "9007199254740993.0", "integer", "9007199254740993"},  // 2^53 + 1: no double
        {"decimal(28,10)", "1.0000000000", "integer", "1"},
        {"decimal(28,10)", "1234.5678000000", "real", "1234.5678"},
        {"decimal(28,10)", "-0.0000000001", "real", "-0.0000000001"},
        {"decimal(38,38)", "-0.00000000000000000000000000000000000001", "real", "-0.00000000000000000000000000000000000001"},
        {"decimal(38,38)", "0.12345678901234567890123456789012345678", "real", "0.12345678901234568"},
        {"decimal(38,0)", "12345678901234567890123456789012345678", "real", "12345678901234567525491324606797053952"},
        {"decimal(38,0)", "-99999999999999999999999999999999999999", "real", "-99999999999999997748809823456034029568"},
        {"decimal(38,10)", "1234567890123.4567890123", "real", "1234567890123.4568"},
    };
    std::string script;
    for (size_t i = 0; i < std::size(cases); ++i)
        script += "create table d" + std::to_string(i) + "(v " + cases[i].type + ");";
    const SqliteTestDatabase db(script);
    const ConnectionPtr connection = db.Open();
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].literal);
        const std::string table = "d" + std::to_string(i);
        connection->Execute("insert into " + table + "(v) values(" + cases[i].literal + ")");
        const RecordsetPtr rs = connection->Execute("select v, typeof(v) from " + table, adOpenForwardOnly);
        ASSERT_FALSE(rs->Eof());
        const Value& value = rs->Fields(0L).GetValue();
        ASSERT_TRUE(std::holds_alternative<Decimal>(value));
        EXPECT_EQ(std::get<Decimal>(value).digits, cases[i].read);
        EXPECT_EQ(rs->Fields(1L).GetValue(), Value(std::string(cases[i].storage)));
    }
}
