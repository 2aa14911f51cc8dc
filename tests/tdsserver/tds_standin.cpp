// A stand-in for a SQL Server, for tests only: it speaks just enough TDS 7.4 for the FreeTDS
// ODBC driver to log in, send SQL batches, read results and hold a transaction, and answers
// every batch with the embedded SQLite provider. It has no encryption, no security beyond one
// login, and answers only what the test suites ask of it. It listens on 127.0.0.1 alone.
#include "TdsClient.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <thread>

namespace {

int Usage(const char* message)
{
    std::fprintf(stderr,
                 "tds_standin: %s\nusage: tds_standin --dir <folder> --user <login> --password <pwd> "
                 "[--port N (0 = any)] --port-file <file>\n",
                 message);
    return 2;
}

int Fail(const char* what)
{
    std::fprintf(stderr, "tds_standin: %s: %s\n", what, std::strerror(errno));
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    std::map<std::string, std::string> options{{"--port", "0"}};
    for (int i = 1; i < argc; i += 2) {
        const std::string key = argv[i];
        if (i + 1 >= argc || (key != "--dir" && key != "--user" && key != "--password" && key != "--port" &&
                              key != "--port-file"))
            return Usage(("unknown or incomplete option " + key).c_str());
        options[key] = argv[i + 1];
    }
    for (const char* required : {"--dir", "--user", "--password", "--port-file"})
        if (!options.count(required))
            return Usage((std::string(required) + " is missing").c_str());
    tds::ServerSettings settings{options["--dir"], options["--user"], options["--password"]};
    // The folder goes into a connection text, where ";" would end it early.
    if (!std::filesystem::is_directory(settings.folder) || settings.folder.string().find(';') != std::string::npos)
        return Usage("--dir must name an existing folder whose path has no ';'");
    char* end = nullptr;
    const long port = std::strtol(options["--port"].c_str(), &end, 10);
    if (*end || port < 0 || port > 65535)
        return Usage("--port must be a number from 0 to 65535");

    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    if (listener < 0)
        return Fail("socket");
    const int yes = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    if (bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        return Fail("bind");
    if (listen(listener, 16) != 0)
        return Fail("listen");
    socklen_t length = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);

    // Written beside and renamed, so a reader never sees half a number.
    const std::string portFile = options["--port-file"];
    {
        std::ofstream out(portFile + ".tmp");
        out << ntohs(address.sin_port) << '\n';
        if (!out)
            return Fail("writing the port file");
    }
    if (std::rename((portFile + ".tmp").c_str(), portFile.c_str()) != 0)
        return Fail("writing the port file");

    // One thread per connection; the process serves until it is killed.
    while (true) {
        const int client = accept(listener, nullptr, nullptr);
        if (client < 0) {
            if (errno == EINTR || errno == ECONNABORTED)
                continue;
            return Fail("accept");
        }
        std::thread(tds::ServeClient, client, settings).detach();
    }
}
