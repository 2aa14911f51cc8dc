// "Copy as SELECT" over field rows as the window holds them.
#include "SelectText.h"
#include "VexaList.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

namespace {

VexaListPtr FieldRows(const std::vector<std::pair<const char*, const char*>>& fields)
{
    auto rows = std::make_shared<VexaList>();
    for (const auto& [name, description] : fields) {
        auto row = std::make_shared<VexaRecord>();
        row->SetValue(QStringLiteral("FFieldName"), QString::fromUtf8(name));
        row->SetValue(QStringLiteral("FDescription"), QString::fromUtf8(description));
        rows->Add(row);
    }
    return rows;
}

TEST(SelectTextTest, AliasesAreBracketedDescriptionsAndEmptyOnesAreLeftOut)
{
    const struct {
        const char* table;
        std::vector<std::pair<const char*, const char*>> fields;
        const char* expected;
    } cases[] = {
        {"t_Account", {{"FNumber", "代码"}, {"FName", "名称"}}, "select FNumber as [代码], FName as [名称] from t_Account"},
        {"t_Account", {{"FNumber", ""}, {"FName", "名称"}, {"FNote", ""}}, "select FNumber, FName as [名称], FNote from t_Account"},
        {"t_Sample", {{"FAmount", "金额[元]"}, {"FRate", "a]]b"}}, "select FAmount as [金额[元]]], FRate as [a]]]]b] from t_Sample"},
        {"we'ird", {{"Order", "次序"}, {"F 1", ""}, {"1st", "x"}, {"F]", ""}},
         "select [Order] as [次序], [F 1], [1st] as [x], [F]]] from [we'ird]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(SelectText(QString::fromUtf8(c.table), *FieldRows(c.fields)).toStdString(), c.expected);
    }
}

}  // namespace
