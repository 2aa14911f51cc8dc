#pragma once

#include "Provider.h"

#include <memory>
#include <string_view>

namespace ado::odbc {
class OdbcHandle;
}

namespace ado::provider {

// Opens a SQL Server text ("Provider=SQLOLEDB.1;User ID=..;pwd=..;Initial Catalog=..;Data
// Source=host") through the FreeTDS ODBC driver, or a "Driver=..." / "DSN=..." text through
// the driver it names. Throws AutomationError with the driver's message when that fails.
std::shared_ptr<Session> OpenOdbc(std::string_view connectionText, bool readOnly);

// A new ODBC environment handle for ODBC 3 behaviour.
std::shared_ptr<odbc::OdbcHandle> NewOdbcEnvironment();

}  // namespace ado::provider
