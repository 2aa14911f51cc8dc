// Pause and stop without a window: a test yield hook changes StopFlag while a table is written.
#include "ConverterFixture.h"

#include "mdlCommon.h"

#include <QFile>

namespace {

class RunState : public ConverterFixture {
protected:
    void SetUp() override
    {
        ConverterFixture::SetUp();
        Sql("create table r(n int); insert into r values(1); insert into r values(2); insert into r values(3);"
            "insert into r values(4); insert into r values(5);"
            "create table q(m int); insert into q values(9);");
    }
    void TearDown() override
    {
        mdlCommon::SetYieldHook({});
        ConverterFixture::TearDown();
    }

    static std::string Rows(std::initializer_list<int> numbers)
    {
        std::string text;
        for (int n : numbers)
            text += "insert into r(\r\nn) values(" + std::to_string(n) + ")\r\n";
        return text;
    }
};

TEST_F(RunState, PauseWritesNothingThenExportsTheHeldRowOnce)
{
    const xml::XmlDocument document = Template(R"(<table name="r"/>)");
    auto converter = PlayingConverter();
    int passes = 0;
    std::vector<std::string> whilePaused;
    mdlCommon::SetYieldHook({[&] {
                                 if (++passes == 3)
                                     converter->SetStopFlag(clsConverter::ePause);
                                 return false;
                             },
                             [&](bool bPaused) {
                                 EXPECT_TRUE(bPaused);
                                 whilePaused.push_back(Read("d.sql"));
                                 if (whilePaused.size() == 4)
                                     converter->SetStopFlag(clsConverter::ePlay);
                             }});
    converter->ExportTable(OpenConnection(), FirstTable(document));

    const std::string beforePause = "delete from r \r\n\r\n" + Rows({1, 2});
    ASSERT_EQ(whilePaused.size(), 4u);
    for (const std::string& seen : whilePaused)
        EXPECT_EQ(seen, beforePause);  // flushed before yielding, and nothing more while paused
    EXPECT_EQ(Read("d.sql"), beforePause + Rows({3, 4, 5}));
    EXPECT_FALSE(Exists("log.txt"));
}

TEST_F(RunState, WaitingInputIsProcessedWithoutSkippingTheRow)
{
    const xml::XmlDocument document = Template(R"(<table name="r"/>)");
    int passes = 0, processed = 0;
    mdlCommon::SetYieldHook({[&] { return ++passes == 2; }, [&](bool bPaused) {
                                 EXPECT_FALSE(bPaused);
                                 ++processed;
                             }});
    PlayingConverter()->ExportTable(OpenConnection(), FirstTable(document));
    EXPECT_EQ(processed, 1);
    EXPECT_EQ(Read("d.sql"), "delete from r \r\n\r\n" + Rows({1, 2, 3, 4, 5}));
}

TEST_F(RunState, StopEndsTheTableAndLaterStructuresStillComeOut)
{
    const xml::XmlDocument document = Template(R"(<table name="r"/><table name="q"/>)");
    auto converter = PlayingConverter();
    int passes = 0;
    // The stop arrives as a user's press does: input waits, and processing it stops the run.
    mdlCommon::SetYieldHook({[&] { return ++passes == 3; }, [&](bool) { converter->SetStopFlag(clsConverter::eStop); }});
    converter->ExportDB(FirstDatabase(document));

    // The stopped table keeps the rows it wrote; the next one, stopped before its first, no delete.
    EXPECT_EQ(Read("d.sql"), "\r\n\r\ndelete from r \r\n\r\n" + Rows({1, 2}) + "\r\n\r\n");
    EXPECT_EQ(Read("log.txt"), "srv    db    r   任务取消!\r\nsrv    db    q   任务取消!\r\n");
    EXPECT_NE(Read("s.sql").find("create table q(\r\n  m    int    null    ,\r\n)\r\n"), std::string::npos);
}

TEST_F(RunState, LongTablesKeepEveryRowOnceInOrder)
{
    // The rows after the first are read ahead in batches of 512: around a batch's size, across
    // several, in insert batches, and stopped while later rows are in flight, the file holds every
    // row let through before the stop once, in order, as when each row was read after the last.
    Sql("create table n(i int, s varchar(20));"
        "with recursive c(i) as (select 1 union all select i + 1 from c where i < 1030) "
        "insert into n select i, 'r' || i from c;");
    struct Case {
        int rows;
        int stopBefore;  // 0: no stop
        int batch;       // rows per transaction, 0: none
    };
    for (const Case& c : {Case{255, 0, 0}, Case{256, 0, 0}, Case{257, 0, 0}, Case{512, 0, 0}, Case{513, 0, 0},
                          Case{514, 0, 0}, Case{1030, 0, 0}, Case{1030, 600, 0}, Case{1030, 0, 100},
                          Case{1030, 600, 100}}) {
        SCOPED_TRACE(std::to_string(c.rows) + " rows, stop before " + std::to_string(c.stopBefore) + ", batch " +
                     std::to_string(c.batch));
        QFile::remove(QString::fromStdString(Path("d.sql")));
        const std::string where = "where i&lt;=" + std::to_string(c.rows);
        const xml::XmlDocument document =
            Template(R"(<table name="n" expr=")" + where + R"("/>)",
                     R"(structfile="s.sql" datafile="d.sql" logfile="log.txt" )" +
                         (c.batch ? R"(batch=")" + std::to_string(c.batch) + R"(")" : std::string()));
        auto converter = PlayingConverter();
        int passes = 0;
        mdlCommon::SetYieldHook({[&] { return ++passes == c.stopBefore; },
                                 [&](bool) { converter->SetStopFlag(clsConverter::eStop); }});
        converter->ExportTable(OpenConnection(), FirstTable(document));

        std::string expected = "delete from n where i<=" + std::to_string(c.rows) + "\r\n\r\n";
        const int written = c.stopBefore ? c.stopBefore - 1 : c.rows;
        for (int i = 1; i <= written; ++i) {
            if (c.batch && i % c.batch == 1)
                expected += "begin tran\r\n";
            expected += "insert into n(\r\ni,s) values(" + std::to_string(i) + ",'r" + std::to_string(i) + "')\r\n";
            if (c.batch && (i % c.batch == 0 || i == written))
                expected += "commit tran\r\n";
        }
        EXPECT_EQ(Read("d.sql"), expected);
    }
}

TEST_F(RunState, SourceFailingFarIntoATableFailsThatTableAlone)
{
    // The rows are read ahead of the writes: a failure of the source after several batches still
    // fails its table alone (its log line, none of its rows), and the next table is read on the
    // same connection.
    Sql("create table n(i int, s varchar(20));"
        "with recursive c(i) as (select 1 union all select i + 1 from c where i < 1030) "
        "insert into n select i, case i when 700 then 'x' else i end from c;");
    const xml::XmlDocument document = Template(R"(<table name="n" expr="where convert(int, s) &gt; 0"/><table name="r"/>)");
    PlayingConverter()->ExportDB(FirstDatabase(document));

    EXPECT_EQ(Read("d.sql"), "\r\n\r\n\r\n\r\ndelete from r \r\n\r\n" + Rows({1, 2, 3, 4, 5}));
    EXPECT_EQ(Read("log.txt"),
              "srv    db    n   Conversion failed when converting the varchar value 'x' to data type int.\r\n");
}

}  // namespace
