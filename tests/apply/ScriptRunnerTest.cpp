// Scripts run on the embedded provider: every kind of statement the converter writes replays on a
// new file into an equal copy, with and without batches; a failure names its line and leaves
// nothing of a run in one transaction; the scripts' own transaction lines nest as on SQL Server.
#include "ConverterFixture.h"

#include "ScriptRunner.h"
#include "SqlIdentifier.h"
#include "TableDigest.h"

#include <QFile>

namespace {

class ScriptRunnerTest : public ConverterFixture {
protected:
    ado::ConnectionPtr NewFile(const std::string& name, const std::string& sql = {}) const
    {
        auto connection = std::make_shared<ado::Connection>();
        connection->Open("Provider=SQLite;Data Source=" + Path(name), ado::adModeCreate);
        if (!sql.empty())
            connection->Execute(sql);
        return connection;
    }
};

std::string Text(ado::Connection& connection, const std::string& sql)
{
    const ado::RecordsetPtr rows = connection.Execute(sql);
    std::string text;
    for (; !rows->Eof(); rows->MoveNext())
        text += (text.empty() ? "" : ",") + ado::ToText(rows->Fields(0L).GetValue());
    return text;
}

TEST_F(ScriptRunnerTest, EveryStatementTheConverterWritesReplaysIntoAnEqualCopy)
{
    Sql("create table item(FID int identity(1,1) not null, FNumber varchar(20) not null, FName nvarchar(40) null,"
        " FQty decimal(18,4) default (0), [order] int, FData varbinary(20), constraint PK_item primary key (FNumber));"
        "create index ix_item_name on item(FName); create index ix_item_qty on item(FQty, [order]);"
        "insert into item(FID, FNumber, FName, FQty, [order], FData) values"
        " (11, 'A1', 'O''Hara', 1.5, 1, x'00FF'), (12, 'A2', 'two' || char(13, 10) || 'insert into item', -2, null, null),"
        " (13, 'A3', 'a' || char(0) || 'b', null, 3, x''), (14, 'A4', '  ', 0, 4, null);"
        "create table [odd t]([full name] varchar(10)); insert into [odd t] values ('x'), (null);"
        "create table bill(FBillNo varchar(20)); insert into bill values ('07000001'), ('07000005'), ('05000002');"
        "create table cls(ibitype int, soidsourcefield varchar(20), ssourcetable varchar(20), FMaxNumber varchar(20));"
        "insert into cls values (7, 'FBillNo', 'bill', '0'), (5, 'FBillNo', 'bill', '0');");
    const char* tables[] = {"item", "odd t", "bill"};  // cls: its counter is recomputed
    for (const char* batch : {"", "2"}) {
        SCOPED_TRACE(std::string("batch ") + batch);
        QFile::remove(QString::fromStdString(Path("s.sql")));
        QFile::remove(QString::fromStdString(Path("d.sql")));
        const xml::XmlDocument document = Template(
            R"(<table name="item" hint="-- 物料"/><table name="odd t"/><table name="bill"/><table name="cls" special="FMaxNumber"/>)",
            std::string(R"(structfile="s.sql" datafile="d.sql" logfile="log.txt" batch=")") + batch + "\"");
        PlayingConverter()->ExportDB(FirstDatabase(document));
        ASSERT_FALSE(Exists("log.txt")) << Read("log.txt");
        EXPECT_EQ(Read("d.sql").find("begin tran") != std::string::npos, *batch != '\0');

        const std::string copyName = std::string("copy") + batch + ".db";
        const ado::ConnectionPtr copy = NewFile(copyName);
        {
            ScriptRunner runner(*copy, true);
            runner.Run(Read("s.sql"));
            runner.Run(Read("d.sql"));
            runner.Commit();
            EXPECT_EQ(runner.MissingTablesNotDropped(), 4);
        }
        // Each table's rows, as the script writes them; the special updates recomputed the counters.
        for (const char* table : tables) {
            const std::string name = sqlname::QuoteQualified(table);
            const TableDigest source = TableDigest::Of({OpenConnection(), "select * from " + name, sqlname::InLiteral(name)});
            const TableDigest replayed = TableDigest::Of({copy, "select * from " + name, sqlname::InLiteral(name)});
            EXPECT_TRUE(source.Rows() > 0 && source.SameRows(replayed)) << table;
        }
        EXPECT_EQ(Text(*copy, "select FMaxNumber from cls order by ibitype"), "05000002,07000005");
        EXPECT_EQ(Text(*copy, "select FID from item order by FID"), "11,12,13,14");  // identity values kept
        EXPECT_EQ(Text(*copy, "select name from sysindexes where id = object_id('item') and indid > 1 order by name"),
                  "ix_item_name,ix_item_qty");
    }
}

TEST_F(ScriptRunnerTest, FailuresNameTheirLineAndTransactionLinesNestAsOnSqlServer)
{
    const struct {
        const char* script;
        bool oneTransaction;
        long failingLine;  // 0: the run succeeds
        const char* message;
        const char* rowsLeft;
    } cases[] = {
        {"insert into t values(1)\nbegin tran\ninsert into t values(2)\ncommit tran", true, 0, "", "1,2"},
        {"insert into t values(1)\nbegin tran\ninsert into t values(2)\ncommit tran", false, 0, "", "1,2"},
        {"insert into t values(1)\n\n-- next\ninsert into nosuch values(2)", true, 4, "Invalid object name 'nosuch'.", ""},
        {"insert into t values(1)\n\n-- next\ninsert into nosuch values(2)", false, 4, "Invalid object name 'nosuch'.", "1"},
        {"insert into t values(1)\ncommit tran", false, 2, "COMMIT TRANSACTION request has no corresponding", "1"},
        {"insert into t values(1)\nbegin tran\ninsert into t values(2)", false, 2, "ends inside the transaction", "1"},
        {"begin tran\ninsert into t values(1)\nrollback tran\ninsert into t values(2)", false, 0, "", "2"},
        {"begin tran\ninsert into t values(1)\nrollback tran\ninsert into t values(2)", true, 3, "ROLLBACK", ""},
        {"drop table gone\ninsert into t values(1)", true, 0, "", "1"},
        {"create view v as select 1 as x\ndrop table v", true, 2, "", ""},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.script) + (c.oneTransaction ? " (one transaction)" : ""));
        const ado::ConnectionPtr db = NewFile("t" + std::to_string(++n) + ".db", "create table t(a int)");
        {
            ScriptRunner runner(*db, c.oneTransaction);
            try {
                runner.Run(c.script);
                runner.Commit();
                EXPECT_EQ(c.failingLine, 0);
            } catch (const ScriptFailure& e) {
                EXPECT_EQ(e.Line(), c.failingLine);
                EXPECT_TRUE(e.Message().contains(QLatin1String(c.message))) << e.what();
            }
        }
        EXPECT_EQ(Text(*db, "select a from t order by a"), c.rowsLeft);
    }
}

}  // namespace
