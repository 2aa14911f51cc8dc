// The dictionary command: the host's part played by the program, the same components underneath.
#include "TestDemoDb.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status = -1;
    QString out;
    QString err;
};

Outcome Tabrix(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(TABRIX_PROGRAM), QStringList{QStringLiteral("dictionary")} + args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

TEST(DictionaryCommandTest, PrintsTheTreeIndentedByParent)
{
    const Outcome run = Tabrix({QStringLiteral("--db"), DemoDatabasePath(), QStringLiteral("--language"), QStringLiteral("cht")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n');
    EXPECT_EQ(lines.value(0), QStringLiteral("帳套名稱:[account]"));
    EXPECT_EQ(lines.value(1), QStringLiteral("Norv系統模組列表  [gc0]"));
    EXPECT_EQ(lines.value(2), QStringLiteral("  總賬  [gi1]"));
    EXPECT_EQ(lines.value(3), QStringLiteral("    科目表(t_Account)  [gi1.30]"));
    EXPECT_TRUE(lines.contains(QStringLiteral("    示例表(t_Sample)  [gi13.205]")));
    EXPECT_TRUE(lines.contains(QStringLiteral("   報表   [gi12]")));
    const qsizetype orphans = lines.indexOf(QStringLiteral("(no node gi99)"));
    ASSERT_GT(orphans, 0);
    EXPECT_EQ(lines.value(orphans + 1), QStringLiteral("  引入临时表(t_ImportTemp)  [gi99.990]"));
}

TEST(DictionaryCommandTest, PrintsOneTablesIndexAndFieldRows)
{
    const Outcome run = Tabrix({QStringLiteral("--connection"), DemoConnectionText(QStringLiteral("EN")), QStringLiteral("t_Sample")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n');
    EXPECT_EQ(lines.value(1), QStringLiteral("Sample table(t_Sample)"));
    EXPECT_TRUE(lines.value(3).startsWith(QStringLiteral("Index Name"))) << lines.value(3).toStdString();
    const QStringList fieldHeading = lines.filter(QStringLiteral("Seq."));
    ASSERT_EQ(fieldHeading.size(), 1);
    EXPECT_EQ(fieldHeading[0].split(u' ', Qt::SkipEmptyParts).last(), QStringLiteral("Nullable"));
    const QStringList id = lines.filter(QStringLiteral("  FID  "));
    ASSERT_EQ(id.size(), 1);
    EXPECT_EQ(id[0].split(u' ', Qt::SkipEmptyParts),
              (QStringList{QStringLiteral("11"), QStringLiteral("FID"), QStringLiteral("ID"), QStringLiteral("int"),
                           QStringLiteral("4"), QStringLiteral("10"), QStringLiteral("0"), QStringLiteral("No")}));
}

TEST(DictionaryCommandTest, ReportsBadInputClearly)
{
    const Outcome quote = Tabrix({QStringLiteral("--db"), DemoDatabasePath(), QStringLiteral("t_Sa'mple")});
    EXPECT_EQ(quote.status, 2);
    EXPECT_TRUE(quote.err.contains(QStringLiteral("Unclosed quotation mark"))) << quote.err.toStdString();

    const Outcome language = Tabrix({QStringLiteral("--language"), QStringLiteral("FR")});
    EXPECT_EQ(language.status, 1);
    EXPECT_TRUE(language.err.contains(QStringLiteral("CHS, CHT or EN")));

    const Outcome missing = Tabrix({QStringLiteral("--db"), QStringLiteral("/nonexistent/account.db")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_TRUE(missing.out.isEmpty());
}

}  // namespace
