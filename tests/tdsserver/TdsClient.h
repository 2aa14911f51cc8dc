#pragma once

#include <filesystem>
#include <string>

namespace tds {

struct ServerSettings {
    std::filesystem::path folder;  // holds one SQLite file per database
    std::string user;
    std::string password;
};

// Serves one client connection from PRELOGIN to its end; closes the socket.
void ServeClient(int socket, const ServerSettings& settings);

}  // namespace tds
