#pragma once

#include "TdsWriter.h"

#include <cstdint>
#include <string_view>

namespace tds {

// DONE status bits.
enum DoneStatus : std::uint16_t { kDoneFinal = 0x00, kDoneMore = 0x01, kDoneError = 0x02, kDoneCount = 0x10, kDoneAttention = 0x20 };

// ENVCHANGE types.
enum EnvChangeType : std::uint8_t {
    kEnvDatabase = 1,
    kEnvLanguage = 2,
    kEnvPacketSize = 4,
    kEnvBeginTransaction = 8,
    kEnvCommitTransaction = 9,
    kEnvRollbackTransaction = 10,
};

// The name this stand-in gives itself in messages.
inline constexpr std::u16string_view kServerName = u"tds_standin";

// The collation of every character column: LCID 0x0804 (code page 936), case-insensitive,
// accent-sensitive, kana- and width-insensitive.
inline constexpr std::uint8_t kCollation[5] = {0x04, 0x08, 0xD0, 0x00, 0x00};

void WriteDone(TdsWriter& out, std::uint16_t status, std::uint64_t rowCount = 0);
// An ERROR token (class 11 and up) or an INFO token (class 10 and below).
void WriteMessage(TdsWriter& out, std::int32_t number, std::uint8_t state, std::uint8_t severity,
                  std::string_view textUtf8);
// ENVCHANGE with text values (database, language, packet size).
void WriteEnvChange(TdsWriter& out, std::uint8_t type, std::u16string_view newValue, std::u16string_view oldValue);
void WriteCollationChange(TdsWriter& out);
// ENVCHANGE of a transaction: a begun one carries its descriptor as the new value, an ended one
// as the old value.
void WriteTransactionChange(TdsWriter& out, std::uint8_t type, std::uint64_t descriptor);
void WriteLoginAck(TdsWriter& out, std::uint32_t tdsVersion);

}  // namespace tds
