#include "TSqlError.h"

#include <QString>

namespace ado::provider {

automation::AutomationError ProviderError(long number, std::string_view description)
{
    return automation::AutomationError(
        number, QString::fromUtf8(description.data(), static_cast<qsizetype>(description.size())),
        QStringLiteral("Tabrix.SQLite"));
}

}  // namespace ado::provider
