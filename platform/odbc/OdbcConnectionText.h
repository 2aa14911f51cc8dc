#pragma once

#include "ConnectionText.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// How the connection texts of SQL Server (the OLE DB style "Provider=SQLOLEDB.1;User ID=..;
// pwd=..;Initial Catalog=..;Data Source=host") and ODBC ("Driver=...", "DSN=...") become the
// text that the ODBC driver manager takes. Pure functions: no driver is asked here.
namespace ado::odbc {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// True when the text is for the ODBC provider: a SQL Server OLE DB provider name (SQLOLEDB*,
// SQLNCLI*, MSOLEDBSQL*), or no provider and a Driver or DSN key.
bool IsOdbcText(const ConnectionText& text);

// Splits a SQL Server text into key/value pairs. Values are copied into such texts unchanged,
// so a ";" inside a password splits it: a piece that does not start with a key this system
// knows ("b" or "b=c" after "pwd=a") continues the value before it. A value written in double
// or single quotes ("Password=\"a;b\"") is taken without its quotes. Keys keep their spelling.
Pairs SplitSqlServerText(std::string_view text);

// Server part of a Data Source: "host", "host,port", "host\instance", "tcp:host,port".
struct ServerAddress {
    std::string host;
    std::string port;      // empty: the driver's default
    std::string instance;  // empty: the default instance
};
ServerAddress ParseDataSource(std::string_view dataSource);

// What the ODBC provider connects with.
struct OdbcTarget {
    std::string connectionString;  // for SQLDriverConnect; holds the password
    long loginTimeout = 15;        // seconds
};

// Maps a SQL Server OLE DB text to an ODBC connection through the given FreeTDS driver (a
// registered driver name or a library path). No Data Source, ".", "(local)": this machine.
// Throws AutomationError when the text asks for Windows authentication.
OdbcTarget FromSqlServerText(std::string_view text, std::string_view freeTdsDriver);

// A "Driver=..." or "DSN=..." text goes to ODBC as it stands, less the keys that belong to
// this system or its hosts (Provider, Language, Connect Timeout).
OdbcTarget FromOdbcText(std::string_view text);

// One ODBC attribute "key=value;", the value braced when it holds ";", braces or edge blanks.
std::string OdbcAttribute(std::string_view key, std::string_view value);

// The text with every password value replaced by "****", for anything that echoes a
// connection text (log lines, messages).
std::string MaskPasswords(std::string_view text);

// The driver to name for FreeTDS: the name of a registered driver whose name contains
// "FreeTDS", else the first of the existing library paths, else empty (not installed).
std::string ChooseFreeTdsDriver(const std::vector<std::string>& registeredDrivers,
                                const std::vector<std::string>& existingLibraries);

}  // namespace ado::odbc
