// The T-SQL values the embedded provider computes itself: dates, conversions, LIKE and the text
// collation, each over a table of cases with the results SQL Server documents.
#include "TSqlConvert.h"
#include "TSqlDateTime.h"
#include "TSqlLike.h"
#include "TextCollation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace ado::provider;

TEST(TSqlValues, DatesReadAndWriteAsSqlServerDoes)
{
    struct Read {
        const char* text;
        int style;
        const char* stored;  // nullptr: no date
    };
    const Read reads[] = {
        {"20240131", 0, "2024-01-31 00:00:00.000"},
        {"2024-01-31 08:05:09.123", 0, "2024-01-31 08:05:09.123"},
        {"2024-01-31T08:05:09", 0, "2024-01-31 08:05:09.000"},
        {"2024/1/5", 0, "2024-01-05 00:00:00.000"},
        {"01/05/2024", 0, "2024-01-05 00:00:00.000"},
        {"01/05/2024", 103, "2024-05-01 00:00:00.000"},
        {"05.01.24", 104, "2024-01-05 00:00:00.000"},
        {"Jan 5 2024 8:05PM", 0, "2024-01-05 20:05:00.000"},
        {"5 January 1999", 0, "1999-01-05 00:00:00.000"},
        {"12:00 AM", 0, "1900-01-01 00:00:00.000"},
        {"  ", 0, "1900-01-01 00:00:00.000"},
        {"2024-02-30", 0, nullptr},
        {"2023-02-29", 0, nullptr},
        {"2024-01-31 24:00", 0, nullptr},
        {"13:00 PM", 0, nullptr},
        {"yesterday", 0, nullptr},
        {"2024-01-31 08:05 x", 0, nullptr},
    };
    for (const Read& r : reads) {
        const auto date = TSqlDateTime::Parse(r.text, r.style);
        EXPECT_EQ(date ? date->StorageText() : "(no date)", r.stored ? r.stored : "(no date)") << r.text;
    }

    const TSqlDateTime date = *TSqlDateTime::Parse("2024-01-05 20:05:09.007");
    struct Style {
        int style;
        const char* text;
    };
    const Style styles[] = {
        {0, "Jan  5 2024  8:05PM"}, {100, "Jan  5 2024  8:05PM"}, {1, "01/05/24"},   {101, "01/05/2024"},
        {102, "2024.01.05"},        {103, "05/01/2024"},          {104, "05.01.2024"}, {105, "05-01-2024"},
        {108, "20:05:09"},          {110, "01-05-2024"},          {111, "2024/01/05"}, {12, "240105"},
        {112, "20240105"},          {120, "2024-01-05 20:05:09"}, {121, "2024-01-05 20:05:09.007"},
        {23, "2024-01-05"},         {126, "2024-01-05T20:05:09.007"},
    };
    for (const Style& s : styles)
        EXPECT_EQ(date.StyleText(s.style).value_or("(none)"), s.text) << s.style;
    EXPECT_FALSE(date.StyleText(7));
    EXPECT_EQ(TSqlDateTime::Parse("2024-01-05")->StyleText(126), "2024-01-05T00:00:00");
    EXPECT_EQ(TSqlDateTime::FromDays(45290.5)->StorageText(), "2024-01-01 12:00:00.000");
    EXPECT_FALSE(TSqlDateTime::FromDays(1e300));
}

TEST(TSqlValues, DateArithmeticCountsAsSqlServerDoes)
{
    const auto at = [](const char* text) { return *TSqlDateTime::Parse(text); };
    struct Add {
        const char* part;
        std::int64_t number;
        const char* date;
        const char* result;
    };
    const Add adds[] = {
        {"month", 1, "2024-01-31", "2024-02-29 00:00:00.000"},   {"yy", 1, "2024-02-29", "2025-02-28 00:00:00.000"},
        {"q", -1, "2024-05-31", "2024-02-29 00:00:00.000"},      {"dd", -1, "2024-03-01", "2024-02-29 00:00:00.000"},
        {"wk", 2, "2023-12-25", "2024-01-08 00:00:00.000"},      {"hh", 25, "2024-01-01 23:00", "2024-01-03 00:00:00.000"},
        {"mi", -1, "2024-01-01", "2023-12-31 23:59:00.000"},     {"ms", 1500, "2024-01-01", "2024-01-01 00:00:01.500"},
    };
    for (const Add& a : adds)
        EXPECT_EQ(DateAdd(*DatePartNamed(a.part), a.number, at(a.date))->StorageText(), a.result) << a.part << a.number;
    EXPECT_FALSE(DateAdd(DatePart::Year, 9000, at("2024-01-01")));
    EXPECT_FALSE(DateAdd(DatePart::Millisecond, std::int64_t{1} << 62, at("2024-01-01")));

    struct Diff {
        const char* part;
        const char* start;
        const char* end;
        std::int64_t result;
    };
    const Diff diffs[] = {
        {"year", "2023-12-31 23:59", "2024-01-01", 1}, {"quarter", "2024-03-31", "2024-04-01", 1},
        {"month", "2024-01-31", "2024-02-01", 1},     {"day", "2024-01-01 23:59", "2024-01-02 00:00", 1},
        {"week", "2024-01-06", "2024-01-07", 1},      {"week", "2024-01-07", "2024-01-13", 0},
        {"hour", "2024-01-01 10:59", "2024-01-01 11:00", 1}, {"minute", "2024-01-02", "2024-01-01", -1440},
        {"second", "2024-01-01 00:00:00.999", "2024-01-01 00:00:01", 1}, {"ms", "2024-01-01", "2024-01-01 00:00:01", 1000},
    };
    for (const Diff& d : diffs)
        EXPECT_EQ(DateDiff(*DatePartNamed(d.part), at(d.start), at(d.end)), d.result) << d.part << " " << d.start;

    struct Part {
        const char* part;
        const char* date;
        std::int64_t result;
    };
    const Part parts[] = {
        {"year", "2024-02-29", 2024}, {"qq", "2024-10-01", 4},   {"mm", "2024-02-29", 2},  {"dy", "2024-12-31", 366},
        {"dd", "2024-02-29", 29},     {"wk", "2024-01-06", 1},   {"wk", "2024-01-07", 2},  {"dw", "2024-01-07", 1},
        {"dw", "2024-01-06", 7},      {"hh", "2024-01-01 13:14:15.678", 13}, {"n", "2024-01-01 13:14:15.678", 14},
        {"ss", "2024-01-01 13:14:15.678", 15}, {"ms", "2024-01-01 13:14:15.678", 678},
    };
    for (const Part& p : parts)
        EXPECT_EQ(DatePartOf(*DatePartNamed(p.part), at(p.date)), p.result) << p.part << " " << p.date;
    EXPECT_FALSE(DatePartNamed("fortnight"));
}

TEST(TSqlValues, ConversionsAsSqlServerDoes)
{
    struct Case {
        TSqlValue value;
        const char* type;
        int style;  // -1: none
        const char* source;
        const char* result;  // the text of the result, or the error
    };
    const auto text = [](const TSqlValue& v) -> std::string {
        if (const auto* i = std::get_if<std::int64_t>(&v))
            return std::to_string(*i);
        if (const auto* d = std::get_if<double>(&v))
            return FloatText(*d);
        if (const auto* s = std::get_if<std::string>(&v))
            return "'" + *s + "'";
        if (const auto* b = std::get_if<TSqlBytes>(&v))
            return "bytes " + std::to_string(b->bytes.size());
        return "NULL";
    };
    const Case cases[] = {
        {std::string(" 42 "), "int", -1, "", "42"},
        {std::string("4.2"), "int", -1, "", "Conversion failed when converting the varchar value '4.2' to data type int."},
        {std::string("x"), "smallint", -1, "nvarchar", "Conversion failed when converting the nvarchar value 'x' to data type smallint."},
        {std::int64_t{300}, "tinyint", -1, "", "Arithmetic overflow error converting expression to data type tinyint."},
        {-2.7, "int", -1, "", "-2"},
        {std::string(""), "int", -1, "", "0"},
        {std::string("true"), "bit", -1, "", "1"},
        {std::int64_t{-5}, "bit", -1, "", "1"},
        {std::string("12.345"), "decimal(5,2)", -1, "", "12.35"},
        {std::string("-0.5"), "numeric(3,0)", -1, "", "-1"},
        {std::string("1000"), "decimal(3,0)", -1, "", "Arithmetic overflow error converting expression to data type numeric."},
        {std::string("1e3"), "float", -1, "", "1000"},
        {std::string("abc"), "float", -1, "", "Error converting data type varchar to float."},
        {1234567.0, "varchar", -1, "float", "'1.23457e+006'"},
        {12.5, "varchar", -1, "money", "'12.50'"},
        {std::string("abcdef"), "varchar(3)", -1, "", "'abc'"},
        {std::string("ab"), "char(4)", -1, "", "'ab  '"},
        {std::string("ab"), "nvarchar(max)", -1, "", "'ab'"},
        {std::string("x"), "varchar(9000)", -1, "",
         "The size (9000) given to the type 'varchar' exceeds the maximum allowed for any data type (8000)."},
        {std::string("2024-01-05 08:05:09.123"), "varchar", -1, "datetime", "'Jan  5 2024  8:05AM'"},
        {std::string("2024-01-05 08:05:09.123"), "varchar", 120, "", "'2024-01-05 08:05:09'"},
        {std::string("2024-01-05"), "varchar", -1, "date", "'2024-01-05'"},
        {std::string("not a date"), "varchar", 120, "", "'not a date'"},
        {std::string("2024-01-05"), "varchar", 7, "datetime",
         "7 is not a valid style number when converting from datetime to a character string."},
        {std::string("05/01/2024"), "datetime", 103, "", "'2024-01-05 00:00:00.000'"},
        {std::string("2024-01-05 10:29:31"), "smalldatetime", -1, "", "'2024-01-05 10:30:00.000'"},
        {std::string("2024-01-05 10:29:31"), "date", -1, "", "'2024-01-05'"},
        {std::int64_t{2}, "datetime", -1, "", "'1900-01-03 00:00:00.000'"},
        {std::string("2024-01-05 13:00"), "int", -1, "datetime", "45295"},
        {std::string("soon"), "datetime", -1, "", "Conversion failed when converting date and/or time from character string."},
        {std::int64_t{1}, "varbinary", -1, "", "bytes 4"},
        {std::string("ab"), "binary(4)", -1, "", "bytes 4"},
        {std::monostate{}, "int", -1, "", "NULL"},
        {std::int64_t{1}, "money2", -1, "", "Type money2 is not a defined system type."},
    };
    for (const Case& c : cases) {
        std::string result;
        try {
            const std::optional<int> style = c.style < 0 ? std::nullopt : std::optional<int>(c.style);
            result = text(ConvertValue(c.value, TSqlDataType::Parse(c.type), style, TSqlDataType::Parse(c.source)));
        } catch (const TSqlError& e) {
            result = e.what();
        }
        EXPECT_EQ(result, c.result) << c.type << " from " << text(c.value);
    }
}

TEST(TSqlValues, LikeMatchesAsSqlServerDoes)
{
    struct Case {
        const char* value;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"t_Item", "%ITEM%", true},   {"t_Item", "t_%", true},       {"tXItem", "t_I%", true},
        {"t_Item", "t\\_%", false},   {"abc", "a_c", true},          {"abc", "a_", false},
        {"abc", "[a-c]b[^ab]", true}, {"abc", "[^a]%", false},       {"b]", "b[]]", true},
        {"abc   ", "abc", true},      {"abc", "abc ", false},        {"é", "e", false},
        {"É", "é", true},             {"", "%", true},               {"", "_", false},
        {"a%b", "a[%]b", true},       {"axb", "a[%]b", false},       {"aaab", "%a%b", true},
        {"x", "[", false},            {"[", "[", true},              {"mississippi", "%iss%ipp_", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchLike(c.value, c.pattern), c.matches) << c.value << " LIKE " << c.pattern;
    EXPECT_TRUE(MatchLike("50%", "50!%", U'!'));
    EXPECT_FALSE(MatchLike("500", "50!%", U'!'));
}

TEST(TSqlValues, CollationIsATotalOrder)
{
    std::vector<std::string> texts = {"", " ", "-", "_", "a", "A", "á", "b", "B ", "0", "9", "a0", "a_", "ab", "AB",
                                      "中", "文", "\xff", std::string("a\0", 2), "z", "Z", "co-op", "coop", "co'op",
                                      "æ", "ae", "Æb", "ß", "ss", "ＡＢ", "Ａ-b", "啊", "長"};
    for (const std::string& a : texts)
        for (const std::string& b : texts) {
            const int ab = CompareText(a, b);
            EXPECT_EQ(ab > 0, CompareText(b, a) < 0) << a << " / " << b;
            for (const std::string& c : texts)
                if (ab <= 0 && CompareText(b, c) <= 0) {
                    EXPECT_LE(CompareText(a, c), 0) << a << " " << b << " " << c;
                }
        }
    std::sort(texts.begin(), texts.end(), [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
    EXPECT_LT(std::find(texts.begin(), texts.end(), "_") - texts.begin(), std::find(texts.begin(), texts.end(), "0") - texts.begin());
    EXPECT_LT(std::find(texts.begin(), texts.end(), "9") - texts.begin(), std::find(texts.begin(), texts.end(), "a") - texts.begin());
    EXPECT_EQ(CompareText("B ", "b"), 0);
}

// Where the default collation (Chinese_PRC_CI_AS) puts texts, as SQL Server's Windows collations
// do: hyphen and apostrophe weigh only between otherwise equal texts, æ, œ and ß sort as two
// letters, full-width letters as ASCII ones, Chinese by pinyin after every Latin letter.
TEST(TSqlValues, CollationWeighsAsWindowsCollations)
{
    struct Case {
        const char* a;
        const char* b;
        int order;
    };
    const Case cases[] = {
        {"coo", "co-op", -1},     {"co-op", "cop", -1},    {"coop", "co-op", -1},   {"co'op", "co-op", -1},
        {"a-c", "ab", 1},         {"-", "", 1},            {"FNumber", "F-Number", -1},
        {"æ", "ae", 0},           {"Æsop", "aesop", 0},    {"ad", "æb", -1},        {"æb", "af", -1},
        {"straße", "STRASSE", 0}, {"œuvre", "oeuvre", 0},  {"ẞ", "ss", 0},
        {"ＡＢＣ", "abc", 0},     {"ａｂ", "ab ", 0},      {"１０", "10", 0},       {"Ａ－Ｂ", "a-b", 0},
        {"啊", "北", -1},         {"北", "中", -1},        {"长", "重", -1},        {"中国", "中文", -1},
        {"zz", "啊", -1},         {"1中", "a", -1},
    };
    for (const Case& c : cases) {
        const int order = CompareText(c.a, c.b);
        EXPECT_EQ((order > 0) - (order < 0), c.order) << c.a << " / " << c.b;
    }
    // Other collations order Chinese by code point: 中 (U+4E2D) before 啊 (U+554A).
    const auto latin = ado::provider::CollationNamed("Latin1_General_CI_AS");
    ASSERT_TRUE(latin.has_value());
    EXPECT_LT(CompareText("中", "啊", *latin), 0);
    EXPECT_GT(CompareText("中", "啊"), 0);
}
