// The tabrix program's command line: help, version, usage errors, the manual page, and the
// password of a SQL Server connection text taken from the environment and never shown.
#include "StandinProcess.h"
#include "TabrixRun.h"

#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

using Outcome = TabrixOutcome;

Outcome Tabrix(const QStringList& arguments, const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    return RunTabrix(arguments, {}, environment, 60000);
}

const QStringList kCommands = {QStringLiteral("demo-db"), QStringLiteral("query"),   QStringLiteral("convert"),
                               QStringLiteral("export"),  QStringLiteral("apply"),   QStringLiteral("dictionary"),
                               QStringLiteral("browse")};

// The options a usage line names, as "--name".
QStringList UsageOptions(const QString& help)
{
    const QString usage = help.section(QStringLiteral("\n\n"), 0, 0);
    QStringList names;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("--[a-z-]+")).globalMatch(usage))
        names << match.captured();
    names.removeDuplicates();
    return names;
}

TEST(TabrixOptions, StatusAndOutputOfHelpVersionAndUsageErrors)
{
    struct Case {
        QStringList args;
        int status;
        QString out;  // a text standard output holds ("" : nothing printed there)
        QString err;  // a text standard error holds
    };
    const QList<Case> cases = {
        {{QStringLiteral("--help")}, 0, QStringLiteral("tabrix COMMAND --help"), {}},
        {{QStringLiteral("-h")}, 0, QStringLiteral("tabrix export TEMPLATE"), {}},
        {{QStringLiteral("--version")}, 0, QStringLiteral("tabrix 0."), {}},
        {{QStringLiteral("export"), QStringLiteral("--help")}, 0, QStringLiteral("exit status: 0 nothing logged"), {}},
        {{QStringLiteral("dictionary"), QStringLiteral("t_Account"), QStringLiteral("-h")}, 0,
         QStringLiteral("usage: tabrix dictionary"), {}},
        {{QStringLiteral("--bogus")}, 1, {}, QStringLiteral("Unknown option 'bogus'")},
        {{QStringLiteral("export"), QStringLiteral("t.xml"), QStringLiteral("--frob")}, 1, {},
         QStringLiteral("unknown option '--frob'\nusage: tabrix export TEMPLATE")},
        {{QStringLiteral("apply"), QStringLiteral("--db")}, 1, {},
         QStringLiteral("Missing value after '--db'.\nusage: tabrix apply")},
        {{QStringLiteral("dictionary"), QStringLiteral("--all=yes")}, 1, {}, QStringLiteral("usage: tabrix dictionary")},
        {{QStringLiteral("demo-db"), QStringLiteral("x.db"), QStringLiteral("-x")}, 1, {},
         QStringLiteral("unknown option '-x'\nusage: tabrix demo-db")},
        {{QStringLiteral("convert"), QStringLiteral("--db"), QStringLiteral("a.db")}, 1, {},
         QStringLiteral("unknown option '--db'\nusage: tabrix convert")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const Outcome run = Tabrix(c.args);
        EXPECT_EQ(run.exitCode, c.status) << run.err.toStdString();
        if (c.out.isEmpty())
            EXPECT_EQ(run.out, QString());
        else
            EXPECT_TRUE(run.out.contains(c.out)) << run.out.toStdString();
        EXPECT_TRUE(run.err.contains(c.err)) << run.err.toStdString();
    }
}

// Every option a command's usage line names is described in its help and in the manual page.
TEST(TabrixOptions, EveryOptionIsDescribedInHelpAndManualPage)
{
    const Outcome manual = Tabrix({QStringLiteral("--man")});
    ASSERT_EQ(manual.exitCode, 0);
    EXPECT_TRUE(manual.out.startsWith(QStringLiteral(".TH TABRIX 1 "))) << manual.out.left(80).toStdString();
    EXPECT_TRUE(manual.out.contains(QStringLiteral("TABRIX_PASSWORD")));
    for (const QString& command : kCommands) {
        SCOPED_TRACE(command.toStdString());
        const Outcome help = Tabrix({command, QStringLiteral("--help")});
        ASSERT_EQ(help.exitCode, 0);
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("usage: tabrix ") + command)) << help.out.toStdString();
        EXPECT_TRUE(help.out.contains(QStringLiteral("\nexit status: 0 ")));
        EXPECT_TRUE(manual.out.contains(QStringLiteral(".SS ") + command + u'\n'));
        for (const QString& option : UsageOptions(help.out)) {
            const QRegularExpression described(QStringLiteral("\n  %1( [^\n]+)?\n      \\S").arg(QRegularExpression::escape(option)));
            EXPECT_TRUE(described.match(help.out).hasMatch()) << option.toStdString() << " in\n" << help.out.toStdString();
            QString roff = option;
            roff.replace(u'-', QStringLiteral("\\-"));
            EXPECT_TRUE(manual.out.contains(QStringLiteral(".B ") + roff)) << option.toStdString();
        }
    }
}

// The stand-in server checks the password: a query with the right one from TABRIX_PASSWORD
// succeeds, a wrong one is refused, and neither is ever printed.
TEST(TabrixOptions, PasswordComesFromTheEnvironmentAndIsNeverShown)
{
    const StandinProcess server;
    ASSERT_TRUE(server.Started()) << "tds_standin did not write its port";
    QString withoutPassword = QString::fromStdString(server.ConnectionText(""));
    withoutPassword.remove(QStringLiteral("pwd=;"));
    ASSERT_FALSE(withoutPassword.contains(QStringLiteral("pwd"), Qt::CaseInsensitive));

    const QString right = QString::fromStdString(server.Password());
    const QString wrong = QStringLiteral("not;") + right;
    for (const QString& password : {right, wrong}) {
        SCOPED_TRACE(password == right ? "right password" : "wrong password");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TABRIX_PASSWORD"), password);
        const Outcome run = Tabrix({QStringLiteral("query"), QStringLiteral("--connection"), withoutPassword,
                                    QStringLiteral("select 41 + 1 as n")},
                                   environment);
        if (password == right) {
            EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
            EXPECT_EQ(run.out, QStringLiteral("n\n42\n"));
        } else {
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_TRUE(run.err.contains(QStringLiteral("Login failed for user 'sa'."))) << run.err.toStdString();
        }
        EXPECT_FALSE(run.out.contains(right) || run.err.contains(right)) << run.err.toStdString();
    }

    // Without the variable and without a terminal, no prompt: the login goes without a password.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("TABRIX_PASSWORD"));
    const Outcome none = Tabrix({QStringLiteral("query"), QStringLiteral("--connection"), withoutPassword,
                                 QStringLiteral("select 1")},
                                environment);
    EXPECT_EQ(none.exitCode, 2);
    EXPECT_FALSE(none.err.contains(QStringLiteral("Password for")));
}

}  // namespace
