// The structure script of one table, compared byte for byte (every write ends with CR LF).
#include "ConverterFixture.h"

namespace {

class StructureExport : public ConverterFixture {
protected:
    // The structure file after exporting table `name` on its own.
    std::string Export(const std::string& name)
    {
        const xml::XmlDocument document = Template(R"(<table name=")" + name + R"("/>)");
        PlayingConverter()->ExportTableStruct(OpenConnection(), FirstTable(document));
        return Read("s.sql");
    }
};

TEST_F(StructureExport, TwoColumnsPrimaryKeyAndFurtherIndexAsDocumented)
{
    Sql("create table t(a int not null default 0, b varchar(20), constraint pk_t primary key (a));"
        "create index ix_b on t(b);");
    EXPECT_EQ(Export("t"),
              "drop table t\r\n\r\n"
              "create table t(\r\n"
              "  a    int    not null    default (0),\r\n"
              "  b    varchar(20)    null    ,\r\n"
              "  constraint PK_T primary key (a)\r\n)\r\n\r\n"
              "IF EXISTS (SELECT 1 FROM sysindexes WHERE name = 'ix_b')\r\nbegin\r\n  DROP INDEX t.ix_b\r\nend\r\n"
              "create index ix_b on t (b)\r\n");
    EXPECT_FALSE(Exists("log.txt"));
}

TEST_F(StructureExport, WithoutClusteredIndexTheLastColumnKeepsItsComma)
{
    Sql("create table h(x int, y nvarchar(10) not null)");
    EXPECT_EQ(Export("h"),
              "drop table h\r\n\r\n"
              "create table h(\r\n"
              "  x    int    null    ,\r\n"
              "  y    nvarchar(10)    not null    ,\r\n"
              ")\r\n\r\n");
}

TEST_F(StructureExport, DecimalsKeepTheirDeclaredPrecision)
{
    Sql("create table d(p decimal(19,0), q decimal(19,4), r numeric(28,10), s decimal)");
    EXPECT_EQ(Export("d"),
              "drop table d\r\n\r\n"
              "create table d(\r\n"
              "  p    decimal(19)  null    ,\r\n"
              "  q    decimal(19,4)  null    ,\r\n"
              "  r    decimal(28,10)  null    ,\r\n"
              "  s    decimal(18)  null    ,\r\n"
              ")\r\n\r\n");
}

TEST_F(StructureExport, LongTypesHaveNoSizeAndBinaryTypesHaveTheirs)
{
    Sql("create table l(a text, b ntext, c image, d [varchar(max)], e [nvarchar(max)], f binary(16), g varbinary(50), "
        "h char(3), i uniqueidentifier, k datetime, m money, n float, o real, p bit, q bigint, r smallint, s tinyint)");
    EXPECT_EQ(Export("l"),
              "drop table l\r\n\r\n"
              "create table l(\r\n"
              "  a    text    null    ,\r\n"
              "  b    ntext    null    ,\r\n"
              "  c    image    null    ,\r\n"
              "  d    varchar(max)    null    ,\r\n"
              "  e    nvarchar(max)    null    ,\r\n"
              "  f    binary(16)    null    ,\r\n"
              "  g    varbinary(50)    null    ,\r\n"
              "  h    char(3)    null    ,\r\n"
              "  i    uniqueidentifier    null    ,\r\n"
              "  k    datetime    null    ,\r\n"
              "  m    money    null    ,\r\n"
              "  n    float    null    ,\r\n"
              "  o    real    null    ,\r\n"
              "  p    bit    null    ,\r\n"
              "  q    bigint    null    ,\r\n"
              "  r    smallint    null    ,\r\n"
              "  s    tinyint    null    ,\r\n"
              ")\r\n\r\n");
}

TEST_F(StructureExport, IdentityTakesThePlaceOfNullabilityAndKeepsItsDefault)
{
    Sql("create table i(id int identity default 7 not null, v varchar(5) default 'x')");
    EXPECT_EQ(Export("i"),
              "drop table i\r\n\r\n"
              "create table i(\r\n"
              "  id    int    identity    default (7),\r\n"
              "  v    varchar(5)    null    default ('x'),\r\n"
              ")\r\n\r\n");
}

TEST_F(StructureExport, SeveralFurtherIndexesAreSeparatedByABlankLine)
{
    Sql("create table m(a int primary key, b int, c int, d int);"
        "create index ix_b on m(b); create index ix_cd on m(c, d);");
    EXPECT_EQ(Export("m"),
              "drop table m\r\n\r\n"
              "create table m(\r\n"
              "  a    int    not null    ,\r\n"
              "  b    int    null    ,\r\n"
              "  c    int    null    ,\r\n"
              "  d    int    null    ,\r\n"
              "  constraint PK_M primary key (a)\r\n)\r\n\r\n"
              "IF EXISTS (SELECT 1 FROM sysindexes WHERE name = 'ix_b')\r\nbegin\r\n  DROP INDEX m.ix_b\r\nend\r\n"
              "create index ix_b on m (b)\r\n\r\n\r\n"
              "IF EXISTS (SELECT 1 FROM sysindexes WHERE name = 'ix_cd')\r\nbegin\r\n  DROP INDEX m.ix_cd\r\nend\r\n"
              "create index ix_cd on m (c,d)\r\n");
}

// A table that fails leaves only its log line: a drop without its create would lose the table.
TEST_F(StructureExport, MissingTableWritesOnlyItsLogLine)
{
    EXPECT_EQ(Export("nosuch"), "");
    EXPECT_EQ(Read("log.txt"), "srv    db    nosuch   Invalid object name 'nosuch'.\r\n");
}

TEST_F(StructureExport, MissingTypeMapLogsTheParsersReason)
{
    Sql("create table t(a int)");
    ASSERT_TRUE(QFile::remove(QStringLiteral("type_ref.xml")));
    EXPECT_EQ(Export("t"), "");
    const std::string log = Read("log.txt");
    EXPECT_EQ(log.rfind("srv    db    t   校验错误,如下:\r\nFile was not found: type_ref.xml", 0), 0u) << log;
}

TEST_F(StructureExport, BrokenTypeMapLogsWhereTheParserStopped)
{
    Sql("create table t(a int)");
    {
        QFile map(QStringLiteral("type_ref.xml"));
        ASSERT_TRUE(map.open(QIODevice::WriteOnly | QIODevice::Truncate));
        map.write("<types><f3>int</f3></typs>");
    }
    Export("t");
    EXPECT_EQ(Read("log.txt"), "srv    db    t   校验错误,如下:\r\nStart-end tags mismatch (offset 21)\r\n");
}

TEST_F(StructureExport, PrettyPrintedEntriesAreTrimmedAndAMissingOneIsNamedInTheLog)
{
    Sql("create table t(a int); create table u(a int, b bigint)");
    {
        QFile map(QStringLiteral("type_ref.xml"));
        ASSERT_TRUE(map.open(QIODevice::WriteOnly | QIODevice::Truncate));
        map.write("<types>\n  <!-- only int -->\n  <f3>\n    int\n  </f3>\n</types>\n");
    }
    EXPECT_EQ(Export("t"), "drop table t\r\n\r\ncreate table t(\r\n  a    int    null    ,\r\n)\r\n\r\n");
    EXPECT_EQ(Export("u"), "drop table t\r\n\r\ncreate table t(\r\n  a    int    null    ,\r\n)\r\n\r\n");
    EXPECT_EQ(Read("log.txt"), "srv    db    u   type_ref.xml has no element f20 for the type of column b\r\n");
}

}  // namespace
