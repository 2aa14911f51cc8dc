// The login context and the localised-text lookup, against the test resource loader (its
// folder comes first on the plugin path).
#include "AutomationError.h"
#include "ComponentRegistry.h"
#include "Dispatch.h"
#include "ShareProps.h"
#include "modPublic.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

void SetPropsString(const QVariant& text)
{
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"), text);
}

void SetLoaderMode(const char* mode)
{
    qputenv("TABRIX_TEST_LOADER", mode);
}

// What the test loader logged since the last ClearLog.
QStringList LoaderLog()
{
    const QByteArray mode = qgetenv("TABRIX_TEST_LOADER");
    SetLoaderMode("");
    const automation::ObjectPtr probe = automation::CreateObject(QStringLiteral("NorvResLoader.Loader"));
    QStringList log = automation::Invoke(probe.get(), "Log").toStringList();
    log.removeLast();  // the probe's own creation
    qputenv("TABRIX_TEST_LOADER", mode);
    return log;
}

void ClearLoaderLog()
{
    const QByteArray mode = qgetenv("TABRIX_TEST_LOADER");
    SetLoaderMode("");
    automation::Invoke(automation::CreateObject(QStringLiteral("NorvResLoader.Loader")).get(), "ClearLog");
    qputenv("TABRIX_TEST_LOADER", mode);
}

class ContextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        modPublic::ReleaseModuleState();
        SetLoaderMode("");
        SetPropsString(QVariant());
        ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("AcctName"), QVariant());
        automation::ClearCurrentError();
        ClearLoaderLog();
    }
};

TEST_F(ContextTest, TheTestLoaderServesTheProgId)
{
    const automation::ObjectPtr loader = automation::CreateObject(QStringLiteral("NorvResLoader.Loader"));
    EXPECT_STREQ(loader->metaObject()->className(), "TestResLoader");
}

TEST_F(ContextTest, PropsValueIsFoundAnywhereWithoutRegardToCase)
{
    SetPropsString(QStringLiteral("Provider=SQLite;Language=cht;Data Source=/tmp/a.db"));
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Language")), QStringLiteral("CHT"));
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("data source")), QStringLiteral("/TMP/A.DB"));

    SetPropsString(QStringLiteral("Provider=SQLite;LANGUAGE=EN"));  // last pair without ";"
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Language")), QStringLiteral("EN"));

    // The first "Language=" counts, even as the end of a longer key.
    SetPropsString(QStringLiteral("UILanguage=fr;Language=EN;"));
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Language")), QStringLiteral("FR"));

    SetPropsString(QStringLiteral("Language= en ;"));
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Language")), QStringLiteral(" EN "));
}

TEST_F(ContextTest, MissingOrEmptyPropsValueIsEmptyText)
{
    EXPECT_EQ(modPublic::GetPropsString(), QString());
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Language")), QString());
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Provider")), QString());

    SetPropsString(QStringLiteral("Provider=SQLite;Language=;Data Source=x.db"));
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Language")), QString());
    SetPropsString(QStringLiteral("Provider=SQLite;Data Source=x.db"));
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Language")), QString());
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Lang")), QString());
}

TEST_F(ContextTest, KeyPositionIsHeldInSixteenBits)
{
    // "Language=" starting at character 32767 (1-based) is still found; one further is not.
    const QString fits = QStringLiteral("X=") + QString(32766 - 3, u'a') + QStringLiteral(";Language=EN;");
    ASSERT_EQ(fits.indexOf(QStringLiteral("Language=")) + 1, 32767);
    SetPropsString(fits);
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Language")), QStringLiteral("EN"));

    const QString beyond = QStringLiteral("X=") + QString(32766 - 2, u'a') + QStringLiteral(";Language=EN;");
    ASSERT_EQ(beyond.indexOf(QStringLiteral("Language=")) + 1, 32768);
    SetPropsString(beyond);
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Language")), QString());
}

TEST_F(ContextTest, SharedPropertiesBelongToTheirProcess)
{
    ShareProps::SetProperty(ShareProps::CurrentProcessId() + 1, QStringLiteral("AcctName"), QStringLiteral("other"));
    EXPECT_EQ(modPublic::GetAcctName(), QString());
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("AcctName"), QStringLiteral("演示账套"));
    EXPECT_EQ(modPublic::GetAcctName(), QStringLiteral("演示账套"));
    EXPECT_EQ(modPublic::GetSharedProperty(QStringLiteral("acctname")).toString(), QStringLiteral("演示账套"));
    EXPECT_FALSE(modPublic::GetSharedProperty(QStringLiteral("Nothing")).isValid());
}

TEST_F(ContextTest, NullPropertyFailsTheTextReadButNotTheValueLookup)
{
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("AcctName"), QVariant::fromValue(nullptr));
    try {
        modPublic::GetAcctName();
        FAIL() << "a null account name must fail";
    } catch (const automation::AutomationError& e) {
        EXPECT_EQ(e.Number(), 94);
    }
    SetPropsString(QVariant::fromValue(nullptr));
    EXPECT_EQ(modPublic::GetPropsValue(QStringLiteral("Language")), QString());
}

TEST_F(ContextTest, ObjectPropertyComesBackAsTheObject)
{
    const automation::ObjectPtr object = std::make_shared<QObject>();
    ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("Session"), QVariant::fromValue(object));
    EXPECT_EQ(modPublic::GetSharedProperty(QStringLiteral("Session")).value<automation::ObjectPtr>(), object);
}

TEST_F(ContextTest, LanguageIsCachedOnceFound)
{
    EXPECT_EQ(modPublic::GetLanguage(), QString());
    SetPropsString(QStringLiteral("Language=en"));
    EXPECT_EQ(modPublic::GetLanguage(), QStringLiteral("EN"));  // an empty result was not cached
    SetPropsString(QStringLiteral("Language=CHT"));
    EXPECT_EQ(modPublic::GetLanguage(), QStringLiteral("EN"));
}

TEST_F(ContextTest, LookupKeepsBlanksAroundTheLoadersAnswer)
{
    SetPropsString(QStringLiteral("Language=EN"));
    EXPECT_EQ(modPublic::LocalText(QStringLiteral(" ]的内容")), QStringLiteral(" <EN>]的内容"));
    EXPECT_EQ(modPublic::LocalText(QStringLiteral("  查找 ")), QStringLiteral("  <EN>查找 "));
    EXPECT_TRUE(LoaderLog().contains(QStringLiteral("load ]的内容")));
}

TEST_F(ContextTest, BlankSourceTextGivesEmptyTextWithoutTheLoader)
{
    SetPropsString(QStringLiteral("Language=EN"));
    EXPECT_EQ(modPublic::LocalText(QStringLiteral("   ")), QString());
    EXPECT_EQ(modPublic::LocalText(QString()), QString());
    EXPECT_TRUE(LoaderLog().isEmpty());
    // Nor was the language read.
    SetPropsString(QStringLiteral("Language=CHT"));
    EXPECT_EQ(modPublic::GetLanguage(), QStringLiteral("CHT"));
}

TEST_F(ContextTest, LanguageAndBaseNameAreWrittenOnlyOnChange)
{
    SetPropsString(QStringLiteral("Language=EN"));
    for (const char* text : {"查找", "是", "否"})
        modPublic::LocalText(QString::fromUtf8(text));
    const QStringList log = LoaderLog();
    EXPECT_EQ(log.count(QStringLiteral("create")), 1);
    EXPECT_EQ(log.count(QStringLiteral("write ResFileBaseName=NorvDesign")), 1);
    EXPECT_EQ(log.count(QStringLiteral("write LanguageID=EN")), 1);
    EXPECT_EQ(log.filter(QStringLiteral("write")).size(), 2);
    EXPECT_EQ(log.count(QStringLiteral("read ResFileBaseName")), 3);
    EXPECT_EQ(log.count(QStringLiteral("read LanguageID")), 3);
}

TEST_F(ContextTest, NoLanguageAsksTheLoaderWithAnEmptyLanguage)
{
    SetPropsString(QStringLiteral("Provider=SQLite"));
    EXPECT_EQ(modPublic::LocalText(QStringLiteral("查找")), QStringLiteral("<>查找"));
    EXPECT_FALSE(LoaderLog().join(u'|').contains(QStringLiteral("write LanguageID")));
}

TEST_F(ContextTest, NoLoaderGivesTheSourceText)
{
    SetLoaderMode("missing");
    SetPropsString(QStringLiteral("Language=EN"));
    EXPECT_EQ(modPublic::LocalText(QStringLiteral("Corvane提示")), QStringLiteral("Corvane提示"));
    EXPECT_EQ(modPublic::LocalText(QStringLiteral(" ]的内容")), QStringLiteral(" ]的内容"));
    // Once the loader can be created, the next lookup creates it.
    SetLoaderMode("");
    EXPECT_EQ(modPublic::LocalText(QStringLiteral("Corvane提示")), QStringLiteral("<EN>Corvane提示"));
}

TEST_F(ContextTest, FailingLoaderGivesTheSourceTextAsPassed)
{
    SetLoaderMode("failing");
    SetPropsString(QStringLiteral("Language=EN"));
    EXPECT_EQ(modPublic::LocalText(QStringLiteral("  查找 ")), QStringLiteral("  查找 "));
    EXPECT_EQ(automation::CurrentError().number, 0);
}

TEST_F(ContextTest, PendingErrorSurvivesLookups)
{
    SetPropsString(QStringLiteral("Language=EN"));
    const automation::ErrorInfo pending{5, QStringLiteral("Invalid procedure call"), QStringLiteral("Caller"),
                                        QStringLiteral("help.chm"), 42};
    automation::SetCurrentError(pending);
    EXPECT_EQ(modPublic::LocalText(QStringLiteral("查找")), QStringLiteral("<EN>查找"));
    SetLoaderMode("failing");
    modPublic::ReleaseModuleState();
    EXPECT_EQ(modPublic::LocalText(QStringLiteral("查找")), QStringLiteral("查找"));

    const automation::ErrorInfo& after = automation::CurrentError();
    EXPECT_EQ(after.number, 5);
    EXPECT_EQ(after.description, pending.description);
    EXPECT_EQ(after.source, pending.source);
    EXPECT_EQ(after.helpFile, pending.helpFile);
    EXPECT_EQ(after.helpContext, 42);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
