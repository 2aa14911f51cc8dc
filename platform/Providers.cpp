// Which provider a connection text names. The data-access core declares this and the providers
// stand beside it, so the core includes neither provider and neither includes the other.
#include "AutomationError.h"
#include "ConnectionText.h"
#include "OdbcConnectionText.h"
#include "OdbcProvider.h"
#include "Provider.h"
#include "SqliteProvider.h"

#include <QString>

#include <algorithm>
#include <cctype>

namespace ado::provider {

namespace {

bool IsEmbedded(const ConnectionText& text)
{
    std::string name = text.GetOr("Provider");
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    return name == "sqlite" || (name.empty() && !text.Get("Driver") && !text.Get("DSN"));
}

}  // namespace

bool NamesEmbedded(const std::string& connectionText) { return IsEmbedded(ConnectionText(connectionText)); }

OpenedSession OpenProvider(const std::string& connectionText, OpenMode mode)
{
    const ConnectionText text(connectionText);
    if (IsEmbedded(text)) {
        const SqliteOpenMode sqliteMode = mode == OpenMode::ReadOnly ? SqliteOpenMode::ReadOnly
                                          : mode == OpenMode::Create ? SqliteOpenMode::Create
                                                                     : SqliteOpenMode::ReadWrite;
        return {OpenSqlite(text, sqliteMode), true};
    }
    if (odbc::IsOdbcText(text))
        return {OpenOdbc(connectionText, mode == OpenMode::ReadOnly), false};
    throw automation::AutomationError(3706, QStringLiteral("Provider cannot be found. It may not be properly installed."),
                                      QStringLiteral("ADODB.Connection"));
}

}  // namespace ado::provider
