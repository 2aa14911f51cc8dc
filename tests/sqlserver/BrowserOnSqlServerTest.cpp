// The browser's data access on a real server: the tree, the field and index rows of the suite's
// tables and a server error in a find condition, through the account text a host would hand over.
#include "SqlServerSuite.h"

#include "ClassInfo.h"
#include "FindFilter.h"
#include "FindTexts.h"
#include "ShareProps.h"
#include "VexaList.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <map>

namespace {

class BrowserOnSqlServer : public SqlServerSuite {
protected:
    void LogIn(const char* language) const
    {
        modPublic::ReleaseModuleState();
        ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                                QString::fromStdString(m_text) + QStringLiteral(";Language=") + QLatin1String(language));
    }

    static QString Text(const VexaRecordPtr& record, const char* name)
    {
        return record->GetValue(QString::fromLatin1(name)).toString();
    }

    // The records of a list by the text of one of their values.
    static std::map<QString, VexaRecordPtr> ByValue(const VexaListPtr& list, const char* name)
    {
        std::map<QString, VexaRecordPtr> records;
        for (const VexaRecordPtr& record : *list)
            records[Text(record, name)] = record;
        return records;
    }

    QString Q(const std::string& text) const { return QString::fromStdString(text); }

    // An index's name as the server keeps it: Babelfish keeps index names lower-cased only.
    QString IndexName(const std::string& name) const
    {
        const QString text = Q(name);
        return m_babelfish ? text.toLower() : text;
    }
};

TEST_F(BrowserOnSqlServer, TreeHoldsTheSubsystemAndItsTablesInEachLanguage)
{
    const std::string subsystem = std::to_string(m_subsystemId);
    const auto subsystems = Rows("select count(*) from t_Subsystem");
    const auto subsystemCount = std::get<std::int64_t>(subsystems.at(0).at(0));
    for (const auto& [language, subsystemText, itemText] :
         {std::tuple{"CHS", "测试子系统", "物料表"}, std::tuple{"CHT", "測試子系統", "物料表"},
          std::tuple{"EN", "Suite subsystem", "Items"}}) {
        SCOPED_TRACE(language);
        LogIn(language);
        clsGetData data;
        QString message = QStringLiteral("keep");
        const VexaListPtr tree = VexaList::From(data.GetTreeData(Q("FSubSystemID = " + subsystem), &message));
        ASSERT_TRUE(tree) << message.toStdString();
        EXPECT_EQ(message, QStringLiteral("keep"));
        EXPECT_EQ(tree->Count(), 1 + subsystemCount + 2);
        EXPECT_EQ(Text(tree->Record(0), "FKey"), QStringLiteral("gc0"));

        const auto byKey = ByValue(tree, "FKey");
        const QString subsystemKey = Q("gi" + subsystem);
        ASSERT_EQ(byKey.count(subsystemKey), 1u);
        EXPECT_EQ(Text(byKey.at(subsystemKey), "FText"), QString::fromUtf8(subsystemText));
        EXPECT_EQ(Text(byKey.at(subsystemKey), "FRelative"), QStringLiteral("gc0"));
        const QString itemKey = subsystemKey + u'.' + QString::number(m_itemId);
        const QString entryKey = subsystemKey + u'.' + QString::number(m_entryId);
        ASSERT_EQ(byKey.count(itemKey), 1u);
        ASSERT_EQ(byKey.count(entryKey), 1u);
        EXPECT_EQ(Text(byKey.at(itemKey), "FText"), QString::fromUtf8(itemText) + u'(' + Q(m_item) + u')');
        EXPECT_EQ(Text(byKey.at(itemKey), "FRelative"), subsystemKey);
        EXPECT_EQ(Text(byKey.at(entryKey), "FTag"), QStringLiteral("1"));
    }
}

TEST_F(BrowserOnSqlServer, FieldRowsCarryTheCatalogueAndTheDescriptions)
{
    LogIn("EN");
    clsGetData data;
    std::vector<bool> catalogueViews;
    QObject::connect(&data, &clsGetData::CatalogueChosen, [&](bool views) { catalogueViews.push_back(views); });
    QString message = QStringLiteral("keep");
    const VexaListPtr rows = VexaList::From(data.GetDataByInterID(m_itemId, Q(m_item), 1, &message));
    ASSERT_TRUE(rows) << message.toStdString();
    EXPECT_EQ(message, QStringLiteral("keep"));
    ASSERT_TRUE(data.GetDataByInterID(m_itemId, Q(m_item), 0, &message)) << message.toStdString();
    // Decided once for the connection: SQL Server (and the stand-in) keep the legacy catalogue,
    // Babelfish, whose legacy views lack rows and letter case, is read through the views.
    EXPECT_EQ(catalogueViews, std::vector<bool>{m_babelfish});

    QStringList names, expectedNames;
    for (const VexaRecordPtr& row : *rows)
        names << Text(row, "FFieldName");
    for (const char* name : {"FActive", "FCode", "FCreated", "FGuid", "FItemID", "FLevel", "FMemo", "FName", "FNumber",
                             "FPhoto", "FPrice", "FQty", "FRate"})
        expectedNames << QString::fromLatin1(name);
    EXPECT_EQ(names, expectedNames);
    EXPECT_EQ(rows->Record(0)->GetValue(QStringLiteral("FTableID")), QVariant::fromValue<qint32>(1));

    const auto byName = ByValue(rows, "FFieldName");
    struct Expected {
        const char* name;
        const char* description;
        const char* note;
        const char* type;
        const char* length;
        const char* precision;
        const char* scale;
        const char* nullable;
    };
    for (const Expected& e : {Expected{"FItemID", "ID", "", "int", "4", "10", "0", "No"},
                              Expected{"FNumber", "Code", "Unique", "varchar", "30", "30", "0", "No"},
                              Expected{"FName", "Name", "", "nvarchar", "160", "80", "0", "No"},
                              Expected{"FQty", "Quantity", "28 digits, 10 after the point", "decimal", "13", "28", "10", "Yes"},
                              Expected{"FPrice", "", "", "money", "8", "19", "4", "Yes"},
                              Expected{"FCreated", "", "", "datetime", "8", "23", "3", "Yes"},
                              Expected{"FActive", "", "", "bit", "1", "1", "0", "No"},
                              Expected{"FLevel", "", "", "tinyint", "1", "3", "0", "No"},
                              Expected{"FCode", "", "", "char", "4", "4", "0", "Yes"}}) {
        SCOPED_TRACE(e.name);
        const auto found = byName.find(QString::fromLatin1(e.name));
        ASSERT_NE(found, byName.end());
        const VexaRecordPtr& row = found->second;
        EXPECT_EQ(Text(row, "FDescription"), QString::fromUtf8(e.description));
        EXPECT_EQ(Text(row, "FFieldNote"), QString::fromUtf8(e.note));
        EXPECT_EQ(Text(row, "FFieldType"), QString::fromLatin1(e.type));
        EXPECT_EQ(Text(row, "Length"), QString::fromLatin1(e.length));
        EXPECT_EQ(Text(row, "Prec"), QString::fromLatin1(e.precision));
        EXPECT_EQ(Text(row, "Scale"), QString::fromLatin1(e.scale));
        EXPECT_EQ(Text(row, "FIsNull"), QString::fromLatin1(e.nullable));
    }

    LogIn("CHS");
    clsGetData chinese;
    const VexaListPtr chineseRows = VexaList::From(chinese.GetDataByInterID(m_itemId, Q(m_item), 1));
    ASSERT_TRUE(chineseRows);
    const auto chineseByName = ByValue(chineseRows, "FFieldName");
    ASSERT_EQ(chineseByName.count(QStringLiteral("FNumber")), 1u);
    ASSERT_EQ(chineseByName.count(QStringLiteral("FRate")), 1u);
    EXPECT_EQ(Text(chineseByName.at(QStringLiteral("FNumber")), "FDescription"), QStringLiteral("代码"));
    EXPECT_EQ(Text(chineseByName.at(QStringLiteral("FNumber")), "FIsNull"), QStringLiteral("否"));
    EXPECT_EQ(Text(chineseByName.at(QStringLiteral("FRate")), "FIsNull"), QStringLiteral("是"));
}

TEST_F(BrowserOnSqlServer, IndexRowsComeFromTheServersIndexReport)
{
    LogIn("CHS");
    clsGetData data;
    QString message = QStringLiteral("keep");
    const VexaListPtr rows = VexaList::From(data.GetDataByInterID(m_itemId, Q(m_item), 0, &message));
    ASSERT_TRUE(rows) << message.toStdString();
    ASSERT_EQ(rows->Count(), 2);
    const auto byName = ByValue(rows, "Index_Name");
    ASSERT_EQ(byName.count(IndexName("PK_" + m_item)), 1u);
    ASSERT_EQ(byName.count(IndexName("ix_" + m_item + "_number")), 1u);
    const VexaRecordPtr& key = byName.at(IndexName("PK_" + m_item));
    EXPECT_EQ(Text(key, "index_keys"), QStringLiteral("FItemID"));
    EXPECT_TRUE(Text(key, "Index_Description").contains(QStringLiteral("primary key")))
        << Text(key, "Index_Description").toStdString();
    const VexaRecordPtr& further = byName.at(IndexName("ix_" + m_item + "_number"));
    EXPECT_EQ(Text(further, "index_keys"), QStringLiteral("FNumber, FName"));
    EXPECT_TRUE(Text(further, "Index_Description").startsWith(QStringLiteral("nonclustered")))
        << Text(further, "Index_Description").toStdString();

    // No index at all: the server reports no rows, and the browser shows nothing without a message.
    EXPECT_EQ(data.GetDataByInterID(m_entryId, Q(m_entry), 0, &message), nullptr);
    EXPECT_EQ(message, QStringLiteral("keep"));
}

TEST_F(BrowserOnSqlServer, QuoteInAFindConditionGivesTheServersTextWithoutDriverPrefix)
{
    LogIn("CHS");
    clsGetData data;
    QString message;
    EXPECT_EQ(data.GetMDetail(QStringLiteral(" FDescription Like '%a'%' "), &message), nullptr);
    // Babelfish answers with PostgreSQL's texts.
    EXPECT_TRUE(message.startsWith(m_babelfish ? QStringLiteral("syntax error near ''' at line 1")
                                               : QStringLiteral("Unclosed quotation mark")))
        << message.toStdString();
    EXPECT_FALSE(message.contains(u'[')) << message.toStdString();

    EXPECT_EQ(data.GetTreeData(QStringLiteral("FNoSuchColumn = 1"), &message), nullptr);
    EXPECT_TRUE(message.startsWith(QStringLiteral("读取列表错误:"))) << message.toStdString();
    EXPECT_TRUE(message.endsWith(m_babelfish ? QStringLiteral("column \"fnosuchcolumn\" does not exist")
                                             : QStringLiteral("Invalid column name 'FNoSuchColumn'.")))
        << message.toStdString();
}

// Find texts on a real engine: quotes, LIKE's pattern characters and control characters are all
// taken as themselves, and the hits come by subsystem, then table ID.
TEST_F(BrowserOnSqlServer, FindTextsMatchThemselves)
{
    const int first = -2 * m_subsystemId;
    const int second = -m_subsystemId;
    const std::string own = "FSubSystemID in (" + std::to_string(first) + ", " + std::to_string(second) + ")";
    Run("delete from t_tabledescription where " + own);
    Run(findtexts::InsertRows(first, second, -m_itemId));
    for (const findtexts::Find& find : findtexts::Finds()) {
        const QString language = QString::fromLatin1(find.language);
        SCOPED_TRACE((language + u' ' + find.code + u'|' + find.name).toStdString());
        LogIn(find.language);
        const std::optional<QString> filter = findfilter::Filter(find.code, find.name, language);
        ASSERT_TRUE(filter);
        QString message;
        const ado::RecordsetPtr rs = clsGetData().GetMDetail(Q(own + " and (") + *filter + u')', &message);
        ASSERT_TRUE(rs) << message.toStdString();
        std::vector<int> ids;
        for (; !rs->Eof(); rs->MoveNext())
            ids.push_back(std::stoi(ado::ToText(rs->Fields("FTableID").GetValue())) + m_itemId);
        EXPECT_EQ(ids, findtexts::Expected(find));
    }
    Run("delete from t_tabledescription where " + own);
}

// Read-only is only a hint to the driver here: what keeps the account unchanged is the
// transaction every browser query runs in, rolled back once its rows are read.
TEST_F(BrowserOnSqlServer, AQueryCanChangeNothing)
{
    LogIn("CHS");
    const std::string subsystem = std::to_string(m_subsystemId);
    const std::string remove = "delete from t_Subsystem where FSubSysID = " + subsystem;
    const ado::RecordsetPtr inside = ClassInfo().GetData(
        Q(m_text), Q(remove + "; select count(*) as n from t_Subsystem where FSubSysID = " + subsystem));
    EXPECT_EQ(ado::ToText(inside->Fields("n").GetValue()), "0") << "the delete runs inside the transaction";

    // What the find dialog builds from the code x'; <delete>; --
    clsGetData data;
    QString message;
    data.GetMDetail(Q(" FTableName Like'%x'; " + remove + "; --%' "), &message);

    const auto left = Rows("select count(*) from t_Subsystem where FSubSysID = " + subsystem);
    EXPECT_EQ(std::get<std::int64_t>(left.at(0).at(0)), 1);
}

}  // namespace
