#include "TdsClient.h"

#include "AutomationError.h"
#include "BatchRunner.h"
#include "TdsChannel.h"
#include "TdsLogin.h"
#include "TdsTokens.h"
#include "TextCodec.h"

#include <algorithm>
#include <cstdio>

namespace tds {

namespace {

constexpr std::uint32_t kTds74 = 0x74000004;
constexpr std::uint32_t kTds72 = 0x72090002;

void Refuse(TdsChannel& channel, int number, std::uint8_t severity, const std::string& message)
{
    WriteMessage(channel.Reply(), number, 1, severity, message);
    WriteDone(channel.Reply(), kDoneError);
    channel.EndReply();
}

// A batch or a transaction request starts with its headers, their total length first.
std::size_t HeadersLength(const std::vector<std::uint8_t>& p)
{
    const std::size_t headers = p.size() >= 4 ? static_cast<std::size_t>(p[0] | p[1] << 8 | p[2] << 16 | p[3] << 24) : 0;
    return std::min(headers, p.size());
}

// Answers a LOGIN7; false when the login is refused (the connection then ends).
bool Login(TdsChannel& channel, BatchRunner& runner, const std::vector<std::uint8_t>& payload,
           const ServerSettings& settings)
{
    const std::optional<Login7> login = ParseLogin7(payload);
    if (!login || login->tdsVersion < kTds72) {
        Refuse(channel, 4002, 16, "The login packet is not one this server reads (TDS 7.2 or later is needed).");
        return false;
    }
    if (login->user != settings.user || login->password != settings.password) {
        Refuse(channel, 18456, 14, "Login failed for user '" + login->user + "'.");
        return false;
    }
    const std::string database = login->database.empty() ? "master" : login->database;
    try {
        runner.Use(database);
    } catch (const automation::AutomationError&) {
        Refuse(channel, 4060, 11, "Cannot open database \"" + database + "\" requested by the login. The login failed.");
        return false;
    }
    const std::size_t packetSize = login->packetSize ? std::clamp<std::size_t>(login->packetSize, 512, 32767) : 4096;
    TdsWriter& out = channel.Reply();
    WriteEnvChange(out, kEnvDatabase, Utf8ToUtf16(runner.Database()), u"master");
    WriteCollationChange(out);
    WriteEnvChange(out, kEnvLanguage, u"us_english", u"");
    WriteLoginAck(out, std::min(login->tdsVersion, kTds74));
    const std::u16string size = Utf8ToUtf16(std::to_string(packetSize));
    WriteEnvChange(out, kEnvPacketSize, size, size);
    WriteDone(out, kDoneFinal);
    channel.EndReply();
    channel.SetPacketSize(packetSize);
    return true;
}

void Serve(TdsChannel& channel, const ServerSettings& settings)
{
    BatchRunner runner(settings.folder, channel);
    bool loggedIn = false;
    while (const auto message = channel.Read()) {
        const std::vector<std::uint8_t>& p = message->payload;
        if (message->type == kPrelogin && !loggedIn) {
            WritePreloginReply(channel.Reply());
            channel.EndReply();
        } else if (message->type == kLogin7 && !loggedIn) {
            if (!Login(channel, runner, p, settings))
                return;
            loggedIn = true;
        } else if (message->type == kAttention) {
            // The reply it meant to cancel has already been sent in full.
            WriteDone(channel.Reply(), kDoneAttention);
            channel.EndReply();
        } else if (message->type == kSqlBatch && loggedIn) {
            const std::size_t skip = HeadersLength(p);
            runner.Run(Utf16ToUtf8(Utf16FromBytes(p.data() + skip, p.size() - skip)));
        } else if (message->type == kTransaction && loggedIn) {
            const std::size_t skip = HeadersLength(p);
            runner.Transaction(p.data() + skip, p.size() - skip);
        } else if (loggedIn) {
            Refuse(channel, 50000, 16,
                   "This stand-in server takes SQL batches and transaction requests only, not message type " +
                       std::to_string(message->type) + ".");
        } else {
            return;  // anything but a login before logging in ends the connection
        }
    }
}

}  // namespace

void ServeClient(int socket, const ServerSettings& settings)
{
    TdsChannel channel(socket);
    try {
        Serve(channel, settings);
    } catch (const ClientGone&) {
        // Nothing to answer: the client has gone.
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tds_standin: connection ended: %s\n", e.what());
    }
}

}  // namespace tds
