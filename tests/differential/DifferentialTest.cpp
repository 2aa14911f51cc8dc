// The same T-SQL on the embedded provider and on the server of TABRIX_TEST_MSSQL, through the
// ODBC provider, each in a database of its own made for the run: both give the same rows, or
// both refuse the statement (error texts are not compared: Babelfish words them as PostgreSQL).
#include "DifferentialCases.h"

#include "AutomationError.h"
#include "Connection.h"
#include "ScratchDatabase.h"
#include "SqlServerTestServer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A value as both engines must agree on it: numbers by their value, whatever type carries it
// (1.50 as decimal(10,2) and 1.5 as a double are one), everything else as ado::ToText gives it.
std::string Canonical(const ado::Value& value)
{
    if (ado::IsNull(value))
        return "NULL";
    if (const auto* b = std::get_if<bool>(&value))
        return *b ? "1" : "0";
    std::optional<long double> number;
    if (const auto* i = std::get_if<std::int64_t>(&value))
        number = static_cast<long double>(*i);
    else if (const auto* d = std::get_if<double>(&value))
        number = *d;
    else if (const auto* decimal = std::get_if<ado::Decimal>(&value))
        number = std::strtold(decimal->digits.c_str(), nullptr);
    if (!number)
        return ado::ToText(value);
    char text[64];
    std::snprintf(text, sizeof text, "%.12Lg", *number == 0 ? 0.0L : *number);
    return text;
}

// The rows of a statement, or its error as "error: ...".
Rows Outcome(ado::Connection& connection, const std::string& sql)
{
    try {
        const ado::RecordsetPtr recordset = connection.Execute(sql);
        Rows rows;
        if (recordset->State() != ado::adStateOpen)
            return rows;
        for (; !recordset->Eof(); recordset->MoveNext()) {
            std::vector<std::string> row;
            for (long i = 0; i < recordset->FieldCount(); ++i)
                row.push_back(Canonical(recordset->Fields(i).GetValue()));
            rows.push_back(std::move(row));
        }
        return rows;
    } catch (const automation::AutomationError& e) {
        return {{"error: " + e.Description().toStdString()}};
    }
}

bool Failed(const Rows& rows)
{
    return rows.size() == 1 && rows[0].size() == 1 && rows[0][0].starts_with("error: ");
}

std::string Shown(const Rows& rows)
{
    std::string text;
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i)
            text += (i ? "|" : "") + row[i];
        text += "; ";
    }
    return text;
}

}  // namespace

TEST(Differential, EmbeddedProviderAnswersAsTheServer)
{
    TABRIX_REQUIRE_SQL_SERVER(serverText);
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string path = folder.filePath("differential.db").toStdString();
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
        sqlite3_close(db);
    }
    ado::Connection embedded;
    embedded.Open("Provider=SQLite;Data Source=" + path + ";Language=CHS", ado::adModeReadWrite);

    ScratchDatabase scratch(serverText);
    ado::Connection server;
    server.Open(scratch.ConnectionText(), ado::adModeReadWrite);
    const bool babelfish = tabrix::test::IsBabelfish(server);

    for (const char* sql : kSetup) {
        const Rows mine = Outcome(embedded, sql);
        ASSERT_FALSE(Failed(mine)) << "embedded: " << sql << "\n  " << Shown(mine);
        const Rows theirs = Outcome(server, sql);
        ASSERT_FALSE(Failed(theirs)) << "server: " << sql << "\n  " << Shown(theirs);
    }

    size_t run = 0;
    for (const DifferentialCase& c : kCases) {
        if (babelfish && c.babelfish) {
            std::cout << "excluded on Babelfish [" << c.group << "] " << c.sql << "\n    " << c.babelfish << "\n";
            continue;
        }
        ++run;
        const Rows mine = Outcome(embedded, c.sql);
        const Rows theirs = Outcome(server, c.sql);
        const bool agree = mine == theirs || (Failed(mine) && Failed(theirs));
        if (c.openFault) {
            std::cout << "open fault [" << c.group << "] " << c.sql << "\n    " << c.openFault << "\n";
            EXPECT_FALSE(agree) << "[" << c.group << "] " << c.sql << " agrees now: drop its open-fault mark";
            continue;
        }
        if (agree)
            continue;
        EXPECT_EQ(mine, theirs) << "[" << c.group << "] " << c.sql << "\n  embedded: " << Shown(mine)
                                << "\n  server:   " << Shown(theirs);
    }
    std::cout << run << " of " << std::size(kCases) << " cases compared" << (babelfish ? " on Babelfish" : "") << "\n";
}
