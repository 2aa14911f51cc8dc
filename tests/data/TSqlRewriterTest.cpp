#include "AutomationError.h"
#include "SqliteErrors.h"
#include "TSqlRewriter.h"

#include <gtest/gtest.h>

using ado::provider::RewriteTSql;

namespace {

std::string Rewritten(const std::string& text)
{
    return RewriteTSql(text).sql;
}

std::string ErrorOfRewrite(const std::string& text)
{
    try {
        RewriteTSql(text);
    } catch (const automation::AutomationError& e) {
        EXPECT_EQ(e.Number(), ado::provider::kErrorCommand);
        EXPECT_EQ(e.Source().toStdString(), "Tabrix.SQLite");
        return e.Description().toStdString();
    }
    return {};
}

}  // namespace

TEST(TSqlRewriter, LiteralsBecomeSqliteLiterals)
{
    EXPECT_EQ(Rewritten("insert into T(a,b) values(N'x''y',0x0A)"), "insert into T(a,b) values('x''y',X'0A')");
    EXPECT_EQ(Rewritten("select 0xABC, 0x, n'z'"), "select X'0ABC', X'', 'z'");
    // Inside strings and names nothing changes.
    EXPECT_EQ(Rewritten("select 'isnull(a,b) 0x1 N''q''' as [my \"col]]]"),
              "select 'isnull(a,b) 0x1 N''q''' as \"my \"\"col]\"");
    // "@", "#" and "$" inside a name are SQL Server's; names that start with one stay as they are.
    EXPECT_EQ(Rewritten("select a#b, c@d, e$f from g#h"), "select \"a#b\", \"c@d\", \"e$f\" from \"g#h\"");
}

TEST(TSqlRewriter, FunctionsThatAreSqliteKeywords)
{
    EXPECT_EQ(Rewritten("select isnull(t1.FTableID,0), ISNULL (x, 'a')"), "select ifnull(t1.FTableID,0), ifnull (x, 'a')");
    EXPECT_EQ(Rewritten("select left(F,2), Right(F, 3) from a left join b on a.x=b.x"),
              "select \"left\"(F,2), \"right\"(F, 3) from a left join b on a.x=b.x");
}

TEST(TSqlRewriter, OwnerAndComments)
{
    EXPECT_EQ(Rewritten("select * from dbo.T join [dbo].[U] on 1=1"), "select * from T join \"U\" on 1=1");
    EXPECT_EQ(Rewritten("create table T(a varchar(max), b nvarchar (MAX), c varbinary(max), d char(4))"),
              "create table T(a varchar(2147483647) COLLATE database_default, b nvarchar(1073741823) COLLATE "
              "database_default, c varbinary(2147483647), d char(4) COLLATE database_default)");
    EXPECT_EQ(Rewritten("select 1 /* outer /* nested */ still comment */ + 2 -- tail"), "select 1   + 2  ");
    EXPECT_EQ(Rewritten("create table T(a int, b char(2),\r\n)"), "create table T(a int, b char(2) COLLATE database_default\r\n)");
    EXPECT_EQ(Rewritten("begin tran delete from T rollback tran"), "begin transaction ;delete from T ;rollback transaction");
}

TEST(TSqlRewriter, BatchStatementsAreSeparated)
{
    EXPECT_EQ(Rewritten("delete from T \r\ninsert into T(a) values(1)\r\ninsert into T(a) values(2)"),
              "delete from T \r\n;insert into T(a) values(1)\r\n;insert into T(a) values(2)");
    // Words that continue a statement are left alone.
    EXPECT_EQ(Rewritten("insert or replace into T select 1"), "insert or replace into T select 1");
    EXPECT_EQ(Rewritten("create table C(p int references P(id) on delete cascade)"),
              "create table C(p int references P(id) on delete cascade)");
    EXPECT_EQ(Rewritten("create trigger g after insert on T begin delete from U; insert into U values(1); end"),
              "create trigger g after insert on T begin delete from U; insert into U values(1); end");
    EXPECT_EQ(Rewritten("with c(x) as (select 1) insert into T select x from c"),
              "with c(x) as (select 1) insert into T select x from c");
}

TEST(TSqlRewriter, IndexReportCalls)
{
    EXPECT_EQ(RewriteTSql("sp_helpindex 't_Item'").helpIndexTable, "t_Item");
    EXPECT_EQ(RewriteTSql("sp_helpindex t_Item").helpIndexTable, "t_Item");
    EXPECT_EQ(RewriteTSql("exec sp_helpindex N'dbo.t_Item';").helpIndexTable, "t_Item");
    EXPECT_EQ(RewriteTSql("EXECUTE sp_helpindex @objname = [t Item]").helpIndexTable, "t Item");
    EXPECT_FALSE(RewriteTSql("select 'sp_helpindex'").helpIndexTable);
    EXPECT_EQ(ErrorOfRewrite("exec sp_helpindex"),
              "Procedure or function 'sp_helpindex' expects parameter '@objname', which was not supplied.");
}

TEST(TSqlRewriter, UnclosedQuotesAndComments)
{
    EXPECT_EQ(ErrorOfRewrite("select * from t_tabledescription Where  FDescription Like '%a'b%'  order by FSubSystemID"),
              "Unclosed quotation mark before the character string '  order by FSubSystemID'.");
    EXPECT_EQ(ErrorOfRewrite("select N'abc"), "Unclosed quotation mark before the character string 'abc'.");
    EXPECT_EQ(ErrorOfRewrite("select [abc"), "Unclosed quotation mark before the character string 'abc'.");
    EXPECT_EQ(ErrorOfRewrite("select 1 /* open /* */"), "Missing end comment mark '*/'.");
    EXPECT_EQ(ErrorOfRewrite("select 'it''s'"), "");
    // A long rest is quoted up to 128 characters, never cut inside one.
    const std::string excerpt = std::string(126, 'x') + "中文";
    EXPECT_EQ(ErrorOfRewrite("select '" + excerpt + std::string(50'000'000, 'y')),
              "Unclosed quotation mark before the character string '" + excerpt + "'.");
}

TEST(TSqlRewriter, LastTokenOfTheOriginalText)
{
    EXPECT_EQ(RewriteTSql("select * from T where  -- nothing\n").lastToken, "where");
}

TEST(TSqlRewriter, InnerJoinsMoveAheadOfOuterJoins)
{
    EXPECT_EQ(Rewritten("select t2.Name from syscolumns t2 left join D t1  on(t1.F=t2.Name and t1.I=3) join sysobjects  "
                        "t3 on(t3.ID=t2.ID) join systypes t4 on(t2.xusertype=t4.xusertype) where  t3.Name='T'"),
              "select t2.Name from syscolumns t2 join sysobjects  t3 on(t3.ID=t2.ID) join systypes t4 "
              "on(t2.xusertype=t4.xusertype) left join D t1  on(t1.F=t2.Name and t1.I=3) where  t3.Name='T'");
    // A join that refers to the outer join's table, an unqualified name or a "*" keeps its place.
    for (const char* text : {"select a.x from A a left join B b on b.k = a.k join C c on c.k = b.k",
                             "select a.x from A a left join B b on b.k = a.k join C c on c.k = k",
                             "select * from A a left join B b on b.k = a.k join C c on c.k = a.k",
                             "select a.x from A a left join (select 1 k) b on b.k = a.k join C c on c.k = a.k"})
        EXPECT_EQ(Rewritten(text), text);
}

// A LEFT JOIN's constant terms go into a table of their own when the rest of its condition
// compares in the collation; any other condition stays as written.
TEST(TSqlRewriter, LeftJoinConstantTermsBecomeATableOfTheirOwn)
{
    const std::string from = "select t2.Name from syscolumns t2 left join D t1 ";
    EXPECT_EQ(Rewritten(from + "on(t1.F=t2.Name collate database_default and t1.I=3) where t2.id = 1"),
              from.substr(0, from.size() - 5) +
                  "(select * from D t1 where t1.I=3 limit -1) t1 on (t1.F=t2.Name collate database_default) "
                  "where t2.id = 1");
    EXPECT_EQ(Rewritten(from + "on (('x' = t1.C) and t1.F = t2.Name collate database_default and [t1].I = 3)"),
              from.substr(0, from.size() - 5) +
                  "(select * from D t1 where ('x' = t1.C) and \"t1\".I = 3 limit -1) t1 "
                  "on (t1.F = t2.Name collate database_default)");
    for (const std::string condition :
         {"on (t1.F = t2.Name and t1.I = 3)", "on (t1.F = t2.Name collate database_default or t1.I = 3)",
          "on (t1.F = t2.Name collate database_default and t1.I = t2.id)",
          "on (t1.F = t2.Name collate database_default and t1.I between 1 and 3)",
          "on (t1.F = t2.Name collate database_default and t2.I = 3)",
          "on (t1.F = t2.Name collate database_default and exists (select 1 from E e where e.I = 3))"})
        EXPECT_EQ(Rewritten(from + condition), from + condition);
}

namespace {

// Two tables: t(id int, name varchar(20), born datetime) and u(id int, code nvarchar(10)).
class TwoTables : public ado::provider::TSqlCatalogue {
public:
    std::optional<ado::provider::TSqlDataType> ColumnType(std::string_view table, std::string_view column) const override
    {
        using ado::provider::EqualsNoCase;
        using ado::provider::TSqlDataType;
        const char* type = nullptr;
        if (EqualsNoCase(table, "t"))
            type = EqualsNoCase(column, "id") ? "int" : EqualsNoCase(column, "name") ? "varchar(20)"
                                                    : EqualsNoCase(column, "born") ? "datetime" : nullptr;
        else if (EqualsNoCase(table, "u"))
            type = EqualsNoCase(column, "id") ? "int" : EqualsNoCase(column, "code") ? "nvarchar(10)" : nullptr;
        if (!type)
            return std::nullopt;
        return TSqlDataType::Parse(type);
    }
};

}  // namespace

// The collation goes where text is compared or sorted, and nowhere else: numbers and dates keep
// the comparisons their indexes serve, the select list keeps its columns' declared types.
TEST(TSqlRewriter, CollationWhereTextIsComparedOrSorted)
{
    const TwoTables catalogue;
    const auto rewritten = [&](const char* text) { return RewriteTSql(text, &catalogue).sql; };
    EXPECT_EQ(rewritten("select name, id from t where id = 5 and name = 'x' and born > '2024-01-01' order by name, id"),
              "select name, id from t where id = 5 and name COLLATE database_default = 'x' and born > '2024-01-01' "
              "order by name COLLATE database_default, id");
    EXPECT_EQ(rewritten("select a.id from t a join u b on (b.code=a.name and b.id=a.id) group by b.code"),
              "select a.id from t a join u b on (b.code COLLATE database_default=a.name COLLATE database_default and "
              "b.id=a.id) group by b.code COLLATE database_default");
    EXPECT_EQ(rewritten("select max(name), case when name <> '' then 1 end from t"),
              "select max(name COLLATE database_default), case when name COLLATE database_default <> '' then 1 end from t");
    EXPECT_EQ(rewritten("update t set name = 'y' where name in ('a')"),
              "update t set name = 'y' where name COLLATE database_default in ('a')");
    EXPECT_EQ(rewritten("select distinct name from t order by name"),
              "select  name from t group by (name) COLLATE database_default order by name COLLATE database_default");
    EXPECT_EQ(rewritten("select 1 where N'a' = 'A'"), "select 1 where 'a' COLLATE database_default = 'A'");
    // Without a catalogue no column is known to hold text.
    EXPECT_EQ(RewriteTSql("select * from t where name = 'x'").sql, "select * from t where name = 'x'");
}

TEST(TSqlRewriter, TopConvertAndJoinedTexts)
{
    const TwoTables catalogue;
    const auto rewritten = [&](const char* text) { return RewriteTSql(text, &catalogue).sql; };
    EXPECT_EQ(rewritten("select top 3 id from t order by id"), "select  id from t order by id limit (3)");
    EXPECT_EQ(rewritten("select top (2) id from t union all select id from u"),
              "select * from (select  id from t limit (2)) union all select id from u");
    EXPECT_EQ(rewritten("select convert(varchar(10), born, 120), cast(id as varchar) from t"),
              "select convert('varchar(10)', born, 120, 'datetime'), convert('varchar', id, NULL, 'int') from t");
    EXPECT_EQ(rewritten("select name + 'x' + code, id + 1, dateadd(dd, 1, born) from t, u"),
              "select name || 'x' || code, id + 1, dateadd('dd', 1, born) from t, u");
}

// Variables become SQLite parameters; what assigns them becomes a SELECT whose columns name them.
TEST(TSqlRewriter, VariablesAndStatementsOfABatch)
{
    const TwoTables catalogue;
    struct Case {
        const char* text;
        const char* sql;
    };
    const Case cases[] = {
        {"declare @n int = 5, @s varchar(3), @d datetime = getdate() select @n",
         " SELECT 5 AS \"@n\" , getdate() AS \"@d\" ;select @n"},
        {"DECLARE @s nvarchar(10) SET @s = N'x' + 'y'", " ; SELECT 'x' || 'y' AS \"@s\""},
        {"declare @n int set @n *= 2", " ; SELECT @n *( 2) AS \"@n\""},
        {"declare @x varchar(5) select @x = name from t where id = 1",
         " ;select  name AS \"@x\" from t where id = 1"},
        {"set nocount on\nupdate t set name = 'a' where id = 2 set ansi_nulls off",
         "\n;update t set name = 'a' where id = 2 ;"},
        {"select a.name from t a with (nolock) where exists (select 1 from u where u.code = a.name)",
         "select a.name from t a  where exists (select 1 from u where u.code COLLATE database_default = a.name "
         "COLLATE database_default)"},
        {"update a set name = u.code from t a join u on u.id = a.id where a.name = 'x'",
         "update a set name = u.code from t a join u on u.id = a.id where a.name COLLATE database_default = 'x'"},
        {"select datalength(code), datalength(name) from t, u", "select datalength(code, 1), datalength(name) from t, u"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RewriteTSql(c.text, &catalogue).sql, c.sql) << c.text;

    const ado::provider::TSqlText declared = RewriteTSql("declare @n int = 1, @s char(2) select @n", &catalogue);
    ASSERT_EQ(declared.variables.size(), 2u);
    EXPECT_EQ(declared.variables[1].name, "@s");
    EXPECT_EQ(declared.variables[1].type.Text(), "char(2)");
    ASSERT_EQ(declared.assignments.size(), 1u);
    EXPECT_TRUE(declared.IsAssignment(0, declared.sql.find(';')));
    EXPECT_FALSE(declared.IsAssignment(declared.sql.find(';'), declared.sql.size()));

    struct Failure {
        const char* text;
        const char* error;
    };
    const Failure failures[] = {
        {"select @n", "Must declare the scalar variable \"@n\"."},
        {"select @N declare @n int", "Must declare the scalar variable \"@N\"."},
        {"declare @n int declare @N int", "The variable name '@N' has already been declared. Variable names must be "
                                          "unique within a query batch or stored procedure."},
        {"declare @n money2", "Column, parameter, or variable #1: Cannot find data type money2."},
        {"declare @n int select @n = 1, 2", "A SELECT statement that assigns a value to a variable must not be combined "
                                            "with data-retrieval operations."},
        {"declare n int", "Incorrect syntax near 'n'."},
        {"declare @n int set @n", "Incorrect syntax near '@n'."},
    };
    for (const Failure& f : failures)
        EXPECT_EQ(ErrorOfRewrite(f.text), f.error) << f.text;
}
