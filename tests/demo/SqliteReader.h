#pragma once

#include "SqliteTSqlFunctions.h"

#include <QString>

#include <sqlite3.h>

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// Reads a database with SQLite itself, so the tests of the demo script do not lean on the provider.
class SqliteReader {
public:
    explicit SqliteReader(const QString& path)
    {
        sqlite3* db = nullptr;
        const int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
        m_db.reset(db);
        if (rc != SQLITE_OK)
            throw std::runtime_error("cannot open " + path.toStdString());
        ado::provider::RegisterTSqlFunctions(db);  // the collation the text columns are declared in
    }

    // Every row of a query, each value as text (nothing for NULL).
    std::vector<std::vector<std::optional<std::string>>> Rows(const std::string& sql) const
    {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(m_db.get(), sql.c_str(), -1, &raw, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(m_db.get()) + (": " + sql));
        const std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(raw, sqlite3_finalize);
        std::vector<std::vector<std::optional<std::string>>> rows;
        int rc;
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
            auto& row = rows.emplace_back();
            for (int i = 0; i < sqlite3_column_count(raw); ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(raw, i));
                row.push_back(text ? std::optional<std::string>(std::string(text, sqlite3_column_bytes(raw, i)))
                                   : std::nullopt);
            }
        }
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(m_db.get()) + (": " + sql));
        return rows;
    }

    // The first column of every row; NULL reads as "NULL".
    std::vector<std::string> Column(const std::string& sql) const
    {
        std::vector<std::string> values;
        for (const auto& row : Rows(sql))
            values.push_back(row.at(0).value_or("NULL"));
        return values;
    }

    std::string Text(const std::string& sql) const
    {
        const auto values = Column(sql);
        if (values.size() != 1)
            throw std::runtime_error("expected one row: " + sql);
        return values.front();
    }

    long long Int(const std::string& sql) const { return std::stoll(Text(sql)); }

private:
    struct Close {
        void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
    };
    std::unique_ptr<sqlite3, Close> m_db;
};
