// The template walk: connection texts, hint lines, which files are written, appending.
#include "ConverterFixture.h"

#include "Dispatch.h"
#include "mdlCommon.h"

namespace {

class ExportDb : public ConverterFixture {
protected:
    void SetUp() override
    {
        ConverterFixture::SetUp();
        Sql("create table t(a int not null default 0, constraint pk_t primary key (a)); insert into t values(1);"
            "create table u(b varchar(3)); insert into u values('x');");
    }
};

const char* const kStructT = "drop table t\r\n\r\ncreate table t(\r\n  a    int    not null    default (0),\r\n"
                             "  constraint PK_T primary key (a)\r\n)\r\n\r\n";
const char* const kStructU = "drop table u\r\n\r\ncreate table u(\r\n  b    varchar(3)    null    ,\r\n)\r\n\r\n";
const char* const kDataT = "delete from t \r\n\r\ninsert into t(\r\na) values(1)\r\n";
const char* const kDataU = "delete from u \r\n\r\ninsert into u(\r\nb) values('x')\r\n";

TEST_F(ExportDb, ConnectionTextFromConstrOrBuiltFromTheAttributes)
{
    const auto database = [](const std::string& server) {
        return xml::XmlDocument::LoadText("<x>" + server + "<database name=\"Acc;One\"/></server></x>");
    };
    const xml::XmlDocument withConstr =
        database(R"(<server constr="Provider=SQLite;Data Source=a.db" user="sa" pwd="p" name="host">)");
    EXPECT_EQ(mdlCommon::ConnectionTextOf(FirstDatabase(withConstr)), "Provider=SQLite;Data Source=a.db");
    const xml::XmlDocument bare = database(R"(<server name="host;x">)");
    EXPECT_EQ(mdlCommon::ConnectionTextOf(FirstDatabase(bare)),
              "Provider=SQLOLEDB.1;User ID=;pwd=;Initial Catalog=Acc;One;Data Source=host;x");
    const xml::XmlDocument full = database(R"(<server constr="" user="sa" pwd="p;w" name="host">)");
    EXPECT_EQ(mdlCommon::ConnectionTextOf(FirstDatabase(full)),
              "Provider=SQLOLEDB.1;User ID=sa;pwd=p;w;Initial Catalog=Acc;One;Data Source=host");
}

TEST_F(ExportDb, WritesHintsStructureAndDataForEveryTableInOrder)
{
    // Comments, processing instructions and text between the elements are skipped.
    const xml::XmlDocument document =
        Template(R"(<table name="t" hint="-- t"/><!-- note --><?pi x?> text <table name="u" hint=""/>)");
    PlayingConverter()->ExportDB(FirstDatabase(document));
    EXPECT_EQ(Read("s.sql"), std::string("-- t\r\n\r\n") + kStructT + "\r\n\r\n" + kStructU);
    EXPECT_EQ(Read("d.sql"), std::string("-- t\r\n\r\n") + kDataT + "\r\n\r\n" + kDataU);
    EXPECT_FALSE(Exists("log.txt"));
}

TEST_F(ExportDb, EmptyStructFileSkipsTheStructureOfEveryTable)
{
    const xml::XmlDocument document =
        Template(R"(<table name="t" hint="h"/><table name="u" hint="h"/>)", R"(structfile="" datafile="d.sql")");
    PlayingConverter()->ExportDB(FirstDatabase(document));
    EXPECT_EQ(Read("d.sql"), std::string("h\r\n\r\n") + kDataT + "h\r\n\r\n" + kDataU);
    EXPECT_FALSE(Exists("s.sql"));
}

TEST_F(ExportDb, DatabaseWithoutTablesWritesNothing)
{
    const xml::XmlDocument document = Template("");
    PlayingConverter()->ExportDB(FirstDatabase(document));
    EXPECT_FALSE(Exists("s.sql"));
    EXPECT_FALSE(Exists("d.sql"));
    EXPECT_FALSE(Exists("log.txt"));
}

TEST_F(ExportDb, SecondRunAppendsToTheFirst)
{
    const xml::XmlDocument document = Template(R"(<table name="u" hint="u"/>)");
    auto converter = PlayingConverter();
    converter->ExportDB(FirstDatabase(document));
    converter->ExportDB(FirstDatabase(document));
    const std::string once = std::string("u\r\n\r\n") + kDataU;
    EXPECT_EQ(Read("d.sql"), once + once);
}

TEST_F(ExportDb, OneFileNamedForEveryKindKeepsTheOrderOfTheWrites)
{
    const xml::XmlDocument document =
        Template(R"(<table name="u" hint="u"/><table name="nosuch" hint="n"/>)",
                 R"(structfile="all.sql" datafile="./all.sql" logfile="all.sql")");
    PlayingConverter()->ExportDB(FirstDatabase(document));
    EXPECT_EQ(Read("all.sql"), std::string("u\r\n\r\n") + kStructU + "u\r\n\r\n" + kDataU +
                                   "n\r\n\r\n"
                                   "srv    db    nosuch   Invalid object name 'nosuch'.\r\n"
                                   "n\r\n\r\n"
                                   "srv    db    nosuch   Invalid object name 'nosuch'.\r\n");
}

TEST_F(ExportDb, NewConverterCancelsEveryDataExportButWritesTheStructure)
{
    Sql("create table e(c int)");
    const xml::XmlDocument document = Template(R"(<table name="t"/><table name="e"/><table name="u"/>)");
    clsConverter converter;
    QStringList lines;
    QObject::connect(&converter, &clsConverter::LogLine, [&](const QString& line) { lines << line; });
    converter.ExportDB(FirstDatabase(document));
    EXPECT_EQ(Read("s.sql").find(kStructU) != std::string::npos, true);
    // A table stopped before its first row writes no delete: a replay would empty it.
    EXPECT_EQ(Read("d.sql"), "\r\n\r\n\r\n\r\ndelete from e \r\n\r\n\r\n\r\n");
    EXPECT_EQ(Read("log.txt"), "srv    db    t   任务取消!\r\nsrv    db    u   任务取消!\r\n");
    EXPECT_EQ(lines, QStringList({QStringLiteral("srv    db    t   任务取消!"), QStringLiteral("srv    db    u   任务取消!")}));
}

TEST_F(ExportDb, ConnectionFailureReachesTheCaller)
{
    const xml::XmlDocument document = Template(R"(<table name="t"/>)", R"(structfile="s.sql")");
    xml::XmlElement database = FirstDatabase(document);
    database.Parent().SetAttribute("constr", "Provider=NoSuch;Data Source=x");
    EXPECT_THROW(PlayingConverter()->ExportDB(database), automation::AutomationError);
    EXPECT_FALSE(Exists("s.sql"));
}

TEST_F(ExportDb, WriteToFileChoosesTheFileByType)
{
    const xml::XmlDocument document = Template(R"(<table name="t"/>)");
    const xml::XmlElement table = FirstTable(document);
    clsConverter converter;
    converter.WriteToFile(table, QStringLiteral("log line"), 5);
    converter.WriteToFile(table, QStringLiteral("struct"), 1);
    automation::Invoke(&converter, "WriteToFile", {QVariant::fromValue(table), QStringLiteral("data")});
    automation::Invoke(&converter, "WriteToFile", {QVariant::fromValue(table), QStringLiteral("数据"), 0});
    EXPECT_EQ(Read("log.txt"), "log line\r\n");
    EXPECT_EQ(Read("s.sql"), "struct\r\n");
    EXPECT_EQ(Read("d.sql"), "data\r\n数据\r\n");
}

TEST_F(ExportDb, WriteToFileSwallowsEveryFailure)
{
    const xml::XmlDocument document = Template(R"(<table name="t"/>)", R"(datafile="no/such/dir/d.sql")");
    clsConverter converter;
    EXPECT_NO_THROW(converter.WriteToFile(FirstTable(document), QStringLiteral("lost")));
    EXPECT_NO_THROW(converter.WriteToFile(xml::XmlElement(), QStringLiteral("lost")));
}

}  // namespace
