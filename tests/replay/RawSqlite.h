#pragma once

#include "Value.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

// A SQLite file read through SQLite's own interface.
class RawSqlite {
public:
    explicit RawSqlite(const std::string& path)
    {
        if (sqlite3_open(path.c_str(), &m_db) != SQLITE_OK)
            ADD_FAILURE() << "sqlite3_open " << path << ": " << sqlite3_errmsg(m_db);
    }
    ~RawSqlite() { sqlite3_close(m_db); }
    RawSqlite(const RawSqlite&) = delete;
    RawSqlite& operator=(const RawSqlite&) = delete;

    void Exec(const std::string& sql)
    {
        char* error = nullptr;
        if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK)
            ADD_FAILURE() << sql.substr(0, 200) << ": " << (error ? error : "");
        sqlite3_free(error);
    }
    // Every row of a query, each value as the provider-free variant.
    std::vector<std::vector<ado::Value>> Rows(const std::string& sql)
    {
        std::vector<std::vector<ado::Value>> rows;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            ADD_FAILURE() << sql << ": " << sqlite3_errmsg(m_db);
            return rows;
        }
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<ado::Value>& row = rows.emplace_back();
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                switch (sqlite3_column_type(statement, i)) {
                case SQLITE_INTEGER:
                    row.emplace_back(static_cast<std::int64_t>(sqlite3_column_int64(statement, i)));
                    break;
                case SQLITE_FLOAT:
                    row.emplace_back(sqlite3_column_double(statement, i));
                    break;
                case SQLITE_TEXT: {
                    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                    row.emplace_back(std::string(text, static_cast<size_t>(sqlite3_column_bytes(statement, i))));
                    break;
                }
                case SQLITE_BLOB: {
                    const auto* data = static_cast<const unsigned char*>(sqlite3_column_blob(statement, i));
                    row.emplace_back(ado::Bytes(data, data + sqlite3_column_bytes(statement, i)));
                    break;
                }
                default:
                    row.emplace_back(ado::Null{});
                }
            }
        }
        sqlite3_finalize(statement);
        return rows;
    }

private:
    sqlite3* m_db = nullptr;
};
