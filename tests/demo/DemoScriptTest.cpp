// The demo account database as the script writes it: the dictionary, the described tables, their
// schema features and the sample rows that later tests depend on.
#include "SqliteReader.h"
#include "TestDemoDb.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

namespace {

using Strings = std::vector<std::string>;

const SqliteReader& Demo()
{
    static const SqliteReader reader(DemoDatabasePath());
    return reader;
}

// Every declared column type of every table, lower case.
std::set<std::string> DeclaredTypes(const std::string& tableCondition = "1")
{
    std::set<std::string> types;
    for (auto type : Demo().Column("select distinct lower(c.type) from sqlite_master m, pragma_table_xinfo(m.name) c "
                                   "where m.type = 'table' and " + tableCondition))
        types.insert(type);
    return types;
}

// Whether some declared type is the given SQL Server type: the size part is matched by pattern
// ("(n)", "(p,s)", "(max)"), an IDENTITY(...) suffix is allowed.
bool HasType(const std::set<std::string>& types, const std::string& type)
{
    std::string pattern = type;
    const auto replace = [&](const std::string& from, const std::string& to) {
        if (const auto at = pattern.find(from); at != std::string::npos)
            pattern.replace(at, from.size(), to);
    };
    replace("(max)", R"(\(max\))");
    replace("(p,s)", R"(\(\d+,\d+\))");
    replace("(n)", R"(\(\d+\))");
    const std::regex re("^" + pattern + R"(( identity\(\d+,\d+\))?$)");
    return std::any_of(types.begin(), types.end(), [&](const std::string& t) { return std::regex_match(t, re); });
}

const Strings kMappedTypes = {
    "int", "integer", "smallint", "tinyint", "bigint", "bit", "decimal(p,s)", "numeric(p,s)", "money", "smallmoney",
    "float", "real", "datetime", "smalldatetime", "datetime2", "date", "time", "char(n)", "nchar(n)", "varchar(n)",
    "nvarchar(n)", "varchar(max)", "nvarchar(max)", "text", "ntext", "binary(n)", "varbinary(n)", "image",
    "uniqueidentifier",
};

TEST(DemoScript, LoadsIntactWithItsDictionary)
{
    EXPECT_EQ(Demo().Text("pragma integrity_check"), "ok");
    EXPECT_EQ(Demo().Int("select count(*) from t_Subsystem"), 15);
    EXPECT_EQ(Demo().Int("select count(*) from t_tabledescription"), 150);
    EXPECT_EQ(Demo().Int("select count(distinct FTableID) from t_tabledescription"), 150);
    // Every described table exists under its trimmed name.
    EXPECT_EQ(Demo().Column("select FTableName from t_tabledescription t where not exists (select 1 from sqlite_master m "
                            "where m.type = 'table' and m.name = trim(t.FTableName))"),
              Strings{});
    // Most columns of the described tables have a field description, some have none.
    const long long columns = Demo().Int(
        "select count(*) from t_tabledescription t, pragma_table_xinfo(trim(t.FTableName)) c");
    const long long described = Demo().Int(
        "select count(*) from t_FieldDescription f join t_tabledescription t on t.FTableID = f.FTableID "
        "where exists (select 1 from pragma_table_xinfo(trim(t.FTableName)) c where c.name = f.FFieldName)");
    EXPECT_GT(described, columns * 8 / 10);
    EXPECT_LT(described, columns);
}

TEST(DemoScript, SampleTableHasId205AndItsTexts)
{
    const auto rows = Demo().Rows("select FSubSystemID, FTableName, FDescription, FDescription_CHT, FDescription_EN "
                                  "from t_tabledescription where FTableID = 205");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][1], "t_Sample");
    EXPECT_EQ(rows[0][2], "示例表");
    EXPECT_EQ(rows[0][3], "示例表");
    EXPECT_EQ(rows[0][4], "Sample table");
    EXPECT_EQ(Demo().Int("select count(*) from t_Subsystem where FSubSysID = " + rows[0][0].value()), 1);
    // The column left without a description and the one whose description has the wrong table ID.
    EXPECT_EQ(Demo().Int("select count(*) from t_FieldDescription where FTableID = 205 and FFieldName = 'FImage'"), 0);
    EXPECT_EQ(Demo().Int("select count(*) from t_FieldDescription where FTableID = 205 and FFieldName = 'FNote'"), 0);
    EXPECT_EQ(Demo().Int("select count(*) from t_FieldDescription where FTableID = 9205 and FFieldName = 'FNote'"), 1);
    EXPECT_EQ(Demo().Text("select FDescription_EN from t_FieldDescription where FTableID = 205 and FFieldName = 'FDecimal'"),
              "Large decimal");
}

TEST(DemoScript, DictionaryHasTheAwkwardRows)
{
    EXPECT_EQ(Demo().Column("select trim(FTableName) from t_tabledescription where FDescription_EN is null order by 1"),
              (Strings{"t_CB_WIP", "t_GLSettings", "t_PA_Bank"}));
    EXPECT_EQ(Demo().Column("select FTableName from t_tabledescription where FDescription_EN = '' order by 1"),
              (Strings{"t_FALocation", "t_ICCalcLog", "t_ReportCache"}));
    // Byte for byte: in the collation trailing blanks do not count.
    EXPECT_EQ(Demo().Column("select FTableName from t_tabledescription where FDescription <> trim(FDescription) collate "
                            "binary and FDescription_EN <> trim(FDescription_EN) collate binary order by 1"),
              (Strings{" t_Account ", "t_Bank", "t_SEPrice"}));
    EXPECT_EQ(Demo().Text("select FDescription from t_tabledescription where trim(FTableName) = 't_Account'"), "  科目表 ");
    EXPECT_EQ(Demo().Column("select FName || '|' || FName_CHT || '|' || FName_EN from t_Subsystem where FName <> trim(FName)"),
              Strings{" 报表 | 報表 | Reports "});
    EXPECT_EQ(Demo().Column("select FTableName from t_tabledescription where FSubSystemID not in "
                            "(select FSubSysID from t_Subsystem)"),
              Strings{"t_ImportTemp"});
    EXPECT_EQ(Demo().Text("select FTableName from t_tabledescription where FTableID = 0"), "t_SystemProfile");
    EXPECT_EQ(Demo().Column("select FTableName from t_tabledescription where FTableID < 0"), Strings{"t_LogicTemp"});
    EXPECT_EQ(Demo().Int("select count(*) from t_FieldDescription where FTableID = -1"), 3);
}

TEST(DemoScript, FindTermsHitExactlyThreeTables)
{
    const Strings vouchers{"t_Voucher", "t_VoucherEntry", "t_VoucherTemplate"};
    EXPECT_EQ(Demo().Column("select FTableName from t_tabledescription where FDescription like '%凭证%' "
                            "order by FSubSystemID"),
              vouchers);
    EXPECT_EQ(Demo().Column("select FTableName from t_tabledescription where FTableName like '%Voucher%' "
                            "order by FSubSystemID"),
              vouchers);
    EXPECT_EQ(Demo().Column("select FTableName from t_tabledescription where FTableName like '%ICStock%' "
                            "order by FSubSystemID"),
              (Strings{"t_ICStockBill", "t_ICStockBillEntry", "t_ICStockCheck"}));
}

TEST(DemoScript, EveryMappedTypeIsDeclared)
{
    const auto all = DeclaredTypes();
    const auto sample = DeclaredTypes("m.name = 't_Sample'");
    for (const auto& type : kMappedTypes) {
        EXPECT_TRUE(HasType(all, type)) << type;
        if (type != "integer") {
            EXPECT_TRUE(HasType(sample, type)) << type << " in t_Sample";
        }
    }
    // The helper itself tells a sized type from a (max) one.
    EXPECT_FALSE(HasType({"varchar(50)"}, "varchar(max)"));
    EXPECT_FALSE(HasType({"nvarchar(max)"}, "nvarchar(n)"));
}

TEST(DemoScript, SchemaHasKeysIndexesDefaultsAndIdentities)
{
    // No index at all; an index without a primary key.
    EXPECT_EQ(Demo().Int("select count(*) from pragma_index_list('t_ReportCache')"), 0);
    EXPECT_EQ(Demo().Int("select count(*) from pragma_table_info('t_SysLog') where pk > 0"), 0);
    EXPECT_EQ(Demo().Int("select count(*) from pragma_index_list('t_SysLog')"), 1);
    // Named and unnamed primary keys.
    EXPECT_NE(Demo().Text("select sql from sqlite_master where name = 't_Sample'").find("CONSTRAINT PK_t_Sample PRIMARY KEY (FID)"),
              std::string::npos);
    EXPECT_EQ(Demo().Text("select sql from sqlite_master where name = 't_Department'").find("CONSTRAINT"), std::string::npos);
    // An identity column that is not the key, and AUTOINCREMENT keys.
    EXPECT_EQ(Demo().Text("select type || '/' || pk from pragma_table_info('t_ICStockBillEntry') where name = 'FDetailID'"),
              "int IDENTITY(1,1)/0");
    EXPECT_EQ(Demo().Column("select name from sqlite_master where sql like '%AUTOINCREMENT%' order by 1"),
              (Strings{"t_CS_CashJournal", "t_ReportAudit"}));
    // Descending keys in indexes of several columns.
    EXPECT_EQ(Demo().Column("select name || ':' || desc from pragma_index_xinfo('ix_t_Voucher_Period') where key = 1"),
              (Strings{"FYear:1", "FPeriod:1", "FGroupID:0", "FNumber:0"}));
    EXPECT_GE(Demo().Int("select count(*) from sqlite_master m, pragma_index_xinfo(m.name) x where m.type = 'index' "
                         "and x.key = 1 and x.desc = 1"),
              10);
    // Defaults as SQL Server keeps them.
    EXPECT_EQ(Demo().Column("select dflt_value from pragma_table_info('t_Sample') where name in ('FSmall', 'FCode', 'FDateTime') "
                            "order by cid"),
              (Strings{"0", "getdate()", "''"}));
    // Text keys in the provider's collation: 'faccountid' is FAccountID's key.
    EXPECT_EQ(Demo().Column("select x.coll from pragma_index_list('t_FieldDescription') l, pragma_index_xinfo(l.name) x "
                            "where l.origin = 'pk' and x.key = 1 order by x.seqno"),
              (Strings{"BINARY", "database_default"}));
    // The columns of the converter's update statements.
    EXPECT_EQ(Demo().Column("select name from pragma_table_info('t_ItemClass') where name in "
                            "('ibitype', 'soidsourcefield', 'ssourcetable') order by cid"),
              (Strings{"ibitype", "soidsourcefield", "ssourcetable"}));
}

TEST(DemoScript, SampleRowsKeepTheirSpecialValues)
{
    EXPECT_EQ(Demo().Text("select FName from t_Sample where FID = 1"), "O'Hara");
    EXPECT_EQ(Demo().Text("select FNName from t_Sample where FID = 1"), "𠀀😀 示例");
    EXPECT_EQ(Demo().Text("select FMemo from t_Sample where FID = 1"), "first line\r\nsecond line");
    EXPECT_EQ(Demo().Text("select typeof(FDecimal) || ' ' || FDecimal from t_Sample where FID = 1"),
              "integer 123456789012345678");
    EXPECT_EQ(Demo().Text("select FBig from t_Sample where FID = 1"), "9223372036854775807");
    EXPECT_EQ(Demo().Text("select FDecimal from t_Sample where FID = 5"), "12345678.0123456");
    EXPECT_EQ(Demo().Text("select hex(FVarBinary) || ' ' || typeof(FVarBinary) from t_Sample where FID = 1"), "00FF10 blob");
    EXPECT_EQ(Demo().Text("select FDateTime || ' ' || FDate || ' ' || FTime from t_Sample where FID = 1"),
              "2024-01-31 08:05:09.123 2024-01-31 08:05:09");
    // Empty text and empty binary, blanks only, and NULL are three different rows.
    EXPECT_EQ(Demo().Text("select FName = '' and FNText = '' and typeof(FVarBinary) = 'blob' and length(FVarBinary) = 0 "
                          "from t_Sample where FID = 2"),
              "1");
    EXPECT_EQ(Demo().Text("select FName = '   ' and FNName = '   ' and FCode = '   ' from t_Sample where FID = 3"), "1");
    EXPECT_EQ(Demo().Text("select FNName is null and FDecimal is null and FGUID is null from t_Sample where FID = 4"), "1");
    // A dozen and more tables hold rows.
    long long tablesWithRows = 0;
    for (const auto& table : Demo().Column("select trim(FTableName) from t_tabledescription where trim(FTableName) "
                                           "not in ('t_Subsystem', 't_tabledescription', 't_FieldDescription')"))
        tablesWithRows += Demo().Int("select count(*) > 0 from " + table);
    EXPECT_GE(tablesWithRows, 12);
}

TEST(DemoScript, NumberingRulesFindTheirSourceNumbers)
{
    // What the converter's update statement computes for each rule, in SQLite's words.
    Strings numbers;
    for (const auto& rule : Demo().Rows("select ibitype, soidsourcefield, ssourcetable from t_ItemClass order by FItemClassID")) {
        const std::string type = rule[0].value();
        const std::string prefix = ("0" + type).substr(("0" + type).size() - 2);
        numbers.push_back(Demo().Text("select ifnull(max(" + rule[1].value() + "), '" + prefix + "0000000000000') from " +
                                      rule[2].value() + " where substr(" + rule[1].value() + ", 1, 2) = '" + prefix + "'"));
    }
    EXPECT_EQ(numbers, (Strings{"070000000000013", "710000000000003", "050000000000000"}));
}

}  // namespace
