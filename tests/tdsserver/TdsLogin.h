#pragma once

#include "TdsWriter.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tds {

// What a LOGIN7 message carries that the stand-in uses. Texts are UTF-8.
struct Login7 {
    std::uint32_t tdsVersion = 0;
    std::uint32_t packetSize = 0;
    std::string user;
    std::string password;
    std::string database;
};

// Nothing when the message is too short or its offsets point outside it.
std::optional<Login7> ParseLogin7(const std::vector<std::uint8_t>& payload);

// The PRELOGIN answer: version, no encryption, no instance, no MARS.
void WritePreloginReply(TdsWriter& out);

}  // namespace tds
