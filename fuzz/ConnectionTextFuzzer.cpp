// Any text as a connection text: the generic key=value reading, the choice of provider, the
// SQL Server and ODBC mappings and the password mask a log line gets. The only failure allowed
// is the AutomationError that refuses Windows authentication.
#include "AutomationError.h"
#include "ConnectionText.h"
#include "FuzzCheck.h"
#include "OdbcConnectionText.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

void MapToOdbc(std::string_view text, std::string_view driver)
{
    try {
        const ado::odbc::OdbcTarget target = ado::odbc::FromSqlServerText(text, driver);
        FUZZ_CHECK(target.loginTimeout >= 0);
    } catch (const automation::AutomationError&) {
        // Windows authentication asked for.
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ado::ConnectionText parsed(text);
    for (const char* key : {"Provider", "Data Source", "Language", "User ID", "pwd", "Initial Catalog", "Driver", "DSN"})
        parsed.GetOr(key);
    ado::odbc::IsOdbcText(parsed);

    for (const auto& [key, value] : ado::odbc::SplitSqlServerText(text)) {
        ado::odbc::ParseDataSource(value);
        ado::odbc::OdbcAttribute(key, value);
    }
    MapToOdbc(text, "FreeTDS");
    MapToOdbc(text, "/usr/lib/x86_64-linux-gnu/odbc/libtdsodbc.so");
    FUZZ_CHECK(ado::odbc::FromOdbcText(text).loginTimeout >= 0);
    ado::odbc::MaskPasswords(text);
    return 0;
}
