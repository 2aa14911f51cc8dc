#include "SqliteTestDatabase.h"

#include <gtest/gtest.h>

using namespace ado;
using Rows = std::vector<std::vector<std::string>>;

namespace {

// An account database in miniature: the dictionary tables and a few described tables.
const char* const kAccount = R"(
CREATE TABLE t_Subsystem(FSubSysID int NOT NULL PRIMARY KEY, FName nvarchar(50), FName_CHT nvarchar(50),
  FName_EN nvarchar(50));
INSERT INTO t_Subsystem VALUES (2, '存货', '存貨', 'Stock'), (1, '总账', '總賬', 'Ledger');
CREATE TABLE t_tabledescription(FSubSystemID int, FTableID int NOT NULL, FTableName varchar(50),
  FDescription nvarchar(100), FDescription_CHT nvarchar(100), FDescription_EN nvarchar(100),
  CONSTRAINT pk_td PRIMARY KEY (FTableID));
INSERT INTO t_tabledescription VALUES (2, 10, 't_Item', '物料', '物料', 'Item'),
  (1, 11, 't_Log', '日志', '日誌', 'Log'), (2, 12, 't_Pair', ' 配对 ', '配對', NULL);
CREATE TABLE t_FieldDescription(FTableID int NOT NULL, FFieldName varchar(50) NOT NULL,
  FDescription nvarchar(100), FDescription_CHT nvarchar(100), FDescription_EN nvarchar(100),
  FFieldNote nvarchar(100), FFieldNote_CHT nvarchar(100), FFieldNote_EN nvarchar(100),
  PRIMARY KEY (FTableID, FFieldName));
INSERT INTO t_FieldDescription VALUES (10, 'FItemID', '内码', '內碼', 'Inner ID', '自增', '自增', 'Identity'),
  (10, 'FName', '名称', '名稱', 'Name', NULL, NULL, NULL), (11, 'FNumber', '别的表', NULL, NULL, NULL, NULL, NULL);
CREATE TABLE t_Item(FItemID int IDENTITY(1,1) NOT NULL, FNumber varchar(30) NOT NULL DEFAULT (''),
  FName nvarchar(80) NULL, FPrice decimal(28,10) CONSTRAINT DF_Item_Price DEFAULT (0), FQty numeric(18,0),
  FDate datetime DEFAULT (getdate()), FFlag bit NOT NULL DEFAULT 0, CONSTRAINT PK_Item PRIMARY KEY (FItemID));
CREATE INDEX ix_Item_Number ON t_Item(FNumber, FName DESC);
CREATE UNIQUE INDEX uq_Item_Name ON t_Item(FName);
CREATE INDEX ix_Item_Qty ON t_Item(FQty, FNumber);
CREATE TABLE t_Log(FID integer PRIMARY KEY AUTOINCREMENT, FText text, FWhen datetime DEFAULT CURRENT_TIMESTAMP,
  UNIQUE (FText));
CREATE TABLE t_Pair(a int, b int, c int, total int GENERATED ALWAYS AS (a + b),
  CONSTRAINT PK_Pair PRIMARY KEY (c, a));
CREATE TABLE t_NoIndex(a int, b varchar(10));
)";

// The field query as the dictionary browser composes it.
std::string FieldQuery(const std::string& description, const std::string& note, const std::string& no,
                       const std::string& yes, int tableId, const std::string& table)
{
    return "select isnull(t1.FTableID,0) as FTableID,t2.Name as FFieldName,isnull(t1." + description +
           ",'')as FDescription ,isnull(t1." + note +
           ",'') as FFieldNote,t4.name as FFieldType,t2.length,isnull(t2.prec,0) as Prec,isnull(t2.scale,0) as Scale, "
           " (case t2.isnullable when 0 then '" + no + "' else '" + yes +
           "' end )as FIsNull from syscolumns t2 left join t_FieldDescription t1  on(t1.FFieldname=t2.Name and "
           "t1.FTableID=" + std::to_string(tableId) + ")" +
           " join sysobjects  t3 on(t3.ID=t2.ID) join systypes t4 on(t2.xusertype=t4.xusertype) where  t3.Name='" +
           table + "' order by " + "FFieldName";
}

std::string IdentityQuery(const std::string& table, const std::string& column)
{
    return "select columnproperty(object_id('" + table + "'),'" + column + "','IsIdentity')";
}

std::string DefaultQuery(const std::string& table, const std::string& column)
{
    return "SELECT syscomments.text From syscolumns  inner join sysobjects  on sysobjects.id = syscolumns.cdefault "
           " inner join syscomments on sysobjects.id = syscomments.id  where sysobjects.type = 'd' and "
           "syscolumns.name='" + column + "'  and syscolumns.id = object_id('" + table + "') ";
}

std::string KeyQuery(const std::string& table, bool primary)
{
    return "select col.name,idx.name from syscolumns as col inner join sysindexkeys as ky on ky.id = col.id "
           "inner join sysindexes as idx on idx.id=col.id where col.id=object_id('" + table + "') " +
           (primary ? "and idx.indid=1 and idx.indid = ky.indid and col.colid=ky.colid"
                    : "and idx.indid<> 1 and idx.used>0 and idx.indid = ky.indid and col.colid=ky.colid");
}

class SqliteCatalogue : public ::testing::Test {
protected:
    SqliteTestDatabase db{kAccount};
    ConnectionPtr connection = db.Open(adModeRead);

    Rows Run(const std::string& sql) { return Query(*connection, sql); }
};

}  // namespace

TEST_F(SqliteCatalogue, TreeAndDetailQueries)
{
    EXPECT_EQ(Run("SELECT * FROM t_Subsystem ORDER BY FSubSysID"),
              (Rows{{"1", "总账", "總賬", "Ledger"}, {"2", "存货", "存貨", "Stock"}}));
    const Rows all = Run("select * from t_tabledescription  order by FSubSystemID");
    ASSERT_EQ(all.size(), 3u);
    EXPECT_EQ(all[0][2], "t_Log");
    EXPECT_EQ(all[2][5], "NULL");
    EXPECT_EQ(Run("select * from t_tabledescription Where FTableName like 'T_ITEM%' order by FSubSystemID"),
              (Rows{{"2", "10", "t_Item", "物料", "物料", "Item"}}));
    EXPECT_TRUE(Run("select * from t_tabledescription Where FTableID = -1 order by FSubSystemID").empty());
}

TEST_F(SqliteCatalogue, FieldQueryInEachLanguage)
{
    const Rows chs = Run(FieldQuery("FDescription", "FFieldNote", "否", "是", 10, "t_Item"));
    EXPECT_EQ(chs, (Rows{
                       {"0", "FDate", "", "", "datetime", "8", "23", "3", "是"},
                       {"0", "FFlag", "", "", "bit", "1", "1", "0", "否"},
                       {"10", "FItemID", "内码", "自增", "int", "4", "10", "0", "否"},
                       {"10", "FName", "名称", "", "nvarchar", "160", "80", "0", "是"},
                       {"0", "FNumber", "", "", "varchar", "30", "30", "0", "否"},
                       {"0", "FPrice", "", "", "decimal", "13", "28", "10", "是"},
                       {"0", "FQty", "", "", "numeric", "9", "18", "0", "是"},
                   }));
    const Rows en = Run(FieldQuery("FDescription_EN", "FFieldNote_EN", "No", "Yes", 10, "T_ITEM"));
    ASSERT_EQ(en.size(), 7u);
    EXPECT_EQ(en[2], (std::vector<std::string>{"10", "FItemID", "Inner ID", "Identity", "int", "4", "10", "0", "No"}));
    EXPECT_EQ(en[3][3], "");  // no note in that language
    const Rows cht = Run(FieldQuery("FDescription_CHT", "FFieldNote_CHT", "否", "是", 11, "t_Log"));
    EXPECT_EQ(cht, (Rows{{"0", "FID", "", "", "int", "4", "10", "0", "否"},
                         {"0", "FText", "", "", "text", "16", "0", "0", "是"},
                         {"0", "FWhen", "", "", "datetime", "8", "23", "3", "是"}}));
    EXPECT_TRUE(Run(FieldQuery("FDescription", "FFieldNote", "否", "是", 1, "t_Missing")).empty());
    // The record set's columns are found by the layout's names without regard to case.
    const RecordsetPtr rs = connection->Execute(FieldQuery("FDescription", "FFieldNote", "否", "是", 10, "t_Item"));
    EXPECT_GE(rs->FieldIndex("Length"), 0);
}

TEST_F(SqliteCatalogue, IndexReport)
{
    // The field list first reads the table's columns alone; the report then reads its indexes.
    ASSERT_EQ(Run(FieldQuery("FDescription", "FFieldNote", "否", "是", 10, "t_Item")).size(), 7u);
    const RecordsetPtr rs = connection->Execute("sp_helpindex 't_Item'");
    ASSERT_EQ(rs->State(), adStateOpen);
    EXPECT_EQ(rs->Fields(0L).Name(), "index_name");
    EXPECT_EQ(rs->Fields(1L).Name(), "index_description");
    EXPECT_EQ(rs->Fields(2L).Name(), "index_keys");
    EXPECT_EQ(RowsOf(*rs), (Rows{{"ix_Item_Number", "nonclustered located on PRIMARY", "FNumber, FName(-)"},
                                 {"ix_Item_Qty", "nonclustered located on PRIMARY", "FQty, FNumber"},
                                 {"PK_Item", "clustered, unique, primary key located on PRIMARY", "FItemID"},
                                 {"uq_Item_Name", "nonclustered, unique located on PRIMARY", "FName"}}));
    // A UNIQUE constraint's index goes by the constraint's name, made by the server when the
    // constraint has none; an unnamed key is PK_ + table.
    EXPECT_EQ(Run("exec sp_helpindex t_Log"),
              (Rows{{"PK_t_Log", "clustered, unique, primary key located on PRIMARY", "FID"},
                    {"UQ__t_Log__0000C800", "nonclustered, unique, unique key located on PRIMARY", "FText"}}));
    EXPECT_EQ(Run("sp_helpindex 't_Pair'"),
              (Rows{{"PK_Pair", "clustered, unique, primary key located on PRIMARY", "c, a"}}));
    const RecordsetPtr none = connection->Execute("sp_helpindex 't_NoIndex'");
    EXPECT_EQ(none->State(), adStateClosed);
}

TEST_F(SqliteCatalogue, StructureExportQueries)
{
    // Identity: a declared IDENTITY or SQLite's AUTOINCREMENT key; NULL for unknown names.
    EXPECT_EQ(Run(IdentityQuery("t_Item", "FItemID")), (Rows{{"1"}}));
    EXPECT_EQ(Run(IdentityQuery("t_Item", "fname")), (Rows{{"0"}}));
    EXPECT_EQ(Run(IdentityQuery("t_Log", "FID")), (Rows{{"1"}}));
    EXPECT_EQ(Run(IdentityQuery("t_Pair", "a")), (Rows{{"0"}}));
    EXPECT_EQ(Run(IdentityQuery("t_Item", "FNope")), (Rows{{"NULL"}}));
    EXPECT_EQ(Run(IdentityQuery("t_Nope", "FItemID")), (Rows{{"NULL"}}));
    EXPECT_EQ(Run("select columnproperty(object_id('t_Pair'),'total','IsComputed'), "
                  "columnproperty(object_id('t_Pair'),'b','IsComputed')"),
              (Rows{{"1", "0"}}));

    // Defaults in parentheses as SQL Server keeps them.
    EXPECT_EQ(Run(DefaultQuery("t_Item", "FNumber")), (Rows{{"('')"}}));
    EXPECT_EQ(Run(DefaultQuery("t_Item", "FPrice")), (Rows{{"(0)"}}));
    EXPECT_EQ(Run(DefaultQuery("t_Item", "FDate")), (Rows{{"(getdate())"}}));
    EXPECT_EQ(Run(DefaultQuery("t_Item", "FFlag")), (Rows{{"(0)"}}));
    EXPECT_EQ(Run(DefaultQuery("t_Log", "FWhen")), (Rows{{"(getdate())"}}));
    EXPECT_TRUE(Run(DefaultQuery("t_Item", "FName")).empty());
    EXPECT_EQ(Run("select name, xtype, parent_obj = object_id('t_Item') from sysobjects "
                  "where id = (select cdefault from syscolumns where id = object_id('t_Item') and name = 'FPrice')"),
              (Rows{{"DF_Item_Price", "D", "1"}}));

    // Primary key: its columns in key order with the key's name.
    EXPECT_EQ(Run(KeyQuery("t_Item", true)), (Rows{{"FItemID", "PK_Item"}}));
    EXPECT_EQ(Run(KeyQuery("t_Pair", true)), (Rows{{"c", "PK_Pair"}, {"a", "PK_Pair"}}));
    EXPECT_EQ(Run(KeyQuery("t_Log", true)), (Rows{{"FID", "PK_t_Log"}}));
    EXPECT_TRUE(Run(KeyQuery("t_NoIndex", true)).empty());

    // Further indexes: the rows of one index together, each in key order.
    EXPECT_EQ(Run(KeyQuery("t_Item", false)), (Rows{{"FNumber", "ix_Item_Number"},
                                                    {"FName", "ix_Item_Number"},
                                                    {"FName", "uq_Item_Name"},
                                                    {"FQty", "ix_Item_Qty"},
                                                    {"FNumber", "ix_Item_Qty"}}));
    EXPECT_EQ(Run(KeyQuery("t_Log", false)), (Rows{{"FText", "UQ__t_Log__0000C800"}}));
    EXPECT_TRUE(Run(KeyQuery("t_Nope", false)).empty());
}

TEST_F(SqliteCatalogue, ColumnMetadataQuery)
{
    const RecordsetPtr rs = connection->Execute("select * from t_Item where 1> 1");
    ASSERT_EQ(rs->State(), adStateOpen);
    EXPECT_TRUE(rs->Eof());
    std::vector<std::string> names;
    for (long i = 0; i < rs->FieldCount(); ++i)
        names.push_back(rs->Fields(i).Name());
    EXPECT_EQ(names, (std::vector<std::string>{"FItemID", "FNumber", "FName", "FPrice", "FQty", "FDate", "FFlag"}));
    EXPECT_EQ(rs->Fields("FPrice").Type(), adNumeric);
    EXPECT_EQ(rs->Fields("FPrice").DefinedSize(), 28);
    EXPECT_EQ(rs->Fields("FPrice").NumericScale(), 10);
    EXPECT_EQ(rs->Fields("FItemID").Attributes() & adFldIsNullable, 0);
    EXPECT_NE(rs->Fields("FName").Attributes() & adFldIsNullable, 0);
}

TEST_F(SqliteCatalogue, CatalogueTablesIgnoreLetterCase)
{
    EXPECT_EQ(Run("select name, xtype, type from sysobjects where name = 'T_ITEM'"), (Rows{{"t_Item", "U", "U"}}));
    EXPECT_EQ(Run("select count(*) from sysobjects where xtype = 'u'"), (Rows{{"7"}}));
    EXPECT_EQ(Run("select count(*) from SysColumns where name = 'fitemid'"), (Rows{{"1"}}));
    EXPECT_EQ(Run("select name, xtype, xusertype, length from systypes where name in ('nvarchar', 'sysname') "
                  "order by xusertype"),
              (Rows{{"nvarchar", "231", "231", "8000"}, {"sysname", "231", "256", "256"}}));
    EXPECT_EQ(Run("select object_id('dbo.T_Item') = object_id('[t_item]'), object_id('nothing')"),
              (Rows{{"1", "NULL"}}));
    EXPECT_EQ(Run("select indid, name, used > 0 from sysindexes where id = object_id('t_NoIndex')"),
              (Rows{{"0", "t_NoIndex", "1"}}));
}

TEST_F(SqliteCatalogue, QueriesOfOneTableReadThatTableOnly)
{
    // Every catalogue table of these queries is reached through its id or name, never scanned whole;
    // the types through the column's type.
    for (const std::string& sql : {FieldQuery("FDescription", "FFieldNote", "否", "是", 10, "t_Item"),
                                   DefaultQuery("t_Item", "FPrice"), KeyQuery("t_Item", true),
                                   KeyQuery("t_Item", false)}) {
        SCOPED_TRACE(sql);
        for (const auto& row : Run("explain query plan " + sql)) {
            const std::string& detail = row.back();
            if (detail.find("VIRTUAL TABLE") == std::string::npos)
                continue;
            EXPECT_EQ(detail.find("INDEX 0:"), std::string::npos) << detail;
        }
    }
}

TEST_F(SqliteCatalogue, SyscolumnsLengthsAndPrecisions)
{
    const SqliteTestDatabase types(R"(CREATE TABLE t(a nvarchar(50), b int, c decimal(9,2), d decimal(10,2),
        e decimal(28,4), f decimal(38,0), g datetime, h text, i nvarchar(1073741823), j char(4), k varbinary(7),
        l float, m smalldatetime, n money, o uniqueidentifier);)");
    const ConnectionPtr c = types.Open(adModeRead);
    EXPECT_EQ(Query(*c, "select name, length, prec, scale, isnullable from syscolumns where id = object_id('t') "
                        "order by colid"),
              (Rows{{"a", "100", "50", "NULL", "1"},
                    {"b", "4", "10", "0", "1"},
                    {"c", "5", "9", "2", "1"},
                    {"d", "9", "10", "2", "1"},
                    {"e", "13", "28", "4", "1"},
                    {"f", "17", "38", "0", "1"},
                    {"g", "8", "23", "3", "1"},
                    {"h", "16", "NULL", "NULL", "1"},
                    {"i", "-1", "-1", "NULL", "1"},
                    {"j", "4", "4", "NULL", "1"},
                    {"k", "7", "7", "NULL", "1"},
                    {"l", "8", "53", "NULL", "1"},
                    {"m", "4", "16", "0", "1"},
                    {"n", "8", "19", "4", "1"},
                    {"o", "16", "NULL", "NULL", "1"}}));
}
