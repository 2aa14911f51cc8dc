#include "TdsTokens.h"

#include "TextCodec.h"

namespace tds {

namespace {

enum Token : std::uint8_t { kError = 0xAA, kInfo = 0xAB, kLoginAck = 0xAD, kEnvChange = 0xE3, kDone = 0xFD };
constexpr std::uint8_t kEnvCollation = 7;

}  // namespace

void WriteDone(TdsWriter& out, std::uint16_t status, std::uint64_t rowCount)
{
    out.U8(kDone);
    out.U16(status);
    out.U16(0);  // current command: not reported
    out.U64(rowCount);
}

void WriteMessage(TdsWriter& out, std::int32_t number, std::uint8_t state, std::uint8_t severity,
                  std::string_view textUtf8)
{
    out.U8(severity > 10 ? kError : kInfo);
    const std::size_t length = out.LengthPlaceholder();
    out.U32(static_cast<std::uint32_t>(number));
    out.U8(state);
    out.U8(severity);
    out.UsVarChar(Utf8ToUtf16(textUtf8).substr(0, 4000));
    out.BVarChar(kServerName);
    out.BVarChar(u"");  // no procedure
    out.U32(1);         // line number
    out.PatchLength(length);
}

void WriteEnvChange(TdsWriter& out, std::uint8_t type, std::u16string_view newValue, std::u16string_view oldValue)
{
    out.U8(kEnvChange);
    const std::size_t length = out.LengthPlaceholder();
    out.U8(type);
    out.BVarChar(newValue);
    out.BVarChar(oldValue);
    out.PatchLength(length);
}

void WriteCollationChange(TdsWriter& out)
{
    out.U8(kEnvChange);
    const std::size_t length = out.LengthPlaceholder();
    out.U8(kEnvCollation);
    out.U8(sizeof kCollation);
    out.Bytes(kCollation, sizeof kCollation);
    out.U8(0);
    out.PatchLength(length);
}

void WriteTransactionChange(TdsWriter& out, std::uint8_t type, std::uint64_t descriptor)
{
    out.U8(kEnvChange);
    const std::size_t length = out.LengthPlaceholder();
    out.U8(type);
    const bool begun = type == kEnvBeginTransaction;
    out.U8(begun ? 8 : 0);
    if (begun)
        out.U64(descriptor);
    out.U8(begun ? 0 : 8);
    if (!begun)
        out.U64(descriptor);
    out.PatchLength(length);
}

void WriteLoginAck(TdsWriter& out, std::uint32_t tdsVersion)
{
    out.U8(kLoginAck);
    const std::size_t length = out.LengthPlaceholder();
    out.U8(1);                // the SQL interface
    out.U32BE(tdsVersion);    // sent with its most significant byte first
    out.BVarChar(u"Tabrix TDS stand-in");
    out.U32BE(0x10000000);    // version 16.0.0.0, so the driver assumes the current types
    out.PatchLength(length);
}

}  // namespace tds
