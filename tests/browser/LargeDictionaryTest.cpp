// The large-dictionary generator across several of its batches: a sound file whose every table
// the browser's data layer reads with its columns and indexes.
#include "DemoDatabase.h"
#include "DictionaryReader.h"
#include "HeldConnection.h"
#include "ShareProps.h"
#include "SqliteFile.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(LargeDictionaryTest, EveryGeneratedTableIsWholeAcrossBatches)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("large.db"));
    constexpr int kTables = 640;  // past two batches, ending inside a third
    demo::WriteLargeDictionary(path, kTables);
    {
        demo::SqliteFile file(path);
        EXPECT_EQ(file.Int(QStringLiteral("SELECT count(*) FROM pragma_integrity_check WHERE integrity_check = 'ok'")), 1);
        EXPECT_EQ(file.Int(QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE type = 'table' AND name GLOB 't_Table[0-9]*'")),
                  kTables);
        // The generated tables come in creation order after the dictionary's own.
        EXPECT_LT(file.Int(QStringLiteral("SELECT rowid FROM sqlite_schema WHERE name = 't_Table1'")),
                  file.Int(QStringLiteral("SELECT rowid FROM sqlite_schema WHERE name = 't_Table640'")));
    }

    modPublic::ReleaseModuleState();
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                            QStringLiteral("Provider=SQLite;Data Source=%1;Language=EN").arg(path));
    clsGetData data;
    data.HoldConnection(std::make_shared<HeldConnection>(modPublic::GetPropsString()));
    DictionaryReader reader(data);
    DictionaryDocument document;
    QString message;
    ASSERT_TRUE(reader.ReadTree(document, message)) << message.toStdString();
    reader.ReadAll(document);
    int tables = 0;
    for (const DictionaryGroup& group : document.groups) {
        for (const DictionaryTable& table : group.tables) {
            SCOPED_TRACE(table.name.toStdString());
            ++tables;
            EXPECT_TRUE(table.message.isEmpty()) << table.message.toStdString();
            ASSERT_TRUE(table.fields && table.indexes);
            EXPECT_EQ(table.fields->Count(), table.name == QLatin1String("t_WideTable") ? 300 : 5);
            EXPECT_EQ(table.indexes->Count(), table.name == QLatin1String("t_WideTable") ? 1 : 2);
        }
    }
    EXPECT_EQ(tables, kTables + 1);
    modPublic::ReleaseModuleState();
}

}  // namespace
