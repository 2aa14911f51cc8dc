// The tabrix program's commands, run as a separate process.
#include "OutputPlace.h"
#include "TabrixRun.h"
#include "TestDemoDb.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <sys/syscall.h>

#include <csignal>
#include <fstream>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* stream)
{
    *stream << '"' << text.toStdString() << '"';
}

namespace {

using Outcome = TabrixOutcome;

Outcome Tabrix(const QStringList& arguments, const QString& workingDirectory = {})
{
    return RunTabrix(arguments, workingDirectory, QProcessEnvironment::systemEnvironment(), 120000);
}

Outcome Query(const QString& sql)
{
    return Tabrix({QStringLiteral("query"), QStringLiteral("--db"), DemoDatabasePath(), sql});
}

TEST(TabrixQuery, PrintsHeaderAndTabSeparatedRowsWithNull)
{
    const Outcome run = Query(QStringLiteral("select FSubSysID, FName, FName_EN from t_Subsystem where FSubSysID in (1, 12) "
                                         "order by FSubSysID"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("FSubSysID\tFName\tFName_EN\n1\t总账\tGeneral Ledger\n12\t 报表 \t Reports \n"));
    EXPECT_EQ(run.err, QString());

    const Outcome nulls = Query(QStringLiteral("select FTableName, FDescription_EN from t_tabledescription "
                                           "where FTableID in (40, 126) order by FTableID"));
    EXPECT_EQ(nulls.exitCode, 0) << nulls.err.toStdString();
    EXPECT_EQ(nulls.out, QStringLiteral("FTableName\tFDescription_EN\nt_GLSettings\tNULL\nt_ICCalcLog\t\n"));

    // Dates with their milliseconds when they have any.
    const Outcome dates = Query(QStringLiteral("select FDateTime, FDate from t_Sample where FID in (1, 5) order by FID"));
    EXPECT_EQ(dates.out, QStringLiteral("FDateTime\tFDate\n2024-01-31 08:05:09.123\t2024-01-31 00:00:00\n"
                                        "1900-01-01 00:00:00\t9999-12-31 00:00:00\n"));
}

TEST(TabrixQuery, KeepsEveryRowOnOneLine)
{
    const Outcome run = Query(QStringLiteral("select FMemo, FNName from t_Sample where FID = 1"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("FMemo\tFNName\nfirst line\\r\\nsecond line\t𠀀😀 示例\n"));
    const Outcome tab = Query(QStringLiteral("select FMemo, 'back\\slash' as FPath from t_Sample where FID = 5"));
    EXPECT_EQ(tab.out, QStringLiteral("FMemo\tFPath\ntab\\tinside\tback\\\\slash\n"));
}

// A change is kept only with --write, through --db and a connection text alike: without it the
// database is opened read-only and the statement runs in a transaction that is rolled back. On
// SQL Server (TABRIX_TEST_MSSQL) the server may take the read-only hint or not; the rollback
// undoes the change either way.
TEST(TabrixQuery, ChangesAreKeptOnlyWithWrite)
{
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("account.db"));
    ASSERT_TRUE(QFile::copy(DemoDatabasePath(), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    const QString server = qEnvironmentVariable("TABRIX_TEST_MSSQL");
    const QString table = QStringLiteral("t_query_write_%1").arg(::getpid());
    const QString sqlite = QStringLiteral("Provider=SQLite;Data Source=%1").arg(copy);
    const struct {
        QStringList source;
        QString table;
        bool write;
        int status;
        QString left;  // the rows after the delete
    } cases[] = {
        {{QStringLiteral("--db"), copy}, QStringLiteral("t_Group"), false, 2, QStringLiteral("n\n2\n")},
        {{QStringLiteral("--connection"), sqlite}, QStringLiteral("t_Group"), false, 2, QStringLiteral("n\n2\n")},
        {{QStringLiteral("--connection"), sqlite}, QStringLiteral("t_Group"), true, 0, QStringLiteral("n\n1\n")},
        {{QStringLiteral("--db"), copy}, QStringLiteral("t_Group"), true, 0, QStringLiteral("n\n0\n")},
        {{QStringLiteral("--connection"), server}, table, false, 0, QStringLiteral("n\n2\n")},
        {{QStringLiteral("--connection"), server}, table, true, 0, QStringLiteral("n\n1\n")},
    };
    if (!server.isEmpty()) {
        ASSERT_EQ(Tabrix({QStringLiteral("query"), QStringLiteral("--write"), QStringLiteral("--connection"), server,
                          QStringLiteral("create table %1(FGroupID int); insert into %1 values (1), (2)").arg(table)})
                      .exitCode,
                  0);
    }
    for (const auto& c : cases) {
        if (c.source.last().isEmpty())
            continue;  // no server
        SCOPED_TRACE(c.source.join(u' ').toStdString() + (c.write ? " --write" : ""));
        QStringList arguments = QStringList{QStringLiteral("query")} + c.source;
        if (c.write)
            arguments << QStringLiteral("--write");
        const Outcome run = Tabrix(arguments + QStringList{QStringLiteral("delete from %1 where FGroupID = (select max(FGroupID) from %1)").arg(c.table)});
        EXPECT_EQ(run.exitCode, c.status) << run.err.toStdString();
        EXPECT_EQ(run.out, QString());
        // Said on standard error when the change is not kept: refused, or rolled back.
        EXPECT_EQ(run.err.isEmpty(), c.write) << run.err.toStdString();
        EXPECT_EQ(Tabrix(QStringList{QStringLiteral("query")} + c.source +
                         QStringList{QStringLiteral("select count(*) as n from %1").arg(c.table)})
                      .out,
                  c.left);
    }
    if (!server.isEmpty())
        Tabrix({QStringLiteral("query"), QStringLiteral("--write"), QStringLiteral("--connection"), server,
                QStringLiteral("drop table %1").arg(table)});
}

TEST(TabrixQuery, FailuresGiveTheProvidersMessageAndStatus2)
{
    const Outcome missing = Query(QStringLiteral("select * from t_NoSuchTable"));
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.out, QString());
    EXPECT_EQ(missing.err, QStringLiteral("Invalid object name 't_NoSuchTable'.\n"));

    const Outcome quote = Query(QStringLiteral("select * from t_tabledescription Where  FDescription Like '%a'b%'  order by FSubSystemID"));
    EXPECT_EQ(quote.exitCode, 2);
    EXPECT_EQ(quote.err, QStringLiteral("Unclosed quotation mark before the character string '  order by FSubSystemID'.\n"));

    const Outcome noFile = Tabrix({QStringLiteral("query"), QStringLiteral("--db"), QStringLiteral("/no/such/account.db"),
                               QStringLiteral("select 1")});
    EXPECT_EQ(noFile.exitCode, 2);
    EXPECT_TRUE(noFile.err.contains(QStringLiteral("/no/such/account.db"))) << noFile.err.toStdString();
}

TEST(TabrixQuery, UsageErrorsGiveTheUsageLineAndStatus1)
{
    const QString db = DemoDatabasePath();
    const QList<QStringList> wrong = {
        {QStringLiteral("query")},
        {QStringLiteral("query"), QStringLiteral("--db"), db},
        {QStringLiteral("query"), QStringLiteral("select 1")},
        {QStringLiteral("query"), QStringLiteral("--db"), db, QStringLiteral("--connection=Provider=SQLite"), QStringLiteral("select 1")},
        {QStringLiteral("query"), QStringLiteral("--db"), db, QStringLiteral("select 1"), QStringLiteral("select 2")},
        {QStringLiteral("query"), QStringLiteral("--verbose"), QStringLiteral("--db"), db, QStringLiteral("select 1")},
    };
    for (const QStringList& arguments : wrong) {
        const Outcome run = Tabrix(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: tabrix query [--db FILE | --connection TEXT] [--write] SQL")))
            << run.err.toStdString();
        EXPECT_EQ(run.out, QString());
    }
    // "--" ends the options, so an SQL text may start with a comment.
    const Outcome comment = Tabrix({QStringLiteral("query"), QStringLiteral("--db=") + db, QStringLiteral("--"),
                                QStringLiteral("-- a comment\nselect 7 as n")});
    EXPECT_EQ(comment.exitCode, 0) << comment.err.toStdString();
    EXPECT_EQ(comment.out, QStringLiteral("n\n7\n"));
}

TEST(TabrixDemoDb, WritesTheDatabaseAndPrintsItsSummary)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("account.db"));
    const Outcome run = Tabrix({QStringLiteral("demo-db"), path, QStringLiteral("--large-table"), QStringLiteral("1000")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("Subsystems: 15\nDescribed tables: 150\n"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("   1  总账: 12\n"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("  12   报表 : 7\n"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("  (no subsystem): 1\n"))) << run.out.toStdString();
    EXPECT_EQ(Tabrix({QStringLiteral("query"), QStringLiteral("--db"), path,
                      QStringLiteral("select count(*) as n from t_LargeTable")}).out,
              QStringLiteral("n\n1000\n"));

    // Running it again replaces the file; a large dictionary takes the demo dictionary's place.
    const Outcome dictionary = Tabrix({QStringLiteral("demo-db"), path, QStringLiteral("--large-dictionary=40")});
    ASSERT_EQ(dictionary.exitCode, 0) << dictionary.err.toStdString();
    EXPECT_TRUE(dictionary.out.contains(QStringLiteral("Described tables: 41\n"))) << dictionary.out.toStdString();
}

TEST(TabrixDemoDb, ReportsBadArgumentsAndUnwritablePaths)
{
    EXPECT_EQ(Tabrix({QStringLiteral("demo-db")}).exitCode, 1);
    EXPECT_EQ(Tabrix({QStringLiteral("demo-db"), QStringLiteral("x.db"), QStringLiteral("--large-table"), QStringLiteral("many")}).exitCode, 1);
    const Outcome run = Tabrix({QStringLiteral("demo-db"), QStringLiteral("/no/such/folder/account.db")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("/no/such/folder/account.db"))) << run.err.toStdString();
}

// Bad arguments are refused before any window opens, so these runs need no display.
TEST(TabrixBrowse, ReportsBadArgumentsBeforeOpeningAWindow)
{
    const QString db = DemoDatabasePath();
    for (const QStringList& args : {QStringList{QStringLiteral("browse"), QStringLiteral("--language"), QStringLiteral("FR")},
                                    QStringList{QStringLiteral("browse"), QStringLiteral("--db"), db,
                                                QStringLiteral("--connection"), QStringLiteral("Provider=SQLite")},
                                    QStringList{QStringLiteral("browse"), QStringLiteral("--account")},
                                    QStringList{QStringLiteral("browse"), QStringLiteral("--db=a;b.db")},
                                    QStringList{QStringLiteral("browse"), QStringLiteral("--verbose")}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        const Outcome run = Tabrix(args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: tabrix browse"))) << run.err.toStdString();
    }
    const Outcome missing = Tabrix({QStringLiteral("browse"), QStringLiteral("--db"), QStringLiteral("/no/such/account.db")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("no database file '/no/such/account.db'"))) << missing.err.toStdString();
}

// tabrix export in a folder of its own, which holds no type map: the program's own map is used.
class TabrixExport : public ::testing::Test {
protected:
    // A template of one server on the database with one table element; text in UTF-8 unless the
    // bytes are given.
    QString WriteTemplate(const QString& table, const QString& hint, const QString& database = DemoDatabasePath(),
                          const QByteArray& declaration = "UTF-8", const QByteArray& hintBytes = {}) const
    {
        const QString path = m_folder.filePath(QStringLiteral("t.xml"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\" encoding=\"" + declaration + "\"?>\n<template><server name=\"srv\" constr=\"" +
                   QStringLiteral("Provider=SQLite;Data Source=%1").arg(database).toUtf8() +
                   "\"><database name=\"db\"><table name=\"" + table.toUtf8() + "\" hint=\"" +
                   (hintBytes.isEmpty() ? hint.toUtf8() : hintBytes) + "\"/></database></server></template>\n");
        return path;
    }
    Outcome Export(const QStringList& arguments) const
    {
        return Tabrix(QStringList{QStringLiteral("export")} + arguments, m_folder.path());
    }
    QByteArray Read(const QString& name) const
    {
        QFile file(m_folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList Files() const { return QDir(m_folder.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir m_folder;
};

TEST_F(TabrixExport, RunsAnywhereWithTheShippedMapAndStartsItsFilesEmptyUnlessAppending)
{
    WriteTemplate(QStringLiteral("t_Currency"), QStringLiteral("-- 币别"));
    const QStringList files = {QStringLiteral("t.xml"), QStringLiteral("--struct"), QStringLiteral("s.sql"),
                               QStringLiteral("--data"), QStringLiteral("d.sql"), QStringLiteral("--log"),
                               QStringLiteral("l.txt")};
    const Outcome first = Export(files);
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_TRUE(Read(QStringLiteral("s.sql")).contains("create table t_Currency(")) << Read(QStringLiteral("s.sql")).left(200).toStdString();
    // Nothing was logged: the log file is not left behind empty.
    EXPECT_EQ(Files(), QStringList({QStringLiteral("d.sql"), QStringLiteral("s.sql"), QStringLiteral("t.xml")}));
    const QByteArray data = Read(QStringLiteral("d.sql"));
    EXPECT_TRUE(data.startsWith("-- 币别\r\n\r\ndelete from t_Currency"));

    ASSERT_EQ(Export(files).exitCode, 0);
    EXPECT_EQ(Read(QStringLiteral("d.sql")), data);
    ASSERT_EQ(Export(files + QStringList{QStringLiteral("--append")}).exitCode, 0);
    EXPECT_EQ(Read(QStringLiteral("d.sql")), data + data);
}

TEST_F(TabrixExport, OutputThatCannotBeWrittenFailsWithStatus2)
{
    WriteTemplate(QStringLiteral("t_Currency"), QStringLiteral("h"));
    QFile kept(m_folder.filePath(QStringLiteral("s.sql")));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
    kept.close();

    // Checked before the walk: nothing exported, no file made or emptied.
    const Outcome early = Export({QStringLiteral("t.xml"), QStringLiteral("--struct"), QStringLiteral("s.sql"),
                                  QStringLiteral("--log"), QStringLiteral("l.txt"), QStringLiteral("--data"),
                                  QStringLiteral("/nonexistent/d.sql")});
    EXPECT_EQ(early.exitCode, 2);
    EXPECT_TRUE(early.err.contains(QStringLiteral("'/nonexistent/d.sql'")) &&
                early.err.contains(QStringLiteral("No such file or directory")))
        << early.err.toStdString();
    EXPECT_EQ(early.out, QString());
    EXPECT_EQ(Files(), QStringList({QStringLiteral("s.sql"), QStringLiteral("t.xml")}));
    EXPECT_EQ(Read(QStringLiteral("s.sql")), QByteArray("kept"));

    // Failing during the run: every write to a full device is lost and counted.
    const Outcome rows = Tabrix({QStringLiteral("query"), QStringLiteral("--db"), DemoDatabasePath(),
                                 QStringLiteral("select count(*) as n from t_Currency")});
    const int currencies = rows.out.split(u'\n').value(1).toInt();
    ASSERT_GT(currencies, 0);
    const Outcome full = Export({QStringLiteral("t.xml"), QStringLiteral("--data"), QStringLiteral("/dev/full")});
    EXPECT_EQ(full.exitCode, 2);
    // The hint, the delete, and two writes for each insert.
    const int lost = 2 + 2 * currencies;
    EXPECT_TRUE(full.err.contains(QStringLiteral("%1 writes failed").arg(lost)) &&
                full.err.contains(QStringLiteral("/dev/full (%1)").arg(lost)))
        << full.err.toStdString();
}

TEST_F(TabrixExport, MissingSourceFailsItsDatabaseAndMakesNoFile)
{
    const QString missing = m_folder.filePath(QStringLiteral("missing.db"));
    WriteTemplate(QStringLiteral("t_Currency"), QStringLiteral("h"), missing);
    const Outcome run = Export({QStringLiteral("t.xml"), QStringLiteral("--struct"), QStringLiteral("s.sql"),
                                QStringLiteral("--data"), QStringLiteral("d.sql"), QStringLiteral("--log"),
                                QStringLiteral("l.txt")});
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("srv/db: Cannot open database \"%1\" requested by the login. The login failed.").arg(missing)))
        << run.err.toStdString();
    EXPECT_EQ(Files(), QStringList{QStringLiteral("t.xml")});
}

TEST_F(TabrixExport, GbkTemplateGivesItsHintsInUtf8)
{
    WriteTemplate(QStringLiteral("t_Currency"), {}, DemoDatabasePath(), "GBK", "-- \xB1\xD2\xB1\xF0\xB1\xED");
    const Outcome run = Export({QStringLiteral("t.xml"), QStringLiteral("--struct"), QStringLiteral("s.sql"),
                                QStringLiteral("--data"), QStringLiteral("d.sql")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(Read(QStringLiteral("s.sql")).startsWith("-- 币别表\r\n\r\ndrop table t_Currency"));
    EXPECT_TRUE(Read(QStringLiteral("d.sql")).startsWith("-- 币别表\r\n\r\ndelete from t_Currency"));
}

// The report, the scripts and a demo database written to a file, a link, a link to nothing and a
// FIFO (as a device would be): each name is still what it was and holds what was written.
TEST_F(TabrixExport, OutputsWriteThroughLinksAndIntoFifosWithoutReplacingThem)
{
    WriteTemplate(QStringLiteral("t_Currency"), QStringLiteral("-- 币别表"));
    for (const OutputPlace::Kind kind : OutputPlace::kKinds) {
        const QString n = QString::number(static_cast<int>(kind));
        OutputPlace report(m_folder.path(), QStringLiteral("r%1.json").arg(n), kind);
        OutputPlace data(m_folder.path(), QStringLiteral("d%1.sql").arg(n), kind);
        OutputPlace database(m_folder.path(), QStringLiteral("a%1.db").arg(n), kind);
        SCOPED_TRACE(report.KindName());
        const Outcome run = Export({QStringLiteral("t.xml"), QStringLiteral("--data"), data.Path(), QStringLiteral("--report"),
                                    report.Path()});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonObject facts = QJsonDocument::fromJson(report.Received()).object();
        EXPECT_EQ(facts[QStringLiteral("exitStatus")].toInt(-1), 0);
        EXPECT_EQ(facts[QStringLiteral("tables")][0][QStringLiteral("table")].toString(), QStringLiteral("t_Currency"));
        EXPECT_TRUE(data.Received().startsWith("-- 币别表\r\n\r\ndelete from t_Currency"));

        const Outcome made = Tabrix({QStringLiteral("demo-db"), database.Path()});
        EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
        EXPECT_TRUE(database.Received().startsWith(QByteArray("SQLite format 3\0", 16)));
        for (const OutputPlace* place : {&report, &data, &database})
            place->ExpectUnchanged();
    }
}

// The report names every table with how its parts ended and what its data came to: the bytes
// of every table and its hint line make up the data script exactly.
TEST_F(TabrixExport, ReportGivesEveryTableItsFactsAndTheExitStatus)
{
    const QString database = m_folder.filePath(QStringLiteral("account.db"));
    ASSERT_TRUE(QFile::copy(DemoDatabasePath(), database));
    QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
    const QString connection = QStringLiteral("Provider=SQLite;Data Source=%1").arg(database);
    for (const char* sql : {"create table t_Odd(id int, n int)", "insert into t_Odd values(1, 2)",
                            "insert into t_Odd values(2, 'abc')", "insert into t_Odd values(3, 'x''y')"})
        ASSERT_EQ(Tabrix({QStringLiteral("query"), QStringLiteral("--write"), QStringLiteral("--connection"), connection,
                          QLatin1String(sql)}).exitCode, 0);
    QFile file(m_folder.filePath(QStringLiteral("t.xml")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral(R"(<template><server name="srv" constr="%1" structfile="s.sql" datafile="d.sql">
                                   <database name="db"><table name="t_Currency" hint="h1"/><table name="t_Missing" hint="h2"/>
                                   <table name="t_Odd" hint="h3"/><table name="t_Sample" hint="h4" expr="where FID &lt; 3"/></database>
                                 </server><server name="gone" constr="Provider=SQLite;Data Source=%2" datafile="d.sql">
                                   <database name="nodb"><table name="t1"/></database></server></template>)")
                   .arg(connection, m_folder.filePath(QStringLiteral("missing.db")))
                   .toUtf8());
    file.close();

    // A report that cannot be written stops the run before anything is exported.
    const Outcome refused = Export({QStringLiteral("t.xml"), QStringLiteral("--report"), QStringLiteral("no/such/r.json")});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("no/such/r.json"))) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(m_folder.filePath(QStringLiteral("d.sql"))));

    const Outcome run = Export({QStringLiteral("t.xml"), QStringLiteral("--report=r.json")});
    EXPECT_EQ(run.exitCode, 3) << run.err.toStdString();
    const QJsonObject report = QJsonDocument::fromJson(Read(QStringLiteral("r.json"))).object();
    EXPECT_EQ(report.value(QStringLiteral("exitStatus")).toInt(), 3);
    EXPECT_FALSE(report.value(QStringLiteral("interrupted")).toBool());
    const QJsonArray tables = report.value(QStringLiteral("tables")).toArray();
    ASSERT_EQ(tables.size(), 4);
    // Table, structure, data, rows, estimate (null: not known), cancelled.
    const struct {
        const char* table;
        QJsonValue structure, data;
        int rows;
        QJsonValue estimate;
    } expected[] = {
        {"t_Currency", QStringLiteral("ok"), QStringLiteral("ok"), 5, 5},
        {"t_Missing", QStringLiteral("Invalid object name 't_Missing'."), QStringLiteral("Invalid object name 't_Missing'."),
         0, QJsonValue()},
        {"t_Odd", QStringLiteral("ok"), QStringLiteral("ok"), 3, 3},
        {"t_Sample", QStringLiteral("ok"), QStringLiteral("ok"), 2, QJsonValue()},  // expr: not counted
    };
    qint64 bytes = 0;
    for (qsizetype i = 0; i < tables.size(); ++i) {
        const QJsonObject table = tables[i].toObject();
        SCOPED_TRACE(expected[i].table);
        EXPECT_EQ(table.value(QStringLiteral("server")).toString(), QStringLiteral("srv"));
        EXPECT_EQ(table.value(QStringLiteral("database")).toString(), QStringLiteral("db"));
        EXPECT_EQ(table.value(QStringLiteral("table")).toString(), QLatin1String(expected[i].table));
        EXPECT_EQ(table.value(QStringLiteral("structure")), expected[i].structure);
        EXPECT_EQ(table.value(QStringLiteral("data")), expected[i].data);
        EXPECT_EQ(table.value(QStringLiteral("rows")).toInt(), expected[i].rows);
        EXPECT_EQ(table.value(QStringLiteral("estimatedRows")), expected[i].estimate);
        EXPECT_FALSE(table.value(QStringLiteral("cancelled")).toBool());
        EXPECT_GE(table.value(QStringLiteral("seconds")).toDouble(), 0);
        // and its hint write: "hN" + CR LF, which the writer ends with CR LF
        bytes += table.value(QStringLiteral("bytes")).toInteger() + 6;
    }
    EXPECT_EQ(bytes, static_cast<qint64>(Read(QStringLiteral("d.sql")).size()));
    const QJsonArray forms = tables[2].toObject().value(QStringLiteral("otherForms")).toArray();
    ASSERT_EQ(forms.size(), 1);
    EXPECT_EQ(forms[0].toObject(), (QJsonObject{{QStringLiteral("column"), QStringLiteral("n")},
                                                {QStringLiteral("values"), 2},
                                                {QStringLiteral("firstRow"), 2}}));
    EXPECT_EQ(report.value(QStringLiteral("failedDatabases")).toArray(),
              (QJsonArray{QJsonObject{{QStringLiteral("server"), QStringLiteral("gone")},
                                      {QStringLiteral("database"), QStringLiteral("nodb")},
                                      {QStringLiteral("error"),
                                       QStringLiteral("Cannot open database \"%1\" requested by the login. The login failed.")
                                           .arg(m_folder.filePath(QStringLiteral("missing.db")))}}}));
    const QJsonObject totals = report.value(QStringLiteral("totals")).toObject();
    EXPECT_EQ(totals.value(QStringLiteral("tables")).toInt(), 4);
    EXPECT_EQ(totals.value(QStringLiteral("rows")).toInt(), 10);
    EXPECT_EQ(totals.value(QStringLiteral("bytes")).toInteger(), bytes - 4 * 6);
    EXPECT_EQ(totals.value(QStringLiteral("structureFailures")).toInt(), 1);
    EXPECT_EQ(totals.value(QStringLiteral("dataFailures")).toInt(), 1);
    EXPECT_EQ(totals.value(QStringLiteral("otherFormValues")).toInt(), 2);
    EXPECT_EQ(totals.value(QStringLiteral("failedDatabases")).toInt(), 1);
    EXPECT_EQ(totals.value(QStringLiteral("cancelled")).toInt(), 0);
    EXPECT_EQ(totals.value(QStringLiteral("failedWrites")).toInt(), 0);
    // Written whole under its own name, nothing left beside it.
    EXPECT_EQ(Files().filter(QStringLiteral("r.json")), QStringList(QStringLiteral("r.json")));
}

// Whether the process waits inside a write (to the FIFO that nobody reads now).
bool BlockedInWrite(qint64 pid)
{
    std::ifstream call("/proc/" + std::to_string(pid) + "/syscall");
    long number = -1;
    call >> number;
    return number == SYS_write;
}

// Whether SIGINT waits to be taken by the process.
bool InterruptPending(qint64 pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if ((line.rfind("SigPnd:", 0) == 0 || line.rfind("ShdPnd:", 0) == 0) &&
            std::stoull(line.substr(7), nullptr, 16) & (1ull << (SIGINT - 1)))
            return true;
    return false;
}

// The data script goes into a FIFO that this test reads: while it stops reading, the export
// waits in a write, so both presses of Ctrl+C come in the middle of the table on any machine,
// and the second one is taken before the export asks at its next row. With batches, the open
// transaction is closed; either way the report's rows are the inserts in the file.
TEST_F(TabrixExport, SecondInterruptQuitsWithTheScriptAtAWholeStatement)
{
    const QString database = m_folder.filePath(QStringLiteral("large.db"));
    ASSERT_TRUE(QFile::copy(DemoDatabasePath(), database));
    demo::AddLargeTable(database, 100000);
    WriteTemplate(QStringLiteral("t_LargeTable"), QStringLiteral("h"), database);
    for (const QString& batch : {QString(), QStringLiteral("700")}) {
        SCOPED_TRACE("batch " + batch.toStdString());
        const std::string fifo = m_folder.filePath(QStringLiteral("d%1.fifo").arg(batch)).toStdString();
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        ASSERT_GE(reader, 0);

        QProcess process;
        process.setWorkingDirectory(m_folder.path());
        QStringList arguments = {QStringLiteral("export"), QStringLiteral("t.xml"), QStringLiteral("--data"),
                                 QString::fromStdString(fifo), QStringLiteral("--report"), QStringLiteral("r.json")};
        if (!batch.isEmpty())
            arguments << QStringLiteral("--batch") << batch;
        process.start(QStringLiteral(TABRIX_PROGRAM), arguments);
        ASSERT_TRUE(process.waitForStarted());
        std::string script;
        // Reads what comes within milliseconds of each piece, up to limit bytes in all.
        const auto readFor = [&](int milliseconds, size_t limit = std::string::npos) {
            pollfd ready{reader, POLLIN, 0};
            char buffer[4096];
            while (script.size() < limit && ::poll(&ready, 1, milliseconds) > 0) {
                const ssize_t count = ::read(reader, buffer, sizeof buffer);
                if (count <= 0)
                    return;
                script.append(buffer, static_cast<size_t>(count));
            }
        };
        while (script.size() < 100000 && !process.waitForFinished(0))
            readFor(100, 100000);
        while (!BlockedInWrite(process.processId()) && !process.waitForFinished(0))
            ::usleep(1000);
        ASSERT_EQ(process.state(), QProcess::Running);
        for (int press = 0; press < 2; ++press) {
            ::kill(static_cast<pid_t>(process.processId()), SIGINT);
            while (InterruptPending(process.processId()))
                ::usleep(1000);
        }
        while (process.state() == QProcess::Running) {
            readFor(10);
            process.waitForFinished(10);
        }
        readFor(0);
        ::close(reader);

        EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);
        EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("quit")));
        ASSERT_GT(script.size(), 100000u);
        // A whole statement last; with batches every transaction begun is committed, the last one
        // on the script's last line.
        const auto count = [&](const std::string& text) {
            size_t n = 0;
            for (size_t at = script.find(text); at != std::string::npos; at = script.find(text, at + 1))
                ++n;
            return n;
        };
        const std::string end = batch.isEmpty() ? ")\r\n" : ")\r\ncommit tran\r\n";
        EXPECT_EQ(script.substr(script.size() - end.size()), end);
        EXPECT_EQ(count("begin tran\r\n"), count("commit tran\r\n"));
        EXPECT_EQ(count("begin tran") > 0, !batch.isEmpty());
        // Every insert whole and in order from the first row, far from the end of the table.
        const std::string marker = ") values(";
        qint64 expected = 1;
        for (size_t at = script.find(marker); at != std::string::npos; at = script.find(marker, at + 1), ++expected)
            ASSERT_EQ(std::stoll(script.substr(at + marker.size(), 12)), expected);
        EXPECT_LT(expected, 100000);

        // The report is written before the program quits, and names the table it quit in with
        // the rows its file holds.
        const QJsonObject report = QJsonDocument::fromJson(Read(QStringLiteral("r.json"))).object();
        EXPECT_EQ(report.value(QStringLiteral("exitStatus")).toInt(), 130);
        EXPECT_TRUE(report.value(QStringLiteral("interrupted")).toBool());
        const QJsonArray tables = report.value(QStringLiteral("tables")).toArray();
        ASSERT_EQ(tables.size(), 1);
        const QJsonObject table = tables[0].toObject();
        EXPECT_EQ(table.value(QStringLiteral("table")).toString(), QStringLiteral("t_LargeTable"));
        EXPECT_EQ(table.value(QStringLiteral("data")).toString(), QStringLiteral("interrupted"));
        EXPECT_TRUE(table.value(QStringLiteral("cancelled")).toBool());
        EXPECT_EQ(table.value(QStringLiteral("estimatedRows")).toInt(), 100000);
        EXPECT_EQ(table.value(QStringLiteral("rows")).toInt(), expected - 1);
    }
}

// A data file that cannot take the table's rows (a file size limit stands in for a full disk):
// the table is not reported "ok", its rows are those whose inserts are whole in the file, and
// the run exits 2 naming the file.
TEST_F(TabrixExport, ATableWhoseWritesFailIsNotOkAndCountsOnlyTheRowsInTheFile)
{
    const QString database = m_folder.filePath(QStringLiteral("large.db"));
    ASSERT_TRUE(QFile::copy(DemoDatabasePath(), database));
    demo::AddLargeTable(database, 20000);
    WriteTemplate(QStringLiteral("t_LargeTable"), QStringLiteral("h"), database);
    QProcess process;
    process.setWorkingDirectory(m_folder.path());
    constexpr rlim_t kLimit = 300000;  // bytes; the report and the structure script are smaller
    process.setChildProcessModifier([] {
        const rlimit limit{kLimit, kLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_IGN);  // a write beyond the limit then fails as on a full disk
    });
    process.start(QStringLiteral(TABRIX_PROGRAM), {QStringLiteral("export"), QStringLiteral("t.xml"), QStringLiteral("--data"),
                                                   QStringLiteral("d.sql"), QStringLiteral("--report"),
                                                   QStringLiteral("r.json"), QStringLiteral("--batch"),
                                                   QStringLiteral("100")});
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 2);
    EXPECT_TRUE(QString::fromUtf8(process.readAllStandardError()).contains(QStringLiteral("d.sql")));

    const QByteArray script = Read(QStringLiteral("d.sql"));
    EXPECT_EQ(script.size(), static_cast<qsizetype>(kLimit));
    qint64 whole = 0;  // inserts whose line ends in the file
    for (qsizetype at = script.indexOf(") values("); at >= 0; at = script.indexOf(") values(", at + 1))
        whole += script.indexOf("\r\n", at) >= 0;
    const QJsonObject table =
        QJsonDocument::fromJson(Read(QStringLiteral("r.json"))).object().value(QStringLiteral("tables")).toArray()[0].toObject();
    EXPECT_GT(whole, 0);
    EXPECT_EQ(table.value(QStringLiteral("rows")).toInt(), whole);
    EXPECT_TRUE(table.value(QStringLiteral("data")).toString().contains(QStringLiteral("writes to d.sql failed")))
        << table.value(QStringLiteral("data")).toString().toStdString();
}

TEST(Tabrix, ListsItsCommands)
{
    const Outcome help = Tabrix({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("tabrix demo-db FILE")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("tabrix query [--db FILE | --connection TEXT] [--write] SQL")));
    const Outcome none = Tabrix({});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains(QStringLiteral("tabrix query")));
    const Outcome unknown = Tabrix({QStringLiteral("frobnicate")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("unknown command 'frobnicate'")));
}

}  // namespace
