// The data script of every demo table, replayed through the SQLite provider into an empty copy
// of the schema, gives back every value that the inserts carry.
#include "ConverterFixture.h"

#include "DemoDatabase.h"
#include "RecordsetValues.h"
#include "SqliteTSqlFunctions.h"
#include "mdlCommon.h"

#include <sqlite3.h>

namespace {

class RoundTrip : public ConverterFixture {
protected:
    std::vector<std::string> Tables() const
    {
        std::vector<std::string> names;
        ado::Connection source;
        source.Open(ConnectionText());
        const ado::RecordsetPtr rows =
            source.Execute("select name from sysobjects where xtype = 'U' order by name");
        for (; !rows->Eof(); rows->MoveNext())
            names.push_back(ado::ToText(rows->Fields(0L).GetValue()));
        return names;
    }

    // An empty database with the demo database's tables.
    void CopySchema(const std::string& target) const
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(target.c_str(), &db), SQLITE_OK);
        ado::provider::RegisterTSqlFunctions(db);  // the collation the demo tables' text columns are declared in
        const std::string attach = "attach database '" + DatabasePath() + "' as source";
        ASSERT_EQ(sqlite3_exec(db, attach.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_stmt* statement = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db,
                                     "select sql from source.sqlite_schema where type = 'table' and name not like "
                                     "'sqlite!_%' escape '!'",
                                     -1, &statement, nullptr),
                  SQLITE_OK);
        std::vector<std::string> creates;
        while (sqlite3_step(statement) == SQLITE_ROW)
            creates.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
        sqlite3_finalize(statement);
        sqlite3_exec(db, "detach database source", nullptr, nullptr, nullptr);
        for (const std::string& create : creates)
            ASSERT_EQ(sqlite3_exec(db, create.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << create;
        sqlite3_close(db);
    }

    // The columns an insert carries: neither identity nor computed.
    static std::vector<std::string> InsertedColumns(ado::ConnectionPtr& connection, const std::string& table)
    {
        std::vector<std::string> columns;
        const ado::RecordsetPtr fields = connection->Execute("select * from " + table + " where 1> 1");
        for (long i = 0; i < fields->FieldCount(); ++i) {
            const std::string& name = fields->Fields(i).Name();
            const auto property = [&](const char* which) {
                return mdlCommon::GetValueText(
                           *connection->Execute("select columnproperty(object_id('" + table + "'),'" + name + "','" +
                                                    which + "')",
                                                ado::adOpenStatic),
                           true) == "1";
            };
            if (!property("IsIdentity") && !property("IsComputed"))
                columns.push_back(name);
        }
        return columns;
    }

    static std::vector<std::vector<ado::Value>> Rows(ado::ConnectionPtr& connection, const std::string& table,
                                                     const std::vector<std::string>& columns)
    {
        std::string list;
        for (const std::string& column : columns)
            list += (list.empty() ? "" : ",") + column;
        return ValuesOf(*connection->Execute("select " + list + " from " + table + " order by rowid"));
    }
};

TEST_F(RoundTrip, EveryDemoTableComesBackValueForValue)
{
    demo::WriteDemoDatabase(QString::fromStdString(DatabasePath()));
    const std::string copyPath = Path("copy.db");
    CopySchema(copyPath);
    auto source = OpenConnection();
    auto copy = std::make_shared<ado::Connection>();
    copy->Open("Provider=SQLite;Data Source=" + copyPath);

    const std::vector<std::string> tables = Tables();
    ASSERT_GT(tables.size(), 100u);
    auto converter = PlayingConverter();
    size_t values = 0;
    bool sawSample = false;
    for (const std::string& table : tables) {
        SCOPED_TRACE(table);
        const std::string file = table + ".sql";
        const xml::XmlDocument document =
            Template(R"(<table name=")" + table + R"("/>)", R"(datafile=")" + file + R"(" logfile="log.txt")");
        converter->ExportTable(source, FirstTable(document));
        ASSERT_FALSE(Exists("log.txt")) << Read("log.txt");

        copy->Execute(Read(file));
        const std::vector<std::string> columns = InsertedColumns(source, table);
        const auto expected = Rows(source, table, columns);
        const auto actual = Rows(copy, table, columns);
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t r = 0; r < expected.size(); ++r)
            for (size_t c = 0; c < columns.size(); ++c) {
                EXPECT_EQ(actual[r][c], expected[r][c]) << "row " << r << " column " << columns[c] << ": "
                                                        << (ado::IsNull(expected[r][c]) ? "null" : ado::ToText(expected[r][c]));
                ++values;
            }
        if (table == "t_Sample") {
            sawSample = true;
            EXPECT_NE(Read(file).find("N'"), std::string::npos);
        }
    }
    EXPECT_TRUE(sawSample);
    EXPECT_GT(values, 1000u);
}

}  // namespace
