// Identity columns that are not SQLite's rowid get their numbers as SQL Server gives them, and the
// file itself stays as it was.
#include "SqliteTestDatabase.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::vector<std::string>>;

TEST(SqliteIdentity, InsertsWithoutTheColumnAreNumberedFromSeedByIncrement)
{
    SqliteTestDatabase db("CREATE TABLE t (FID int IDENTITY(100, 10) NOT NULL, FName nvarchar(20) NOT NULL,"
                          " FLength int GENERATED ALWAYS AS (length(FName)) VIRTUAL, CONSTRAINT PK_t PRIMARY KEY (FID));"
                          "CREATE TABLE plain (FID int IDENTITY NOT NULL, x int);");
    const ado::ConnectionPtr connection = db.Open();
    connection->Execute("insert into t (FName) values (N'a')");
    connection->Execute("insert into t (FName) values ('b'), ('c'); insert into t (FID, FName) values (500, 'x')");
    connection->Execute("insert into t (FName) select 'yy' union all select 'zzz'");
    EXPECT_EQ(Query(*connection, "select FID, FName, FLength from t order by FID"),
              (Rows{{"100", "a", "1"}, {"110", "b", "1"}, {"120", "c", "1"}, {"500", "x", "1"}, {"510", "yy", "2"},
                    {"520", "zzz", "3"}}));
    // IDENTITY without seed and increment counts from 1 by 1, with or without a key.
    connection->Execute("insert into plain (x) values (7); insert into plain (x) values (8)");
    EXPECT_EQ(Query(*connection, "select FID, x from plain order by x"), (Rows{{"1", "7"}, {"2", "8"}}));
    // A duplicate given by hand is still refused by the key.
    EXPECT_FALSE(ErrorOf(*connection, "insert into t (FID, FName) values (100, 'again')").empty());
}

TEST(SqliteIdentity, TablesMadeAndRemadeInTheSessionAreNumberedToo)
{
    SqliteTestDatabase db("CREATE TABLE keep (x int);");
    const ado::ConnectionPtr connection = db.Open();
    connection->Execute("create table n (FID int identity(1,1) not null, x int)");
    connection->Execute("insert into n (x) values (1)");
    connection->Execute("drop table n");
    connection->Execute("create table n (FKey int not null, FID int identity(-1,-1) not null)");
    connection->Execute("insert into n (FKey) values (1); insert into n (FKey) values (2)");
    EXPECT_EQ(Query(*connection, "select FKey, FID from n order by FKey"), (Rows{{"1", "-1"}, {"2", "-2"}}));

    // The triggers belong to the connection: the file holds none, and another connection
    // makes its own.
    db.Run("create table probe as select count(*) as n from sqlite_schema where type = 'trigger'");
    EXPECT_EQ(Query(*connection, "select n from probe"), (Rows{{"0"}}));
    const ado::ConnectionPtr other = db.Open();
    other->Execute("insert into n (FKey) values (3)");
    EXPECT_EQ(Query(*other, "select FID from n where FKey = 3"), (Rows{{"-3"}}));
}

}  // namespace
