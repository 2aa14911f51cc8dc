// What the converter tells its hosts about each table (the estimate, rows and bytes, how the
// table ended) and the progress the hosts make of it.
#include "ConverterFixture.h"

#include "RunProgress.h"
#include "mdlCommon.h"

#include <QVariantList>

#include <chrono>
#include <vector>

namespace {

class ProgressEvents : public ConverterFixture {
protected:
    void SetUp() override
    {
        ConverterFixture::SetUp();
        Sql("create table r(n int); insert into r values(1); insert into r values(2); insert into r values(3);"
            "create table e(n int); create view v as select n from r; create table [odd t](n int);"
            "insert into [odd t] values(7);");
    }
    void TearDown() override
    {
        mdlCommon::SetYieldHook({});
        ConverterFixture::TearDown();
    }
};

// The estimate of every data export: the rows SQLite counts for a table, unknown (-1) where a
// count would cost as much as the export (a filter, a view) or fails.
TEST_F(ProgressEvents, EstimateCountsTablesOnlyWhereThatIsCheap)
{
    const struct {
        const char* element;
        qint64 estimate;
    } cases[] = {
        {R"(<table name="r"/>)", 3},
        {R"(<table name="e"/>)", 0},
        {R"(<table name="r" expr="where n &gt; 1"/>)", -1},
        {R"(<table name="r" expr="  "/>)", 3},
        {R"(<table name="v"/>)", -1},
        {R"(<table name="odd t"/>)", 1},
        {R"(<table name="missing"/>)", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.element);
        const xml::XmlDocument document = Template(c.element);
        auto converter = PlayingConverter();
        std::vector<qint64> estimates;
        QObject::connect(converter.get(), &clsConverter::TableStarted,
                         [&](const QString&, const QString&, const QString&, int iType, qint64 estimatedRows) {
                             EXPECT_EQ(iType, 0);
                             estimates.push_back(estimatedRows);
                         });
        converter->ExportTable(OpenConnection(), FirstTable(document));
        EXPECT_EQ(estimates, std::vector<qint64>{c.estimate});
    }

    // A run that is stopping does not count.
    const xml::XmlDocument document = Template(R"(<table name="r"/>)");
    clsConverter stopped;
    qint64 estimate = 0;
    QObject::connect(&stopped, &clsConverter::TableStarted,
                     [&](const QString&, const QString&, const QString&, int, qint64 estimatedRows) { estimate = estimatedRows; });
    stopped.ExportTable(OpenConnection(), FirstTable(document));
    EXPECT_EQ(estimate, -1);
}

// Every part of every table starts and finishes; the facts add up to the data script.
TEST_F(ProgressEvents, FactsOfEachTableAddUpToTheScripts)
{
    Sql("create table w(id int, m int); insert into w values(1, 'abc'); insert into w values(2, 4);");
    const xml::XmlDocument document = Template(R"(<table name="r"/><table name="w" hint="x"/><table name="missing"/>)");
    auto converter = PlayingConverter();
    QStringList started;
    std::vector<QVariantMap> finished;
    QObject::connect(converter.get(), &clsConverter::TableStarted,
                     [&](const QString& s, const QString& d, const QString& t, int iType, qint64) {
                         started << QStringLiteral("%1/%2/%3:%4").arg(s, d, t).arg(iType);
                     });
    QObject::connect(converter.get(), &clsConverter::TableFinished,
                     [&](const QVariantMap& facts) { finished.push_back(facts); });
    converter->ExportDB(FirstDatabase(document));

    EXPECT_EQ(started, QStringList({"srv/db/r:1", "srv/db/r:0", "srv/db/w:1", "srv/db/w:0", "srv/db/missing:1",
                                    "srv/db/missing:0"}));
    ASSERT_EQ(finished.size(), 6u);
    qint64 bytes = 0;
    for (const QVariantMap& facts : finished) {
        if (facts.value("part").toString() == QLatin1String("data"))
            bytes += facts.value("bytes").toLongLong();
        else
            EXPECT_EQ(facts.value("rows").toLongLong(), 0);
    }
    // Each table's hint write ("hint" CR LF, ended with CR LF) is the driver's, not the table's.
    EXPECT_EQ(bytes + 4 + 5 + 4, static_cast<qint64>(Read("d.sql").size()));
    EXPECT_EQ(finished[1].value("rows").toLongLong(), 3);
    EXPECT_EQ(finished[1].value("estimatedRows").toLongLong(), 3);
    EXPECT_TRUE(finished[1].value("ok").toBool());
    const QVariantList forms{QVariantMap{{"column", "m"}, {"values", 1LL}, {"firstRow", 1LL}}};
    EXPECT_EQ(finished[3].value("otherForms").toList(), forms);
    EXPECT_TRUE(finished[3].value("ok").toBool());  // values in other forms are reported, not failures
    for (int part : {4, 5}) {
        EXPECT_FALSE(finished[part].value("ok").toBool());
        EXPECT_EQ(finished[part].value("error").toString(), QStringLiteral("Invalid object name 'missing'."));
    }
}

// A stop ends the table as cancelled with the rows written so far; progress was told before
// every yield to the user interface.
TEST_F(ProgressEvents, StoppedTableIsCancelledWithItsRows)
{
    const xml::XmlDocument document = Template(R"(<table name="r"/>)");
    auto converter = PlayingConverter();
    int passes = 0;
    std::vector<qint64> told;
    QObject::connect(converter.get(), &clsConverter::RowsWritten, [&](qint64 rows, qint64) { told.push_back(rows); });
    mdlCommon::SetYieldHook({[&] { return ++passes == 3; }, [&](bool) { converter->SetStopFlag(clsConverter::eStop); }});
    QVariantMap facts;
    QObject::connect(converter.get(), &clsConverter::TableFinished, [&](const QVariantMap& f) { facts = f; });
    converter->ExportTable(OpenConnection(), FirstTable(document));
    EXPECT_EQ(told, std::vector<qint64>{2});
    EXPECT_TRUE(facts.value("cancelled").toBool());
    EXPECT_EQ(facts.value("rows").toLongLong(), 2);
    EXPECT_EQ(facts.value("error").toString(), QStringLiteral("任务取消!"));
}

// The hosts' progress: table i of n, rows against the estimate, a busy bar where the share is
// unknown, speed and times from the clock.
TEST(RunProgress, CountsTablesAndTellsTheShareOnlyAgainstAKnownTotal)
{
    clsConverter converter;
    auto now = std::chrono::steady_clock::time_point();
    RunProgress progress(&converter, [&] { return now; });
    const auto finish = [&](const char* table, const char* part, qint64 rows, bool cancelled) {
        emit converter.TableFinished(QVariantMap{{"server", "s"}, {"database", "d"}, {"table", table}, {"part", part},
                                                 {"rows", rows}, {"cancelled", cancelled}});
    };
    progress.Start(3);
    EXPECT_EQ(progress.Text(RunProgress::English), QString());

    emit converter.TableStarted("s", "d", "a", 1, -1);
    EXPECT_EQ(progress.Table(), 1);
    EXPECT_EQ(progress.Percent(), -1);
    EXPECT_EQ(progress.Text(RunProgress::English), QStringLiteral("table 1 of 3 s/d/a: structure, 0:00 elapsed"));
    finish("a", "structure", 0, false);

    now += std::chrono::seconds(2);
    emit converter.TableStarted("s", "d", "a", 0, 2000000);  // the same table's data
    EXPECT_EQ(progress.Table(), 1);
    now += std::chrono::seconds(4);
    emit converter.RowsWritten(500000, 0);
    EXPECT_EQ(progress.Percent(), 25);
    EXPECT_EQ(progress.Permille(), 250);
    EXPECT_EQ(progress.Text(RunProgress::English),
              QStringLiteral("table 1 of 3 s/d/a: 500,000 of 2,000,000 rows (25%), 125,000 rows/s, 0:06 elapsed, 0:12 left"));
    EXPECT_EQ(progress.TableText(RunProgress::Localised), QStringLiteral("表 1/3  s/d/a"));
    EXPECT_EQ(progress.FiguresText(RunProgress::Localised),
              QStringLiteral("500,000/2,000,000 行  125,000 行/秒  已用 0:06  剩余 0:12"));
    // More rows than the estimate: the share is no longer known.
    emit converter.RowsWritten(2000001, 0);
    EXPECT_EQ(progress.Percent(), -1);
    finish("a", "data", 2000001, false);

    emit converter.TableStarted("s", "d", "b", 0, -1);  // no estimate
    EXPECT_EQ(progress.Table(), 2);
    now += std::chrono::seconds(1);
    emit converter.RowsWritten(10, 0);
    EXPECT_EQ(progress.Percent(), -1);
    EXPECT_EQ(progress.Text(RunProgress::English), QStringLiteral("table 2 of 3 s/d/b: 10 rows, 10 rows/s, 0:07 elapsed"));
    finish("b", "data", 10, true);

    progress.Skip(1);  // a database that could not be opened
    now += std::chrono::seconds(3600);
    progress.Finish();
    EXPECT_EQ(progress.Table(), 3);
    EXPECT_EQ(progress.Permille(), 666);  // one table of three cancelled
    EXPECT_EQ(progress.Text(RunProgress::English), QStringLiteral("3 tables, 2,000,011 rows, 1:00:07, 1 cancelled"));
    EXPECT_EQ(progress.Text(RunProgress::Localised), QStringLiteral("3 张表  2,000,011 行  用时 1:00:07  1 张表已取消"));
}

}  // namespace
