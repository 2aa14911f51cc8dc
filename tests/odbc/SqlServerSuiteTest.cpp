#include "AutomationError.h"
#include "Connection.h"
#include "OdbcError.h"
#include "SqlServerTestServer.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>

using namespace ado;

namespace {

// A small schema of its own on the server named by TABRIX_TEST_MSSQL, dropped afterwards.
class SqlServerProvider : public ::testing::Test {
protected:
    void SetUp() override
    {
        TABRIX_REQUIRE_SQL_SERVER(text);
        m_connection.Open(text);
        m_babelfish = tabrix::test::IsBabelfish(m_connection);
        m_table = "tabrix_odbc_" + std::to_string(getpid());
        Drop();
        Run("create table " + m_table +
            " (FID int identity(1,1) not null primary key, FName nvarchar(40) not null, FCode varchar(12) null,"
            " FAmount decimal(28,10) null, FPrice money null, FSmall smallmoney null, FTiny tinyint null,"
            " FFlag bit null, FDate datetime null, FGuid uniqueidentifier null, FBlob varbinary(max) null,"
            " FMemo nvarchar(max) null, FText text null, FNText ntext null, FImage image null, FFloat float null,"
            " FReal real null, FBig bigint null, FShort smallint null, FChar char(5) null, FNChar nchar(5) null,"
            " FBin binary(4) null, FVer timestamp)");
        Run("create index ix_" + m_table + "_code on " + m_table + " (FCode, FName)");
        Run("insert into " + m_table +
            " (FName, FCode, FAmount, FPrice, FSmall, FTiny, FFlag, FDate, FGuid, FBlob, FMemo, FText, FNText,"
            " FFloat, FReal, FBig, FShort, FChar, FNChar, FBin) values (N'科目\U0001D11E', '', -12.5, 12.34, 1.5,"
            " 255, 1, '2024-01-31T08:05:09.123', '6F9619FF-8B86-D011-B42D-00C04FC964FF', 0x00FF, N'备注',"
            " 'plain', N'长文本', 0.1, 0.5, 9000000000, -2, 'ab', N'中', 0x01020304)");
        Run("insert into " + m_table + " (FName) values (N'')");
    }

    void TearDown() override
    {
        if (m_connection.State() == adStateOpen)
            Drop();
    }

    void Drop() { Run("if object_id('" + m_table + "') is not null drop table " + m_table); }

    void Run(const std::string& sql) { m_connection.Execute(sql); }

    Connection m_connection;
    std::string m_table;
    bool m_babelfish = false;
};

}  // namespace

TEST_F(SqlServerProvider, ColumnMetadataOfAnEmptyResult)
{
    const RecordsetPtr rs = m_connection.Execute("select * from " + m_table + " where 1> 1");
    ASSERT_EQ(rs->State(), adStateOpen);
    EXPECT_TRUE(rs->Eof());
    struct Row {
        const char* name;
        DataTypeEnum type;
        long size;
        int scale;
    };
    for (const Row& row : {Row{"FID", adInteger, 4, 255}, Row{"FName", adVarWChar, 40, 255},
                           Row{"FCode", adVarChar, 12, 255}, Row{"FAmount", adNumeric, 28, 10},
                           Row{"FPrice", adCurrency, 8, 255}, Row{"FSmall", adCurrency, 8, 255},
                           Row{"FTiny", adUnsignedTinyInt, 1, 255}, Row{"FFlag", adBoolean, 2, 255},
                           Row{"FDate", adDBTimeStamp, 16, 3}, Row{"FGuid", adGUID, 16, 255},
                           Row{"FBlob", adLongVarBinary, 2147483647, 255},
                           Row{"FMemo", adLongVarWChar, 1073741823, 255},
                           Row{"FText", adLongVarChar, 2147483647, 255},
                           Row{"FNText", adLongVarWChar, 1073741823, 255},
                           Row{"FImage", adLongVarBinary, 2147483647, 255}, Row{"FFloat", adDouble, 8, 255},
                           Row{"FReal", adSingle, 4, 255}, Row{"FBig", adBigInt, 8, 255},
                           Row{"FShort", adSmallInt, 2, 255}, Row{"FChar", adChar, 5, 255},
                           Row{"FNChar", adWChar, 5, 255}, Row{"FBin", adBinary, 4, 255},
                           Row{"FVer", adBinary, 8, 255}}) {
        SCOPED_TRACE(row.name);
        const Field& field = rs->Fields(row.name);
        EXPECT_EQ(field.Type(), row.type);
        EXPECT_EQ(field.DefinedSize(), row.size);
        EXPECT_EQ(field.NumericScale(), row.scale);
    }
    EXPECT_TRUE(rs->Fields("FCode").Attributes() & adFldIsNullable);
    if (m_babelfish)
        GTEST_SKIP() << "Babelfish marks every result column nullable and sends timestamp columns as plain "
                        "binary(8) (no timestamp user type) in the result's column metadata";
    EXPECT_FALSE(rs->Fields("FID").Attributes() & adFldIsNullable);
    EXPECT_FALSE(rs->Fields("FName").Attributes() & adFldIsNullable);
    EXPECT_TRUE(rs->Fields("FVer").Attributes() & adFldRowVersion);
}

TEST_F(SqlServerProvider, ValuesReadBack)
{
    const RecordsetPtr rs = m_connection.Execute("select * from " + m_table + " order by FID");
    ASSERT_FALSE(rs->Eof());
    EXPECT_EQ(rs->Fields("FName").GetValue(), Value(std::string("科目\xF0\x9D\x84\x9E")));
    EXPECT_EQ(rs->Fields("FCode").GetValue(), Value(std::string()));
    EXPECT_EQ(std::get<Decimal>(rs->Fields("FAmount").GetValue()).digits, "-12.5000000000");
    EXPECT_EQ(std::get<Decimal>(rs->Fields("FPrice").GetValue()).digits.substr(0, 5), "12.34");
    EXPECT_EQ(rs->Fields("FTiny").GetValue(), Value(std::int64_t{255}));
    EXPECT_EQ(rs->Fields("FFlag").GetValue(), Value(true));
    EXPECT_EQ(rs->Fields("FDate").GetValue(), Value(DateTime{2024, 1, 31, 8, 5, 9, 123}));
    EXPECT_EQ(rs->Fields("FGuid").GetValue(), Value(std::string("6F9619FF-8B86-D011-B42D-00C04FC964FF")));
    EXPECT_EQ(rs->Fields("FBlob").GetValue(), Value(Bytes{0x00, 0xFF}));
    EXPECT_EQ(rs->Fields("FMemo").GetValue(), Value(std::string("备注")));
    EXPECT_EQ(rs->Fields("FNText").GetValue(), Value(std::string("长文本")));
    EXPECT_EQ(rs->Fields("FFloat").GetValue(), Value(0.1));
    EXPECT_EQ(rs->Fields("FReal").GetValue(), Value(0.5));
    EXPECT_EQ(rs->Fields("FBig").GetValue(), Value(std::int64_t{9000000000}));
    EXPECT_EQ(rs->Fields("FChar").GetValue(), Value(std::string("ab   ")));
    EXPECT_EQ(rs->Fields("FBin").GetValue(), Value(Bytes{1, 2, 3, 4}));
    EXPECT_EQ(std::get<Bytes>(rs->Fields("FVer").GetValue()).size(), 8u);
    rs->MoveNext();
    ASSERT_FALSE(rs->Eof());
    EXPECT_EQ(rs->Fields("FName").GetValue(), Value(std::string()));
    EXPECT_TRUE(IsNull(rs->Fields("FCode").GetValue()));
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
}

TEST_F(SqlServerProvider, CatalogueQueriesOfTheComponents)
{
    const RecordsetPtr columns = m_connection.Execute(
        "select c.name, t.name, c.length, c.xprec, c.xscale, c.isnullable from syscolumns c inner join systypes t "
        "on c.xusertype = t.xusertype where c.id = object_id('" + m_table + "') order by c.colid");
    ASSERT_FALSE(columns->Eof());
    // Babelfish gives the names in syscolumns lower-cased.
    EXPECT_EQ(ToText(columns->Fields(0L).GetValue()), m_babelfish ? "fid" : "FID");
    EXPECT_EQ(ToText(columns->Fields(1L).GetValue()), "int");

    const RecordsetPtr identity = m_connection.Execute("select columnproperty(object_id('" + m_table +
                                                       "'),'FID','IsIdentity')");
    EXPECT_EQ(ToText(identity->Fields(0L).GetValue()), "1");

    if (m_babelfish)
        GTEST_SKIP() << "Babelfish has no sp_helpindex";
    const RecordsetPtr indexes = m_connection.Execute("sp_helpindex '" + m_table + "'");
    ASSERT_EQ(indexes->State(), adStateOpen);
    int found = 0;
    for (; !indexes->Eof(); indexes->MoveNext())
        if (ToText(indexes->Fields("index_name").GetValue()) == "ix_" + m_table + "_code") {
            EXPECT_EQ(ToText(indexes->Fields("index_keys").GetValue()), "FCode, FName");
            ++found;
        }
    EXPECT_EQ(found, 1);
}

TEST_F(SqlServerProvider, ProcedureWithoutRowsGivesAClosedRecordset)
{
    if (m_babelfish)
        GTEST_SKIP() << "Babelfish has no sp_helpindex";
    Run("create table " + m_table + "_bare (x int)");
    const RecordsetPtr rs = m_connection.Execute("sp_helpindex '" + m_table + "_bare'");
    EXPECT_EQ(rs->State(), adStateClosed);
    Run("drop table " + m_table + "_bare");
}

TEST_F(SqlServerProvider, ServerMessagesArriveWithoutPrefix)
{
    // Babelfish answers with PostgreSQL's texts, and states and message numbers of its own.
    try {
        m_connection.Execute("select * from no_such_table_tabrix");
        FAIL() << "no error";
    } catch (const odbc::OdbcError& e) {
        if (m_babelfish) {
            EXPECT_EQ(e.Description().toStdString(), "relation \"no_such_table_tabrix\" does not exist");
        } else {
            EXPECT_EQ(e.Description().toStdString(), "Invalid object name 'no_such_table_tabrix'.");
            EXPECT_EQ(e.Records().front().sqlState, "42S02");
            EXPECT_EQ(e.Records().front().nativeError, 208);
        }
    }
    try {
        m_connection.Execute("select * from " + m_table + " Where  FName Like'%a'%'  order by FID");
        FAIL() << "no error";
    } catch (const automation::AutomationError& e) {
        EXPECT_TRUE(e.Description().startsWith(m_babelfish ? QStringLiteral("syntax error near ''' at line 1")
                                                            : QStringLiteral("Unclosed quotation mark")))
            << e.what();
    }
}

// Rows enough for several blocks, with nulls among them, read as bound columns; and again with
// a long column that makes every value after it come piece by piece.
TEST_F(SqlServerProvider, ManyRowsKeepEveryValueInBlocksAndPieces)
{
    constexpr int kRows = 2100;
    const auto code = [](int i) { return i % 3 ? Value(std::string("C") + std::to_string(i)) : Value(Null{}); };
    const auto amount = [](int i) {
        char text[32];
        std::snprintf(text, sizeof text, "%.10f", i / 8.0);
        return std::string(text);
    };
    const auto bin = [](int i) {
        return Bytes{static_cast<unsigned char>(i >> 24), static_cast<unsigned char>(i >> 16),
                     static_cast<unsigned char>(i >> 8), static_cast<unsigned char>(i)};
    };
    for (int first = 1; first <= kRows; first += 700) {
        std::string rows;
        for (int i = first; i < first + 700; ++i) {
            char binary[16];
            std::snprintf(binary, sizeof binary, "0x%08X", i);
            rows += std::string(rows.empty() ? "" : ",") + "(N'名" + std::to_string(i) + "'," +
                    (i % 3 ? "'C" + std::to_string(i) + "'" : std::string("null")) + "," + amount(i) + "," +
                    (i % 4 ? "'2024-02-03T04:05:06'" : "null") + "," + (i % 5 ? binary : "null") + ",N'备注 " +
                    std::to_string(i) + "')";
        }
        Run("insert into " + m_table + " (FName, FCode, FAmount, FDate, FBin, FMemo) values " + rows);
    }
    const RecordsetPtr blocks = m_connection.Execute(
        "select FID, FName, FCode, FAmount, FDate, FBin from " + m_table + " where FID > 2 order by FID");
    int i = 0;
    for (; !blocks->Eof(); blocks->MoveNext()) {
        ++i;
        ASSERT_EQ(blocks->Fields(1L).GetValue(), Value("名" + std::to_string(i)));
        ASSERT_EQ(blocks->Fields(2L).GetValue(), code(i));
        ASSERT_EQ(blocks->Fields(3L).GetValue(), Value(Decimal{amount(i)}));
        ASSERT_EQ(blocks->Fields(4L).GetValue(), i % 4 ? Value(DateTime{2024, 2, 3, 4, 5, 6, 0}) : Value(Null{}));
        ASSERT_EQ(blocks->Fields(5L).GetValue(), i % 5 ? Value(bin(i)) : Value(Null{}));
    }
    EXPECT_EQ(i, kRows);

    const RecordsetPtr pieces =
        m_connection.Execute("select FID, FName, FMemo, FCode from " + m_table + " where FID > 2 order by FID");
    for (i = 0; !pieces->Eof(); pieces->MoveNext()) {
        ++i;
        ASSERT_EQ(pieces->Fields(1L).GetValue(), Value("名" + std::to_string(i)));
        ASSERT_EQ(pieces->Fields(2L).GetValue(), Value("备注 " + std::to_string(i)));
        ASSERT_EQ(pieces->Fields(3L).GetValue(), code(i));
    }
    EXPECT_EQ(i, kRows);
}

TEST_F(SqlServerProvider, QueriesWhileRowsAreStillBeingRead)
{
    const RecordsetPtr outer = m_connection.Execute("select FID from " + m_table + " order by FID");
    int rows = 0;
    for (; !outer->Eof(); outer->MoveNext(), ++rows) {
        const RecordsetPtr inner =
            m_connection.Execute("select count(*) from " + m_table + " where FID <= " + ToText(outer->Fields(0L).GetValue()));
        EXPECT_EQ(std::get<std::int64_t>(inner->Fields(0L).GetValue()), rows + 1);
    }
    EXPECT_EQ(rows, 2);
}
