#pragma once

#include "Connection.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

// The SQL Server that suites run against: the environment variable TABRIX_TEST_MSSQL holds its
// connection text, for example
//   Provider=SQLOLEDB.1;User ID=sa;pwd=secret;Initial Catalog=tabrix_test;Data Source=localhost,1433
// The login needs the right to create and drop tables in that database.
namespace tabrix::test {

inline std::optional<std::string> SqlServerConnectionText()
{
    const char* text = std::getenv("TABRIX_TEST_MSSQL");
    if (!text || !*text)
        return std::nullopt;
    return std::string(text);
}

inline constexpr const char* kNoSqlServerMessage =
    "TABRIX_TEST_MSSQL is not set: no SQL Server to test against (set it to a connection text such as "
    "\"Provider=SQLOLEDB.1;User ID=sa;pwd=...;Initial Catalog=tabrix_test;Data Source=host,1433\")";

// Whether the server is Babelfish, a T-SQL engine over PostgreSQL that CI runs the suites on as
// well. Where it differs from SQL Server a suite names the difference and adapts or skips only
// there: SQL Server's documented behaviour stays the check everywhere else.
inline bool IsBabelfish(ado::Connection& connection)
{
    try {
        const ado::RecordsetPtr version = connection.Execute("select @@version");
        return ado::ToText(version->Fields(0L).GetValue()).find("Babelfish") != std::string::npos;
    } catch (const std::exception&) {
        return false;  // the TDS stand-in has no @@version
    }
}

}  // namespace tabrix::test

// Skips the current test, with the reason, when no SQL Server is configured; otherwise
// declares `text` holding the server's connection text.
#define TABRIX_REQUIRE_SQL_SERVER(text)                                   \
    const auto text##_optional = ::tabrix::test::SqlServerConnectionText(); \
    if (!text##_optional)                                                 \
        GTEST_SKIP() << ::tabrix::test::kNoSqlServerMessage;              \
    const std::string& text = *text##_optional
