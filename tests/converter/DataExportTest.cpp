// The data script of one table, compared byte for byte (every write ends with CR LF).
#include "ConverterFixture.h"

#include <QFile>

namespace {

class DataExport : public ConverterFixture {
protected:
    std::string Export(const std::string& tableElement, const std::string& serverAttributes = {})
    {
        const xml::XmlDocument document =
            Template(tableElement, R"(structfile="s.sql" datafile="d.sql" logfile="log.txt" )" + serverAttributes);
        PlayingConverter()->ExportTable(OpenConnection(), FirstTable(document));
        return Read("d.sql");
    }
    void Remove(const std::string& name) const { QFile::remove(QString::fromStdString(Path(name))); }
};

TEST_F(DataExport, IdentityValuesAreKeptOrLeftToTheServer)
{
    // Ids with a gap: renumbered, a row that refers to id 5 would point nowhere.
    Sql("create table t(id integer primary key autoincrement, name varchar(20));"
        "insert into t(id, name) values(1, 'O''Hara'); insert into t(id, name) values(5, null);");
    EXPECT_EQ(Export(R"(<table name="t"/>)"),
              "delete from t \r\n\r\n"
              "set identity_insert t on\r\n\r\n"
              "insert into t(\r\n"
              "id,name) values(1,'O''Hara')\r\n"
              "insert into t(\r\n"
              "id,name) values(5,null)\r\n"
              "set identity_insert t off\r\n\r\n");
    Remove("d.sql");
    EXPECT_EQ(Export(R"(<table name="t"/>)", R"(identity="renumber")"),
              "delete from t \r\n\r\n"
              "insert into t(\r\n"
              "name) values('O''Hara')\r\n"
              "insert into t(\r\n"
              "name) values(null)\r\n");
    EXPECT_FALSE(Exists("log.txt"));
    Remove("d.sql");
    EXPECT_EQ(Export(R"(<table name="t"/>)", R"(identity="new")"), "");
    EXPECT_EQ(Read("log.txt"), "srv    db    t   The server element's identity attribute 'new' is neither keep nor renumber.\r\n");
}

TEST_F(DataExport, EmptyTableGivesTheDeleteAlone)
{
    Sql("create table e(a int)");
    EXPECT_EQ(Export(R"(<table name="e"/>)"), "delete from e \r\n\r\n");
}

TEST_F(DataExport, ExprRestrictsDeleteAndRows)
{
    Sql("create table f(fid int, v int); insert into f values(5, 1); insert into f values(11, 2);");
    EXPECT_EQ(Export(R"(<table name="f" expr="where fid&gt;10"/>)"),
              "delete from f where fid>10\r\n\r\n"
              "insert into f(\r\nfid,v) values(11,2)\r\n");
}

TEST_F(DataExport, ValuesKeepWhatTheyHold)
{
    // Null only when null; blanks and empty texts stay; quotes doubled.
    Sql("create table k(i int, s varchar(10), u nvarchar(10), b bit);"
        "insert into k values(null, '', '', 1);"
        "insert into k values(3, '  ', '  ', 0);"
        "insert into k values('1''2', 'it''s', 'ü''😀', null);");
    EXPECT_EQ(Export(R"(<table name="k"/>)"),
              "delete from k \r\n\r\n"
              "insert into k(\r\ni,s,u,b) values(null,'',N'',1)\r\n"
              "insert into k(\r\ni,s,u,b) values(3,'  ',N'  ',0)\r\n"
              "insert into k(\r\ni,s,u,b) values('1''2','it''s',N'ü''😀',null)\r\n");
}

TEST_F(DataExport, TextFormsOfNumbersDatesAndBinary)
{
    // SQLite keeps decimal texts as numbers: -12.3400000000 comes back as -12.34.
    Sql("create table n(f float, r real, d decimal(28,10), m money, t datetime, dd date, bin varbinary(8), big bigint);"
        "insert into n values(0.1, 3, '-12.3400000000', '5.2500', '2024-01-31 08:05:09.123', '2024-01-31', x'00AB10', "
        "9223372036854775807);"
        "insert into n values(1e300, 2.5e-08, '0.0000000001', '0', '1999-12-31 23:59:59', '2000-02-29', x'', -1);");
    EXPECT_EQ(Export(R"(<table name="n"/>)"),
              "delete from n \r\n\r\n"
              "insert into n(\r\nf,r,d,m,t,dd,bin,big) values(0.1,3,-12.34,5.25,'2024-01-31T08:05:09.123',"
              "'2024-01-31',0x00AB10,9223372036854775807)\r\n"
              "insert into n(\r\nf,r,d,m,t,dd,bin,big) values(1e+300,2.5e-08,0.0000000001,0,'1999-12-31T23:59:59.000',"
              "'2000-02-29',0x,-1)\r\n");
}

TEST_F(DataExport, AllIdentityTableGivesEmptyLists)
{
    Sql("create table a(id integer primary key autoincrement); insert into a default values;");
    EXPECT_EQ(Export(R"(<table name="a"/>)", R"(identity="renumber")"),
              "delete from a \r\n\r\ninsert into a(\r\n) values()\r\n");
}

TEST_F(DataExport, ComputedColumnsAreLeftOut)
{
    Sql("create table c(x int, twice int generated always as (x * 2) virtual, y int);"
        "insert into c(x, y) values(2, 3);");
    EXPECT_EQ(Export(R"(<table name="c"/>)"), "delete from c \r\n\r\ninsert into c(\r\nx,y) values(2,3)\r\n");
}

TEST_F(DataExport, SpecialWritesAnUpdatePerRow)
{
    Sql("create table s(ibitype int, soidsourcefield varchar(20), ssourcetable varchar(20), fno varchar(20));"
        "insert into s values(7, 'FBillNo', 't_Bill', 'x'); insert into s values(12, 'FNo', 't_Other', null);");
    EXPECT_EQ(Export(R"(<table name="s" special="fno"/>)"),
              "delete from s \r\n\r\n"
              "insert into s(\r\nibitype,soidsourcefield,ssourcetable,fno) values(7,'FBillNo','t_Bill','x')\r\n"
              "update s set fno = (select isnull(max(FBillNo),'070000000000000') from t_Bill where left(FBillNo,2) = '07') "
              "where ibitype = 7\r\n\r\n"
              "insert into s(\r\nibitype,soidsourcefield,ssourcetable,fno) values(12,'FNo','t_Other',null)\r\n"
              "update s set fno = (select isnull(max(FNo),'120000000000000') from t_Other where left(FNo,2) = '12') "
              "where ibitype = 12\r\n\r\n");
}

TEST_F(DataExport, ATableThatFailsLeavesOnlyItsLogLine)
{
    // No delete without its rows: a replay would empty the table and fill it in part.
    Sql("create table w(soidsourcefield varchar(20), ssourcetable varchar(20), fno varchar(20));"
        "insert into w values('F', 'T', 'x'); insert into w values('G', 'U', 'y');");
    EXPECT_EQ(Export(R"(<table name="w" special="fno"/>)", R"(batch="1")"), "");
    EXPECT_EQ(Read("log.txt"),
              "srv    db    w   Item cannot be found in the collection corresponding to the requested name or "
              "ordinal.\r\n");
}

TEST_F(DataExport, MissingTableLogsWithoutADelete)
{
    EXPECT_EQ(Export(R"(<table name="nosuch"/>)"), "");
    EXPECT_EQ(Read("log.txt"), "srv    db    nosuch   Invalid object name 'nosuch'.\r\n");
    // On the server this name would make a temporary table, gone when the replay's session ends.
    Sql("create table [#tmp](a int); insert into [#tmp] values(1)");
    EXPECT_EQ(Export(R"(<table name="#tmp"/>)"), "");
    EXPECT_NE(Read("log.txt").find("srv    db    #tmp   The table name #tmp would make a temporary table on the server"),
              std::string::npos);
}

}  // namespace
