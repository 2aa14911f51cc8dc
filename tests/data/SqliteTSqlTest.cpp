#include "AutomationError.h"
#include "SqliteTestDatabase.h"

#include <gtest/gtest.h>

using namespace ado;

namespace {

const char* const kSchema = R"(
CREATE TABLE t(FID int NOT NULL PRIMARY KEY, FName varchar(20), FDate datetime, FAmount decimal(18,2));
INSERT INTO t VALUES (1, 'a', '2024-01-05 08:05:09.123', 12.5), (2, 'b', '2024-02-29 23:59:59.997', 0),
  (3, 'c', NULL, NULL);
)";

// The rows a batch returns, cells joined by "|" and rows by ";", or the error it raises.
std::string Outcome(Connection& connection, const std::string& sql)
{
    try {
        const RecordsetPtr rs = connection.Execute(sql);
        std::string text;
        if (rs->State() != adStateOpen)
            return text;
        for (const auto& row : RowsOf(*rs)) {
            if (!text.empty())
                text += ';';
            for (size_t i = 0; i < row.size(); ++i)
                text += (i ? "|" : "") + row[i];
        }
        return text;
    } catch (const automation::AutomationError& e) {
        return e.Description().toStdString();
    }
}

}  // namespace

// One row per construct of the T-SQL that templates and find boxes hold, with the value SQL
// Server documents for it; a construct outside the subset fails in SQL Server's words.
TEST(SqliteTSql, ConstructsGiveSqlServerValues)
{
    struct Case {
        const char* sql;
        const char* expected;
    };
    const Case cases[] = {
        {"select top 2 FID from t order by FID desc", "3;2"},
        {"select top (50) percent FID from t order by FID", "1;2"},
        {"select FID from t where FID in (select top 1 FID from t order by FName desc)", "3"},
        {"select convert(varchar, FDate, 0) from t where FID = 1", "Jan  5 2024  8:05AM"},
        {"select convert(varchar(10), FDate, 23) from t where FID = 1", "2024-01-05"},
        {"select convert(char(8), FDate, 112) from t where FID = 1", "20240105"},
        {"select convert(varchar(19), FDate, 120) from t where FID = 1", "2024-01-05 08:05:09"},
        {"select convert(varchar(23), FDate, 121) from t where FID = 1", "2024-01-05 08:05:09.123"},
        {"select convert(datetime, '20240131 13:30'), convert(int, ' 42 ')", "2024-01-31 13:30:00.000|42"},
        {"select datediff(day, getdate(), convert(datetime, convert(varchar(10), getdate(), 120)))", "0"},
        {"select cast('12' as int) + 1, cast(FAmount as varchar(10)) from t where FID = 1", "13|12.50"},
        {"select isnull(FName, 'x') + isnull(convert(varchar, FAmount), '-') from t where FID = 3", "c-"},
        {"select len('ab  '), datalength('ab  '), datalength(N'ab')", "2|4|4"},
        {"select substring('abcdef', 2, 3), substring('abc', 0, 2), substring('abc', -1, 3)", "bcd|a|a"},
        {"select charindex('C', 'abcabc'), charindex('c', 'abcabc', 4), charindex('z', 'abc')", "3|6|0"},
        {"select '[' + ltrim('  a ') + ']', '[' + rtrim(' a  ') + ']'", "[a ]|[ a]"},
        {"select upper('abé'), lower('ÄBC')", "ABÉ|äbc"},
        {"select replace('aBcb', 'B', 'x')", "axcx"},
        {"select dateadd(month, 1, '2024-01-31'), dateadd(dd, -1, '20240301')",
         "2024-02-29 00:00:00.000|2024-02-29 00:00:00.000"},
        {"select datediff(year, '2023-12-31', '2024-01-01'), datediff(day, '2024-01-01', '2024-03-01'), "
         "datediff(week, '2024-01-06', '2024-01-07'), datediff(hh, '2024-01-01 23:59', '2024-01-02 00:01')",
         "1|60|1|1"},
        {"select datepart(weekday, '2024-01-07'), datepart(dy, '2024-03-01'), datepart(week, '2024-01-07'), "
         "datepart(qq, FDate) from t where FID = 2",
         "1|61|2|1"},
        {"select year(FDate), month(FDate), day(FDate) from t where FID = 2", "2024|2|29"},
        {"select 'a' + FName + N'c', 1 + 2, '1' + '2', '1' + 2 from t where FID = 2", "abc|3|12|3"},
        {"select [FName] from [dbo].[t] where [FName] = N'B'", "b"},
        {"declare @n int = 5, @s varchar(3) set @n += 1 set @s = 'abcdef' select @n, @s", "6|abc"},
        {"declare @last datetime select @last = max(FDate) from t where FName <> 'B' "
         "select convert(varchar(8), @last, 112)",
         "20240105"},
        {"set nocount on select count(*) from t with (nolock)", "3"},
        {"select datalength('a' + char(0) + 'b'), len(N'a' + nchar(0) + N'b'), char(65) + char(300)", "3|3|NULL"},
        {"select convert(money2, 1)", "Type money2 is not a defined system type."},
        {"select convert(varchar, getdate(), 999)",
         "999 is not a valid style number when converting from datetime to a character string."},
        {"select cast(FName as int) from t", "Conversion failed when converting the varchar value 'a' to data type int."},
        {"select substring('a', 1, -1)", "Invalid length parameter passed to the substring function."},
        {"select dateadd(fortnight, 1, getdate())", "'fortnight' is not a recognized dateadd option."},
        {"select soundex2(FName) from t", "'soundex2' is not a recognized built-in function name."},
        {"select len('a', 'b')", "The len function requires 1 argument(s)."},
        {"select @nope", "Must declare the scalar variable \"@nope\"."},
        {"declare @x table (a int)", "Incorrect syntax near 'table'."},
    };
    const SqliteTestDatabase db(kSchema);
    const ConnectionPtr connection = db.Open(adModeRead);
    for (const Case& c : cases)
        EXPECT_EQ(Outcome(*connection, c.sql), c.expected) << c.sql;
}

// The converter's data scripts write a NUL inside a text as char(0) joined with "+".
TEST(SqliteTSql, ScriptTextsJoinedWithNulsStoreTheirBytes)
{
    const SqliteTestDatabase db("CREATE TABLE v(n int, a varchar(10), u nvarchar(10));");
    const ConnectionPtr connection = db.Open();
    connection->Execute("insert into v(n, a, u) values(1, 'a'+char(0)+'b', N'a'+nchar(0)+N'b')\r\n"
                        "insert into v(n, a, u) values(2, char(0), nchar(0)+N'z')");
    const auto rows = Query(*connection, "select a, u from v order by n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], std::string("a\0b", 3));
    EXPECT_EQ(rows[0][1], std::string("a\0b", 3));
    EXPECT_EQ(rows[1][0], std::string("\0", 1));
    EXPECT_EQ(rows[1][1], std::string("\0z", 2));

    connection->Execute("begin tran delete from v rollback tran");
    EXPECT_EQ(Query(*connection, "select count(*) from v"), (std::vector<std::vector<std::string>>{{"2"}}));
}

// Variables live for their batch, IF's condition and branches included: a SELECT that finds no
// row leaves them as they were, the last row counts, values take the declared type.
TEST(SqliteTSql, VariablesKeepSqlServerSemantics)
{
    struct Case {
        const char* sql;
        const char* expected;
    };
    const Case cases[] = {
        {"declare @x int = 7 select @x = FID from t where 1 = 0 select @x", "7"},
        {"declare @x int select @x = FID from t order by FID select @x", "3"},
        {"declare @d date = '2024-01-31T10:00' declare @t datetime = @d select @d, @t",
         "2024-01-31|2024-01-31 00:00:00.000"},
        {"declare @n int = 'x'", "Conversion failed when converting the varchar value 'x' to data type int."},
        {"declare @name varchar(5) = 'B' select FID from t where FName = @name", "2"},
        {"select @x", "Must declare the scalar variable \"@x\"."},
        {"declare @x int = 2 if @x = 2 select @x + 1 else select 0", "3"},
        {"declare @x varchar(9) = 'a' if exists (select 1 from t where FID < 9) begin set @x = @x + 'b' end select @x",
         "ab"},
        {"declare @x int if 1 = 1 begin declare @x int end",
         "The variable name '@x' has already been declared. Variable names must be unique within a query batch or "
         "stored procedure."},
    };
    const SqliteTestDatabase db(kSchema);
    const ConnectionPtr connection = db.Open(adModeRead);
    for (const Case& c : cases)
        EXPECT_EQ(Outcome(*connection, c.sql), c.expected) << c.sql;
    // Each batch starts with its variables unset.
    EXPECT_EQ(Outcome(*connection, "declare @x int select @x"), "NULL");
}

// The edges of the functions the provider computes itself, with SQL Server's results.
TEST(SqliteTSql, FunctionEdgesGiveSqlServerValues)
{
    struct Case {
        const char* sql;
        const char* expected;
    };
    const Case cases[] = {
        {"select datalength(FID), datalength(2.5), datalength(0x0102), datalength(N'中'), datalength('中') from t "
         "where FID = 1",
         "4|8|2|2|2"},
        {"select substring(0x010203, 2, 5), substring(N'中文字', 2, 1), substring(NULL, 1, 1)", "0203|文|NULL"},
        // Any 64-bit start and length, without overflow.
        {"select substring('abc', -9223372036854775808, 9223372036854775807), substring('abc', -1, 9223372036854775807), "
         "substring('abc', 9223372036854775807, 9223372036854775807), substring(0x0102, -9223372036854775808, 0)",
         "|abc||"},
        {"select char(128), char(-1), nchar(8364), nchar(55296)", "€|NULL|€|NULL"},
        {"select charindex('', 'abc'), charindex('B', 'abc', -5), charindex(NULL, 'abc')", "0|2|NULL"},
        {"select replace('aaa', 'A', 'bb'), replace('abc', '', 'x'), replace('abc', 'b', NULL)", "bbbbbb|abc|NULL"},
        {"select count(*) from t where FName like 'A!%' escape '!' or FName like '[ab]'", "2"},
        {"select top (@@rowcount) FID from t", "Incorrect syntax near '@'."},
        {"declare @n int = 1 select top (@n + 1) FID from t order by FID", "1;2"},
        {"select top 34 percent FID from t order by FID desc", "3;2"},
        {"select FID from t where FDate >= dateadd(day, -1, '2024-02-29') order by FID", "2"},
        {"select convert(varchar(5), 12345678), convert(varchar, 0.5), convert(numeric(5,1), 2.25)", "*|0.5|2.3"},
        {"select convert(nvarchar(2), 123)", "Arithmetic overflow error converting expression to data type nvarchar."},
        {"select FID / FAmount from t where FID = 2", "Divide by zero error encountered."},
        {"select 5 % (FID - FID) from t where FID = 1", "Divide by zero error encountered."},
        {"select avg(FID), avg(FAmount), sum(FID / 2), sum(FID % 2.0) from t where FID in (1, 2)", "1|6.25|1|1"},
    };
    const SqliteTestDatabase db(kSchema);
    const ConnectionPtr connection = db.Open(adModeRead);
    for (const Case& c : cases)
        EXPECT_EQ(Outcome(*connection, c.sql), c.expected) << c.sql;
}
