#include "AutomationError.h"
#include "SqliteTestDatabase.h"

#include <gtest/gtest.h>

using namespace ado;

namespace {

const char* const kSchema = "CREATE TABLE t_tabledescription(FSubSystemID int, FTableID int, FTableName varchar(50),"
                            " FDescription nvarchar(100));"
                            "CREATE TABLE t_Item(FItemID int PRIMARY KEY, FName nvarchar(80));";

automation::AutomationError Raised(Connection& connection, const std::string& sql)
{
    try {
        const RecordsetPtr rs = connection.Execute(sql);
        if (rs->State() == adStateOpen)
            RowsOf(*rs);
    } catch (const automation::AutomationError& e) {
        return e;
    }
    ADD_FAILURE() << "no error from: " << sql;
    return automation::AutomationError(0, {});
}

}  // namespace

TEST(SqliteErrors, InSqlServerWords)
{
    const SqliteTestDatabase db(kSchema);
    const ConnectionPtr connection = db.Open(adModeRead);

    const auto unclosed = Raised(*connection,
        "select * from t_tabledescription Where  FDescription Like '%a'b%'  order by FSubSystemID");
    EXPECT_EQ(unclosed.Description().toStdString(),
              "Unclosed quotation mark before the character string '  order by FSubSystemID'.");
    EXPECT_EQ(unclosed.Number(), -2147217900);
    EXPECT_EQ(unclosed.Source().toStdString(), "Tabrix.SQLite");

    const auto object = Raised(*connection, "select * from t_nothere");
    EXPECT_EQ(object.Description().toStdString(), "Invalid object name 't_nothere'.");
    EXPECT_EQ(object.Number(), -2147217865);

    EXPECT_EQ(ErrorOf(*connection, "select FNope from t_Item"), "Invalid column name 'FNope'.");
    EXPECT_EQ(ErrorOf(*connection, "select t2.FNope from t_Item t2"), "Invalid column name 'FNope'.");
    EXPECT_EQ(ErrorOf(*connection, "select * form t_Item"), "Incorrect syntax near 'form'.");
    EXPECT_EQ(ErrorOf(*connection, "select * from t_Item where"), "Incorrect syntax near 'where'.");
    EXPECT_EQ(ErrorOf(*connection, "select nofunc(1)"), "'nofunc' is not a recognized built-in function name.");
    // A table name with a quote inside the field query's text.
    EXPECT_EQ(ErrorOf(*connection, "select name from syscolumns where id=object_id('t'x') order by name"),
              "Unclosed quotation mark before the character string ') order by name'.");
    EXPECT_EQ(ErrorOf(*connection, "exec sp_helpindex 'no_table'"),
              "The object 'no_table' does not exist in database 'account' or is invalid for this operation.");
    EXPECT_EQ(ErrorOf(*connection, "select left('abc', -1)"), "Invalid length parameter passed to the left function.");
}

TEST(SqliteErrors, AFailedStatementLeavesTheConnectionUsable)
{
    const SqliteTestDatabase db(kSchema);
    const ConnectionPtr connection = db.Open();
    EXPECT_FALSE(ErrorOf(*connection, "insert into t_Item values (1, 'a'), (1, 'b')").empty());
    EXPECT_TRUE(Query(*connection, "select * from t_Item").empty());
    connection->Execute("insert into t_Item values (1, 'a')");
    EXPECT_EQ(Query(*connection, "select FName from t_Item"), (std::vector<std::vector<std::string>>{{"a"}}));
}

// "%" (and the other arithmetic operators but "+") between texts is SQL Server's error 403,
// which the find dialog recognises when a quote is typed into both of its boxes.
TEST(SqliteErrors, ArithmeticOnTextsIsError403)
{
    const SqliteTestDatabase db(kSchema);
    const ConnectionPtr connection = db.Open(adModeRead);
    const auto modulo = Raised(*connection, "select * from t_tabledescription Where  FTableName like '%'%' and "
                                            "FDescription Like '%'%'  order by FSubSystemID");
    EXPECT_EQ(modulo.Description().toStdString(),
              "Invalid operator for data type. Operator equals modulo, type equals varchar.");
    EXPECT_EQ(modulo.Number(), -2147217900);

    EXPECT_EQ(ErrorOf(*connection, "select N'a' % 'b'"),
              "Invalid operator for data type. Operator equals modulo, type equals nvarchar.");
    EXPECT_EQ(ErrorOf(*connection, "select FName - FName from t_Item"),
              "Invalid operator for data type. Operator equals subtract, type equals nvarchar.");
    EXPECT_EQ(ErrorOf(*connection, "select FTableName / 'x' from t_tabledescription"),
              "Invalid operator for data type. Operator equals divide, type equals varchar.");
    // Numbers, and a text SQL Server converts to a number, stay arithmetic.
    EXPECT_EQ(Query(*connection, "select 7 % 4, '7' % 4, FItemID * 2 from t_Item where 1 = 0 union all select 3, 3, 0"),
              (std::vector<std::vector<std::string>>{{"3", "3", "0"}}));
}

TEST(SqliteErrors, MoreOfSqliteInSqlServerWords)
{
    const SqliteTestDatabase db(kSchema);
    const ConnectionPtr readOnly = db.Open(adModeRead);
    struct Case {
        const char* sql;
        const char* error;
    };
    const Case cases[] = {
        {"select FName from t_Item where count(*) > 1",
         "An aggregate may not appear in the WHERE clause unless it is in a subquery contained in a HAVING clause or a "
         "select list, and the column being aggregated is an outer reference."},
        {"select * from t_Item where FItemID = (select FItemID, FName from t_Item)",
         "Only one expression can be specified in the select list when the subquery is not introduced with EXISTS."},
        {"select FName from t_Item order by FName collate No_Such_Collation", "Invalid collation 'No_Such_Collation'."},
        {"select isnull(FName) from t_Item", "The isnull function requires 2 argument(s)."},
        {"delete from t_Item", "Failed to update database \"account\" because the database is read-only."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf(*readOnly, c.sql), c.error) << c.sql;
    const ConnectionPtr readWrite = db.Open();
    EXPECT_EQ(ErrorOf(*readWrite, "drop index ix_none"),
              "Cannot drop the index 'ix_none', because it does not exist or you do not have permission.");
}
