#include "SqliteTestDatabase.h"
#include "TextCollation.h"

#include <gtest/gtest.h>

using namespace ado;
using Rows = std::vector<std::vector<std::string>>;

namespace {

// Field descriptions stored in another letter case or with trailing blanks, as SQL Server
// databases hold them, and field names that sort differently in the Windows order.
const char* const kAccount = R"(
CREATE TABLE t_FieldDescription(FTableID int NOT NULL, FFieldName varchar(50) NOT NULL,
  FDescription nvarchar(100), PRIMARY KEY (FTableID, FFieldName));
INSERT INTO t_FieldDescription VALUES (7, 'fname', '名称'), (7, 'FPhone   ', '电话'), (7, 'f_101', '备用');
CREATE TABLE t_Item(F2 int, FName nvarchar(80), F1 int, FPhone varchar(20), F_101 int, Fa int);
INSERT INTO t_Item VALUES (1, 'apple', 1, '1', 1, 1), (2, 'Apple  ', 2, '2', 2, 2), (3, 'banana', 3, '3', 3, 3),
  (4, 'Äpfel', 4, '4', 4, 4), (5, 'B', 5, '5', 5, 5);
CREATE TABLE t_tabledescription(FTableID int NOT NULL PRIMARY KEY, FTableName varchar(50));
CREATE INDEX ix_name ON t_tabledescription(FTableName);
INSERT INTO t_tabledescription VALUES (7, 't_Item'), (8, 'T_ITEM2');
)";

Rows Single(std::initializer_list<std::string> values)
{
    Rows rows;
    for (const std::string& v : values)
        rows.push_back({v});
    return rows;
}

}  // namespace

// Text compares and sorts as SQL Server's default collation does; numbers keep their indexes.
TEST(SqliteCollation, TextComparesAndSortsAsSqlServer)
{
    using ado::provider::CompareText;
    // The Windows order: punctuation, then digits, then letters (case ignored, accents after
    // their letter); trailing blanks do not count.
    const char* const ordered[] = {"F_101", "F1", "F2", "Fa", "FB", "fé", "FName"};
    for (size_t i = 0; i + 1 < std::size(ordered); ++i)
        EXPECT_LT(CompareText(ordered[i], ordered[i + 1]), 0) << ordered[i] << " < " << ordered[i + 1];
    EXPECT_EQ(CompareText("FPhone   ", "fphone"), 0);
    EXPECT_NE(CompareText("fe", "fé"), 0);
    EXPECT_NE(CompareText(std::string("a\0b", 3), "ab"), 0);

    const SqliteTestDatabase db(kAccount);
    const ConnectionPtr connection = db.Open(adModeRead);
    const auto run = [&](const std::string& sql) { return Query(*connection, sql); };

    // The field query's join finds descriptions stored as fname and "FPhone   "; its order is
    // SQL Server's. The table's descriptions are read once and indexed in the collation, not
    // read again for every column.
    const std::string fieldQuery =
        "select t2.Name as FFieldName, isnull(t1.FDescription,'') as FDescription from syscolumns t2 "
        "left join t_FieldDescription t1  on(t1.FFieldname=t2.Name and t1.FTableID=7) join sysobjects  t3 "
        "on(t3.ID=t2.ID) where  t3.Name='T_ITEM ' order by FFieldName";
    EXPECT_EQ(run(fieldQuery),
              (Rows{{"F_101", "备用"}, {"F1", ""}, {"F2", ""}, {"Fa", ""}, {"FName", "名称"}, {"FPhone", "电话"}}));
    EXPECT_EQ(run("explain query plan " + fieldQuery).front().back(), "MATERIALIZE t1");
    EXPECT_EQ(run("select FName from t_Item where FName = 'APPLE' order by F1"), Single({"apple", "Apple  "}));
    EXPECT_EQ(run("select count(*) from t_Item where FName <> 'apple'"), Single({"3"}));
    EXPECT_EQ(run("select FName from t_Item where FName < 'B' order by FName, F1"), Single({"Äpfel", "apple", "Apple  "}));
    EXPECT_EQ(run("select F1 from t_Item where FName in ('BANANA', 'b') order by F1"), Single({"3", "5"}));
    EXPECT_EQ(run("select F1 from t_Item where FName like 'a%' and FName not like '%L' order by F1"), Single({"1", "2"}));
    EXPECT_EQ(run("select count(*) from t_Item where F1 < 4 group by FName order by FName"), Single({"2", "1"}));
    EXPECT_EQ(run("select count(*) from (select distinct FName from t_Item where F1 <> 3)"), Single({"3"}));
    EXPECT_EQ(run("select min(FName), max(FName) from t_Item"), (Rows{{"Äpfel", "banana"}}));
    EXPECT_EQ(run("select case when 'ABC  ' = 'abc' then 1 else 0 end"), Single({"1"}));
    EXPECT_EQ(run("select FTableID from t_tabledescription where FTableName = 't_item'"), Single({"7"}));
    // A collation the statement names is SQL Server's of that name.
    EXPECT_EQ(run("select count(*) from t_Item where FName = 'APPLE' collate Chinese_PRC_CS_AS"), Single({"0"}));
    EXPECT_EQ(run("select count(*) from t_Item where FName = 'Apple' collate Chinese_PRC_CS_AS"), Single({"1"}));
    EXPECT_EQ(run("select count(*) from t_Item where FName = 'apfel' collate Latin1_General_CI_AI"), Single({"1"}));
    EXPECT_EQ(run("select FName from t_Item where F1 in (1, 2) order by FName collate Latin1_General_BIN"),
              Single({"Apple  ", "apple"}));

    // A comparison of numbers is left alone, so the primary key still finds its row.
    const Rows plan = run("explain query plan select FTableName from t_tabledescription where FTableID = 8");
    ASSERT_FALSE(plan.empty());
    EXPECT_NE(plan.back().back().find("SEARCH"), std::string::npos) << plan.back().back();
}

// A table made through the provider keys its text columns in the collation: a key equal to one
// it holds is refused in SQL Server's words (Msg 2627 for a constraint, 2601 for a unique index).
TEST(SqliteCollation, KeysAreUniqueAsTheCollationCompares)
{
    const SqliteTestDatabase db("");
    const ConnectionPtr connection = db.Open();
    connection->Execute("create table t_Field (FTableID int not null, FFieldName varchar(50) not null, FNote nvarchar(20), "
                        "constraint pk_field primary key (FTableID, FFieldName))");
    connection->Execute("create unique index ix_note on t_Field (FNote)");
    connection->Execute("create table [Été] (FName nvarchar(20) primary key)");
    connection->Execute("insert into t_Field values (30, 'FNumber', 'Ä'), (30, 'FName', null)");
    const std::string fieldKey = "Violation of PRIMARY KEY constraint 'pk_field'. Cannot insert duplicate key in object "
                                 "'dbo.t_Field'. The duplicate key value is ";
    // The duplicate value is shown when the statement is one insert of literals; otherwise the
    // message holds what comes before it.
    struct Case {
        const char* sql;
        std::string error;  // empty: the row goes in
    };
    const Case cases[] = {
        {"insert into t_Field values (30,'fnumber', null)", fieldKey + "(30, fnumber)."},
        {"insert into t_Field (FFieldName, FTableID) values ('FName  ', 30)", fieldKey + "(30, FName  )."},
        {"insert into t_Field (FTableID, FFieldName) select 30, 'FNUMBER'", fieldKey.substr(0, fieldKey.rfind(" The"))},
        {"insert into t_Field values (31, 'fnumber', 'ä')",
         "Cannot insert duplicate key row in object 'dbo.t_Field' with unique index 'ix_note'. The duplicate key value is (ä)."},
        {"insert into [ÉTÉ] values (N'straße'); insert into Été values (N'STRASSE')",
         "Violation of PRIMARY KEY constraint 'PK_Été'. Cannot insert duplicate key in object 'dbo.Été'."},
        {"insert into t_Field values (30, 'F-Number', null)", ""},
        {"insert into t_Field values (31, 'FNumber', 'a')", ""},
        {"update t_Field set FFieldName = 'fname' where FFieldName = 'F-Number'",
         fieldKey.substr(0, fieldKey.rfind(" The"))},
    };
    for (const Case& c : cases) {
        const std::string error = ErrorOf(*connection, c.sql);
        EXPECT_EQ(c.error.empty() ? error : error.substr(0, c.error.size()), c.error) << c.sql;
    }
    EXPECT_EQ(Query(*connection, "select FFieldName from t_Field where FTableID = 30 order by FFieldName"),
              Single({"FName", "FNumber", "F-Number"}));

    // Names are matched without regard to case beyond ASCII too, as the collation compares.
    EXPECT_EQ(Query(*connection, "select count(*) from ÉTÉ where object_id('été') = object_id('[ÉTÉ]')"), Single({"1"}));
    EXPECT_EQ(Query(*connection, "select été.FName from t_Field, dbo.[ÉTÉ] where FTableID = 31 and FNote = 'a'"),
              Single({"straße"}));
    EXPECT_EQ(Query(*connection, "select count(*) from syscolumns where id = object_id(N'dbo.ÉTÉ')"), Single({"1"}));
}

