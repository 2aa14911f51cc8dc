#include "TdsWriter.h"

#include <stdexcept>

namespace tds {

void TdsWriter::U16(std::uint16_t value)
{
    U8(static_cast<std::uint8_t>(value));
    U8(static_cast<std::uint8_t>(value >> 8));
}

void TdsWriter::U32(std::uint32_t value)
{
    U16(static_cast<std::uint16_t>(value));
    U16(static_cast<std::uint16_t>(value >> 16));
}

void TdsWriter::U64(std::uint64_t value)
{
    U32(static_cast<std::uint32_t>(value));
    U32(static_cast<std::uint32_t>(value >> 32));
}

void TdsWriter::U16BE(std::uint16_t value)
{
    U8(static_cast<std::uint8_t>(value >> 8));
    U8(static_cast<std::uint8_t>(value));
}

void TdsWriter::U32BE(std::uint32_t value)
{
    U16BE(static_cast<std::uint16_t>(value >> 16));
    U16BE(static_cast<std::uint16_t>(value));
}

void TdsWriter::Bytes(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    m_data.insert(m_data.end(), bytes, bytes + size);
}

void TdsWriter::Utf16(std::u16string_view text)
{
    for (const char16_t c : text)
        U16(static_cast<std::uint16_t>(c));
}

void TdsWriter::BVarChar(std::u16string_view text)
{
    // Names and short texts only; a longer one is cut rather than sent with a wrong count.
    const std::u16string_view cut = text.substr(0, 255);
    U8(static_cast<std::uint8_t>(cut.size()));
    Utf16(cut);
}

void TdsWriter::UsVarChar(std::u16string_view text)
{
    const std::u16string_view cut = text.substr(0, 65535);
    U16(static_cast<std::uint16_t>(cut.size()));
    Utf16(cut);
}

std::size_t TdsWriter::LengthPlaceholder()
{
    const std::size_t at = m_data.size();
    U16(0);
    return at;
}

void TdsWriter::PatchLength(std::size_t at)
{
    const std::size_t length = m_data.size() - at - 2;
    if (length > 0xFFFF)
        throw std::length_error("token longer than its two-byte length allows");
    m_data[at] = static_cast<std::uint8_t>(length);
    m_data[at + 1] = static_cast<std::uint8_t>(length >> 8);
}

}  // namespace tds
