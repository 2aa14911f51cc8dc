#include "AutomationError.h"
#include "SqliteTestDatabase.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace ado;

namespace {

const char* const kSmallTable = "CREATE TABLE t_row(id int PRIMARY KEY, name nvarchar(20));"
                                "INSERT INTO t_row VALUES (1, 'one'), (2, 'two'), (3, 'three');";

}  // namespace

TEST(SqliteCursor, ForwardOnlyStreamsRowByRow)
{
    const SqliteTestDatabase db(kSmallTable);
    const ConnectionPtr connection = db.Open(adModeRead);
    // An endless row source: only a cursor that steps one row per fetch ever returns.
    const RecordsetPtr rs = connection->Execute(
        "with recursive c(x) as (select 1 union all select x + 1 from c) select x from c");
    for (std::int64_t expected = 1; expected <= 1000; ++expected) {
        ASSERT_FALSE(rs->Eof());
        ASSERT_EQ(rs->Fields(0L).GetValue(), Value(expected));
        rs->MoveNext();
    }
    rs->Close();
    EXPECT_EQ(rs->State(), adStateClosed);
}

TEST(SqliteCursor, DetachedRowsStayReadableAfterTheConnectionCloses)
{
    const SqliteTestDatabase db(kSmallTable);
    const ConnectionPtr connection = db.Open(adModeRead);
    const RecordsetPtr rs = connection->Execute("select name from t_row order by id");
    rs->Detach();
    connection->Close();
    EXPECT_EQ(RowsOf(*rs), (std::vector<std::vector<std::string>>{{"one"}, {"two"}, {"three"}}));
}

TEST(SqliteCursor, StaticCursorMovesBackToItsFirstRow)
{
    const SqliteTestDatabase db(kSmallTable);
    const ConnectionPtr connection = db.Open(adModeRead);
    const RecordsetPtr rs = connection->Execute("select id from t_row order by id desc", adOpenStatic);
    const auto first = RowsOf(*rs);
    rs->MoveFirst();
    EXPECT_EQ(RowsOf(*rs), first);
    EXPECT_EQ(first.front().front(), "3");
    const RecordsetPtr forward = connection->Execute("select id from t_row");
    EXPECT_THROW(forward->MoveFirst(), automation::AutomationError);
}

TEST(SqliteCursor, StatementsWithoutRowsGiveAClosedRecordSet)
{
    const SqliteTestDatabase db(kSmallTable + std::string("CREATE TABLE t_copy(a nvarchar(10), b varbinary(4), c int);"));
    const ConnectionPtr connection = db.Open();
    EXPECT_EQ(connection->Execute("delete from t_row ")->State(), adStateClosed);
    // A data script as the converter writes it: statements one after another without ";".
    const RecordsetPtr rs = connection->Execute(
        "delete from t_copy \r\ninsert into t_copy(a,b,c)\r\n values(N'O''Hara',0x0A,1)\r\n"
        "insert into t_copy(a,b,c)\r\n values(null,0x,2)\r\n");
    EXPECT_EQ(rs->State(), adStateClosed);
    EXPECT_THROW(rs->Eof(), automation::AutomationError);
    EXPECT_EQ(Query(*connection, "select a, b, c from t_copy order by c"),
              (std::vector<std::vector<std::string>>{{"O'Hara", "0A", "1"}, {"NULL", "", "2"}}));
    EXPECT_TRUE(Query(*connection, "select * from t_row").empty());
    // Schema changes through the provider are seen by the catalogue at once.
    connection->Execute("create table t_new(x int)");
    EXPECT_EQ(Query(*connection, "select count(*) from syscolumns where id = object_id('T_NEW')"),
              (std::vector<std::vector<std::string>>{{"1"}}));
}

TEST(SqliteCursor, LikeIgnoresLetterCase)
{
    const SqliteTestDatabase db(kSmallTable);
    const ConnectionPtr connection = db.Open(adModeRead);
    EXPECT_EQ(Query(*connection, "select id from t_row where name like 'T%' order by id"),
              (std::vector<std::vector<std::string>>{{"2"}, {"3"}}));
}

TEST(SqliteCursor, ReadOnlyOpen)
{
    const SqliteTestDatabase db(kSmallTable);
    const ConnectionPtr connection = db.Open(adModeRead);
    EXPECT_FALSE(ErrorOf(*connection, "insert into t_row values (4, 'four')").empty());
    EXPECT_EQ(Query(*connection, "select count(*) from t_row"), (std::vector<std::vector<std::string>>{{"3"}}));

    Connection missing;
    const std::string path = db.Path() + ".missing";
    try {
        missing.Open("Provider=SQLite;Data Source=" + path, adModeRead);
        FAIL() << "opened a file that does not exist";
    } catch (const automation::AutomationError& e) {
        EXPECT_EQ(e.Description().toStdString(),
                  "Cannot open database \"" + path + "\" requested by the login. The login failed.");
    }
    EXPECT_EQ(missing.State(), adStateClosed);
}

// A mistyped Data Source must not become an empty database: only adModeCreate makes the file.
TEST(SqliteCursor, MissingFileIsCreatedOnlyWhenAsked)
{
    const SqliteTestDatabase db(kSmallTable);
    const std::string path = db.Path() + ".new";
    const std::string refused = "Cannot open database \"" + path + "\" requested by the login. The login failed.";
    for (const ConnectModeEnum mode : {adModeUnknown, adModeRead, adModeReadWrite}) {
        SCOPED_TRACE(mode);
        Connection connection;
        try {
            connection.Open("Provider=SQLite;Data Source=" + path, mode);
            ADD_FAILURE() << "opened a file that does not exist";
        } catch (const automation::AutomationError& e) {
            EXPECT_EQ(e.Description().toStdString(), refused);
        }
        EXPECT_FALSE(std::filesystem::exists(path));
    }
    Connection created;
    created.Open("Provider=SQLite;Data Source=" + path, adModeCreate);
    created.Execute("create table t (a int)");
    EXPECT_EQ(Query(created, "select count(*) from t"), (std::vector<std::vector<std::string>>{{"0"}}));
    EXPECT_TRUE(std::filesystem::exists(path));
}

TEST(SqliteCursor, FileThatIsNoDatabase)
{
    const SqliteTestDatabase db(kSmallTable);
    const std::string path = db.Path() + ".txt";
    FILE* file = std::fopen(path.c_str(), "w");
    std::fputs("this is a text file, not a database, and it is long enough to have a header........", file);
    std::fclose(file);
    Connection connection;
    try {
        connection.Open("Provider=SQLite;Data Source=" + path, adModeRead);
        FAIL() << "opened a text file";
    } catch (const automation::AutomationError& e) {
        EXPECT_NE(e.Description().toStdString().find(path), std::string::npos);
    }
}

TEST(SqliteCursor, RowsReadPackedUnpackToTheValuesTheyHaveReadOneByOne)
{
    // Every storage class in every kind of column, and values a column's kind cannot make its own.
    const SqliteTestDatabase db(
        "CREATE TABLE t_kind(i int, b bit, d decimal(18,4), m money, t datetime, s nvarchar(20), x varbinary(8), f float);"
        "INSERT INTO t_kind VALUES (1, 1, 0.25, 12, '2024-02-29 13:14:15.678', 'O''Hara', x'00ff', 1.5),"
        "(NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL), (-7, 0, 0.1, 'abc', 'no date', '', x'', 1e300),"
        "(9223372036854775807, 'true', 12345678901234.5, -0.0001, '23:59:59', char(0) || '物料', 'text', -0.0),"
        "(0, 2, 1e300, 5, '2024-13-01 00:00:00.000', 'x', NULL, 0.5);"
        "CREATE INDEX ix_kind ON t_kind(i); CREATE INDEX ix_text ON t_kind(s, i);");
    const ConnectionPtr connection = db.Open(adModeRead);
    // The provider's own rows (the index report) pack their values as they are.
    for (const std::string sql : {"select * from t_kind", "exec sp_helpindex 't_kind'"}) {
        SCOPED_TRACE(sql);
        const RecordsetPtr expected = connection->Execute(sql, adOpenStatic);
        std::vector<std::vector<Value>> rows;
        for (; !expected->Eof(); expected->MoveNext())
            rows.emplace_back(expected->CurrentRow(), expected->CurrentRow() + expected->FieldCount());
        ASSERT_GT(rows.size(), 1u);

        const RecordsetPtr rs = connection->Execute(sql);
        const std::vector<Value> first(rs->CurrentRow(), rs->CurrentRow() + rs->FieldCount());
        std::string packed;
        size_t count = 0;
        while (rs->ReadNextPacked(packed))
            ++count;
        EXPECT_TRUE(rs->Eof());
        EXPECT_FALSE(rs->ReadNextPacked(packed));
        ASSERT_EQ(count, rows.size() - 1);
        EXPECT_EQ(first, rows.front());
        const auto unpacker = rs->Unpacker();
        std::vector<Value> row(static_cast<size_t>(rs->FieldCount()));
        const char* p = packed.data();
        for (size_t i = 1; i < rows.size(); ++i) {
            unpacker->Unpack(p, row.data());
            EXPECT_EQ(row, rows[i]) << "row " << i;
        }
        EXPECT_EQ(p, packed.data() + packed.size());
    }
    EXPECT_THROW(connection->Execute("select * from t_kind", adOpenStatic)->ReadNextPacked(*std::make_unique<std::string>()),
                 automation::AutomationError);
}
