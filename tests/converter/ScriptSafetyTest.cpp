// Scripts that no value or name can break: every value stays inside its literal, replays as it
// was, and what has no form of its column's type is reported; odd names are bracketed; the
// structure script's replay re-creates every further index.
#include "ConverterFixture.h"

#include "DefaultExpression.h"
#include "DemoDatabase.h"
#include "SqlIdentifier.h"
#include "SqlTokenizer.h"
#include "SqliteTSqlFunctions.h"

#include <sqlite3.h>

#include <QFile>

#include <map>

namespace {

using ado::provider::Token;
using ado::provider::TokenKind;

enum class Replay { Same, Becomes, NoForm };

struct HostileCase {
    const char* column;
    std::string value;  // SQLite's expression for the stored value
    Replay replay;
    const char* becomes = "";  // SQLite's expression for the replayed value
    bool reported = false;     // written in another form than the column's type
};

std::string AllBytes()
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex = "x'";
    for (int b = 0; b < 256; ++b) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
    }
    return hex + "'";
}

const std::vector<HostileCase>& Corpus()
{
    static const std::vector<HostileCase> corpus = {
        {"n", "'1) delete from h --'", Replay::Same, "", true},
        {"n", "'x''y'", Replay::Same, "", true},
        {"n", "'12abc'", Replay::Same, "", true},
        {"n", "x'41'", Replay::Same, "", true},
        {"n", "9223372036854775807", Replay::Same, "", true},  // beyond int: the server refuses it
        {"n", "-9223372036854775808", Replay::Same, "", true},
        {"n", "1099511627776", Replay::Same, "", true},
        {"n", "-2147483648", Replay::Same},
        {"n", "1.5", Replay::Same, "", true},  // quoted: the server refuses it rather than cut it to 1
        {"d", "'x''y /* ; '", Replay::Same, "", true},
        {"d", "'1234567890123456789012345678'", Replay::Same, "", true},  // 28 digits before the point of 18
        {"d", "'123456789012345678.0000000001'", Replay::Same},
        {"d", "'-12.3456789012'", Replay::Same},
        {"d", "1e999", Replay::NoForm, "", true},
        {"m", "'5.2500'", Replay::Same},
        {"m", "'922337203685477.6'", Replay::Same, "", true},  // past money's largest
        {"f", "1e999", Replay::NoForm, "", true},
        {"f", "-1e999", Replay::NoForm, "", true},
        {"f", "1e300", Replay::Same},
        {"f", "4.9406564584124654e-324", Replay::Same},
        {"f", "-1.7976931348623157e308", Replay::Same},
        {"f", "'abc'", Replay::Same, "", true},
        {"b", "2", Replay::Becomes, "1"},
        {"b", "'TRUE'", Replay::Becomes, "1"},
        {"b", "'False'", Replay::Becomes, "0"},
        {"b", "'abc'", Replay::Same, "", true},
        {"b", "x'00'", Replay::Same, "", true},
        {"dt", "'2024-02-30'", Replay::Same, "", true},
        {"dt", "'2023-02-29 10:00:00'", Replay::Same, "", true},
        {"dt", "'25:00:00'", Replay::Same, "", true},
        {"dt", "'abc'''", Replay::Same, "", true},
        {"dt", "12345", Replay::Same, "", true},
        {"dt", "'2024-02-29 08:05:09.123'", Replay::Becomes, "'2024-02-29T08:05:09.123'"},
        {"dt", "'08:05:09'", Replay::Becomes, "'1899-12-30T08:05:09.000'"},
        // datetime keeps three hundredths; a rounding that would move the day is cut instead.
        {"dt", "'2024-01-01 10:00:00.1234567'", Replay::Becomes, "'2024-01-01T10:00:00.123'"},
        {"dt", "'2024-02-29 23:59:59.999'", Replay::Becomes, "'2024-02-29T23:59:59.997'", true},
        {"dt", "'1500-01-01'", Replay::Becomes, "'1500-01-01T00:00:00.000'", true},
        {"d2", "'0001-01-01 00:00:00.1234567'", Replay::Becomes, "'0001-01-01T00:00:00.123'"},
        {"d2", "'9999-12-31 23:59:59.9999999'", Replay::Becomes, "'9999-12-31T23:59:59.999'", true},
        {"da", "'0001-01-01'", Replay::Same},
        {"da", "'2024-01-01 12:00:00'", Replay::Becomes, "'2024-01-01'", true},
        {"tm", "'08:05:09.4'", Replay::Becomes, "'08:05:09'"},
        {"tm", "'23:59:59.6'", Replay::Becomes, "'23:59:59'", true},
        {"ti", "255", Replay::Same},
        {"ti", "300", Replay::Same, "", true},
        {"r", "3.5e38", Replay::Same, "", true},
        {"g", "'6F9619FF-8B86-D011-B42D-00C04FC964FF'", Replay::Same},
        {"g", "'not-a-guid'", Replay::Same, "", true},
        {"c3", "'abc'", Replay::Same},
        {"c3", "'abcdef'", Replay::Same, "", true},
        {"c3", "'中文'", Replay::Same, "", true},  // four bytes in a double-byte code page
        {"v", "'it''s -- /* ; */ go'", Replay::Same},
        {"v", "'a'||char(13,10,9)||'b'", Replay::Same},
        {"v", "'😀 non-BMP 中文'", Replay::Same},
        {"v", "replace(hex(zeroblob(500000)),'00','''x')", Replay::Same, "", true},  // 1 MB of quotes, too long
        // Line breaks that would join lines (after a backslash) or split the script (GO).
        {"v", "'a\\'||char(13,10)||'b'", Replay::Same},
        {"v", "'x'||char(10)||'  go  '||char(10)||'y'", Replay::Same},
        // What sqlcmd would run as its own command or fill with a scripting variable.
        {"v", "'x'||char(10)||':!! rm -rf /'", Replay::Same},
        {"v", "'$(SQLCMDSERVER)'", Replay::Same},
        {"v", "cast(x'610062' as text)", Replay::Same},                     // a NUL inside
        {"v", "cast(x'00' as text)", Replay::Same},
        {"v", "cast(x'00' as text)||replace(hex(zeroblob(3000)),'00','ab')", Replay::Same, "", true},
        {"v", "cast(x'80ff' as text)", Replay::NoForm, "", true},  // no UTF-8: written as bytes
        {"v", "x'41'", Replay::Same, "", true},
        {"v", AllBytes(), Replay::Same, "", true},
        {"v", "''", Replay::Same},
        {"v", "'  '", Replay::Same},
        {"nv", "'ü''😀'", Replay::Same},
        {"nv", "cast(x'610062' as text)", Replay::Same},
        {"nv", "x'41'", Replay::Same, "", true},
        {"bin", AllBytes(), Replay::Same, "", true},  // 256 bytes: too long for varbinary(50)
        {"bin", "x''", Replay::Same},
        {"bin", "'text'", Replay::Becomes, "x'74657874'"},  // the server takes no text there
        {"bin", "12345", Replay::Becomes, "x'3132333435'", true},
    };
    return corpus;
}

constexpr const char* kHostileTable =
    "create table h(id int, n int, d decimal(28,10), m money, f float, b bit, dt datetime, v varchar(50), "
    "nv nvarchar(50), bin varbinary(50), ti tinyint, r real, g uniqueidentifier, c3 char(3), d2 datetime2(3), "
    "da date, tm time(0))";
constexpr const char* kHostileColumns[] = {"id", "n",   "d", "m", "f",  "b",  "dt", "v",  "nv",
                                           "bin", "ti", "r", "g", "c3", "d2", "da", "tm"};

// The significant tokens outside parentheses, and how many values each parenthesised list holds.
struct ScriptShape {
    std::string outside;
    std::vector<size_t> listSizes;
};

ScriptShape ShapeOf(const std::string& script)
{
    ScriptShape shape;
    int depth = 0;
    for (const Token& t : ado::provider::TokenizeSql(script)) {
        EXPECT_TRUE(t.closed) << "unclosed token at " << t.begin;
        if (!t.Significant())
            continue;
        const std::string_view text = ado::provider::TokenText(script, t);
        if (text == "(" && depth++ == 0)
            shape.listSizes.push_back(1);
        if (text == "," && depth == 1)
            ++shape.listSizes.back();
        if (depth == 0 || (depth == 1 && (text == "(" || text == ")")))
            shape.outside += (shape.outside.empty() ? "" : " ") + std::string(text);
        if (text == ")")
            --depth;
    }
    return shape;
}

class ScriptSafety : public ConverterFixture {
protected:
    // typeof and hex of an expression, or of a stored value, on a SQLite database.
    static std::string Stored(const std::string& file, const std::string& sql)
    {
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK);
        ado::provider::RegisterTSqlFunctions(db);  // the collation of text columns made through the provider
        sqlite3_stmt* statement = nullptr;
        EXPECT_EQ(sqlite3_prepare_v2(db, ("select typeof(x) || ':' || hex(x) from (" + sql + ")").c_str(), -1,
                                     &statement, nullptr),
                  SQLITE_OK)
            << sqlite3_errmsg(db);
        std::string text = "(no row)";
        if (statement && sqlite3_step(statement) == SQLITE_ROW)
            text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
        sqlite3_close(db);
        return text;
    }

    std::string CopyOfDatabase(const std::string& name) const
    {
        const std::string copy = Path(name);
        EXPECT_TRUE(QFile::copy(QString::fromStdString(DatabasePath()), QString::fromStdString(copy)));
        return copy;
    }
};

TEST_F(ScriptSafety, HostileValuesStayInTheirLiteralsReplayAndAreReported)
{
    Sql(kHostileTable);
    const std::vector<HostileCase>& corpus = Corpus();
    for (size_t i = 0; i < corpus.size(); ++i)
        Sql("insert into h(id, " + std::string(corpus[i].column) + ") values(" + std::to_string(i + 1) + ", " +
            corpus[i].value + ")");

    const xml::XmlDocument document = Template(R"(<table name="h"/>)");
    PlayingConverter()->ExportTable(OpenConnection(), FirstTable(document));
    const std::string script = Read("d.sql");

    // One delete, then one insert per row, each with exactly one value per column.
    const ScriptShape shape = ShapeOf(script);
    std::string expected = "delete from h";
    for (size_t i = 0; i < corpus.size(); ++i)
        expected += " insert into h ( ) values ( )";
    EXPECT_EQ(shape.outside, expected);
    ASSERT_EQ(shape.listSizes.size(), corpus.size() * 2);
    for (size_t size : shape.listSizes)
        EXPECT_EQ(size, std::size(kHostileColumns));
    EXPECT_EQ(script.find('\0'), std::string::npos);
    // No line the server would join to the next, none a tool would split the script at.
    EXPECT_EQ(script.find("\\\n"), std::string::npos);
    EXPECT_EQ(script.find("\\\r\n"), std::string::npos);
    EXPECT_EQ(script.find("\n  go  \n"), std::string::npos);
    EXPECT_EQ(script.find("\n:!!"), std::string::npos);
    EXPECT_EQ(script.find("$("), std::string::npos);

    // Replayed on the embedded provider, every value with a form of its column's type comes back.
    const std::string replayPath = Path("replay.db");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(replayPath.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, kHostileTable, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    ado::Connection replay;
    replay.Open("Provider=SQLite;Data Source=" + replayPath);
    ASSERT_NO_THROW(replay.Execute(script));
    for (size_t i = 0; i < corpus.size(); ++i) {
        const HostileCase& c = corpus[i];
        if (c.replay == Replay::NoForm)
            continue;
        const std::string row = "select " + std::string(c.column) + " as x from h where id = " + std::to_string(i + 1);
        const std::string want = c.replay == Replay::Same ? Stored(DatabasePath(), row)
                                                          : Stored(replayPath, "select " + std::string(c.becomes) + " as x");
        EXPECT_EQ(Stored(replayPath, row), want) << "case " << i + 1 << ": " << c.column << " = " << c.value.substr(0, 60);
    }

    // One log line names every column with values in another form, how many and where first.
    std::string report;
    for (const char* column : kHostileColumns) {
        size_t count = 0, first = 0;
        for (size_t i = 0; i < corpus.size(); ++i)
            if (corpus[i].reported && std::string_view(corpus[i].column) == column && count++ == 0)
                first = i + 1;
        if (count)
            report += std::string(report.empty() ? "" : ", ") + column + " (" + std::to_string(count) +
                      (count == 1 ? " value" : " values") + ", first at row " + std::to_string(first) + ")";
    }
    EXPECT_EQ(Read("log.txt"), "srv    db    h   values written in another form than their column's type: " + report +
                                   "\r\n");
}

TEST_F(ScriptSafety, RowValuesOfTheSpecialUpdateAreNamesAndLiterals)
{
    Sql("create table s(ibitype varchar(20), soidsourcefield varchar(40), ssourcetable varchar(40), fno varchar(20));"
        "insert into s values('7) or 1=1 --', 'F); delete from s --', 't] x', null);"
        "insert into s values('7', 'FBillNo', 'dbo.t_Bill', null);"
        "insert into s values('', 'FBillNo', 'dbo.t_Bill', null);");
    const xml::XmlDocument document = Template(R"(<table name="s" special="fno"/>)");
    PlayingConverter()->ExportTable(OpenConnection(), FirstTable(document));
    const std::string script = Read("d.sql");
    EXPECT_NE(script.find("update s set fno = (select isnull(max([F); delete from s --]),'--0000000000000') from [t]] x] "
                          "where left([F); delete from s --],2) = '--') where ibitype = '7) or 1=1 --'\r\n"),
              std::string::npos)
        << script;
    EXPECT_NE(script.find("update s set fno = (select isnull(max(FBillNo),'070000000000000') from dbo.t_Bill where "
                          "left(FBillNo,2) = '07') where ibitype = 7\r\n"),
              std::string::npos)
        << script;
    // An empty type is a text, not a null: "= null" would match no row.
    EXPECT_NE(script.find("where left(FBillNo,2) = '0') where ibitype = ''\r\n"), std::string::npos) << script;
}

TEST(ScriptNames, OnlyRegularIdentifiersStandBare)
{
    const std::pair<const char*, const char*> names[] = {
        {"FName", "FName"},         {"_x1$#@", "_x1$#@"},     {"科目表", "科目表"},
        {"order", "[order]"},       {"Key", "[Key]"},         {"full name", "[full name]"},
        {"a]b", "[a]]b]"},          {"1abc", "[1abc]"},       {"@x", "[@x]"},
        {"#t", "[#t]"},             {"it's", "[it's]"},       {"科目 表", "[科目 表]"},
        {"😀", "[😀]"},             {"", "[]"},               {"a-b", "[a-b]"},
    };
    for (const auto& [name, written] : names)
        EXPECT_EQ(sqlname::Quote(name), written) << name;

    const std::pair<const char*, const char*> qualified[] = {
        {"dbo.t_Item", "dbo.t_Item"}, {"[dbo].[t_Item]", "[dbo].[t_Item]"}, {"dbo.order", "dbo.[order]"},
        {"\"odd t\"", "[odd t]"},     {"db..t", "db..t"},                   {"t] x", "[t]] x]"},
        {"[open", "[[open]"},         {"[a]x", "[[a]]x]"},                  {"odd t", "[odd t]"},
    };
    for (const auto& [name, written] : qualified)
        EXPECT_EQ(sqlname::QuoteQualified(name), written) << name;
}

TEST_F(ScriptSafety, OddNamesAreBracketedAndTheScriptsReplay)
{
    Sql("create table [odd t](id int primary key, [order] int, [full name] varchar(10), [key] int, F_1 int);"
        "create index [ix order] on [odd t]([order], [key]);"
        "insert into [odd t] values(1, 2, 'a''b', 3, 4); insert into [odd t] values(2, null, 'c', 5, 6);");
    const xml::XmlDocument document = Template(R"(<table name="odd t"/>)");
    auto converter = PlayingConverter();
    converter->ExportTableStruct(OpenConnection(), FirstTable(document));
    converter->ExportTable(OpenConnection(), FirstTable(document));
    EXPECT_FALSE(Exists("log.txt")) << Read("log.txt");
    const std::string structure = Read("s.sql");
    EXPECT_NE(structure.find("drop table [odd t]\r\n"), std::string::npos) << structure;
    EXPECT_NE(structure.find("  [order]    int    null    ,\r\n  [full name]    varchar(10)    null    ,\r\n"
                             "  [key]    int    null    ,\r\n  F_1    int    null    ,\r\n"),
              std::string::npos)
        << structure;
    EXPECT_NE(structure.find("WHERE name = 'ix order')\r\nbegin\r\n  DROP INDEX [odd t].[ix order]\r\nend\r\n"
                             "create index [ix order] on [odd t] ([order],[key])\r\n"),
              std::string::npos)
        << structure;
    const std::string data = Read("d.sql");
    EXPECT_NE(data.find("insert into [odd t](\r\nid,[order],[full name],[key],F_1) values(1,2,'a''b',3,4)\r\n"),
              std::string::npos)
        << data;

    // Replayed on a copy of the source, structure then data: the same rows and the index again.
    ado::Connection copy;
    copy.Open("Provider=SQLite;Data Source=" + CopyOfDatabase("copy.db"));
    ASSERT_NO_THROW(copy.Execute(structure));
    ASSERT_NO_THROW(copy.Execute(data));
    const std::string rows = "select group_concat(quote(id)||quote([order])||quote([full name])||quote([key])) as x "
                             "from (select * from [odd t] order by id)";
    EXPECT_EQ(Stored(Path("copy.db"), rows), Stored(DatabasePath(), rows));
    const std::string indexColumns = "select group_concat(name) as x from pragma_index_info('ix order')";
    EXPECT_EQ(Stored(Path("copy.db"), indexColumns), Stored(DatabasePath(), indexColumns));
}

TEST_F(ScriptSafety, DemoStructureScriptReplayKeepsEveryFurtherIndex)
{
    demo::WriteDemoDatabase(QString::fromStdString(DatabasePath()));
    const std::string indexes = "select group_concat(t || '.' || ix, ' ') as x from (select o.name as t, i.name as ix "
                                "from sysindexes i join sysobjects o on o.id = i.id where i.indid > 1 and "
                                "i.indid < 255 order by 1, 2)";
    auto source = OpenConnection();
    const ado::RecordsetPtr tables = source->Execute("select name from sysobjects where xtype = 'U' order by name");
    std::string elements;
    for (; !tables->Eof(); tables->MoveNext())
        elements += R"(<table name=")" + ado::ToText(tables->Fields(0L).GetValue()) + R"("/>)";
    const xml::XmlDocument document = Template(elements, R"(structfile="s.sql" logfile="log.txt")");
    PlayingConverter()->ExportDB(FirstDatabase(document));
    ASSERT_FALSE(Exists("log.txt")) << Read("log.txt");
    const std::string script = Read("s.sql");
    ASSERT_NE(script.find("create index "), std::string::npos);

    ado::Connection copy;
    copy.Open("Provider=SQLite;Data Source=" + CopyOfDatabase("copy.db"));
    ASSERT_NO_THROW(copy.Execute(script));
    copy.Close();
    const auto listed = [&](const std::string& file) {
        ado::Connection connection;
        connection.Open("Provider=SQLite;Data Source=" + file);
        return ado::ToText(connection.Execute(indexes)->Fields(0L).GetValue());
    };
    const std::string before = listed(DatabasePath());
    EXPECT_NE(before.find("t_Voucher.ix_t_Voucher_Date"), std::string::npos) << before;
    EXPECT_EQ(listed(Path("copy.db")), before);
}

}  // namespace

// A column's default is data: it reaches the create statement only as one closed expression.
TEST(DefaultExpressions, OnlyOneClosedExpressionIsWritten)
{
    const struct {
        const char* text;
        bool written;
    } cases[] = {
        {"((0))", true},
        {"('it''s ) ; -- /*')", true},
        {"(N'中文')", true},
        {"(getdate())", true},
        {"(-1)", true},
        {"0", true},
        {"'x'", true},
        {"(case when 1 = 1 then 0 else 1 end)", true},
        {"", false},
        {"(1 /* /* */)", false},  // the server nests comments: this one would swallow the statement
        {"(0)) drop table victim --", false},
        {"(0); drop table victim", false},
        {"(0) (1)", false},
        {"(0", false},
        {"('open", false},
        {"0 drop table victim", false},
        {"(0)\r\ngo", false},
        {"[col", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DefaultExpression::IsWhole(c.text), c.written) << c.text;
}

TEST_F(ScriptSafety, ADefaultThatIsMoreThanOneExpressionIsLeftOutAndLogged)
{
    Sql("create table dflt(a int default (1 /* /* */ ), b varchar(5) default ('x'))");
    const xml::XmlDocument document = Template(R"(<table name="dflt"/>)");
    PlayingConverter()->ExportTableStruct(OpenConnection(), FirstTable(document));
    EXPECT_EQ(Read("s.sql"), "drop table dflt\r\n\r\ncreate table dflt(\r\n  a    int    null    ,\r\n"
                             "  b    varchar(5)    null    default ('x'),\r\n)\r\n\r\n");
    EXPECT_EQ(Read("log.txt"), "srv    db    dflt   defaults left out, their text is not one expression: a\r\n");
}
