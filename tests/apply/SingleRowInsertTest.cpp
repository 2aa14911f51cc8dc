// Which single-row inserts join into one VALUES list. SQL Server types such a list as UNION ALL
// types its branches (a column's values converted to the type of highest precedence among them,
// decimals to one type of at most 38 digits), so rows whose values that would change must not
// join: '007' beside 5 would become the number 7, 0.1234567890 beside a 38-digit number would
// lose digits, an exact decimal beside a float would become a float, and a text beside a
// Unicode one would take the Unicode type's shorter most length.
#include "SingleRowInsert.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

TEST(SingleRowInsert, RowsJoinOnlyWhereTheListsTypesKeepEveryValue)
{
    const std::string head = "insert into t(a,b) values";
    const struct {
        const char* first;
        const char* second;
        bool join;
    } cases[] = {
        {"(1, N'甲')", "(2, N'O''Hara')", true},
        {"(1.5, null)", "(-2.25, 'x')", true},
        {"(1, N'甲')", "(2, 'x')", false},
        {"(null, null)", "(0x0A, 2.5e-08)", true},
        {"(1, N'a'+nchar(13)+nchar(10)+N'b')", "(2, cast(N'' as nvarchar(max))+N'long'+nchar(0))", true},
        {"(1, 'a'+char(13))", "(2, cast('' as varchar(max))+'long')", true},
        {"(12345678901234567890123456789012345678, 1)", "(1, 2)", true},
        {"('007', 1)", "(5, 1)", false},
        {"(12345678901234567890123456789012345678, 1)", "(0.5, 1)", false},
        {"(0.1, 1)", "(2.5e-08, 1)", false},
        {"(0xFF, 1)", "('x', 1)", false},
        {"(1.25, 1)", "('1.25', 1)", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + " then " + c.second);
        const std::string firstText = head + c.first, secondText = head + "\r\n" + c.second;
        const auto first = SingleRowInsert::Read(firstText);
        const auto second = SingleRowInsert::Read(secondText);
        ASSERT_TRUE(first && second);
        EXPECT_EQ(first->Head(), head);
        EXPECT_EQ(second->Row(), std::string_view(c.second));
        std::vector<SingleRowInsert::Kind> kinds = first->Kinds();
        EXPECT_EQ(second->JoinTo(kinds), c.join);
    }
}

TEST(SingleRowInsert, OnlyOneRowOfConstantsIsRead)
{
    const std::string text = "insert into dbo.[odd ]]t]([a b],\"c\") values(1, 2)";
    const auto insert = SingleRowInsert::Read(text);
    ASSERT_TRUE(insert);
    EXPECT_EQ(insert->Table(), "dbo.[odd ]]t]");
    EXPECT_EQ(insert->Columns(), (std::vector<std::string>{"a b", "c"}));
    EXPECT_EQ(SingleRowInsert::Read("insert t values (1)")->Table(), "t");

    for (const char* text : {
             "insert into t values (1), (2)",
             "insert into t values (getdate())",
             "insert into t select 1",
             "insert into t(a, b) values (1)",
             "insert into t values (1) select 2",
             "insert into t values ('open",
             "insert into t values (1.000000000000000000000000000000000000001)",
             "update t set a = 1",
         })
        EXPECT_FALSE(SingleRowInsert::Read(text)) << text;
}

}  // namespace
