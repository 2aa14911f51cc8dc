#pragma once

#include <string_view>

namespace tds {

// The server's own message number for a message text the SQLite provider (or the stand-in)
// words as the server would; 50000, the number of a user-defined message, for any other.
int ServerErrorNumber(std::string_view message);

}  // namespace tds
