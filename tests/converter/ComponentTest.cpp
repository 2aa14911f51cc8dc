// The converter as hosts see it: created by ProgID, members and StopFlag reached by name.
#include "ConverterFixture.h"

#include "ComponentRegistry.h"
#include "Dispatch.h"
#include "mdlCommon.h"

namespace {

using Component = ConverterFixture;

TEST_F(Component, CreatedByProgIdAndDrivenByName)
{
    Sql("create table t(a int); insert into t values(4);");
    const automation::ObjectPtr converter = automation::CreateObject(QStringLiteral("MirelTabrix.clsConverter"));
    ASSERT_TRUE(converter);
    EXPECT_NE(qobject_cast<clsConverter*>(converter.get()), nullptr);
    EXPECT_EQ(automation::GetProperty(converter.get(), "StopFlag").toInt(), 0);
    automation::SetProperty(converter.get(), "StopFlag", 2);
    EXPECT_EQ(automation::GetProperty(converter.get(), "StopFlag").toInt(), 2);

    const xml::XmlDocument document = Template(R"(<table name="t" hint="--"/>)", R"(datafile="d.sql")");
    automation::Invoke(converter.get(), "ExportDB", {QVariant::fromValue(FirstDatabase(document))});
    EXPECT_EQ(Read("d.sql"), "--\r\n\r\ndelete from t \r\n\r\ninsert into t(\r\na) values(4)\r\n");
}

TEST_F(Component, FailuresOfCallsByNameArriveAsAutomationErrors)
{
    const automation::ObjectPtr converter = automation::CreateObject(QStringLiteral("MirelTabrix.clsConverter"));
    const xml::XmlDocument document = Template("");
    xml::XmlElement database = FirstDatabase(document);
    database.Parent().SetAttribute("constr", "Provider=NoSuch");
    try {
        automation::Invoke(converter.get(), "ExportDB", {QVariant::fromValue(database)});
        FAIL() << "no error";
    } catch (const automation::AutomationError& e) {
        EXPECT_EQ(e.Description(), QStringLiteral("Provider cannot be found. It may not be properly installed."));
    }
}

TEST_F(Component, ShowNeedsTheDialogsHandler)
{
    clsConverter converter;
    const mdlCommon::ShowHandler previous = mdlCommon::SetShowHandler({});
    try {
        automation::Invoke(&converter, "Show", {QStringLiteral("a.xml")});
        FAIL() << "no error";
    } catch (const automation::AutomationError& e) {
        EXPECT_EQ(e.Number(), 429);
    }
    QString shown;
    mdlCommon::SetShowHandler([&](const QString& strPath) { shown = strPath; });
    automation::Invoke(&converter, "Show", {QStringLiteral("b.xml")});
    EXPECT_EQ(shown, QStringLiteral("b.xml"));
    mdlCommon::SetShowHandler(previous);
}

}  // namespace
