#include "OdbcProvider.h"

#include "OdbcConnectionText.h"
#include "OdbcSession.h"
#include "OdbcUnicode.h"

#include <sqlext.h>

#include <filesystem>

namespace ado::provider {

namespace {

using odbc::OdbcHandle;

// Where Debian-style systems put the FreeTDS driver when it is not registered by name.
constexpr const char* kFreeTdsLibraries[] = {
    "/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so", "/usr/lib/aarch64-linux-gnu/odbc/libtdsodbc.so",
    "/usr/lib/odbc/libtdsodbc.so", "/usr/lib64/libtdsodbc.so", "/usr/local/lib/libtdsodbc.so"};

std::vector<std::string> RegisteredDrivers(const OdbcHandle& environment)
{
    std::vector<std::string> names;
    SQLWCHAR name[256];
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT attributesLength = 0;
    SQLUSMALLINT direction = SQL_FETCH_FIRST;
    while (SQL_SUCCEEDED(SQLDriversW(environment.Get(), direction, name, static_cast<SQLSMALLINT>(std::size(name)),
                                     &nameLength, nullptr, 0, &attributesLength))) {
        std::string text;
        odbc::Utf16ToUtf8(reinterpret_cast<const char16_t*>(name),
                          std::min<size_t>(static_cast<size_t>(std::max<SQLSMALLINT>(nameLength, 0)), std::size(name) - 1),
                          text);
        names.push_back(std::move(text));
        direction = SQL_FETCH_NEXT;
    }
    return names;
}

std::vector<std::string> ExistingLibraries()
{
    std::vector<std::string> paths;
    std::error_code error;
    for (const char* path : kFreeTdsLibraries)
        if (std::filesystem::exists(path, error))
            paths.emplace_back(path);
    return paths;
}

}  // namespace

std::shared_ptr<OdbcHandle> NewOdbcEnvironment()
{
    auto environment = std::make_shared<OdbcHandle>(SQL_HANDLE_ENV, nullptr);
    environment->Check(SQLSetEnvAttr(environment->Get(), SQL_ATTR_ODBC_VERSION,
                                     reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
                       "SQLSetEnvAttr");
    return environment;
}

std::shared_ptr<Session> OpenOdbc(std::string_view connectionText, bool readOnly)
{
    auto environment = NewOdbcEnvironment();
    const ConnectionText parsed(connectionText);
    odbc::OdbcTarget target;
    if (parsed.Get("Provider")) {
        const std::string driver = odbc::ChooseFreeTdsDriver(RegisteredDrivers(*environment), ExistingLibraries());
        if (driver.empty())
            throw automation::AutomationError(
                -2147467259,
                QStringLiteral("The FreeTDS ODBC driver is not installed (Debian package tdsodbc); "
                               "it is needed to reach SQL Server."),
                odbc::ErrorSource());
        target = odbc::FromSqlServerText(connectionText, driver);
    } else {
        target = odbc::FromOdbcText(connectionText);
    }
    return std::make_shared<odbc::OdbcSession>(std::move(environment), std::move(target), readOnly);
}

}  // namespace ado::provider
