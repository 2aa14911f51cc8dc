#include "TdsLogin.h"

#include "TextCodec.h"

namespace tds {

namespace {

constexpr std::size_t kFixedPart = 94;  // the header and offset table of LOGIN7 (TDS 7.2 and later)

std::uint32_t ReadU32(const std::vector<std::uint8_t>& p, std::size_t at)
{
    return static_cast<std::uint32_t>(p[at] | p[at + 1] << 8 | p[at + 2] << 16) | static_cast<std::uint32_t>(p[at + 3]) << 24;
}

std::uint16_t ReadU16(const std::vector<std::uint8_t>& p, std::size_t at)
{
    return static_cast<std::uint16_t>(p[at] | p[at + 1] << 8);
}

// The UTF-16 bytes of the string whose offset and character count sit at `entry`.
std::optional<std::vector<std::uint8_t>> Field(const std::vector<std::uint8_t>& p, std::size_t entry)
{
    const std::size_t offset = ReadU16(p, entry);
    const std::size_t bytes = std::size_t{ReadU16(p, entry + 2)} * 2;
    if (offset + bytes > p.size())
        return std::nullopt;
    return std::vector<std::uint8_t>(p.begin() + static_cast<std::ptrdiff_t>(offset),
                                     p.begin() + static_cast<std::ptrdiff_t>(offset + bytes));
}

std::string Text(const std::vector<std::uint8_t>& utf16)
{
    return Utf16ToUtf8(Utf16FromBytes(utf16.data(), utf16.size()));
}

}  // namespace

std::optional<Login7> ParseLogin7(const std::vector<std::uint8_t>& payload)
{
    if (payload.size() < kFixedPart)
        return std::nullopt;
    const auto user = Field(payload, 40);
    auto password = Field(payload, 44);
    const auto database = Field(payload, 68);
    if (!user || !password || !database)
        return std::nullopt;
    // The client swaps each byte's nibbles and XORs it with 0xA5; undo both in reverse order.
    for (std::uint8_t& b : *password) {
        b ^= 0xA5;
        b = static_cast<std::uint8_t>(b << 4 | b >> 4);
    }
    Login7 login;
    login.tdsVersion = ReadU32(payload, 4);
    login.packetSize = ReadU32(payload, 8);
    login.user = Text(*user);
    login.password = Text(*password);
    login.database = Text(*database);
    return login;
}

void WritePreloginReply(TdsWriter& out)
{
    enum Option : std::uint8_t { kVersion = 0, kEncryption = 1, kInstance = 2, kThreadId = 3, kMars = 4, kEnd = 0xFF };
    constexpr std::uint8_t kEncryptNotSupported = 2;
    struct Entry {
        Option option;
        std::vector<std::uint8_t> data;
    };
    const Entry entries[] = {
        {kVersion, {16, 0, 0, 0, 0, 0}},  // version 16.0, build 0, sub-build 0
        {kEncryption, {kEncryptNotSupported}},
        {kInstance, {0}},
        {kThreadId, {0, 0, 0, 0}},
        {kMars, {0}},
    };
    std::uint16_t offset = static_cast<std::uint16_t>(std::size(entries) * 5 + 1);
    for (const Entry& e : entries) {
        out.U8(e.option);
        out.U16BE(offset);
        out.U16BE(static_cast<std::uint16_t>(e.data.size()));
        offset = static_cast<std::uint16_t>(offset + e.data.size());
    }
    out.U8(kEnd);
    for (const Entry& e : entries)
        out.Bytes(e.data.data(), e.data.size());
}

}  // namespace tds
