// The host components the browser uses: records and lists, the value conversion, the resource
// loader with the shipped translations.
#include "AutomationError.h"
#include "ClassInfo.h"
#include "ComponentRegistry.h"
#include "Connection.h"
#include "Dispatch.h"
#include "ResLoader.h"
#include "VexaConvert.h"
#include "VexaList.h"

#include <QTemporaryDir>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

long ErrorNumber(const std::function<void()>& call)
{
    try {
        call();
    } catch (const automation::AutomationError& e) {
        return e.Number();
    }
    return 0;
}

TEST(VexaTest, RecordGivesBackWhatWasSetInOrder)
{
    const auto record = automation::ComponentRegistry::Instance().CreateAs<VexaRecord>(QStringLiteral("Vexa.Record"));
    record->SetValue(QStringLiteral("FType"), QVariant::fromValue<qint16>(1));
    record->SetValue(QStringLiteral("FText"), QStringLiteral("示例表"));
    record->SetValue(QStringLiteral("FVisible"), true);
    record->SetValue(QStringLiteral("ftype"), QVariant::fromValue<qint16>(7));  // replaces, keeps its place
    EXPECT_EQ(record->Count(), 3);
    EXPECT_EQ(record->Name(0), QStringLiteral("FType"));
    EXPECT_EQ(record->GetValue(QStringLiteral("FTYPE")), QVariant::fromValue<qint16>(7));
    EXPECT_EQ(record->GetValue(QStringLiteral("FType")).metaType(), QMetaType::fromType<qint16>());
    EXPECT_EQ(record->Value(1), QVariant(QStringLiteral("示例表")));
    EXPECT_FALSE(record->GetValue(QStringLiteral("Missing")).isValid());
    EXPECT_EQ(ErrorNumber([&] { record->Name(3); }), 9);

    // The same by name, as a host calls it.
    automation::Invoke(record.get(), "SetValue", {QStringLiteral("FKey"), QStringLiteral("gi3.25")});
    EXPECT_EQ(automation::Invoke(record.get(), "GetValue", {QStringLiteral("fkey")}).toString(), QStringLiteral("gi3.25"));
}

TEST(VexaTest, ListKeepsRecordsInOrderAndRefusesOthers)
{
    const automation::ObjectPtr object = automation::CreateObject(QStringLiteral("Vexa.List"));
    const VexaListPtr list = VexaList::From(object);
    ASSERT_TRUE(list);
    std::vector<VexaRecordPtr> records;
    for (int i = 0; i < 3; ++i) {
        records.push_back(std::make_shared<VexaRecord>());
        records.back()->SetValue(QStringLiteral("N"), i);
        if (i == 1)
            automation::Invoke(object.get(), "Add", {QVariant::fromValue<automation::ObjectPtr>(records.back())});
        else
            list->Add(records.back());
    }
    EXPECT_EQ(list->Count(), 3);
    int expected = 0;
    for (const VexaRecordPtr& record : *list)
        EXPECT_EQ(record->GetValue(QStringLiteral("N")).toInt(), expected++);
    EXPECT_EQ(automation::Invoke(object.get(), "Item", {2}).value<automation::ObjectPtr>(), records[2]);
    EXPECT_EQ(ErrorNumber([&] { list->Item(3); }), 9);
    EXPECT_EQ(ErrorNumber([&] { list->Add(std::make_shared<QObject>()); }), 13);
    EXPECT_EQ(ErrorNumber([&] { list->Add(nullptr); }), 91);
    EXPECT_EQ(list->Count(), 3);
    EXPECT_FALSE(VexaList::From(records[0]));
}

TEST(VexaTest, ValueConversionTakesFieldAndFallback)
{
    QTemporaryDir dir;
    const QString text = QStringLiteral("Provider=SQLite;Data Source=") + dir.filePath(QStringLiteral("empty.db"));
    {
        // The data server opens read-only, so the file has to exist first.
        ado::Connection connection;
        connection.Open(text.toStdString(), ado::adModeCreate);
        connection.Execute("create table t (a int)");
    }
    const ado::RecordsetPtr rs = ClassInfo().GetData(
        text, QStringLiteral("select NULL as n, 205 as i, ' 42 ' as t, 2.5 as h, 3.5 as h2, -7.5 as m, 3000000000 as big, 'x' as bad"));
    ASSERT_FALSE(rs->Eof());
    EXPECT_EQ(vexa::ToLong(rs->Fields("n"), 0), 0);
    EXPECT_EQ(vexa::ToLong(rs->Fields("n"), -1), -1);
    EXPECT_EQ(vexa::ToLong(rs->Fields("i"), 0), 205);
    EXPECT_EQ(vexa::ToLong(rs->Fields("t"), 0), 42);
    EXPECT_EQ(vexa::ToLong(rs->Fields("h"), 0), 2);  // half to even
    EXPECT_EQ(vexa::ToLong(rs->Fields("h2"), 0), 4);
    EXPECT_EQ(vexa::ToLong(rs->Fields("m"), 0), -8);
    EXPECT_EQ(ErrorNumber([&] { vexa::ToLong(rs->Fields("big"), 0); }), 6);
    EXPECT_EQ(ErrorNumber([&] { vexa::ToLong(rs->Fields("bad"), 0); }), 13);
}

// Every source text the browser looks up.
const char* const kSourceTexts[] = {
    "Norv系统模块列表", "读取列表错误:", "顺序号", "字段名称", "字段描述", "字段备注", "字段类型", "字段长度",
    "字段精度", "小数位数", "允许为空", "索引名称", "索引描述", "包含的字段", "是", "否", "Corvane提示",
    "Norv字段描述查询工具", "Norv单据描述表", "账套名称:[", "]的内容", "查找", "取消(&C)", "查找(&F)",
    "表代码(&D):", "表名称(&N):", "请至少输入一个查找项目！", "没有查询到满足条件项目!", "查找已经完成.",
    "输入有误,请重新输入"};

TEST(ResLoaderTest, EveryTextHasBothTranslations)
{
    for (const char* language : {"CHT", "EN"}) {
        const QString file = ResLoader::FindResourceFile(QStringLiteral("NorvDesign"), QString::fromLatin1(language));
        ASSERT_FALSE(file.isEmpty()) << language;
        QTranslator translator;
        ASSERT_TRUE(translator.load(file));
        for (const char* source : kSourceTexts) {
            const QString text = translator.translate("NorvDesign", source);
            EXPECT_FALSE(text.isEmpty()) << language << ": " << source;
            if (QLatin1String(language) == QLatin1String("EN")) {
                for (const QChar c : text)
                    EXPECT_LT(c.unicode(), 0x2E80) << "EN " << source << " -> " << text.toStdString();
            }
        }
    }
}

TEST(ResLoaderTest, LoadsByLanguageAndGivesUnknownKeysBack)
{
    const automation::ObjectPtr loader = automation::CreateObject(QStringLiteral("NorvResLoader.Loader"));
    automation::SetProperty(loader.get(), "ResFileBaseName", QStringLiteral("NorvDesign"));
    const auto load = [&](const char* key) {
        return automation::Invoke(loader.get(), "LoadString", {QString::fromUtf8(key)}).toString();
    };
    EXPECT_EQ(load("查找"), QStringLiteral("查找"));  // no language
    automation::SetProperty(loader.get(), "LanguageID", QStringLiteral("EN"));
    EXPECT_EQ(load("查找"), QStringLiteral("Find"));
    EXPECT_EQ(load("表代码(&D):"), QStringLiteral("Table Co&de:"));
    EXPECT_EQ(load("不存在的键"), QStringLiteral("不存在的键"));
    automation::SetProperty(loader.get(), "LanguageID", QStringLiteral("CHT"));
    EXPECT_EQ(load("账套名称:["), QStringLiteral("帳套名稱:["));
    automation::SetProperty(loader.get(), "LanguageID", QStringLiteral("CHS"));
    EXPECT_EQ(load("账套名称:["), QStringLiteral("账套名称:["));
    automation::SetProperty(loader.get(), "LanguageID", QStringLiteral("FR"));
    EXPECT_EQ(load("账套名称:["), QStringLiteral("账套名称:["));
    automation::SetProperty(loader.get(), "ResFileBaseName", QStringLiteral("Other"));
    automation::SetProperty(loader.get(), "LanguageID", QStringLiteral("EN"));
    EXPECT_EQ(load("查找"), QStringLiteral("查找"));
}

}  // namespace
