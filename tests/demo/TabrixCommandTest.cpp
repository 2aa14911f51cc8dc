// The tabrix program's demo-db and query commands, run as a separate process.
#include "TestDemoDb.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Readable failure messages.
void PrintTo(const QString& text, std::ostream* stream)
{
    *stream << '"' << text.toStdString() << '"';
}

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome Tabrix(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TABRIX_PROGRAM), arguments);
    if (!process.waitForFinished(120000))
        ADD_FAILURE() << "tabrix did not finish: " << arguments.join(' ').toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << arguments.join(' ').toStdString();
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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
}

TEST(TabrixQuery, KeepsEveryRowOnOneLine)
{
    const Outcome run = Query(QStringLiteral("select FMemo, FNName from t_Sample where FID = 1"));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("FMemo\tFNName\nfirst line\\r\\nsecond line\t𠀀😀 示例\n"));
    const Outcome tab = Query(QStringLiteral("select FMemo, 'back\\slash' as FPath from t_Sample where FID = 5"));
    EXPECT_EQ(tab.out, QStringLiteral("FMemo\tFPath\ntab\\tinside\tback\\\\slash\n"));
}

TEST(TabrixQuery, StatementWithoutResultPrintsNothing)
{
    QTemporaryDir folder;
    const QString copy = folder.filePath(QStringLiteral("account.db"));
    ASSERT_TRUE(QFile::copy(DemoDatabasePath(), copy));
    const Outcome run = Tabrix({QStringLiteral("query"), QStringLiteral("--connection"),
                            QStringLiteral("Provider=SQLite;Data Source=%1").arg(copy),
                            QStringLiteral("delete from t_Group where FGroupID = 2")});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QString());
    const Outcome left = Tabrix({QStringLiteral("query"), QStringLiteral("--db"), copy, QStringLiteral("select FGroupID from t_Group")});
    EXPECT_EQ(left.out, QStringLiteral("FGroupID\n1\n"));
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

    // --db opens read-only: a change is refused and the data stays.
    const Outcome write = Query(QStringLiteral("delete from t_Sample"));
    EXPECT_EQ(write.exitCode, 2);
    EXPECT_FALSE(write.err.trimmed().isEmpty());
    EXPECT_EQ(Query(QStringLiteral("select count(*) as n from t_Sample")).out, QStringLiteral("n\n6\n"));

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
        EXPECT_TRUE(run.err.contains(QStringLiteral("usage: tabrix query [--db FILE | --connection TEXT] SQL")))
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

TEST(Tabrix, ListsItsCommands)
{
    const Outcome help = Tabrix({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("tabrix demo-db FILE")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("tabrix query [--db FILE | --connection TEXT] SQL")));
    const Outcome none = Tabrix({});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains(QStringLiteral("tabrix query")));
    const Outcome unknown = Tabrix({QStringLiteral("frobnicate")});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("unknown command 'frobnicate'")));
}

}  // namespace
