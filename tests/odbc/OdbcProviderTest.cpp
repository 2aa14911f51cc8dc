#include "AutomationError.h"
#include "Connection.h"
#include "OdbcError.h"
#include "OdbcProvider.h"
#include "OdbcSession.h"
#include "OdbcUnicode.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <clocale>
#include <filesystem>

using namespace ado;

namespace {

// Sets the process's character type locale for its lifetime; Valid() is false when the
// system lacks the locale.
class LocaleScope {
public:
    explicit LocaleScope(const char* name)
    {
        if (const char* current = std::setlocale(LC_ALL, nullptr))
            m_previous = current;
        m_valid = std::setlocale(LC_ALL, name) != nullptr;
    }
    ~LocaleScope() { std::setlocale(LC_ALL, m_previous.c_str()); }
    bool Valid() const { return m_valid; }

private:
    std::string m_previous = "C";
    bool m_valid = false;
};

std::filesystem::path TestDatabase()
{
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "_" + test->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    return std::filesystem::temp_directory_path() / ("tabrix_odbc_" + std::to_string(getpid()) + "_" + name + ".db");
}

// A fresh database file for each test, reached through the SQLite3 ODBC driver. That driver
// has no Unicode interface, so the provider speaks UTF-8 to it through the narrow functions
// (the "Narrow" runs, through Connection). The "Wide" runs force the wide functions, the path
// FreeTDS takes, in a UTF-8 locale in which the driver manager converts them faithfully.
class OdbcProvider : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        m_path = TestDatabase();
        std::filesystem::remove(m_path);
        if (!Wide()) {
            m_connection.Open(Text());
            return;
        }
        m_locale = std::make_unique<LocaleScope>("C.UTF-8");
        if (!m_locale->Valid())
            GTEST_SKIP() << "the C.UTF-8 locale is not available";
        m_session = std::make_shared<odbc::OdbcSession>(provider::NewOdbcEnvironment(), odbc::FromOdbcText(Text()),
                                                        false, true);
    }
    void TearDown() override
    {
        m_connection.Close();
        m_session.reset();
        m_locale.reset();
        std::filesystem::remove(m_path);
    }

    static bool Wide() { return GetParam(); }

    RecordsetPtr Execute(const std::string& sql)
    {
        if (m_session)
            return std::make_shared<Recordset>(m_session->Execute(sql), adOpenForwardOnly);
        return m_connection.Execute(sql);
    }

    std::string Text() const { return "Driver=SQLite3;Database=" + m_path.string() + ";Language=CHS"; }

    void Run(const std::string& sql)
    {
        const RecordsetPtr rs = Execute(sql);
        EXPECT_EQ(rs->State(), adStateClosed) << sql;
    }

    // The first value of the statement's first row.
    Value Scalar(const std::string& sql)
    {
        const RecordsetPtr rs = Execute(sql);
        EXPECT_FALSE(rs->Eof()) << sql;
        return rs->Fields(0L).GetValue();
    }

    std::filesystem::path m_path;
    Connection m_connection;
    std::unique_ptr<LocaleScope> m_locale;
    std::shared_ptr<odbc::OdbcSession> m_session;
};

}  // namespace

TEST_P(OdbcProvider, OdbcTextOpensThroughTheDriverItNames)
{
    if (!Wide()) {
        EXPECT_EQ(m_connection.State(), adStateOpen);
        EXPECT_EQ(m_connection.ConnectionString(), Text());
    }
    EXPECT_EQ(std::get<std::int64_t>(Scalar("select 40 + 2")), 42);
}

TEST_P(OdbcProvider, StatementsWithoutRowsGiveClosedRecordsets)
{
    Run("create table t (id integer)");
    Run("insert into t values (1)");
    Run("delete from t where id = 99");  // affects nothing: still no failure
    const RecordsetPtr rs = Execute("select id from t where id = 99");
    EXPECT_EQ(rs->State(), adStateOpen);
    EXPECT_TRUE(rs->Eof());
}

TEST_P(OdbcProvider, StreamsManyRowsForwardOnly)
{
    Run("create table big (id integer not null, label varchar(40))");
    Run("with recursive n(i) as (select 1 union all select i + 1 from n where i < 20000) "
        "insert into big select i, 'row ' || i from n");
    const RecordsetPtr rs = Execute("select id, label from big order by id");
    std::int64_t expected = 1;
    while (!rs->Eof()) {
        ASSERT_EQ(std::get<std::int64_t>(rs->Fields("ID").GetValue()), expected);
        ASSERT_EQ(std::get<std::string>(rs->Fields(1L).GetValue()), "row " + std::to_string(expected));
        rs->MoveNext();
        ++expected;
    }
    EXPECT_EQ(expected, 20001);
}

TEST_P(OdbcProvider, SecondStatementWhileRowsAreBeingRead)
{
    Run("create table a (id integer)");
    Run("insert into a values (1), (2), (3)");
    const RecordsetPtr outer = Execute("select id from a order by id");
    std::int64_t sum = 0;
    while (!outer->Eof()) {
        const std::int64_t id = std::get<std::int64_t>(outer->Fields(0L).GetValue());
        sum += std::get<std::int64_t>(Scalar("select count(*) from a where id <= " + std::to_string(id)));
        outer->MoveNext();
    }
    EXPECT_EQ(sum, 1 + 2 + 3);
}

TEST_P(OdbcProvider, NullIsNotEmptyText)
{
    Run("create table t (id integer, s varchar(10), b blob)");
    Run("insert into t values (1, null, null), (2, '', x''), (3, '  ', x'00')");
    const RecordsetPtr rs = Execute("select s, b from t order by id");
    EXPECT_TRUE(IsNull(rs->Fields(0L).GetValue()));
    EXPECT_TRUE(IsNull(rs->Fields(1L).GetValue()));
    rs->MoveNext();
    EXPECT_EQ(rs->Fields(0L).GetValue(), Value(std::string()));
    rs->MoveNext();
    EXPECT_EQ(rs->Fields(0L).GetValue(), Value(std::string("  ")));
    EXPECT_EQ(rs->Fields(1L).GetValue(), Value(Bytes{0}));
}

TEST_P(OdbcProvider, UnicodeTextRoundTrips)
{
    // Chinese, and a character beyond the basic plane (two UTF-16 units). The driver manager's
    // own conversion for a driver without a Unicode interface knows the basic plane only, so
    // the wide runs keep to it; FreeTDS takes UTF-16 as it is.
    const std::string beyond = Wide() ? "" : " \xF0\x9D\x84\x9E";
    const std::string text = "科目余额" + beyond + " end";
    Run("create table t (s nvarchar(40))");
    Run("insert into t values ('" + text + "')");
    const RecordsetPtr rs = Execute("select s, length(s) from t where s like '科目%'");
    ASSERT_FALSE(rs->Eof());
    EXPECT_EQ(rs->Fields(0L).GetValue(), Value(text));
    // Characters, as SQLite counts them: the UTF-8 text arrived whole.
    EXPECT_EQ(rs->Fields(1L).GetValue(), Value(std::int64_t{Wide() ? 8 : 10}));
}

TEST_P(OdbcProvider, UnicodeNamesRoundTrip)
{
    if (Wide())
        GTEST_SKIP() << "the driver manager narrows names and messages of a driver without a Unicode "
                        "interface byte by byte";
    Run("create table \"科目\" (\"名称\" nvarchar(40))");
    Run("insert into \"科目\" values ('x')");
    const RecordsetPtr rs = Execute("select \"名称\" from \"科目\"");
    ASSERT_FALSE(rs->Eof());
    EXPECT_EQ(rs->Fields(0L).Name(), "名称");
    EXPECT_EQ(rs->Fields("名称").GetValue(), Value(std::string("x")));
    try {
        Execute("select * from \"表\"");
        FAIL() << "no error";
    } catch (const automation::AutomationError& e) {
        EXPECT_TRUE(e.Description().contains(QStringLiteral("表"))) << e.what();
    }
}

TEST_P(OdbcProvider, LongValuesArriveWhole)
{
    Run("create table t (s text, b blob)");
    Run("insert into t values (replace(printf('%.*c', 70000, 'x'), 'x', '中'), randomblob(300000))");
    const RecordsetPtr rs = Execute("select s, b, length(b) from t");
    const std::string& s = std::get<std::string>(rs->Fields(0L).GetValue());
    ASSERT_EQ(s.size(), 70000u * 3);
    EXPECT_EQ(s.substr(s.size() - 3), "中");
    EXPECT_EQ(std::get<Bytes>(rs->Fields(1L).GetValue()).size(), 300000u);
    EXPECT_EQ(std::get<std::int64_t>(rs->Fields(2L).GetValue()), 300000);
}

// Rows come in blocks when every column is bound, one at a time with the columns after the
// first unbound one read piece by piece; either way every value and null of every row. SQLite
// keeps texts longer than their declared size, which come whole.
TEST_P(OdbcProvider, RowsInBlocksAndPiecesKeepEveryValue)
{
    Run("create table t (id integer, f double, s varchar(5), n integer)");
    Run("with recursive k(i) as (select 1 union all select i + 1 from k where i < 2500) "
        "insert into t select i, case when i % 7 = 0 then null else i / 4.0 end, "
        "case when i % 5 = 0 then null else printf('%.*c', i % 40, 'x') || i end, "
        "case when i % 3 = 0 then null else -i end from k");
    for (const char* sql : {"select id, f from t order by id", "select id, f, s, n from t order by id"}) {
        SCOPED_TRACE(sql);
        const RecordsetPtr rs = Execute(sql);
        const bool all = rs->FieldCount() == 4;
        std::int64_t i = 0;
        for (; !rs->Eof(); rs->MoveNext()) {
            ++i;
            ASSERT_EQ(rs->Fields(0L).GetValue(), Value(i));
            ASSERT_EQ(rs->Fields(1L).GetValue(), i % 7 ? Value(static_cast<double>(i) / 4) : Value(Null{}));
            if (!all)
                continue;
            ASSERT_EQ(rs->Fields(2L).GetValue(),
                      i % 5 ? Value(std::string(static_cast<size_t>(i % 40), 'x') + std::to_string(i)) : Value(Null{}));
            ASSERT_EQ(rs->Fields(3L).GetValue(), i % 3 ? Value(-i) : Value(Null{}));
        }
        EXPECT_EQ(i, 2500);
    }
}

TEST_P(OdbcProvider, BinaryValuesKeepEveryByte)
{
    Run("create table t (b blob)");
    Run("insert into t values (x'00FF10800D0A')");
    EXPECT_EQ(Scalar("select b from t"), Value(Bytes{0x00, 0xFF, 0x10, 0x80, 0x0D, 0x0A}));
}

TEST_P(OdbcProvider, ColumnTypesAndValuesAsTheDriverDescribesThem)
{
    // The SQLite3 driver describes columns by their declared types, as far as it knows them
    // (it reports decimals as text and every column as nullable); SQL Server's own types are
    // covered by the column type tests and the SQL Server suite.
    Run("create table t (id integer not null, small smallint, tiny tinyint, big bigint, flag bit, price money, "
        "ratio double, born datetime, code varchar(12), memo text, pic varbinary(20), g uniqueidentifier)");
    Run("insert into t values (7, -3, 200, 9000000000, 1, 12.3456, 0.25, '2024-01-31 08:05:09.123', 'A1', "
        "'long', x'01', '6F9619FF-8B86-D011-B42D-00C04FC964FF')");
    Run("insert into t (id) values (8)");
    const RecordsetPtr rs = Execute("select * from t order by id");
    ASSERT_FALSE(rs->Eof());

    struct Expected {
        const char* name;
        DataTypeEnum type;
        long size;
    };
    for (const Expected& e : {Expected{"id", adInteger, 4}, Expected{"small", adSmallInt, 2},
                              Expected{"tiny", adUnsignedTinyInt, 1}, Expected{"big", adBigInt, 8},
                              Expected{"flag", adBoolean, 2}, Expected{"price", adCurrency, 8},
                              Expected{"ratio", adDouble, 8}, Expected{"born", adDBTimeStamp, 16},
                              Expected{"code", adVarChar, 12}, Expected{"memo", adLongVarChar, 2147483647},
                              Expected{"pic", adVarBinary, 20}, Expected{"g", adGUID, 16}}) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(rs->Fields(e.name).Type(), e.type);
        EXPECT_EQ(rs->Fields(e.name).DefinedSize(), e.size);
    }
    EXPECT_TRUE(rs->Fields("code").Attributes() & adFldIsNullable);
    EXPECT_TRUE(rs->Fields("memo").Attributes() & adFldLong);

    EXPECT_EQ(rs->Fields("id").GetValue(), Value(std::int64_t{7}));
    EXPECT_EQ(rs->Fields("small").GetValue(), Value(std::int64_t{-3}));
    EXPECT_EQ(rs->Fields("tiny").GetValue(), Value(std::int64_t{200}));
    EXPECT_EQ(rs->Fields("big").GetValue(), Value(std::int64_t{9000000000}));
    EXPECT_EQ(rs->Fields("flag").GetValue(), Value(true));
    EXPECT_EQ(rs->Fields("price").GetValue(), Value(Decimal{"12.3456"}));
    EXPECT_EQ(rs->Fields("ratio").GetValue(), Value(0.25));
    EXPECT_EQ(rs->Fields("born").GetValue(), Value(DateTime{2024, 1, 31, 8, 5, 9, 123}));
    EXPECT_EQ(rs->Fields("code").GetValue(), Value(std::string("A1")));
    EXPECT_EQ(rs->Fields("pic").GetValue(), Value(Bytes{1}));
    EXPECT_EQ(rs->Fields("g").GetValue(), Value(std::string("6F9619FF-8B86-D011-B42D-00C04FC964FF")));

    // Every kind of value reads as null where the row holds none.
    rs->MoveNext();
    ASSERT_FALSE(rs->Eof());
    for (long i = 1; i < rs->FieldCount(); ++i)
        EXPECT_TRUE(IsNull(rs->Fields(i).GetValue())) << rs->Fields(i).Name();
}

TEST_P(OdbcProvider, ErrorsCarryTheStateAndTheBareMessage)
{
    try {
        Execute("select * from no_such_table");
        FAIL() << "no error";
    } catch (const odbc::OdbcError& e) {
        ASSERT_FALSE(e.Records().empty());
        EXPECT_EQ(e.Records().front().sqlState.size(), 5u);
        EXPECT_TRUE(e.Description().contains(QStringLiteral("no such table: no_such_table"))) << e.what();
        EXPECT_FALSE(e.Description().startsWith('[')) << e.what();
        EXPECT_EQ(e.Description().toStdString(), e.Records().front().message);
        EXPECT_EQ(e.Source(), odbc::ErrorSource());
        EXPECT_NE(e.Number(), 0);
    }
    // The connection stays usable after a failed statement.
    EXPECT_EQ(std::get<std::int64_t>(Scalar("select 1")), 1);
}

INSTANTIATE_TEST_SUITE_P(Interfaces, OdbcProvider, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Wide" : "Narrow"; });

TEST(OdbcProviderOpen, DriverWithoutUnicodeInterfaceGetsNarrowText)
{
    const std::filesystem::path path = TestDatabase();
    const auto session = std::dynamic_pointer_cast<odbc::OdbcSession>(
        provider::OpenOdbc("Driver=SQLite3;Database=" + path.string(), false));
    ASSERT_TRUE(session);
    EXPECT_FALSE(session->Wide());
    std::filesystem::remove(path);
}

TEST(OdbcProviderOpen, UnknownDriverFailsWithTheDriverManagersMessage)
{
    Connection connection;
    try {
        connection.Open("Driver=No Such Driver;Database=/tmp/x.db;PWD=hunter2");
        FAIL() << "opened";
    } catch (const odbc::OdbcError& e) {
        ASSERT_FALSE(e.Records().empty());
        EXPECT_EQ(e.Records().front().sqlState.substr(0, 2), "01") << e.what();
        EXPECT_FALSE(e.Description().startsWith('[')) << e.what();
        EXPECT_FALSE(e.Description().contains(QStringLiteral("hunter2")));
    }
    EXPECT_EQ(connection.State(), adStateClosed);
}

TEST(OdbcProviderOpen, SqlServerTextReachesFreeTds)
{
    // Nothing listens on port 1: the refusal comes from FreeTDS itself, in its own words.
    Connection connection;
    try {
        connection.Open("Provider=SQLOLEDB.1;User ID=sa;pwd=Secret;pw1;Initial Catalog=acct;"
                        "Data Source=127.0.0.1,1;Language=CHS");
        FAIL() << "opened";
    } catch (const odbc::OdbcError& e) {
        ASSERT_FALSE(e.Records().empty());
        EXPECT_EQ(e.Records().front().sqlState.substr(0, 2), "08") << e.what();
        EXPECT_FALSE(e.Description().isEmpty());
        for (const odbc::Diagnostic& record : e.Records()) {
            EXPECT_NE(record.message.front(), '[') << record.message;
            EXPECT_EQ(record.message.find("Secret"), std::string::npos) << record.message;
        }
    } catch (const automation::AutomationError& e) {
        if (e.Description().contains(QStringLiteral("not installed")))
            GTEST_SKIP() << e.what();
        FAIL() << e.what();
    }
    EXPECT_EQ(connection.State(), adStateClosed);
}

TEST(OdbcUnicode, SurrogatePairsAndLoneSurrogates)
{
    std::string out = "stale";
    const char16_t pair[] = {u'a', 0xD834, 0xDD1E, u'中'};
    odbc::Utf16ToUtf8(pair, 4, out);
    EXPECT_EQ(out, "a\xF0\x9D\x84\x9E中");
    const char16_t lone[] = {0xDD1E, u'b', 0xD834};
    odbc::Utf16ToUtf8(lone, 3, out);
    EXPECT_EQ(out, "\xEF\xBF\xBD" "b" "\xEF\xBF\xBD");
    EXPECT_EQ(odbc::Utf8ToUtf16("\xF0\x9D\x84\x9E"), (std::u16string{0xD834, 0xDD1E}));
}
