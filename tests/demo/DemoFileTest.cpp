// Writing the demo database to a file: replacing what is there, and failing cleanly.
#include "SqliteReader.h"
#include "TestDemoDb.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

TEST(DemoFile, ReplacesAnExistingFileAndLeavesNothingElse)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("account.db"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("not a database");
    old.close();

    demo::WriteDemoDatabase(path);
    EXPECT_EQ(SqliteReader(path).Int("select count(*) from t_tabledescription"), 150);
    EXPECT_EQ(Entries(folder.path()), QStringList{QStringLiteral("account.db")});
    EXPECT_TRUE(QFile::permissions(path) & QFile::ReadOther);
}

TEST(DemoFile, UnwritablePathsFailWithThePath)
{
    QTemporaryDir folder;
    const QString missing = folder.filePath(QStringLiteral("no-such-folder/account.db"));
    try {
        demo::WriteDemoDatabase(missing);
        FAIL() << "no error for a missing folder";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find(missing.toStdString()), std::string::npos) << error.what();
    }
    // A folder in the way stays as it was, and no half-written file is left beside it.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    EXPECT_THROW(demo::WriteDemoDatabase(folder.filePath(QStringLiteral("taken"))), std::runtime_error);
    EXPECT_EQ(Entries(folder.path()), QStringList{QStringLiteral("taken")});
    EXPECT_THROW(demo::AddLargeTable(missing, 10), std::runtime_error);
    EXPECT_THROW(demo::WriteLargeDictionary(missing, 10), std::runtime_error);
}

TEST(DemoFile, SharedTestDatabaseIsWrittenOnce)
{
    const QString& first = DemoDatabasePath();
    const QString& second = DemoDatabasePath();
    EXPECT_EQ(&first, &second);
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_TRUE(DemoConnectionText(QStringLiteral("EN")).endsWith(QStringLiteral(";Language=EN")));
}

}  // namespace
