#include "StandinProcess.h"

#include "AutomationError.h"
#include "Connection.h"
#include "OdbcError.h"

#include <gtest/gtest.h>

#include <memory>

using namespace ado;

namespace {

// Everything here goes through the ODBC provider, unixODBC and FreeTDS to the stand-in.
class TdsStandin : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_server = std::make_unique<StandinProcess>(); }
    static void TearDownTestSuite() { s_server.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(s_server->Started()) << "tds_standin did not write its port";
        m_connection.Open(s_server->ConnectionText());
    }

    void Run(const std::string& sql) { m_connection.Execute(sql); }

    // The first record of the error a statement raises.
    odbc::Diagnostic ErrorOf(const std::string& sql)
    {
        try {
            m_connection.Execute(sql);
        } catch (const odbc::OdbcError& e) {
            return e.Records().front();
        }
        ADD_FAILURE() << "no error from " << sql;
        return {};
    }

    // A table of `rows` rows, each with a 200-character filler, so its rows take many packets.
    void CreateLongTable(const std::string& name, int rows)
    {
        Run("create table " + name + " (n int not null, filler nvarchar(200) not null)");
        const std::string filler = "N'" + std::string(200, 'x') + "'";
        for (int start = 0; start < rows; start += 500) {
            std::string sql = "insert into " + name + " (n, filler) values ";
            for (int n = start; n < std::min(rows, start + 500); ++n)
                sql += (n > start ? ",(" : "(") + std::to_string(n) + "," + filler + ")";
            Run(sql);
        }
    }

    std::int64_t Count(const std::string& table)
    {
        const RecordsetPtr rs = m_connection.Execute("select count(*) from " + table);
        return std::get<std::int64_t>(rs->Fields(0L).GetValue());
    }

    static std::unique_ptr<StandinProcess> s_server;
    Connection m_connection;
};

std::unique_ptr<StandinProcess> TdsStandin::s_server;

}  // namespace

TEST_F(TdsStandin, LoginIsAcceptedOrRefusedWithoutThePassword)
{
    const RecordsetPtr rs = m_connection.Execute("select 1");
    EXPECT_EQ(rs->Fields(0L).GetValue(), Value(std::int64_t{1}));

    const std::string wrong = "not-" + s_server->Password();
    Connection refused;
    try {
        refused.Open(s_server->ConnectionText(wrong));
        FAIL() << "a wrong password was accepted";
    } catch (const odbc::OdbcError& e) {
        EXPECT_EQ(e.Description().toStdString(), "Login failed for user 'sa'.");
        bool numbered = false;
        for (const odbc::Diagnostic& record : e.Records()) {
            EXPECT_EQ(record.message.find(wrong), std::string::npos);
            numbered = numbered || record.nativeError == 18456;
        }
        EXPECT_TRUE(numbered);
        EXPECT_EQ(std::string(e.what()).find(wrong), std::string::npos);
    }
    EXPECT_EQ(refused.State(), adStateClosed);
}

TEST_F(TdsStandin, EveryColumnTypeReadsBackWithItsAdoType)
{
    Run("create table types_t (FInt int null, FSmall smallint null, FTiny tinyint null, FBig bigint null,"
        " FBit bit null, FFloat float null, FReal real null, FMoney money null, FSmallMoney smallmoney null,"
        " FDec decimal(38,6) null, FNum numeric(5,2) null, FDate datetime null, FSmallDate smalldatetime null,"
        " FChar char(4) null, FVarchar varchar(20) null, FNChar nchar(3) null, FNVarchar nvarchar(10) null,"
        " FVcMax varchar(max) null, FNvMax nvarchar(max) null, FVbMax varbinary(max) null, FText text null,"
        " FNText ntext null, FImage image null, FGuid uniqueidentifier null, FBin binary(3) null,"
        " FVarBin varbinary(10) null, FDay date null, FClock time null, FDate2 datetime2 null, FVer timestamp)");
    const std::string longText(3000, 'a');
    Run("insert into types_t (FInt, FSmall, FTiny, FBig, FBit, FFloat, FReal, FMoney, FSmallMoney, FDec, FNum, FDate,"
        " FSmallDate, FChar, FVarchar, FNChar, FNVarchar, FVcMax, FNvMax, FVbMax, FText, FNText, FImage, FGuid, FBin,"
        " FVarBin, FDay, FClock, FDate2) values (-2147483648, -32768, 0, -9223372036854775807, 0, -1.5e300, 0.25, -12345.6789,"
        " 214748.3647, 1267650600228229401496703205376, -1.25, '1753-01-01T00:00:00.997',"
        " '2079-06-06T23:59:00', '中', '汉字abc', N'x', N'\U0001D11E', 'v" + longText + "', N'宽" + longText +
        "', 0x0102, 'legacy', N'长', 0xFF, '{6f9619ff-8b86-d011-b42d-00c04fc964ff}', 0xAB, 0x,"
        " '2024-02-29', '08:05:09.123', '0001-01-01T23:59:59.999')");
    Run("insert into types_t (FInt) values (null)");

    const RecordsetPtr rs = m_connection.Execute("select * from types_t");
    struct Expect {
        const char* name;
        DataTypeEnum type;
        long size;
        Value value;
    };
    const Expect expected[] = {
        {"FInt", adInteger, 4, std::int64_t{-2147483648LL}},
        {"FSmall", adSmallInt, 2, std::int64_t{-32768}},
        {"FTiny", adUnsignedTinyInt, 1, std::int64_t{0}},
        {"FBig", adBigInt, 8, std::int64_t{-9223372036854775807LL}},
        {"FBit", adBoolean, 2, false},
        {"FFloat", adDouble, 8, -1.5e300},
        {"FReal", adSingle, 4, 0.25},
        {"FMoney", adCurrency, 8, Decimal{"-12345.6789"}},
        {"FSmallMoney", adCurrency, 8, Decimal{"214748.3647"}},
        // 2^100: SQLite keeps decimals as doubles, and this one survives that exactly.
        {"FDec", adNumeric, 38, Decimal{"1267650600228229401496703205376.000000"}},
        {"FNum", adNumeric, 5, Decimal{"-1.25"}},
        {"FDate", adDBTimeStamp, 16, DateTime{1753, 1, 1, 0, 0, 0, 997}},
        {"FSmallDate", adDBTimeStamp, 16, DateTime{2079, 6, 6, 23, 59, 0, 0}},
        {"FChar", adChar, 4, std::string("中  ")},
        {"FVarchar", adVarChar, 20, std::string("汉字abc")},
        {"FNChar", adWChar, 3, std::string("x  ")},
        {"FNVarchar", adVarWChar, 10, std::string("\xF0\x9D\x84\x9E")},
        {"FVcMax", adLongVarChar, 2147483647, "v" + longText},
        {"FNvMax", adLongVarWChar, 1073741823, "宽" + longText},
        {"FVbMax", adLongVarBinary, 2147483647, Bytes{1, 2}},
        {"FText", adLongVarChar, 2147483647, std::string("legacy")},
        {"FNText", adLongVarWChar, 1073741823, std::string("长")},
        {"FImage", adLongVarBinary, 2147483647, Bytes{0xFF}},
        {"FGuid", adGUID, 16, std::string("6F9619FF-8B86-D011-B42D-00C04FC964FF")},
        {"FBin", adBinary, 3, Bytes{0xAB, 0, 0}},
        {"FVarBin", adVarBinary, 10, Bytes{}},
        // date, time and datetime2 travel as their own types; a time sits on the day both
        // providers count dates from.
        {"FDay", adDBDate, 16, DateTime{2024, 2, 29}},
        {"FClock", adDBTime, 16, DateTime{1899, 12, 30, 8, 5, 9, 123}},
        {"FDate2", adDBTimeStamp, 16, DateTime{1, 1, 1, 23, 59, 59, 999}},
    };
    ASSERT_FALSE(rs->Eof());
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.name);
        const Field& field = rs->Fields(e.name);
        EXPECT_EQ(field.Type(), e.type);
        EXPECT_EQ(field.DefinedSize(), e.size);
        const Value& value = field.GetValue();
        if (const auto* digits = std::get_if<Decimal>(&e.value))
            // Money may come back with its four decimals written out.
            EXPECT_EQ(std::get<Decimal>(value).digits.substr(0, digits->digits.size()), digits->digits);
        else
            EXPECT_EQ(value, e.value);
    }
    EXPECT_EQ(rs->Fields("FDec").NumericScale(), 6);
    EXPECT_TRUE(rs->Fields("FVer").Attributes() & adFldRowVersion);
    const Bytes firstVersion = std::get<Bytes>(rs->Fields("FVer").GetValue());
    EXPECT_EQ(firstVersion.size(), 8u);

    rs->MoveNext();
    ASSERT_FALSE(rs->Eof());
    for (const Expect& e : expected) {
        SCOPED_TRACE(e.name);
        EXPECT_TRUE(IsNull(rs->Fields(e.name).GetValue()));
    }
    EXPECT_NE(std::get<Bytes>(rs->Fields("FVer").GetValue()), firstVersion);
    rs->MoveNext();
    EXPECT_TRUE(rs->Eof());
}

TEST_F(TdsStandin, ExpressionsAreTypedByWhatTheyHold)
{
    const RecordsetPtr rs = m_connection.Execute("select 3000000000 as big, null as empty_value, 'text' as word, 1.5 as half");
    EXPECT_EQ(rs->Fields("big").Type(), adBigInt);
    EXPECT_EQ(rs->Fields("big").GetValue(), Value(std::int64_t{3000000000}));
    EXPECT_EQ(rs->Fields("empty_value").Type(), adInteger);
    EXPECT_TRUE(IsNull(rs->Fields("empty_value").GetValue()));
    EXPECT_EQ(rs->Fields("word").Type(), adVarWChar);
    EXPECT_EQ(rs->Fields("word").GetValue(), Value(std::string("text")));
    EXPECT_EQ(rs->Fields("half").Type(), adDouble);
    EXPECT_EQ(rs->Fields("half").GetValue(), Value(1.5));
}

TEST_F(TdsStandin, ErrorsCarryTheServersNumbersAndStates)
{
    Run("create table errors_t (id int not null primary key, name nvarchar(10) not null)");
    Run("insert into errors_t (id, name) values (1, N'a')");
    struct Expect {
        std::string sql;
        long number;
        const char* state;
        const char* message;  // empty: the number says enough
    };
    for (const Expect& e : {
             Expect{"select * from no_such_t", 208, "42S02", "Invalid object name 'no_such_t'."},
             Expect{"select no_such_c from errors_t", 207, "42S22", "Invalid column name 'no_such_c'."},
             Expect{"select * from errors_t where", 102, "42000", ""},
             Expect{"insert into errors_t (id, name) values (1, N'b')", 2627, "23000", ""},
             Expect{"insert into errors_t (id) values (2)", 515, "23000", ""},
             Expect{"create table errors_t (x int)", 2714, "42S01",
                    "There is already an object named 'errors_t' in the database."},
         }) {
        SCOPED_TRACE(e.sql);
        const odbc::Diagnostic d = ErrorOf(e.sql);
        EXPECT_EQ(d.nativeError, e.number);
        EXPECT_EQ(d.sqlState, e.state);
        if (*e.message) {
            EXPECT_EQ(d.message, e.message);
        }
    }
    // The failed statements changed empty_value, and the connection goes on.
    EXPECT_EQ(Count("errors_t"), 1);
}

TEST_F(TdsStandin, SetUseAndConditionalStatements)
{
    EXPECT_EQ(m_connection.Execute("SET NOCOUNT ON")->State(), adStateClosed);

    Run("if object_id('cond_t') is not null drop table cond_t");
    Run("create table cond_t (x int)");
    Run("if object_id('cond_t') is null create table cond_t (y int)");  // not run: the table exists
    Run("if object_id('cond_t') is not null drop table cond_t");
    EXPECT_EQ(ErrorOf("select * from cond_t").nativeError, 208);

    Run("use other_db");
    Run("create table in_other (x int)");
    EXPECT_TRUE(std::filesystem::exists(s_server->Folder() / "other_db.db"));
    const odbc::Diagnostic outside = ErrorOf("use ../outside");
    EXPECT_EQ(outside.nativeError, 911);
    EXPECT_FALSE(std::filesystem::exists(s_server->Folder().parent_path() / "outside.db"));
    Run("select * from in_other");  // still in other_db
}

TEST_F(TdsStandin, SecondConnectionAnswersWhileRowsAreBeingRead)
{
    CreateLongTable("long_t", 3000);
    const RecordsetPtr outer = m_connection.Execute("select n, filler from long_t order by n");
    ASSERT_FALSE(outer->Eof());
    // The first link still has rows in flight; the provider opens a second one for this.
    EXPECT_EQ(Count("long_t"), 3000);
    Connection other;
    other.Open(s_server->ConnectionText());
    EXPECT_EQ(std::get<std::int64_t>(other.Execute("select max(n) from long_t")->Fields(0L).GetValue()), 2999);

    std::int64_t expected = 0;
    for (; !outer->Eof(); outer->MoveNext(), ++expected)
        ASSERT_EQ(outer->Fields(0L).GetValue(), Value(expected));
    EXPECT_EQ(expected, 3000);
}

TEST_F(TdsStandin, HalfReadResultIsCancelled)
{
    CreateLongTable("cancel_t", 3000);
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        RecordsetPtr rs = m_connection.Execute("select n, filler from cancel_t order by n");
        for (int i = 0; i < 5; ++i) {
            ASSERT_FALSE(rs->Eof());
            EXPECT_EQ(rs->Fields(0L).GetValue(), Value(std::int64_t{i}));
            rs->MoveNext();
        }
        rs->Close();
        rs.reset();
        // The link that was cancelled answers the next statement with that statement's reply.
        EXPECT_EQ(Count("cancel_t"), 3000);
    }
}
