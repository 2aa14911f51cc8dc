// The dictionary command's drift check on a database with one drift of each kind, and on one
// without drift.
#include "SqliteFile.h"
#include "TabrixRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Outcome = TabrixOutcome;

Outcome Dictionary(const QStringList& args)
{
    return RunTabrix(QStringList{QStringLiteral("dictionary")} + args, {}, QProcessEnvironment::systemEnvironment(),
                     60000);
}

// The dictionary of t_Ok, with a description stored in another letter case and with trailing
// blanks (still its column); drift adds a described table that does not exist, a table nobody
// described, a description of a field that is no column and a column without a description.
void WriteDatabase(const QString& file, bool drift)
{
    demo::SqliteFile db(file);
    db.Exec(
        "CREATE TABLE t_Subsystem (FSubSysID int NOT NULL, FName nvarchar(80) NOT NULL, FName_CHT nvarchar(80) NULL,"
        " FName_EN nvarchar(80) NULL, CONSTRAINT PK_t_Subsystem PRIMARY KEY (FSubSysID));"
        "INSERT INTO t_Subsystem VALUES (1, '检查', '檢查', 'Check');"
        "CREATE TABLE t_tabledescription (FSubSystemID int NOT NULL, FTableID int NOT NULL, FTableName varchar(50) NOT NULL,"
        " FDescription nvarchar(255) NULL, FDescription_CHT nvarchar(255) NULL, FDescription_EN nvarchar(255) NULL,"
        " CONSTRAINT PK_t_tabledescription PRIMARY KEY (FTableID));"
        "INSERT INTO t_tabledescription VALUES (1, 1, 't_Ok', '正常表', '正常表', 'Sound table');"
        "CREATE TABLE t_FieldDescription (FTableID int NOT NULL, FFieldName varchar(50) NOT NULL,"
        " FDescription nvarchar(255) NULL, FDescription_CHT nvarchar(255) NULL, FDescription_EN nvarchar(255) NULL,"
        " FFieldNote nvarchar(255) NULL, FFieldNote_CHT nvarchar(255) NULL, FFieldNote_EN nvarchar(255) NULL,"
        " CONSTRAINT PK_t_FieldDescription PRIMARY KEY (FTableID, FFieldName));"
        "INSERT INTO t_FieldDescription VALUES (1, 'FID', '序号', '序號', 'ID', NULL, NULL, NULL),"
        " (1, 'fname  ', '名称', '名稱', 'Name', NULL, NULL, NULL);"
        "CREATE TABLE t_Ok (FID int NOT NULL, FName nvarchar(40) NULL);");
    if (drift)
        db.Exec("INSERT INTO t_tabledescription VALUES (1, 2, 't_Gone', '已删表', '已刪表', 'Dropped table');"
                "INSERT INTO t_FieldDescription VALUES (1, 'FOld', '旧字段', '舊欄位', 'Old field', NULL, NULL, NULL);"
                "ALTER TABLE t_Ok ADD COLUMN FNew int NULL;"
                "CREATE TABLE t_Extra (FID int NOT NULL);");
}

TEST(DictionaryCheckTest, ReportsEachKindOfDriftAndExitsOneOnlyThen)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString drifted = folder.filePath(QStringLiteral("drifted.db"));
    const QString sound = folder.filePath(QStringLiteral("sound.db"));
    WriteDatabase(drifted, true);
    WriteDatabase(sound, false);

    const Outcome json = Dictionary({QStringLiteral("--db"), drifted, QStringLiteral("--language"), QStringLiteral("EN"),
                                 QStringLiteral("--check"), QStringLiteral("--format"), QStringLiteral("json")});
    EXPECT_EQ(json.exitCode, 1) << json.err.toStdString();
    const QJsonObject answer = QJsonDocument::fromJson(json.out.toUtf8()).object();
    QStringList items;
    for (const QJsonValue& row : answer[QStringLiteral("rows")].toArray())
        items << row[QStringLiteral("drift")].toString() + u'|' + row[QStringLiteral("table")].toString() + u'|' +
                     row[QStringLiteral("field")].toString();
    EXPECT_EQ(items, (QStringList{QStringLiteral("Described table does not exist|t_Gone|"),
                                  QStringLiteral("Table not described|t_Extra|"),
                                  QStringLiteral("Described field is not a column|t_Ok|FOld"),
                                  QStringLiteral("Column without description|t_Ok|FNew")}));
    EXPECT_EQ(answer[QStringLiteral("summary")].toString(), QStringLiteral("Differences: 4"));

    // Text ends with the summary line.
    const Outcome text = Dictionary({QStringLiteral("--db"), drifted, QStringLiteral("--check")});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_TRUE(text.out.endsWith(QStringLiteral("\n差异数: 4\n"))) << text.out.toStdString();

    const Outcome clean = Dictionary({QStringLiteral("--db"), sound, QStringLiteral("--check")});
    EXPECT_EQ(clean.exitCode, 0) << clean.out.toStdString() << clean.err.toStdString();
    EXPECT_TRUE(clean.out.endsWith(QStringLiteral("\n差异数: 0\n"))) << clean.out.toStdString();
}

// A "(" in a description keeps its table; a find text is matched as it is, never run.
TEST(DictionaryCheckTest, DescriptionsAndFindTextsStayData)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("sound.db"));
    WriteDatabase(file, false);
    demo::SqliteFile(file).Exec("UPDATE t_tabledescription SET FDescription_EN = 'Sound (chart) table'");
    const QStringList english = {QStringLiteral("--db"), file, QStringLiteral("--language"), QStringLiteral("EN")};

    const Outcome all = Dictionary(english + QStringList{QStringLiteral("--all")});
    EXPECT_EQ(all.exitCode, 0) << all.err.toStdString();
    EXPECT_TRUE(all.out.contains(QStringLiteral("FName"))) << all.out.toStdString();
    const Outcome check = Dictionary(english + QStringList{QStringLiteral("--check")});
    EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();

    const Outcome chart = Dictionary(english + QStringList{QStringLiteral("--find-name"), QStringLiteral("(CHART)")});
    EXPECT_EQ(chart.exitCode, 0) << chart.err.toStdString();
    EXPECT_TRUE(chart.out.contains(QStringLiteral("t_Ok"))) << chart.out.toStdString();
    for (const QString& code : {QStringLiteral("x%' or 1=1 --"), QStringLiteral("x' union select 1,2,name,4,5,6 from sysobjects --")}) {
        const Outcome injected = Dictionary({QStringLiteral("--db"), file, QStringLiteral("--find-code"), code});
        EXPECT_EQ(injected.exitCode, 0) << injected.err.toStdString();
        EXPECT_FALSE(injected.out.contains(QStringLiteral("t_"))) << injected.out.toStdString();
        EXPECT_EQ(injected.err, QStringLiteral("tabrix dictionary: 没有查询到满足条件项目!\n"));
    }
}

// A table whose query fails (t_Gone has no indexes to ask for) is written with the server's
// message, and the run says so: on standard error and in its exit status.
TEST(DictionaryCheckTest, WholeDictionaryExitsThreeWhenATableCannotBeRead)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString drifted = folder.filePath(QStringLiteral("drifted.db"));
    const QString out = folder.filePath(QStringLiteral("dictionary.json"));
    WriteDatabase(drifted, true);
    const Outcome run = Dictionary({QStringLiteral("--db"), drifted, QStringLiteral("--all"),
                                    QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("--out"), out});
    const QString gone =
        QStringLiteral("The object 't_Gone' does not exist in database 'drifted' or is invalid for this operation.");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_EQ(run.err, QStringLiteral("tabrix dictionary: t_Gone: ") + gone + u'\n');
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject document = QJsonDocument::fromJson(file.readAll()).object();
    QStringList messages;
    for (const QJsonValue& subsystem : document[QStringLiteral("subsystems")].toArray())
        for (const QJsonValue& table : subsystem[QStringLiteral("tables")].toArray())
            messages << table[QStringLiteral("table")].toString() + u'|' + table[QStringLiteral("message")].toString();
    EXPECT_EQ(messages, (QStringList{QStringLiteral("t_Ok|"), QStringLiteral("t_Gone|") + gone}));
}

// Output to a file is whole or absent: a failing run leaves the file that was there.
TEST(DictionaryCheckTest, FailureLeavesTheOutputFileAsItWas)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString out = folder.filePath(QStringLiteral("dictionary.json"));
    QFile previous(out);
    ASSERT_TRUE(previous.open(QIODevice::WriteOnly));
    previous.write("previous");
    previous.close();

    const Outcome missing = Dictionary({QStringLiteral("--connection"), QStringLiteral("Provider=SQLite;Data Source=") +
                                                                        folder.filePath(QStringLiteral("none.db")),
                                    QStringLiteral("--all"), QStringLiteral("--format"), QStringLiteral("json"),
                                    QStringLiteral("--out"), out});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_FALSE(missing.err.isEmpty());
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_EQ(previous.readAll(), QByteArray("previous"));
    previous.close();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("dictionary.json")});

    const Outcome written = Dictionary({QStringLiteral("--all"), QStringLiteral("--format"), QStringLiteral("json"),
                                    QStringLiteral("--out"), out});
    EXPECT_EQ(written.exitCode, 0) << written.err.toStdString();
    EXPECT_TRUE(written.out.isEmpty());
    ASSERT_TRUE(previous.open(QIODevice::ReadOnly));
    EXPECT_FALSE(QJsonDocument::fromJson(previous.readAll()).object()[QStringLiteral("subsystems")].toArray().isEmpty());
}

}  // namespace
