// Verification of an export: equal copies pass, also with values in another form and special
// updates whose tables the copy lacks; one corrupted value in the script is named with its row;
// scripts that do not replay fail every table of theirs; a server's table replayed on SQLite
// compares as its column types hold the values.
#include "ConverterFixture.h"

#include "ExportVerifier.h"
#include "ScratchDatabase.h"
#include "SqlServerTestServer.h"

#include <cstring>
#include <fstream>
#include <memory>
#include <optional>

namespace {

class ExportVerifierTest : public ConverterFixture {
protected:
    void SetUp() override
    {
        ConverterFixture::SetUp();
        Sql("create table t(FID int identity(1,1) not null, FNumber varchar(20), FQty decimal(18,4), FDate datetime, "
            "FFlag bit);"
            "insert into t values (1, 'NO0001', 1.5, '2024-02-29 08:05:09.123', 2), (2, 'NO0002', 'abc', '2024-02-30', 0),"
            " (3, 'NO0003', null, null, 1);"
            "create table cls(ibitype int, soidsourcefield varchar(20), ssourcetable varchar(20), FMaxNumber varchar(20));"
            "insert into cls values (7, 'FBillNo', 'no_such_bill', '070000000000009');");
        m_template = std::make_unique<xml::XmlDocument>(
            Template(R"(<table name="t" expr="where FID > 0"/><table name="cls" special="FMaxNumber"/>)"));
        PlayingConverter()->ExportDB(FirstDatabase(*m_template));
    }

    // Runs the verifier; its reports as "table: text" lines.
    std::vector<std::string> Verify(bool& ok, const std::optional<std::string>& server = std::nullopt)
    {
        std::vector<std::string> reports;
        ExportVerifier verifier(m_template->DocumentElement().Children(),
                                [&](const xml::XmlElement& table, const QString& text) {
                                    reports.push_back(table.Attribute("name") + ": " + text.toStdString());
                                });
        if (server)
            verifier.ReplayOn(*server);
        ok = verifier.Run();
        EXPECT_EQ(verifier.Failed(), static_cast<int>(reports.size()));
        m_otherForms = verifier.OtherForms();
        return reports;
    }

    void Replace(const std::string& from, const std::string& to)
    {
        std::string script = Read("d.sql");
        const size_t at = script.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        script.replace(at, from.size(), to);
        std::ofstream(Path("d.sql"), std::ios::binary | std::ios::trunc) << script;
    }

    std::unique_ptr<xml::XmlDocument> m_template;
    long m_otherForms = 0;
};

TEST_F(ExportVerifierTest, EqualCopiesPassAndValuesInAnotherFormCompareInThatForm)
{
    bool ok = false;
    EXPECT_EQ(Verify(ok), std::vector<std::string>{});
    EXPECT_TRUE(ok);
    EXPECT_EQ(m_otherForms, 2);  // 'abc' in a decimal column, a date that is no date
}

TEST_F(ExportVerifierTest, APlantedFaultIsNamedWithItsRow)
{
    Replace("'NO0002'", "'NO000X'");
    bool ok = true;
    const std::vector<std::string> reports = Verify(ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], "t: verify: the copy differs: 3 rows in the source, 3 in the copy; row 2 of the source is not "
                          "in the copy: (FID,FNumber,FQty,FDate,FFlag) values(2,'NO0002','abc','2024-02-30',0); row 2 of "
                          "the copy is not in the source: (FID,FNumber,FQty,FDate,FFlag) values(2,'NO000X','abc',"
                          "'2024-02-30',0)");
}

TEST_F(ExportVerifierTest, ScriptsThatDoNotReplayFailEveryTableOfTheirs)
{
    Replace("insert into t(", "insert into t((");
    bool ok = true;
    const std::vector<std::string> reports = Verify(ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(reports.size(), 2u);
    for (const std::string& report : reports)
        EXPECT_NE(report.find(": verify: not verified: the scripts do not replay: d.sql:7: "), std::string::npos) << report;
}

// An identity value that moved in the source after the export: the copy holds the old one,
// which the verification names, on a scratch SQLite file and on a SQL Server (TABRIX_TEST_MSSQL;
// without it that replay is not tried).
TEST_F(ExportVerifierTest, AnIdentityValueTheCopyLacksIsNamedOnEitherReplay)
{
    Sql("create table dept(id int identity(1,1) not null, name varchar(10));"
        "insert into dept values (1, 'a'), (5, 'b');");
    m_template = std::make_unique<xml::XmlDocument>(
        Template(R"(<table name="dept"/>)", R"(structfile="s2.sql" datafile="d2.sql" logfile="log2.txt")"));
    PlayingConverter()->ExportDB(FirstDatabase(*m_template));
    Sql("update dept set id = 9 where id = 5");
    std::vector<std::optional<std::string>> replays{std::nullopt};
    if (const auto server = tabrix::test::SqlServerConnectionText())
        replays.push_back(server);
    for (const std::optional<std::string>& server : replays) {
        bool ok = true;
        const std::vector<std::string> reports = Verify(ok, server);
        EXPECT_FALSE(ok);
        ASSERT_EQ(reports.size(), 1u) << (server ? "on the server" : "on SQLite");
        // Only the identity value tells the rows apart.
        EXPECT_NE(reports[0].find("row 2 of the source is not in the copy: "), std::string::npos) << reports[0];
    }
}

// A server's table (TABRIX_TEST_MSSQL; skipped without it) replayed on a scratch SQLite file:
// the forms SQLite gives back (1 for a decimal's 1.0000000000, 'x' for an nchar(4)'s 'x   ') are
// the source's values, a digit the copy lacks is named with its row.
TEST_F(ExportVerifierTest, AServersTableComparesAsItsColumnTypesHoldTheValues)
{
    TABRIX_REQUIRE_SQL_SERVER(server);
    ScratchDatabase source(server);
    {
        ado::Connection connection;
        connection.Open(source.ConnectionText(), ado::adModeReadWrite);
        connection.Execute("create table t(id int not null primary key, q decimal(28,10), n nchar(4), c char(3), "
                           "big decimal(28,10)); insert into t values (1, 1, N'x', 'a', 123456789012345678), "
                           "(2, -0.5, N'yz', null, -123456789012345678)");
    }
    m_template = std::make_unique<xml::XmlDocument>(xml::XmlDocument::LoadText(
        "<template><server name=\"srv\" constr=\"" + QString::fromStdString(source.ConnectionText()).toHtmlEscaped().toStdString() +
        "\" structfile=\"s3.sql\" datafile=\"d3.sql\" logfile=\"log3.txt\"><database name=\"" + source.Name() +
        "\"><table name=\"t\"/></database></server></template>"));
    PlayingConverter()->ExportDB(FirstDatabase(*m_template));
    const struct {
        const char* from;
        const char* to;
        const char* report;
    } cases[] = {
        {nullptr, nullptr, nullptr},
        {"-0.5000000000", "-0.5000000001", " of the source is not in the copy: (id=2, q=-0.5000000000, "},
    };
    for (const auto& c : cases) {
        if (c.from) {
            std::string script = Read("d3.sql");
            const size_t at = script.find(c.from);
            ASSERT_NE(at, std::string::npos) << script;
            script.replace(at, std::strlen(c.from), c.to);
            std::ofstream(Path("d3.sql"), std::ios::binary | std::ios::trunc) << script;
        }
        bool ok = false;
        const std::vector<std::string> reports = Verify(ok);
        EXPECT_EQ(ok, c.report == nullptr);
        ASSERT_EQ(reports.size(), c.report ? 1u : 0u) << (reports.empty() ? std::string() : reports[0]);
        if (c.report) {
            EXPECT_NE(reports[0].find(c.report), std::string::npos) << reports[0];
        }
    }
}

}  // namespace
