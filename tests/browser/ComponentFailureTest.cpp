// The data layer when a host component cannot be created (test components shadow the real ones).
#include "AutomationError.h"
#include "ComponentRegistry.h"
#include "MessageSeam.h"
#include "ShareProps.h"
#include "VexaList.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <gtest/gtest.h>

namespace {

struct Message {
    QString prompt;
    int buttons = -1;
    QString title;
};

class ComponentFailureTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        modPublic::ReleaseModuleState();
        qputenv("TABRIX_TEST_LOADER", "");
        qputenv("TABRIX_TEST_VEXA_LIST", "");
        ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                                QStringLiteral("Provider=SQLite;Data Source=/nonexistent/account.db;Language=EN"));
        m_previous = ui::SetMessageHandler([this](const QString& prompt, int buttons, const QString& title) {
            m_messages.push_back({prompt, buttons, title});
            return 1;
        });
    }
    void TearDown() override
    {
        ui::SetMessageHandler(m_previous);
        qputenv("TABRIX_TEST_VEXA_LIST", "");
    }

    std::vector<Message> m_messages;
    ui::MessageHandler m_previous;
};

TEST_F(ComponentFailureTest, GetInfoReportsAFailedListInAMessageBox)
{
    clsGetData data;
    qputenv("TABRIX_TEST_VEXA_LIST", "missing");
    EXPECT_EQ(data.GetInfo(0), nullptr);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_TRUE(m_messages[0].prompt.contains(QStringLiteral("Vexa.List"))) << m_messages[0].prompt.toStdString();
    EXPECT_EQ(m_messages[0].buttons, 64);
    EXPECT_EQ(m_messages[0].title, QStringLiteral("<EN>Corvane提示"));
    EXPECT_EQ(automation::CurrentError().number, 0);

    // The instance stays usable.
    qputenv("TABRIX_TEST_VEXA_LIST", "");
    const auto list = VexaList::From(data.GetInfo(1));
    ASSERT_TRUE(list);
    EXPECT_EQ(list->Count(), 9);
    EXPECT_EQ(list->Record(0)->GetValue(QStringLiteral("FCaption")).toString(), QStringLiteral("<EN>顺序号"));
}

TEST_F(ComponentFailureTest, TreeReportsAFailedListWithTheLocalisedPrefix)
{
    clsGetData data;
    qputenv("TABRIX_TEST_VEXA_LIST", "missing");
    QString message = QStringLiteral("untouched");
    EXPECT_EQ(data.GetTreeData(QString(), &message), nullptr);
    EXPECT_TRUE(message.startsWith(QStringLiteral("<EN>读取列表错误:Cannot create object 'Vexa.List'")))
        << message.toStdString();
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(ComponentFailureTest, QueryFailureGivesTheServersTextWithoutPrefix)
{
    clsGetData data;
    QString message = QStringLiteral("untouched");
    EXPECT_EQ(data.GetTreeData(QString(), &message), nullptr);
    EXPECT_FALSE(message.isEmpty());
    EXPECT_NE(message, QStringLiteral("untouched"));
    EXPECT_FALSE(message.contains(QStringLiteral("读取列表错误")));
    EXPECT_EQ(automation::CurrentError().number, 0);
}

}  // namespace
