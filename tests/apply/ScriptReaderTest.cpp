// Scripts cut into statements as the converter writes them: where a statement ends, the line it
// starts on, literals and comments that span lines, and scripts larger than a window; script
// files that are not UTF-8.
#include "ScriptFile.h"
#include "ScriptReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Statements = std::vector<std::pair<long, std::string>>;

Statements Read(const std::string& script)
{
    Statements statements;
    ScriptReader reader(script);
    while (const auto statement = reader.Next())
        statements.emplace_back(statement->line, std::string(statement->text));
    return statements;
}

TEST(ScriptReader, CutsWhereALineStartsAnotherStatement)
{
    const struct {
        const char* name;
        std::string script;
        Statements expected;
    } cases[] = {
        {"structure",
         "-- 科目表\r\ndrop table t\r\n\r\ncreate table t(  a    int    not null    ,  b    varchar(20)    null    ,"
         "  constraint PK_T primary key (a)\r\n)\r\n\r\nIF EXISTS (SELECT 1 FROM sysindexes WHERE name = 'ix')\r\nbegin\r\n"
         "  DROP INDEX t.ix\r\nend\r\ncreate index ix on t (b)\r\n",
         {{2, "drop table t"},
          {4, "create table t(  a    int    not null    ,  b    varchar(20)    null    ,  constraint PK_T primary key (a)\r\n)"},
          {7, "IF EXISTS (SELECT 1 FROM sysindexes WHERE name = 'ix')\r\nbegin\r\n  DROP INDEX t.ix\r\nend"},
          {11, "create index ix on t (b)"}}},
        {"data with batches and the special update",
         "\r\ndelete from t where a > 1\r\nbegin tran\r\ninsert into t(\r\na,b) values(1,'x')\r\n"
         "update t set c = (select isnull(max(F),'070000000000000') from R where left(F,2) = '07') where ibitype = 7\r\n\r\n"
         "commit tran\r\n",
         {{2, "delete from t where a > 1"},
          {3, "begin tran"},
          {4, "insert into t(\r\na,b) values(1,'x')"},
          {6, "update t set c = (select isnull(max(F),'070000000000000') from R where left(F,2) = '07') where ibitype = 7"},
          {8, "commit tran"}}},
        {"literals and comments spanning lines",
         "insert into t(\r\nv) values('a\r\ninsert into x\r\n''b')\r\n/* delete\r\ndrop */ delete from t\r\n"
         "insert into t(v) values(N'😀') -- insert\r\n",
         {{1, "insert into t(\r\nv) values('a\r\ninsert into x\r\n''b')"},
          {6, "delete from t"},
          {7, "insert into t(v) values(N'😀')"}}},
        {"IF and ELSE bodies on their own lines, semicolons, CASE",
         "IF 1=1\r\n  drop table a\r\nELSE\r\n  drop table b\r\ninsert into t values(1); insert into t values(2)\r\n"
         "IF 1=0 select 1; else select 2\r\nupdate t set a = case\r\nwhen a = 1 then 2\r\nend\r\n"
         "drop table if exists t\r\ncreate table t(a int)\r\n",
         {{1, "IF 1=1\r\n  drop table a\r\nELSE\r\n  drop table b"},
          {5, "insert into t values(1)"},
          {5, "insert into t values(2)"},
          {6, "IF 1=0 select 1; else select 2"},
          {7, "update t set a = case\r\nwhen a = 1 then 2\r\nend"},
          {10, "drop table if exists t"},
          {11, "create table t(a int)"}}},
        {"a literal that is never closed ends the script", "delete from t\ninsert into t values('open\ninsert",
         {{1, "delete from t"}, {2, "insert into t values('open\ninsert"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Read(c.script), c.expected) << c.name;
}

// Beyond a window of the tokenizer: statements keep their lines, and a literal longer than the
// window still ends where it is closed.
TEST(ScriptReader, ReadsScriptsLargerThanAWindow)
{
    std::string script;
    for (int i = 1; i <= 40000; ++i)
        script += "insert into t(\r\na) values(" + std::to_string(i) + ")\r\n";
    const std::string literal = "'" + std::string(3 << 20, 'x') + "\r\ninsert ''\r\n'";
    script += "insert into t(a) values(" + literal + ")\r\ndelete from t\r\n";

    ScriptReader reader(script);
    long count = 0;
    std::optional<ScriptStatement> last, previous;
    while (auto statement = reader.Next()) {
        ++count;
        if (count % 10000 == 0) {
            EXPECT_EQ(statement->line, 2 * count - 1);
        }
        previous = std::move(last);
        last = statement;
    }
    EXPECT_EQ(count, 40002);
    ASSERT_TRUE(previous && last);
    EXPECT_EQ(previous->text, "insert into t(a) values(" + literal + ")");
    EXPECT_EQ(previous->line, 80001);
    EXPECT_EQ(last->text, "delete from t");
    EXPECT_EQ(last->line, 80004);
}


// A script that is not UTF-8 is refused with the line of its first bad byte, also past the
// pieces the check reads a file in; every valid form, up to four bytes, is taken.
TEST(ScriptFile, RefusesTextThatIsNotUtf8NamingItsLine)
{
    const std::string big(9 << 20, 'x');  // beyond the first piece of the check
    const struct {
        std::string text;
        long line;  // 0: taken
    } cases[] = {
        {"select 1\n-- \xE4\xB8\xAD \xC3\xA9 \xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF\n", 0},
        {"a\nb\n\xFF\n", 3},
        {"a\n\xC0\x80", 2},              // an overlong form
        {"\xED\xA0\x80", 1},             // a surrogate
        {"\n\xF4\x90\x80\x80", 2},       // beyond U+10FFFF
        {"a\n\xE4\xB8", 2},              // cut off at the end
        {big + "\n\xE4\xB8\xAD\n", 0},
        {big + "\n\n\xE4\xB8\n", 3},
        {std::string((8 << 20) - 1, 'x') + "\xE4\xB8\xAD\n\x80", 2},  // a character across the pieces' border
    };
    QTemporaryDir folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 40));
        const QString path = folder.filePath(QStringLiteral("s.sql"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.text.data(), static_cast<qint64>(c.text.size()));
        file.close();
        ScriptFile script(path);
        QString error;
        EXPECT_EQ(script.Open(error), c.line == 0) << error.toStdString();
        if (c.line != 0) {
            EXPECT_TRUE(error.startsWith(QStringLiteral("%1:%2: not UTF-8 text").arg(path).arg(c.line))) << error.toStdString();
        } else {
            EXPECT_EQ(script.Text(), c.text);
        }
    }
}

}  // namespace
