#include "SqliteTestDatabase.h"

#include "AutomationError.h"

#include <sqlite3.h>

#include <stdexcept>

SqliteTestDatabase::SqliteTestDatabase(const std::string& script, const std::string& fileName)
    : m_path(m_dir.filePath(QString::fromStdString(fileName)).toStdString())
{
    Run(script);
}

void SqliteTestDatabase::Run(const std::string& script) const
{
    sqlite3* db = nullptr;
    sqlite3_open(m_path.c_str(), &db);
    char* message = nullptr;
    sqlite3_exec(db, "PRAGMA synchronous=OFF", nullptr, nullptr, nullptr);  // test files need no durability
    const int rc = sqlite3_exec(db, script.c_str(), nullptr, nullptr, &message);
    const std::string error = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    if (rc != SQLITE_OK)
        throw std::runtime_error("test script failed: " + error);
}

ado::ConnectionPtr SqliteTestDatabase::Open(ado::ConnectModeEnum mode) const
{
    auto connection = std::make_shared<ado::Connection>();
    connection->Open(ConnectionText(), mode);
    return connection;
}

std::vector<std::vector<std::string>> RowsOf(ado::Recordset& recordset)
{
    std::vector<std::vector<std::string>> rows;
    while (!recordset.Eof()) {
        std::vector<std::string> row;
        for (long i = 0; i < recordset.FieldCount(); ++i) {
            const ado::Value& value = recordset.Fields(i).GetValue();
            row.push_back(ado::IsNull(value) ? "NULL" : ado::ToText(value));
        }
        rows.push_back(std::move(row));
        recordset.MoveNext();
    }
    return rows;
}

std::vector<std::vector<std::string>> Query(ado::Connection& connection, const std::string& sql)
{
    const ado::RecordsetPtr recordset = connection.Execute(sql);
    return RowsOf(*recordset);
}

std::string ErrorOf(ado::Connection& connection, const std::string& sql)
{
    try {
        const ado::RecordsetPtr recordset = connection.Execute(sql);
        if (recordset->State() == ado::adStateOpen)
            RowsOf(*recordset);
    } catch (const automation::AutomationError& e) {
        return e.Description().toStdString();
    }
    return {};
}
