// Typed find texts and stored descriptions are data: a find matches the text itself, whatever it
// holds, and a table node's text gives back its table whatever its description holds.
#include "FindFilter.h"
#include "FindTexts.h"
#include "ShareProps.h"
#include "TreeNodeText.h"
#include "clsGetData.h"
#include "modPublic.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::vector<int> Ids(ado::Recordset& rs)
{
    std::vector<int> ids;
    for (; !rs.Eof(); rs.MoveNext())
        ids.push_back(std::stoi(ado::ToText(rs.Fields("FTableID").GetValue())));
    return ids;
}

TEST(FindTextTest, FindsMatchTheTypedTextItselfBySubsystemThenId)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString file = folder.filePath(QStringLiteral("account.db"));
    findtexts::WriteAccount(file);
    for (const findtexts::Find& find : findtexts::Finds()) {
        const QString language = QString::fromLatin1(find.language);
        SCOPED_TRACE((language + u' ' + find.code + u'|' + find.name).toStdString());
        modPublic::ReleaseModuleState();
        ShareProps::SetProperty(ShareProps::CurrentProcessId(), QStringLiteral("PropsString"),
                                QStringLiteral("Provider=SQLite;Data Source=%1;Language=%2").arg(file, language));
        const std::optional<QString> filter = findfilter::Filter(find.code, find.name, language);
        ASSERT_TRUE(filter);
        QString message;
        const ado::RecordsetPtr rs = clsGetData().GetMDetail(*filter, &message);
        ASSERT_TRUE(rs) << message.toStdString();
        EXPECT_EQ(Ids(*rs), findtexts::Expected(find));
    }
    // A NUL or half a surrogate pair cannot be put into a literal as it is.
    for (const QString& text : {QStringLiteral("a") + QChar(0) + u'b', QString(QChar(0xD834)), QString(QChar(0xDD1E))})
        EXPECT_FALSE(findfilter::Filter(text, {}, QStringLiteral("CHS")));
}

TEST(FindTextTest, NodeTextsGiveBackTheirTable)
{
    const std::pair<const char*, const char*> cases[] = {
        {"科目表(t_Account)", "t_Account"},
        {"Accounts (chart)(t_Account)", "t_Account"},
        {"a(b(c)(t_X)", "t_X"},
        {"close) open(((t_X)", "t_X"},
        {"名称(t(1))", "t(1)"},
        {"(t_Y)", "t_Y"},
    };
    for (const auto& [text, name] : cases)
        EXPECT_EQ(nodetext::TableName(QString::fromUtf8(text)), QString::fromUtf8(name)) << text;
}

}  // namespace
