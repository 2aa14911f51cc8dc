// tabrix apply and tabrix export --verify run as a user runs them: the demo account database
// exported, applied to a new file and read by the dictionary command as the original is; the
// demo template verified; the exit statuses; and the scripts applied to SQL Server (the TDS
// stand-in when no server is given).
#include "TabrixRun.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using Outcome = TabrixOutcome;

class TabrixCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }

    Outcome Tabrix(const QStringList& arguments) const
    {
        return RunTabrix(arguments, m_folder.path());
    }
    QString Path(const QString& name) const { return m_folder.filePath(name); }
    void Write(const QString& name, const QByteArray& text) const
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    // A template of the demo database (account.db of this folder) with the given table elements.
    void WriteTemplate(const QString& name, const QString& tables, const QString& constr = QStringLiteral("Provider=SQLite;Data Source=account.db")) const
    {
        Write(name, QStringLiteral("<template><server name=\"demo\" constr=\"%1\"><database name=\"account\">%2"
                                   "</database></server></template>")
                        .arg(constr, tables)
                        .toUtf8());
    }

    QTemporaryDir m_folder;
};

TEST_F(TabrixCommand, AnExportAppliedToANewFileReadsAsTheOriginal)
{
    ASSERT_EQ(Tabrix({"demo-db", "account.db"}).exitCode, 0);
    WriteTemplate("t.xml", "<table name=\"t_Subsystem\"/><table name=\"t_tabledescription\"/>"
                           "<table name=\"t_FieldDescription\"/><table name=\"t_Sample\"/><table name=\"t_Voucher\"/>"
                           "<table name=\"t_ICStockBillEntry\"/>");
    const Outcome exported = Tabrix({"export", "t.xml", "--struct", "s.sql", "--data", "d.sql", "--batch", "5"});
    ASSERT_EQ(exported.exitCode, 0) << exported.err.toStdString();
    ASSERT_TRUE(QDir(m_folder.path()).mkdir("copy"));
    const Outcome applied = Tabrix({"apply", "--db", "copy/account.db", "--create", "s.sql", "d.sql"});
    EXPECT_EQ(applied.exitCode, 0) << applied.err.toStdString();
    EXPECT_TRUE(applied.out.startsWith("tabrix apply: ")) << applied.out.toStdString();
    for (const char* language : {"CHS", "EN"}) {
        const Outcome original = Tabrix({"dictionary", "--db", "account.db", "--language", language});
        const Outcome copy = Tabrix({"dictionary", "--db", "copy/account.db", "--language", language});
        EXPECT_EQ(copy.exitCode, 0) << copy.err.toStdString();
        EXPECT_EQ(copy.out, original.out) << language;
    }
    // A table's own view shows the structure script's forms (types through the type map, keys
    // without their order), and every further index re-created.
    const Outcome table = Tabrix({"dictionary", "--db", "copy/account.db", "t_Sample"});
    EXPECT_EQ(table.exitCode, 0) << table.err.toStdString();
    EXPECT_TRUE(table.out.contains("\nix_t_Sample_Code ") && table.out.contains("\nix_t_Sample_Name "))
        << table.out.toStdString();
}

TEST_F(TabrixCommand, VerifyPassesOnTheDemoTemplateAndNamesItsTables)
{
    ASSERT_EQ(Tabrix({"demo-db", "account.db"}).exitCode, 0);
    const Outcome run = Tabrix({"export", TABRIX_DEMO_TEMPLATE, "--struct", "s.sql", "--data", "d.sql", "--log", "l.txt",
                                "--verify", "--batch", "100"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains("tabrix export --verify: 17 tables replayed on a scratch copy and equal to their source"))
        << run.out.toStdString();
    EXPECT_FALSE(QFile::exists(Path("l.txt")));
}

TEST_F(TabrixCommand, ExitStatusesTellUsageUnreadableInputAndFailedStatements)
{
    ASSERT_EQ(Tabrix({"demo-db", "account.db"}).exitCode, 0);
    Write("bad.sql", "create table a(x int)\r\n\r\ninsert into nosuch values(1)\r\n");
    Write("latin1.sql", "insert into t_Sample(FName) values('caf\xE9')\r\n");
    Write("cut.sql", "insert into t_Sample(FName) values('\xE4\xB8\xAD')\r\n-- \r\n'\xE4\xB8");
    const struct {
        QStringList arguments;
        int status;
        const char* error;
    } cases[] = {
        {{"apply", "bad.sql"}, 1, "give either --db or --connection"},
        {{"apply", "--db", "n.db"}, 1, "no script given"},
        {{"apply", "--connection", "Provider=SQLite;Data Source=n.db", "--create", "bad.sql"}, 1, "--create"},
        {{"apply", "--db", "n.db", "--bogus", "bad.sql"}, 1, "unknown option '--bogus'"},
        {{"apply", "--db", "account.db", "--create", "bad.sql"}, 2, "already exists"},
        {{"apply", "--db", "n.db", "bad.sql"}, 2, "no database file"},
        {{"apply", "--db", "n.db", "--create", "missing.sql", "bad.sql"}, 2, "missing.sql"},
        {{"apply", "--db", "n.db", "--create", "bad.sql"}, 3, "bad.sql:3: Invalid object name 'nosuch'."},
        // Every script is read whole before anything runs: bad.sql would fail first.
        {{"apply", "--db", "n.db", "--create", "bad.sql", "latin1.sql"}, 2, "latin1.sql:1: not UTF-8 text (the byte 0xe9)"},
        {{"apply", "--db", "n.db", "--create", "bad.sql", "cut.sql"}, 2, "cut.sql:3: not UTF-8 text (the byte 0xe4)"},
        {{"export", "t.xml", "--batch", "0"}, 1, "--batch needs a number"},
    };
    for (const auto& c : cases) {
        const Outcome run = Tabrix(c.arguments);
        EXPECT_EQ(run.exitCode, c.status) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.error))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("n.db"))) << c.arguments.join(' ').toStdString();
    }
    // Without one transaction the statements before the failing one stay.
    const Outcome partial = Tabrix({"apply", "--db", "account.db", "--no-transaction", "bad.sql"});
    EXPECT_EQ(partial.exitCode, 3);
    EXPECT_EQ(Tabrix({"query", "--db", "account.db", "select count(*) as n from a"}).out, "n\n0\n");
}

// On SQL Server (TABRIX_TEST_MSSQL; the test command runs it against the TDS stand-in): the
// scripts of every kind of statement apply through ODBC in one transaction, a failure rolls the
// whole run back, and the scripts' own batches apply without the run's transaction. The tables
// carry the process id, as a real server's test database may be shared.
TEST_F(TabrixCommand, ScriptsApplyToSqlServer)
{
    const QString server = qEnvironmentVariable("TABRIX_TEST_MSSQL");
    if (server.isEmpty())
        GTEST_SKIP() << "TABRIX_TEST_MSSQL is not set";
    const QString t = QStringLiteral("t_apply_%1").arg(::getpid());
    const QString c = QStringLiteral("t_apply_class_%1").arg(::getpid());
    ASSERT_EQ(Tabrix({"demo-db", "account.db"}).exitCode, 0);
    const Outcome made = Tabrix(
        {"query", "--write", "--connection", "Provider=SQLite;Data Source=account.db",
         QStringLiteral("create table %1(FID int identity(1,1) not null, FNumber varchar(20) not null, FName nvarchar(40) "
                        "null, FQty decimal(18,4) default (0), constraint PK_%1 primary key (FNumber)); create index ix_%1 "
                        "on %1(FName); insert into %1(FNumber, FName, FQty) values ('0701', 'O''Hara', 1.5), ('0702', "
                        "'中文', null), ('A3', null, -2); create table %2(ibitype int, soidsourcefield varchar(20), "
                        "ssourcetable varchar(40), FMaxNumber varchar(20)); insert into %2 values (7, 'FNumber', '%1', null)")
             .arg(t, c)});
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    WriteTemplate("t.xml", QStringLiteral("<table name=\"%1\"/><table name=\"%2\" special=\"FMaxNumber\"/>").arg(t, c));
    ASSERT_EQ(Tabrix({"export", "t.xml", "--struct", "s.sql", "--data", "d.sql", "--batch", "2"}).exitCode, 0);

    const Outcome applied = Tabrix({"apply", "--connection", server, "s.sql", "d.sql"});
    EXPECT_EQ(applied.exitCode, 0) << applied.err.toStdString();
    const QString rows = QStringLiteral("select FID, FNumber, FName from %1 order by FNumber").arg(t);
    const QString expected = QStringLiteral("FID\tFNumber\tFName\n1\t0701\tO'Hara\n2\t0702\t中文\n3\tA3\tNULL\n");
    EXPECT_EQ(Tabrix({"query", "--connection", server, rows}).out, expected);
    EXPECT_EQ(Tabrix({"query", "--connection", server, QStringLiteral("select FMaxNumber from %1").arg(c)}).out,
              "FMaxNumber\n0702\n");
    // Babelfish's sysindexes gives an index's name with its table's name and a hash appended.
    const bool babelfish = Tabrix({"query", "--connection", server, "select @@version"}).out.contains("Babelfish");
    const QString index = QStringLiteral("ix_%1").arg(t);
    const QString named = babelfish ? QStringLiteral("left(name, %1) = '%2'").arg(index.size()).arg(index)
                                    : QStringLiteral("name = '%1'").arg(index);
    EXPECT_EQ(Tabrix({"query", "--connection", server, "select count(*) as n from sysindexes where " + named}).out,
              "n\n1\n");

    Write("bad.sql", QStringLiteral("delete from %1\r\ninsert into nosuch values(1)\r\n").arg(t).toUtf8());
    const Outcome failed = Tabrix({"apply", "--connection", server, "bad.sql"});
    EXPECT_EQ(failed.exitCode, 3);
    EXPECT_TRUE(failed.err.contains("bad.sql:2: ")) << failed.err.toStdString();
    EXPECT_EQ(Tabrix({"query", "--connection", server, rows}).out, expected);

    EXPECT_EQ(Tabrix({"apply", "--connection", server, "--no-transaction", "d.sql"}).exitCode, 0);
    EXPECT_EQ(Tabrix({"query", "--connection", server, QStringLiteral("select count(*) as n from %1").arg(t)}).out,
              "n\n3\n");
    for (const QString& table : {c, t})
        Tabrix({"query", "--write", "--connection", server, QStringLiteral("drop table %1").arg(table)});
}

// On SQL Server (TABRIX_TEST_MSSQL), in a database of its own: inserts go to the server a
// hundred rows at a time, and a statement that fails among them is named by its line, with
// nothing of the run left. A duplicate key only ends its statement, so naming line 1,500 and not
// the first line of its hundred shows they ran again one statement at a time; a text in an int
// column or an int out of range ends the transaction on Babelfish (SQL Server keeps it), and the
// run goes again one statement at a time to name the line. Rows of a table with a trigger go one
// insert each, as the trigger was written to see them.
TEST_F(TabrixCommand, InsertsGoToSqlServerInBatchesAndAFailureNamesItsLine)
{
    const QString server = qEnvironmentVariable("TABRIX_TEST_MSSQL");
    if (server.isEmpty())
        GTEST_SKIP() << "TABRIX_TEST_MSSQL is not set";
    const QString database = QStringLiteral("tabrix_apply_batches_%1").arg(::getpid());
    ASSERT_EQ(Tabrix({"query", "--write", "--connection", server, "create database " + database}).exitCode, 0);
    QString target = server;
    target.replace(QRegularExpression(QStringLiteral("(^|;)\\s*(Initial Catalog|Database)\\s*=[^;]*"),
                                      QRegularExpression::CaseInsensitiveOption),
                   QString());
    target += ";Initial Catalog=" + database;
    ASSERT_EQ(Tabrix({"query", "--write", "--connection", target, "create table t(id int primary key, name nvarchar(20))"}).exitCode, 0);

    const struct {
        long failingLine;        // 0: none
        const char* failing;     // the statement there
        const char* message;
    } cases[] = {
        {0, "", "2500 statements"},
        {1500, "insert into t values (1, N'again')", "x.sql:1500: "},
        {2, "insert into t values (1, N'again')", "x.sql:2: "},
        {1700, "insert into t values ('x', N'no number')", "x.sql:1700: "},
        {1700, "insert into t values (99999999999, N'too large')", "x.sql:1700: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failing);
        QByteArray script;
        for (long line = 1; line <= 2500; ++line)
            script += line == c.failingLine ? QByteArray(c.failing) + "\r\n"
                                            : QStringLiteral("insert into t values (%1, N'行 %1')\r\n").arg(line).toUtf8();
        Write("x.sql", script);
        const Outcome applied = Tabrix({"apply", "--connection", target, "x.sql"});
        EXPECT_EQ(applied.exitCode, c.failingLine ? 3 : 0) << applied.err.toStdString();
        EXPECT_TRUE((applied.out + applied.err).contains(QLatin1String(c.message))) << applied.err.toStdString();
        EXPECT_EQ(Tabrix({"query", "--connection", target, "select count(*) as n, count(distinct id) as d from t"}).out,
                  c.failingLine ? "n\td\n0\t0\n" : "n\td\n2500\t2500\n");
        if (!c.failingLine) {
            EXPECT_TRUE(applied.out.contains("; 25 batches of statements sent together")) << applied.out.toStdString();
        }
        Tabrix({"query", "--write", "--connection", target, "delete from t"});
    }

    for (const char* statement : {"create table tr_log(n int)",
                                  "create trigger tr_count on t after insert as insert into tr_log select count(*) from inserted"})
        ASSERT_EQ(Tabrix({"query", "--write", "--connection", target, statement}).exitCode, 0) << statement;
    QByteArray script;
    for (int id = 1; id <= 250; ++id)
        script += QStringLiteral("insert into t values (%1, N'行 %1')\r\n").arg(id).toUtf8();
    Write("x.sql", script);
    EXPECT_EQ(Tabrix({"apply", "--connection", target, "x.sql"}).exitCode, 0);
    EXPECT_EQ(Tabrix({"query", "--connection", target, "select count(*) as n, max(n) as most from tr_log"}).out,
              "n\tmost\n250\t1\n");
    Tabrix({"query", "--write", "--connection", server, "drop database " + database});
}

}  // namespace
