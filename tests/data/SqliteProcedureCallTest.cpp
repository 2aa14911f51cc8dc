#include "AutomationError.h"
#include "SqliteTestDatabase.h"

#include <gtest/gtest.h>

using namespace ado;

namespace {

const char* const kSchema = R"(
CREATE TABLE t_Subsystem(FSubSysID int NOT NULL PRIMARY KEY, FName nvarchar(50));
INSERT INTO t_Subsystem VALUES (1, 'Ledger');
CREATE TABLE t_Item(FItemID int NOT NULL, FNumber varchar(30), CONSTRAINT PK_Item PRIMARY KEY (FItemID));
CREATE INDEX ix_Item_Number ON t_Item(FNumber);
CREATE TABLE "we'ird"(a int);
CREATE INDEX ix_weird ON "we'ird"(a);
)";

// The index names a procedure call reports, joined by ",", or the error it raises.
std::string Outcome(Connection& connection, const std::string& sql)
{
    try {
        const RecordsetPtr rs = connection.Execute(sql);
        std::string names;
        if (rs->State() == adStateOpen)
            for (const auto& row : RowsOf(*rs))
                names += (names.empty() ? "" : ",") + row[0];
        return names;
    } catch (const automation::AutomationError& e) {
        return e.Description().toStdString();
    }
}

}  // namespace

// sp_helpindex takes its arguments as SQL Server parses them: one value per argument, nothing
// after the last, a doubled quote a quote; text after a ";" is another statement of the batch.
TEST(SqliteProcedureCall, ArgumentsAreParsedAsSqlServerDoes)
{
    struct Case {
        const char* sql;
        const char* outcome;
    };
    const Case cases[] = {
        {"sp_helpindex 't_Item'", "ix_Item_Number,PK_Item"},
        {"exec sp_helpindex @objname = N'dbo.t_Item';", "ix_Item_Number,PK_Item"},
        {"EXECUTE sp_helpindex [t_Item]", "ix_Item_Number,PK_Item"},
        {"declare @t sysname = 'T_ITEM  ' exec sp_helpindex @t", "ix_Item_Number,PK_Item"},
        {"sp_helpindex 'we''ird'", "ix_weird"},
        {"sp_helpindex 't_Item' 'x'", "Incorrect syntax near 'x'."},
        {"sp_helpindex 't_Item' x", "Incorrect syntax near 'x'."},
        {"sp_helpindex 't_Item'; delete from t_Subsystem; --'",
         "A statement that returns rows must be the last of its batch."},
        {"delete from t_Subsystem exec sp_helpindex 't_Item'",
         "Failed to update database \"account\" because the database is read-only."},
        {"sp_helpindex 't_Subsystem'' --'",
         "The object 't_Subsystem' --' does not exist in database 'account' or is invalid for this operation."},
        {"sp_helpindex 't_Item', 't_Subsystem'", "Procedure or function sp_helpindex has too many arguments specified."},
        {"sp_helpindex 't_Item',", "Incorrect syntax near ','."},
        {"exec sp_helpindex @table = 't_Item'", "@table is not a parameter for procedure sp_helpindex."},
        {"exec sp_helpindex", "Procedure or function 'sp_helpindex' expects parameter '@objname', which was not supplied."},
        {"exec sp_help 't_Item'", "Could not find stored procedure 'sp_help'."},
        {"exec sp_helpindex @t", "Must declare the scalar variable \"@t\"."},
    };
    const SqliteTestDatabase db(kSchema);
    const ConnectionPtr readOnly = db.Open(adModeRead);
    for (const Case& c : cases)
        EXPECT_EQ(Outcome(*readOnly, c.sql), c.outcome) << c.sql;

    // A read-write connection refuses the smuggled statement too, and runs nothing of the batch.
    const ConnectionPtr readWrite = db.Open();
    EXPECT_EQ(Outcome(*readWrite, "sp_helpindex 't_Item'; delete from t_Subsystem; --'"),
              "A statement that returns rows must be the last of its batch.");
    EXPECT_EQ(Query(*readWrite, "select count(*) from t_Subsystem"), (std::vector<std::vector<std::string>>{{"1"}}));
}
