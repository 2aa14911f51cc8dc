// The generators of large dictionaries and tables give what they were asked for.
#include "SqliteReader.h"
#include "TestDemoDb.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(LargeDictionary, HasTheAskedTablesAndTheWideTable)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("dictionary.db"));
    demo::WriteLargeDictionary(path, 200);
    const SqliteReader db(path);
    EXPECT_EQ(db.Int("select count(*) from t_Subsystem"), 15);
    EXPECT_EQ(db.Int("select count(*) from t_tabledescription"), 201);
    EXPECT_EQ(db.Int("select count(distinct FSubSystemID) from t_tabledescription"), 15);
    EXPECT_EQ(db.Int("select count(*) from t_tabledescription t where not exists "
                     "(select 1 from sqlite_master m where m.type = 'table' and m.name = t.FTableName)"),
              0);
    EXPECT_EQ(db.Int("select count(*) from pragma_table_info('t_WideTable')"), 300);
    EXPECT_EQ(db.Int("select count(*) from t_FieldDescription f join t_tabledescription t on t.FTableID = f.FTableID "
                     "where t.FTableName = 't_WideTable'"),
              300);
    EXPECT_EQ(db.Text("select FTableName from t_tabledescription where FTableID = 200"), "t_Table200");
}

TEST(LargeTable, HasTheAskedRowsWithMixedValues)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("account.db"));
    ASSERT_TRUE(QFile::copy(DemoDatabasePath(), path));
    demo::AddLargeTable(path, 10000);
    demo::AddLargeTable(path, 0, QStringLiteral("t_Empty"));
    const SqliteReader db(path);
    EXPECT_EQ(db.Text("select count(*) || ' ' || min(FID) || ' ' || max(FID) || ' ' || count(distinct FID) from t_LargeTable"),
              "10000 1 10000 10000");
    EXPECT_EQ(db.Int("select count(*) from t_LargeTable where FNote is null"), 10000 / 7);
    EXPECT_EQ(db.Int("select count(*) from t_LargeTable where FNote = ''"), 1429);
    EXPECT_EQ(db.Text("select FNumber || '|' || FName || '|' || FQty || '|' || FAmount || '|' || FDate from t_LargeTable "
                      "where FID = 10"),
              "NO00000010|O'Hara 10|2.5|15|2024-01-01 00:10:00.000");
    EXPECT_EQ(db.Text("select group_concat(lower(type), ',') from pragma_table_info('t_LargeTable')"),
              "integer,varchar(30),nvarchar(80),decimal(18,4),decimal(28,10),datetime,nvarchar(255),smallint");
    EXPECT_EQ(db.Int("select count(*) from t_Empty"), 0);
    // The demo tables are still there.
    EXPECT_EQ(db.Int("select count(*) from t_tabledescription"), 150);
}

TEST(LargeTable, RefusesBadRequestsAndKeepsTheData)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("account.db"));
    demo::AddLargeTable(path, 5, QStringLiteral("t_Five"));
    EXPECT_THROW(demo::AddLargeTable(path, 10, QStringLiteral("T_FIVE")), std::runtime_error);
    EXPECT_THROW(demo::AddLargeTable(path, 10, QStringLiteral("t_X; drop table t_Five")), std::invalid_argument);
    EXPECT_THROW(demo::AddLargeTable(path, -1, QStringLiteral("t_Negative")), std::invalid_argument);
    EXPECT_EQ(SqliteReader(path).Int("select count(*) from t_Five"), 5);
    EXPECT_EQ(SqliteReader(path).Int("select count(*) from sqlite_master where type = 'table'"), 1);
}

}  // namespace
