#pragma once

#include "AutomationError.h"

#include <string_view>

namespace ado::provider {

// The numbers SQL Server's provider gives its command errors.
constexpr long kErrorInvalidObject = -2147217865;  // invalid object name
constexpr long kErrorCommand = -2147217900;        // errors in the command text
constexpr long kErrorIntegrity = -2147217873;      // constraint violations
constexpr long kErrorOpen = -2147467259;           // the database cannot be opened

// An error of the provider that answers SQL Server's SQL itself, with its source set.
automation::AutomationError ProviderError(long number, std::string_view description);

}  // namespace ado::provider
