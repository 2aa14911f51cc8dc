#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tds {

// Builds the bytes of TDS tokens: little-endian numbers unless a name says otherwise, and the
// protocol's length-prefixed UTF-16 strings.
class TdsWriter {
public:
    void U8(std::uint8_t value) { m_data.push_back(value); }
    void U16(std::uint16_t value);
    void U32(std::uint32_t value);
    void U64(std::uint64_t value);
    void U16BE(std::uint16_t value);
    void U32BE(std::uint32_t value);
    void Bytes(const void* data, std::size_t size);
    void Bytes(std::string_view data) { Bytes(data.data(), data.size()); }
    // A string with a one-byte character count.
    void BVarChar(std::u16string_view text);
    // A string with a two-byte character count.
    void UsVarChar(std::u16string_view text);

    // A two-byte length to be filled in once the token's body is written.
    std::size_t LengthPlaceholder();
    void PatchLength(std::size_t at);

    std::vector<std::uint8_t>& Data() { return m_data; }
    const std::vector<std::uint8_t>& Data() const { return m_data; }

private:
    void Utf16(std::u16string_view text);

    std::vector<std::uint8_t> m_data;
};

}  // namespace tds
