#include "SqliteProvider.h"

#include "SqliteErrors.h"
#include "SqliteSession.h"

namespace ado::provider {

std::shared_ptr<Session> OpenSqlite(const ConnectionText& text, SqliteOpenMode mode)
{
    const std::string path = text.GetOr("Data Source");
    if (path.empty())
        throw ProviderError(kErrorOpen, "The connection text names no Data Source for the SQLite database.");
    return std::make_shared<SqliteSession>(path, mode);
}

}  // namespace ado::provider
