// Inserts of literal values run through a statement kept per shape: every literal is stored as
// the ordinary path (which compiles each statement) stores it, identity columns stay numbered,
// and a failing insert leaves the kept statement usable.
#include "SqliteInsertCache.h"
#include "SqliteTestDatabase.h"

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using ado::provider::SqliteInsertCache;
using Rows = std::vector<std::vector<std::string>>;

// Every value of a table as SQLite holds it: its type and its exact content (a REAL's bits).
std::vector<std::string> Stored(const std::string& file, const std::string& table)
{
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, ("select * from " + table + " order by rowid").c_str(), -1, &statement, nullptr);
    std::vector<std::string> values;
    while (sqlite3_step(statement) == SQLITE_ROW) {
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            switch (sqlite3_column_type(statement, i)) {
            case SQLITE_NULL:
                values.push_back("null");
                break;
            case SQLITE_INTEGER:
                values.push_back("int:" + std::to_string(sqlite3_column_int64(statement, i)));
                break;
            case SQLITE_FLOAT: {
                const double d = sqlite3_column_double(statement, i);
                std::uint64_t bits = 0;
                std::memcpy(&bits, &d, sizeof bits);
                values.push_back("real:" + std::to_string(bits));
                break;
            }
            default: {
                const char* kind = sqlite3_column_type(statement, i) == SQLITE_TEXT ? "text:" : "blob:";
                const auto* data = static_cast<const char*>(sqlite3_column_blob(statement, i));
                values.push_back(kind + std::string(data ? data : "", static_cast<size_t>(sqlite3_column_bytes(statement, i))));
            }
            }
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return values;
}

TEST(SqliteInsertCache, EveryLiteralIsStoredAsTheOrdinaryPathStoresIt)
{
    const std::string columns = "(i int, d decimal(28,10), f float, v varchar(50), nv nvarchar(50), b varbinary(50), "
                                "dt datetime, bt bit, x)";
    SqliteTestDatabase db("create table kept" + columns + "; create table compiled" + columns + ";");
    const ado::ConnectionPtr connection = db.Open();
    const char* literals[] = {
        "0", "-0", "7", "+7", "-7", "9223372036854775807", "-9223372036854775808", "9223372036854775808",
        "-9223372036854775809", "99999999999999999999", "1.5", "-1.5", "0.0", "-0.0", "1e999", "-1e999", "1e+300",
        ".5", "5.", "4.9406564584124654e-324", "0.1", "1234567890123456789012345678", "-12.3456789012", "''",
        "123456789012345678.0000000000", "-9223372036854775808.0", "9223372036854775808.0", "'a''b'", "N'中文😀'", "'x -- /* ; '", "'12abc'", "'1e5'", "N''", "0x", "0xABC", "0x00FF41", "null", "NULL",
    };
    connection->BeginTrans();
    for (const char* column : {"i", "d", "f", "v", "nv", "b", "dt", "bt", "x"}) {
        for (const char* literal : literals) {
            const std::string values = std::string("(") + column + ") values(" + literal + ")";
            // The kept path takes every one of them but the negative zero, whose minus only a
            // literal keeps.
            EXPECT_EQ(SqliteInsertCache::Read("insert into kept" + values).has_value(), std::string(literal) != "-0.0")
                << literal;
            connection->Execute("insert into kept" + values);
            // A statement that does not start with its INSERT takes the ordinary path.
            connection->Execute("/* compiled */ insert into compiled" + values);
        }
    }
    connection->CommitTrans();
    EXPECT_EQ(Stored(db.Path(), "kept"), Stored(db.Path(), "compiled"));
}

TEST(SqliteInsertCache, OnlyInsertsOfLiteralValuesAreKept)
{
    for (const char* sql : {"insert into t values(1+1)", "insert into t(a) values('a'+char(0)+'b')",
                            "insert into t(a) select 1", "insert into t(a) values(1),(2)", "insert into t(a) values(1) delete from t",
                            "insert into t(a) values(@v)", "insert into t(a) values(default)", "insert into t(a) values('open",
                            "update t set a = 1", "insert into t(a) values(- -1)"})
        EXPECT_FALSE(SqliteInsertCache::Read(sql)) << sql;
    const auto insert = SqliteInsertCache::Read("insert into dbo.[t x](a, \"b\") values(-1.5, N'x');");
    ASSERT_TRUE(insert);
    EXPECT_EQ(SqliteInsertCache::Parameterised("INSERT INTO \"t x\"(a, \"b\") VALUES (-1.5, 'x');", *insert),
              "INSERT INTO \"t x\"(a, \"b\") VALUES (-CAST(?1 AS REAL),?2)");
}

TEST(SqliteInsertCache, IdentityColumnsStayNumberedAcrossRollbacksAndNewTables)
{
    SqliteTestDatabase db("create table n (FID int identity(1,1) not null, x int);"
                          "create table k (a int primary key);");
    const ado::ConnectionPtr connection = db.Open();
    // The trigger that numbers n is made inside the transaction and goes with its rollback.
    connection->BeginTrans();
    connection->Execute("insert into n (x) values (1)");
    connection->RollbackTrans();
    connection->Execute("insert into n (x) values (2)");
    EXPECT_EQ(Query(*connection, "select FID, x from n"), (Rows{{"1", "2"}}));
    connection->Execute("drop table n");
    connection->Execute("create table n (FID int identity(10,5) not null, x int)");
    connection->Execute("insert into n (x) values (3)");
    connection->Execute("insert into n (x) values (4)");
    EXPECT_EQ(Query(*connection, "select FID, x from n order by x"), (Rows{{"10", "3"}, {"15", "4"}}));

    connection->Execute("insert into k (a) values (1)");
    EXPECT_EQ(ErrorOf(*connection, "insert into k (a) values (1)"),
              "Violation of PRIMARY KEY constraint 'PK_k'. Cannot insert duplicate key in object 'dbo.k'. The "
              "duplicate key value is (1).");
    connection->Execute("insert into k (a) values (2)");
    EXPECT_EQ(Query(*connection, "select a from k order by a"), (Rows{{"1"}, {"2"}}));
}

}  // namespace
