#include "IdentityColumns.h"

#include <gtest/gtest.h>

using tds::RewriteIdentityColumns;

TEST(IdentityColumns, KeyIdentityBecomesSQLitesNumberedKey)
{
    EXPECT_EQ(RewriteIdentityColumns("create table t (FID int identity(1,1) not null primary key, FName nvarchar(40))"),
              "create table t (FID integer primary key autoincrement, FName nvarchar(40))");
    EXPECT_EQ(RewriteIdentityColumns("CREATE TABLE [t] ([F ID] BIGINT IDENTITY PRIMARY KEY CLUSTERED)"),
              "CREATE TABLE [t] ([F ID] integer primary key autoincrement)");
    // Commas and parentheses inside strings and sizes belong to their column.
    EXPECT_EQ(RewriteIdentityColumns("create table t (a varchar(10) default ('x,)'), b decimal(9,2),"
                                     " id int identity(1,1) primary key)"),
              "create table t (a varchar(10) default ('x,)'), b decimal(9,2), id integer primary key autoincrement)");
}

TEST(IdentityColumns, OtherTextsStayAsWritten)
{
    for (const char* sql : {
             "create table t (FID int identity(1,1) not null, FName nvarchar(40))",  // not the key
             "create table t (FID int not null primary key)",                      // no identity
             "create index ix_identity on t (a)",
             "create table t (FName nvarchar(40) default 'identity primary key')",
             "create table t (FID int identity(1,1) primary key",                  // unclosed
             "select identity from t",
         })
        EXPECT_EQ(RewriteIdentityColumns(sql), sql);
}
