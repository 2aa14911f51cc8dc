#pragma once

#include "Connection.h"

#include <QTemporaryDir>

#include <string>

// A SQLite file in a temporary folder, written with SQLite itself (not through the provider
// under test), and connections to it through the data layer.
class SqliteTestDatabase {
public:
    explicit SqliteTestDatabase(const std::string& script, const std::string& fileName = "account.db");

    const std::string& Path() const { return m_path; }
    std::string ConnectionText() const { return "Provider=SQLite;Data Source=" + m_path + ";Language=CHS"; }
    // Runs more SQL on the file with SQLite itself.
    void Run(const std::string& script) const;
    ado::ConnectionPtr Open(ado::ConnectModeEnum mode = ado::adModeUnknown) const;

private:
    QTemporaryDir m_dir;
    std::string m_path;
};

// The rows of a record set as texts ("NULL" for a null), read to its end.
std::vector<std::vector<std::string>> RowsOf(ado::Recordset& recordset);
std::vector<std::vector<std::string>> Query(ado::Connection& connection, const std::string& sql);

// The description of the AutomationError the statement raises; empty when it raises none.
std::string ErrorOf(ado::Connection& connection, const std::string& sql);
