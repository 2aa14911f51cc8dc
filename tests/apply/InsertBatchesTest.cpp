// The batch attribute: begin tran and commit tran lines around every N inserts (with their special
// updates), also around a table that ends early; a value that is no number fails the table
// before anything of it is written.
#include "ConverterFixture.h"
#include "mdlCommon.h"

namespace {

class InsertBatchesTest : public ConverterFixture {
protected:
    std::string DataScript(const std::string& batch, const std::string& table)
    {
        const xml::XmlDocument document =
            Template(table, R"(structfile="" datafile="d.sql" logfile="log.txt" batch=")" + batch + "\"");
        PlayingConverter()->ExportDB(FirstDatabase(document));
        return Read("d.sql");
    }
};

TEST_F(InsertBatchesTest, EveryNInsertsStandBetweenTransactionLines)
{
    Sql("create table t(a int); insert into t values (1), (2), (3);"
        "create table s(ibitype int, soidsourcefield varchar(9), ssourcetable varchar(9), n varchar(20));"
        "insert into s values (7, 'F', 'R', null);");
    const std::string insert = "insert into t(\r\na) values(";
    EXPECT_EQ(DataScript("2", R"(<table name="t"/>)"),
              "\r\n\r\ndelete from t \r\n\r\nbegin tran\r\n" + insert + "1)\r\n" + insert + "2)\r\ncommit tran\r\nbegin tran\r\n" +
                  insert + "3)\r\ncommit tran\r\n");
    std::remove(Path("d.sql").c_str());
    EXPECT_EQ(DataScript("1", R"(<table name="s" special="n"/>)"),
              "\r\n\r\ndelete from s \r\n\r\nbegin tran\r\ninsert into s(\r\nibitype,soidsourcefield,ssourcetable,n) "
              "values(7,'F','R',null)\r\nupdate s set n = (select isnull(max(F),'070000000000000') from R where "
              "left(F,2) = '07') where ibitype = 7\r\n\r\ncommit tran\r\n");
    EXPECT_FALSE(Exists("log.txt"));

    // A table stopped half-way keeps its rows and closes its batch; one that fails leaves only
    // its hint.
    std::remove(Path("d.sql").c_str());
    const xml::XmlDocument document =
        Template(R"(<table name="t"/>)", R"(structfile="" datafile="d.sql" logfile="log.txt" batch="5")");
    auto converter = PlayingConverter();
    int passes = 0;
    mdlCommon::SetYieldHook({[&] { return ++passes == 2; }, [&](bool) { converter->SetStopFlag(clsConverter::eStop); }});
    converter->ExportDB(FirstDatabase(document));
    mdlCommon::SetYieldHook({});
    EXPECT_EQ(Read("d.sql"), "\r\n\r\ndelete from t \r\n\r\nbegin tran\r\n" + insert + "1)\r\ncommit tran\r\n");
    std::remove(Path("d.sql").c_str());
    EXPECT_EQ(DataScript("5", R"(<table name="t" special="n"/>)"), "\r\n\r\n");
}

TEST_F(InsertBatchesTest, AValueThatIsNoNumberFailsTheTable)
{
    Sql("create table t(a int); insert into t values (1);");
    for (const char* batch : {"0", "-1", "abc", "2x", "1000000001"}) {
        std::remove(Path("d.sql").c_str());
        std::remove(Path("log.txt").c_str());
        EXPECT_EQ(DataScript(batch, R"(<table name="t" hint="-- t"/>)"), "-- t\r\n\r\n") << batch;
        EXPECT_EQ(Read("log.txt"), std::string("srv    db    t   The server element's batch attribute '") + batch +
                                       "' is not a number of inserts from 1 to 1000000000.\r\n");
    }
}

}  // namespace
