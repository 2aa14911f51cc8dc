// The converter's utility classes: value texts, field kinds, appending to files.
#include "ConverterFixture.h"

#include "AutomationError.h"
#include "clsUtility.h"

#include <cmath>

namespace {

using Utility = ConverterFixture;

std::string Text(const ado::Value& value, bool bNumeric = false) { return clsUtility().ValueText(value, bNumeric); }

TEST(ValueText, TextFormsOfEveryKindOfValue)
{
    EXPECT_EQ(Text(ado::DateTime{2024, 1, 31, 8, 5, 9, 123}), "2024-01-31T08:05:09.123");
    EXPECT_EQ(Text(ado::DateTime{2024, 1, 31, 0, 0, 0, 0}), "2024-01-31T00:00:00.000");
    EXPECT_EQ(Text(ado::DateTime{1, 2, 3, 4, 5, 6, 7}), "0001-02-03T04:05:06.007");
    EXPECT_EQ(Text(0.1), "0.1");
    EXPECT_EQ(Text(3.0), "3");
    EXPECT_EQ(Text(1e300), "1e+300");
    EXPECT_EQ(Text(2.5e-08), "2.5e-08");
    EXPECT_EQ(std::stod(Text(0.1 + 0.2)), 0.1 + 0.2);
    EXPECT_EQ(Text(ado::Bytes{0x00, 0xab, 0x7f}), "0x00AB7F");
    EXPECT_EQ(Text(ado::Bytes{}), "0x");
    EXPECT_EQ(Text(std::int64_t{-9223372036854775807 - 1}), "-9223372036854775808");
    EXPECT_EQ(Text(ado::Decimal{"-12.3400"}), "-12.3400");
    EXPECT_EQ(Text(true), "1");
    EXPECT_EQ(Text(false), "0");
    EXPECT_EQ(Text(std::string("  ")), "  ");
}

TEST(ValueText, NullAndNothingAreEmptyOrZero)
{
    EXPECT_EQ(Text(ado::Null{}), "");
    EXPECT_EQ(Text(ado::Null{}, true), "0");
}

TEST(FieldKind, RenderingClasses)
{
    EXPECT_EQ(clsUtility::FieldKind(ado::adInteger), clsUtility::eWholeNumber);
    EXPECT_EQ(clsUtility::FieldKind(ado::adBigInt), clsUtility::eWholeNumber);
    EXPECT_EQ(clsUtility::FieldKind(ado::adNumeric), clsUtility::eOtherBare);
    EXPECT_EQ(clsUtility::FieldKind(ado::adDouble), clsUtility::eOtherBare);
    EXPECT_EQ(clsUtility::FieldKind(ado::adVarBinary), clsUtility::eOtherBare);
    EXPECT_EQ(clsUtility::FieldKind(ado::adBoolean), clsUtility::eBoolean);
    EXPECT_EQ(clsUtility::FieldKind(ado::adDBTimeStamp), clsUtility::eDate);
    EXPECT_EQ(clsUtility::FieldKind(ado::adVarWChar), clsUtility::eUnicodeText);
    EXPECT_EQ(clsUtility::FieldKind(ado::adLongVarWChar), clsUtility::eUnicodeText);
    EXPECT_EQ(clsUtility::FieldKind(ado::adVarChar), clsUtility::eText);
    EXPECT_EQ(clsUtility::FieldKind(ado::adGUID), clsUtility::eText);
}

TEST_F(Utility, RecordSetTextIsItsFirstValue)
{
    Sql("create table v(a int, b int); insert into v values(7, 8); create table none(a int);");
    clsUtility utility;
    ado::ConnectionPtr connection = OpenConnection();
    EXPECT_EQ(utility.ValueText(*utility.OpenRecordset("select a, b from v", connection), true), "7");
    EXPECT_EQ(utility.ValueText(*utility.OpenRecordset("select a from none", connection), true), "0");
    EXPECT_EQ(utility.ValueText(*utility.OpenRecordset("select a from none", connection), false), "");
    const ado::RecordsetPtr rows = utility.OpenRecordset("select a from v", connection);
    rows->MoveNext();
    rows->MoveFirst();  // static: it can move back
    EXPECT_EQ(utility.ValueText(*rows, false), "7");
}

TEST_F(Utility, AppendToFileAddsALineEndAndCreatesTheFile)
{
    clsUtility utility;
    utility.AppendToFile(Path("out.txt"), "第一");
    utility.AppendToFile(Path("out.txt"), "");
    utility.AppendToFile(Path("out.txt"), "x");
    EXPECT_EQ(Read("out.txt"), "第一\r\n\r\nx\r\n");  // UTF-8, no byte-order mark
    EXPECT_THROW(utility.AppendToFile(Path("missing/out.txt"), "x"), automation::AutomationError);
}

}  // namespace
