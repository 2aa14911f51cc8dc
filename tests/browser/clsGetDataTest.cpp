// The data layer on the demo account database, in each language, with the real host components.
#include "AutomationError.h"
#include "ClassInfo.h"
#include "Connection.h"
#include "Dispatch.h"
#include "ShareProps.h"
#include "SqliteFile.h"
#include "TestDemoDb.h"
#include "VexaList.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <tuple>

namespace {

const QStringList kTreeValueNames = {QStringLiteral("FType"),      QStringLiteral("FRelative"),
                                     QStringLiteral("FKey"),       QStringLiteral("FText"),
                                     QStringLiteral("FimgNormal"), QStringLiteral("FimgClick"),
                                     QStringLiteral("FTag")};

QStringList ValueNames(const VexaRecord& record)
{
    QStringList names;
    for (int i = 0; i < record.Count(); ++i)
        names << record.Name(i);
    return names;
}

QString Value(const VexaRecordPtr& record, const char* name)
{
    return record->GetValue(QString::fromLatin1(name)).toString();
}

void LogIn(const QString& language)
{
    modPublic::ReleaseModuleState();
    QString text = QStringLiteral("Provider=SQLite;Data Source=") + DemoDatabasePath();
    if (!language.isEmpty())
        text += QStringLiteral(";Language=") + language;
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"), text);
}

struct LanguageCase {
    const char* code;
    const char* root;
    const char* reports;       // subsystem 12, blanks kept
    const char* sample;        // t_Sample's node text
    const char* account;       // t_Account's, trimmed on both sides
    const char* glSettings;    // no English description: falls back to the simplified one
    const char* icCalcLog;     // empty English description
    const char* importTemp;    // no traditional description
    const char* errorPrefix;
    std::vector<const char*> indexCaptions;
    std::vector<const char*> fieldCaptions;
    const char* yes;
    const char* no;
};

const LanguageCase kChs{"CHS",
                        "Norv系统模块列表",
                        " 报表 ",
                        "示例表(t_Sample)",
                        "科目表(t_Account)",
                        "总账参数(t_GLSettings)",
                        "核算日志(t_ICCalcLog)",
                        "引入临时表(t_ImportTemp)",
                        "读取列表错误:",
                        {"索引名称", "索引描述", "包含的字段"},
                        {"顺序号", "字段名称", "字段描述", "字段备注", "字段类型", "字段长度", "字段精度", "小数位数", "允许为空"},
                        "是",
                        "否"};
const LanguageCase kCht{"CHT",
                        "Norv系統模組列表",
                        " 報表 ",
                        "示例表(t_Sample)",
                        "科目表(t_Account)",
                        "總賬參數(t_GLSettings)",
                        "覈算日誌(t_ICCalcLog)",
                        "引入临时表(t_ImportTemp)",
                        "讀取列表錯誤:",
                        {"索引名稱", "索引描述", "包含的欄位"},
                        {"順序號", "欄位名稱", "欄位描述", "欄位備註", "欄位類型", "欄位長度", "欄位精度", "小數位數", "允許為空"},
                        "是",
                        "否"};
const LanguageCase kEn{"EN",
                       "Norv System Modules",
                       " Reports ",
                       "Sample table(t_Sample)",
                       "Accounts(t_Account)",
                       "总账参数(t_GLSettings)",
                       "(t_ICCalcLog)",
                       "Import scratch table(t_ImportTemp)",
                       "Error reading the list: ",
                       {"Index Name", "Index Description", "Fields Included"},
                       {"Seq.", "Field Name", "Description", "Note", "Type", "Length", "Precision", "Scale", "Nullable"},
                       "Yes",
                       "No"};

void PrintTo(const LanguageCase& lang, std::ostream* os)
{
    *os << lang.code;
}

class LanguageTest : public ::testing::TestWithParam<LanguageCase> {
protected:
    void SetUp() override { LogIn(QString::fromLatin1(GetParam().code)); }
    static QString U(const char* text) { return QString::fromUtf8(text); }
};

TEST_P(LanguageTest, TreeHasRootThenSubsystemsThenTables)
{
    const LanguageCase& lang = GetParam();
    clsGetData data;
    const VexaListPtr tree = VexaList::From(data.GetTreeData(QString()));
    ASSERT_TRUE(tree);
    ASSERT_EQ(tree->Count(), 1 + 15 + 150);

    const VexaRecordPtr& root = tree->Record(0);
    EXPECT_EQ(ValueNames(*root), kTreeValueNames);
    EXPECT_EQ(root->GetValue(QStringLiteral("FType")), QVariant::fromValue<qint16>(0));
    EXPECT_EQ(root->GetValue(QStringLiteral("FRelative")), QVariant(QString()));
    EXPECT_EQ(Value(root, "FKey"), QStringLiteral("gc0"));
    EXPECT_EQ(Value(root, "FText"), U(lang.root));
    EXPECT_EQ(root->GetValue(QStringLiteral("FimgNormal")), QVariant::fromValue<qint16>(1));
    EXPECT_EQ(root->GetValue(QStringLiteral("FimgClick")), QVariant::fromValue<qint16>(2));
    EXPECT_EQ(Value(root, "FTag"), QStringLiteral("0"));

    for (int i = 1; i <= 15; ++i) {
        const VexaRecordPtr& subsystem = tree->Record(i);
        EXPECT_EQ(ValueNames(*subsystem), kTreeValueNames);
        EXPECT_EQ(subsystem->GetValue(QStringLiteral("FType")), QVariant::fromValue<qint16>(1));
        EXPECT_EQ(Value(subsystem, "FRelative"), QStringLiteral("gc0"));
        EXPECT_EQ(Value(subsystem, "FKey"), QStringLiteral("gi%1").arg(i));
        EXPECT_EQ(subsystem->GetValue(QStringLiteral("FimgNormal")), QVariant::fromValue<qint16>(1));
        EXPECT_EQ(subsystem->GetValue(QStringLiteral("FimgClick")), QVariant::fromValue<qint16>(2));
        EXPECT_EQ(Value(subsystem, "FTag"), QStringLiteral("0"));
    }
    EXPECT_EQ(Value(tree->Record(12), "FText"), U(lang.reports));

    std::map<QString, QString> textByKey;
    int previousSubsystem = std::numeric_limits<int>::min();
    for (int i = 16; i < tree->Count(); ++i) {
        const VexaRecordPtr& table = tree->Record(i);
        EXPECT_EQ(ValueNames(*table), kTreeValueNames);
        EXPECT_EQ(table->GetValue(QStringLiteral("FType")), QVariant::fromValue<qint16>(1));
        EXPECT_EQ(table->GetValue(QStringLiteral("FimgNormal")), QVariant::fromValue<qint16>(13));
        EXPECT_EQ(table->GetValue(QStringLiteral("FimgClick")), QVariant::fromValue<qint16>(13));
        EXPECT_EQ(Value(table, "FTag"), QStringLiteral("1"));
        const QString relative = Value(table, "FRelative");
        const QString key = Value(table, "FKey");
        ASSERT_TRUE(relative.startsWith(QStringLiteral("gi")));
        EXPECT_TRUE(key.startsWith(relative + u'.')) << key.toStdString();
        const int subsystem = relative.mid(2).toInt();
        EXPECT_GE(subsystem, previousSubsystem) << "tables come ordered by subsystem";
        previousSubsystem = subsystem;
        textByKey[key] = Value(table, "FText");
    }
    EXPECT_EQ(textByKey[QStringLiteral("gi13.205")], U(lang.sample));
    EXPECT_EQ(textByKey[QStringLiteral("gi1.30")], U(lang.account));
    EXPECT_EQ(textByKey[QStringLiteral("gi1.40")], U(lang.glSettings));
    EXPECT_EQ(textByKey[QStringLiteral("gi4.126")], U(lang.icCalcLog));
    EXPECT_EQ(textByKey[QStringLiteral("gi13.0")].endsWith(QStringLiteral("(t_SystemProfile)")), true);
    EXPECT_EQ(textByKey[QStringLiteral("gi13.-1")].endsWith(QStringLiteral("(t_LogicTemp)")), true);
    // A table of a subsystem that does not exist is still listed; no record carries its parent's key.
    EXPECT_EQ(textByKey[QStringLiteral("gi99.990")], U(lang.importTemp));
    for (const VexaRecordPtr& record : *tree)
        EXPECT_NE(Value(record, "FKey"), QStringLiteral("gi99"));
}

TEST_P(LanguageTest, LayoutsCarryLocalisedCaptions)
{
    const LanguageCase& lang = GetParam();
    clsGetData data;
    const QStringList columnValues = {QStringLiteral("FCaption"), QStringLiteral("FName"), QStringLiteral("FAlign"),
                                      QStringLiteral("FVisible"), QStringLiteral("FDecCtl")};
    const QStringList indexNames = {QStringLiteral("Index_Name"), QStringLiteral("Index_Description"),
                                    QStringLiteral("index_keys")};
    const QStringList fieldNames = {QStringLiteral("FTableID"),   QStringLiteral("FFieldName"), QStringLiteral("FDescription"),
                                    QStringLiteral("FFieldNote"), QStringLiteral("FFieldType"), QStringLiteral("Length"),
                                    QStringLiteral("Prec"),       QStringLiteral("Scale"),      QStringLiteral("FIsNull")};
    for (const auto& [type, names, captions] :
         {std::tuple{0, indexNames, lang.indexCaptions}, std::tuple{1, fieldNames, lang.fieldCaptions}}) {
        const VexaListPtr layout = VexaList::From(data.GetInfo(type));
        ASSERT_TRUE(layout);
        ASSERT_EQ(layout->Count(), names.size());
        for (int i = 0; i < layout->Count(); ++i) {
            const VexaRecordPtr& column = layout->Record(i);
            EXPECT_EQ(ValueNames(*column), columnValues);
            EXPECT_EQ(Value(column, "FCaption"), U(captions[static_cast<size_t>(i)]));
            EXPECT_EQ(Value(column, "FName"), names[i]);
            EXPECT_EQ(column->GetValue(QStringLiteral("FAlign")), QVariant::fromValue<qint16>(0));
            EXPECT_EQ(column->GetValue(QStringLiteral("FVisible")), QVariant(true));
            EXPECT_EQ(column->GetValue(QStringLiteral("FDecCtl")), QVariant::fromValue<qint32>(0));
        }
    }
    for (int type : {2, -1}) {
        const VexaListPtr empty = VexaList::From(data.GetInfo(type));
        ASSERT_TRUE(empty);
        EXPECT_EQ(empty->Count(), 0);
    }
}

TEST_P(LanguageTest, FieldRowsComeInNameOrderWithTheLanguagesTexts)
{
    const LanguageCase& lang = GetParam();
    clsGetData data;
    QString message = QStringLiteral("keep");
    const VexaListPtr rows = VexaList::From(data.GetDataByInterID(205, QStringLiteral("t_Sample"), 1, &message));
    ASSERT_TRUE(rows) << message.toStdString();
    EXPECT_EQ(message, QStringLiteral("keep"));
    ASSERT_EQ(rows->Count(), 29);

    std::map<QString, VexaRecordPtr> byName;
    QString previous;
    for (int i = 0; i < rows->Count(); ++i) {
        const VexaRecordPtr& row = rows->Record(i);
        EXPECT_EQ(row->GetValue(QStringLiteral("FTableID")), QVariant::fromValue<qint32>(i + 1));
        for (int v = 1; v < row->Count(); ++v)
            EXPECT_EQ(row->Value(v).metaType(), QMetaType::fromType<QString>()) << row->Name(v).toStdString();
        const QString name = Value(row, "FFieldName");
        EXPECT_LT(previous.compare(name, Qt::CaseInsensitive), 0) << "after " << previous.toStdString() << ": " << name.toStdString();
        previous = name;
        byName[name] = row;
    }

    const bool en = lang.code == QLatin1String("EN");
    const bool cht = lang.code == QLatin1String("CHT");
    EXPECT_EQ(Value(byName[QStringLiteral("FID")], "FDescription"), en ? QStringLiteral("ID") : cht ? QStringLiteral("序號") : QStringLiteral("序号"));
    // No English description: the simplified-Chinese one, as the tree does for tables.
    EXPECT_EQ(Value(byName[QStringLiteral("FReal")], "FDescription"), cht ? QStringLiteral("單精度數") : QStringLiteral("单精度数"));
    const VexaRecordPtr& decimal = byName[QStringLiteral("FDecimal")];
    EXPECT_EQ(Value(decimal, "FFieldNote"),
              en ? QStringLiteral("28 digits, 10 after the point") : cht ? QStringLiteral("28位精度10位小數") : QStringLiteral("28位精度10位小数"));
    EXPECT_EQ(Value(decimal, "FFieldType"), QStringLiteral("decimal"));
    EXPECT_EQ(Value(decimal, "Prec"), QStringLiteral("28"));
    EXPECT_EQ(Value(decimal, "Scale"), QStringLiteral("10"));
    // Decimal text; (n)varchar(max) reports -1 as the catalogue does.
    const QRegularExpression digits(QStringLiteral("^-?\\d+$"));
    for (const auto& [name, row] : byName) {
        for (const char* number : {"Length", "Prec", "Scale"})
            EXPECT_TRUE(digits.match(Value(row, number)).hasMatch()) << name.toStdString() << " " << number << "="
                                                                     << Value(row, number).toStdString();
    }
    // No description row, or one with another table's ID: empty texts, still numbered.
    for (const char* undescribed : {"FImage", "FNote"}) {
        EXPECT_EQ(Value(byName[QString::fromLatin1(undescribed)], "FDescription"), QString());
        EXPECT_EQ(Value(byName[QString::fromLatin1(undescribed)], "FFieldNote"), QString());
    }
    // NOT NULL gives the localised no, NULL allowed the localised yes.
    EXPECT_EQ(Value(byName[QStringLiteral("FID")], "FIsNull"), U(lang.no));
    EXPECT_EQ(Value(byName[QStringLiteral("FCode")], "FIsNull"), U(lang.no));
    EXPECT_EQ(Value(byName[QStringLiteral("FTiny")], "FIsNull"), U(lang.yes));
}

TEST_P(LanguageTest, TreeErrorsCarryTheLocalisedPrefix)
{
    clsGetData data;
    QString message;
    EXPECT_EQ(data.GetTreeData(QStringLiteral(" FDescription Like '%a'%' "), &message), nullptr);
    EXPECT_TRUE(message.startsWith(U(GetParam().errorPrefix))) << message.toStdString();
    EXPECT_GT(message.size(), U(GetParam().errorPrefix).size());
}

INSTANTIATE_TEST_SUITE_P(Languages, LanguageTest, ::testing::Values(kChs, kCht, kEn),
                         [](const auto& info) { return std::string(info.param.code); });

class DataTest : public ::testing::Test {
protected:
    void SetUp() override { LogIn(QString()); }
};

TEST_F(DataTest, NoLanguageReadsTheSimplifiedChineseColumns)
{
    clsGetData data;
    const VexaListPtr tree = VexaList::From(data.GetTreeData(QString()));
    ASSERT_TRUE(tree);
    EXPECT_EQ(Value(tree->Record(0), "FText"), QStringLiteral("Norv系统模块列表"));
    EXPECT_EQ(Value(tree->Record(1), "FText"), QStringLiteral("总账"));
}

TEST_F(DataTest, NullTextsFallBackToSimplifiedChineseThenEmpty)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("account.db"));
    ASSERT_TRUE(QFile::copy(DemoDatabasePath(), copy));
    const QString text = QStringLiteral("Provider=SQLite;Data Source=") + copy + QStringLiteral(";Language=EN");
    {
        ado::Connection connection;
        connection.Open(text.toStdString(), ado::adModeReadWrite);
        connection.Execute("update t_Subsystem set FName_EN = NULL where FSubSysID = 2");
        connection.Execute("update t_tabledescription set FDescription = NULL, FDescription_EN = NULL where FTableID = 205");
    }
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"), text);
    clsGetData data;
    QString message = QStringLiteral("keep");
    const VexaListPtr tree = VexaList::From(data.GetTreeData(QString(), &message));
    ASSERT_TRUE(tree) << message.toStdString();
    EXPECT_EQ(message, QStringLiteral("keep"));
    EXPECT_EQ(Value(tree->Record(2), "FText"), QStringLiteral("应收款管理"));
    bool found = false;
    for (const VexaRecordPtr& record : *tree) {
        if (Value(record, "FKey") == QLatin1String("gi13.205")) {
            EXPECT_EQ(Value(record, "FText"), QStringLiteral("(t_Sample)"));
            found = true;
        }
    }
    EXPECT_TRUE(found);
}

TEST_F(DataTest, MembersAnswerCallsByName)
{
    clsGetData data;
    const auto list = [](const QVariant& value) { return VexaList::From(value.value<automation::ObjectPtr>()); };
    const VexaListPtr tree = list(automation::Invoke(&data, "GetTreeData", {QString()}));
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->Count(), 166);
    ASSERT_TRUE(list(automation::Invoke(&data, "GetInfo", {1})));
    EXPECT_EQ(list(automation::Invoke(&data, "GetInfo", {1}))->Count(), 9);
    const VexaListPtr fields = list(automation::Invoke(&data, "GetDataByInterID", {205, QStringLiteral("t_Sample"), 1}));
    ASSERT_TRUE(fields);
    EXPECT_EQ(fields->Count(), 29);

    QString message = QStringLiteral("keep");
    const QVariant none = automation::Invoke(&data, "GetMDetail",
                                             {QStringLiteral(" FDescription Like '%a'%' "), QVariant::fromValue(&message)});
    EXPECT_FALSE(none.value<ado::RecordsetPtr>());
    EXPECT_EQ(message, QStringLiteral("Unclosed quotation mark before the character string '  order by FSubSystemID, FTableID'."));
}

TEST_F(DataTest, FilterRestrictsTablesOnly)
{
    clsGetData data;
    const VexaListPtr none = VexaList::From(data.GetTreeData(QStringLiteral("1=0")));
    ASSERT_TRUE(none);
    EXPECT_EQ(none->Count(), 16);
    EXPECT_EQ(Value(none->Record(15), "FKey"), QStringLiteral("gi15"));

    const VexaListPtr vouchers = VexaList::From(data.GetTreeData(QStringLiteral(" FTableName like '%Voucher%' ")));
    ASSERT_TRUE(vouchers);
    ASSERT_EQ(vouchers->Count(), 19);
    QStringList names;
    for (int i = 16; i < 19; ++i) {
        const QString text = Value(vouchers->Record(i), "FText");
        names << text.mid(text.indexOf(u'(') + 1).chopped(1);
    }
    names.sort();
    EXPECT_EQ(names, (QStringList{QStringLiteral("t_Voucher"), QStringLiteral("t_VoucherEntry"), QStringLiteral("t_VoucherTemplate")}));
}

TEST_F(DataTest, MessagesStayUntouchedOnSuccess)
{
    clsGetData data;
    QString message = QStringLiteral("keep");
    EXPECT_TRUE(data.GetTreeData(QString(), &message));
    EXPECT_TRUE(data.GetMDetail(QString(), &message));
    EXPECT_TRUE(data.GetDataByInterID(205, QStringLiteral("t_Sample"), 0, &message));
    EXPECT_EQ(message, QStringLiteral("keep"));
}

TEST_F(DataTest, MDetailReturnsTheDescriptionRowsBySubsystem)
{
    clsGetData data;
    QString message;
    const ado::RecordsetPtr rs = data.GetMDetail(QStringLiteral(" FDescription Like '%凭证%' "), &message);
    ASSERT_TRUE(rs) << message.toStdString();
    QStringList names;
    for (; !rs->Eof(); rs->MoveNext()) {
        for (const char* column : {"FSubSystemID", "FTableID", "FDescription", "FDescription_CHT", "FDescription_EN"})
            EXPECT_GE(rs->FieldIndex(column), 0) << column;
        names << QString::fromStdString(ado::ToText(rs->Fields("FTableName").GetValue()));
    }
    EXPECT_EQ(names, (QStringList{QStringLiteral("t_Voucher"), QStringLiteral("t_VoucherEntry"), QStringLiteral("t_VoucherTemplate")}));
}

TEST_F(DataTest, UnbalancedQuoteGivesTheServersOwnText)
{
    clsGetData data;
    QString message = QStringLiteral("没有查询到满足条件项目!");
    EXPECT_EQ(data.GetMDetail(QStringLiteral(" FDescription Like '%a'%' "), &message), nullptr);
    EXPECT_EQ(message, QStringLiteral("Unclosed quotation mark before the character string '  order by FSubSystemID, FTableID'."));
}

TEST_F(DataTest, IndexRowsComeFromTheIndexReport)
{
    clsGetData data;
    const VexaListPtr rows = VexaList::From(data.GetDataByInterID(205, QStringLiteral("t_Sample"), 0));
    ASSERT_TRUE(rows);
    std::map<QString, QString> keysByIndex;
    for (const VexaRecordPtr& row : *rows) {
        EXPECT_EQ(ValueNames(*row), (QStringList{QStringLiteral("Index_Name"), QStringLiteral("Index_Description"),
                                                 QStringLiteral("index_keys")}));
        EXPECT_FALSE(Value(row, "Index_Description").isEmpty());
        keysByIndex[Value(row, "Index_Name")] = Value(row, "index_keys");
    }
    EXPECT_EQ(keysByIndex.size(), 3u);
    EXPECT_EQ(keysByIndex[QStringLiteral("PK_t_Sample")], QStringLiteral("FID"));
    EXPECT_EQ(keysByIndex[QStringLiteral("ix_t_Sample_Code")], QStringLiteral("FCode(-)"));
    EXPECT_EQ(keysByIndex[QStringLiteral("ix_t_Sample_Name")], QStringLiteral("FName, FDateTime(-)"));
}

TEST_F(DataTest, TableWithoutIndexesGivesNothingQuietly)
{
    clsGetData data;
    QString message = QStringLiteral("keep");
    EXPECT_EQ(data.GetDataByInterID(0, QStringLiteral("t_ReportCache"), 0, &message), nullptr);
    EXPECT_EQ(message, QStringLiteral("keep"));
}

TEST_F(DataTest, AQuoteInATableNameStaysInTheName)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("account.db"));
    ASSERT_TRUE(QFile::copy(DemoDatabasePath(), copy));
    demo::SqliteFile(copy).Exec(
        "create table \"we'ird\" (FID int NOT NULL, FName nvarchar(20) NULL, constraint PK_weird primary key (FID));"
        "insert into t_FieldDescription (FTableID, FFieldName, FDescription) values (9001, 'FID', '序号');");
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                            QStringLiteral("Provider=SQLite;Data Source=") + copy);
    clsGetData data;
    QString message = QStringLiteral("keep");

    const VexaListPtr fields = VexaList::From(data.GetDataByInterID(9001, QStringLiteral("we'ird"), 1, &message));
    ASSERT_TRUE(fields) << message.toStdString();
    ASSERT_EQ(fields->Count(), 2);
    EXPECT_EQ(Value(fields->Record(0), "FFieldName"), QStringLiteral("FID"));
    EXPECT_EQ(Value(fields->Record(0), "FDescription"), QStringLiteral("序号"));
    EXPECT_EQ(Value(fields->Record(1), "FFieldName"), QStringLiteral("FName"));
    const VexaListPtr indexes = VexaList::From(data.GetDataByInterID(9001, QStringLiteral("we'ird"), 0, &message));
    ASSERT_TRUE(indexes) << message.toStdString();
    ASSERT_EQ(indexes->Count(), 1);
    EXPECT_EQ(Value(indexes->Record(0), "Index_Name"), QStringLiteral("PK_weird"));
    EXPECT_EQ(Value(indexes->Record(0), "index_keys"), QStringLiteral("FID"));
    EXPECT_EQ(message, QStringLiteral("keep"));

    // A name that would end the literal early and comment out the rest names no table at all.
    const VexaListPtr none = VexaList::From(data.GetDataByInterID(1, QStringLiteral("t_Subsystem' --"), 1, &message));
    ASSERT_TRUE(none) << message.toStdString();
    EXPECT_EQ(none->Count(), 0);
    EXPECT_EQ(data.GetDataByInterID(1, QStringLiteral("t_Subsystem' --"), 0, &message), nullptr);
    EXPECT_EQ(message, QStringLiteral("The object 't_Subsystem' --' does not exist in database 'account' or is invalid "
                                      "for this operation."));
    EXPECT_EQ(automation::CurrentError().number, 0);
}

TEST_F(DataTest, OtherTypesAndUnknownTables)
{
    clsGetData data;
    QString message = QStringLiteral("keep");
    EXPECT_EQ(data.GetDataByInterID(205, QStringLiteral("t_Sample"), 2, &message), nullptr);
    const VexaListPtr none = VexaList::From(data.GetDataByInterID(1, QStringLiteral("t_NoSuchTable"), 1, &message));
    ASSERT_TRUE(none);
    EXPECT_EQ(none->Count(), 0);
    EXPECT_EQ(message, QStringLiteral("keep"));
}

TEST_F(DataTest, MissingConnectionReportsTheServersMessage)
{
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"), QVariant());
    clsGetData data;
    QString message;
    EXPECT_EQ(data.GetDataByInterID(205, QStringLiteral("t_Sample"), 1, &message), nullptr);
    EXPECT_FALSE(message.isEmpty());
}

TEST_F(DataTest, NullKeysJoinAsEmptyTextAndTheOtherTablesAreListed)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("account.db"));
    demo::SqliteFile(file).Exec(
        "create table t_Subsystem (FSubSysID int, FName nvarchar(80), FName_CHT nvarchar(80), FName_EN nvarchar(80));"
        "insert into t_Subsystem values (1, '总账', '總賬', 'General Ledger');"
        "create table t_tabledescription (FSubSystemID int NULL, FTableID int NULL, FTableName varchar(50),"
        " FDescription nvarchar(255), FDescription_CHT nvarchar(255), FDescription_EN nvarchar(255));"
        "insert into t_tabledescription values (1, 10, 't_A', '甲', NULL, NULL), (NULL, 11, 't_B', '乙', NULL, NULL),"
        " (1, NULL, 't_C', '丙', NULL, NULL);");
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                            QStringLiteral("Provider=SQLite;Data Source=") + file);
    clsGetData data;
    QString message = QStringLiteral("keep");
    const VexaListPtr tree = VexaList::From(data.GetTreeData(QString(), &message));
    ASSERT_TRUE(tree) << message.toStdString();
    EXPECT_EQ(message, QStringLiteral("keep"));
    std::map<QString, std::pair<QString, QString>> byText;
    for (const VexaRecordPtr& record : *tree)
        byText[Value(record, "FText")] = {Value(record, "FRelative"), Value(record, "FKey")};
    EXPECT_EQ(tree->Count(), 5);
    EXPECT_EQ(byText[QStringLiteral("甲(t_A)")], std::pair(QStringLiteral("gi1"), QStringLiteral("gi1.10")));
    EXPECT_EQ(byText[QStringLiteral("乙(t_B)")], std::pair(QStringLiteral("gi"), QStringLiteral("gi.11")));
    EXPECT_EQ(byText[QStringLiteral("丙(t_C)")], std::pair(QStringLiteral("gi1"), QStringLiteral("gi1.")));
}

// Whatever a query changes is rolled back, also through a driver that takes read-only as a mere
// hint (the SQLite3 ODBC driver runs a delete on a read-only connection).
TEST_F(DataTest, DataServerRollsBackWhatAQueryChanged)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("account.db"));
    ASSERT_TRUE(QFile::copy(DemoDatabasePath(), copy));
    for (const QString& text : {QStringLiteral("Provider=SQLite;Data Source=") + copy,
                                QStringLiteral("Driver=SQLite3;Database=") + copy}) {
        SCOPED_TRACE(text.toStdString());
        ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"), text);
        ClassInfo server;
        const ado::RecordsetPtr count = server.GetData(text, QStringLiteral("select count(*) as n from t_Subsystem"));
        EXPECT_EQ(ado::ToText(count->Fields("n").GetValue()), "15");
        try {
            server.GetData(text, QStringLiteral("delete from t_Subsystem"));
        } catch (const automation::AutomationError&) {
            // Refused by a provider that keeps read-only itself; the rollback covers the others.
        }
        // What the find dialog builds from the code x'; delete from t_Subsystem; --
        clsGetData data;
        QString message;
        data.GetMDetail(QStringLiteral(" FTableName Like'%x'; delete from t_Subsystem; --%' "), &message);
        EXPECT_EQ(demo::SqliteFile(copy).Int(QStringLiteral("select count(*) from t_Subsystem")), 15);
    }
}

}  // namespace
