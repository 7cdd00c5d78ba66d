// Building a data file in memory the way it is laid out on disk: fields are
// appended little-endian, and offsets that are known only later are written
// as placeholders and patched once known.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

class ByteWriter {
public:
    std::size_t Position() const { return m_bytes.size(); }

    void PutU8(std::uint8_t value) { m_bytes.push_back(value); }
    void PutU16(std::uint16_t value);
    void PutU32(std::uint32_t value);
    void PutBytes(const void* data, std::size_t size);
    // A counted string: uint16 (length + 1), the text, a zero byte.  The caller
    // has checked that the length fits.
    void PutCountedString(std::string_view text);

    // Overwrite a placeholder written earlier at position.
    void PatchU16(std::size_t position, std::uint16_t value);
    void PatchU32(std::size_t position, std::uint32_t value);

    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    std::vector<std::uint8_t> Release() { return std::move(m_bytes); }

private:
    std::vector<std::uint8_t> m_bytes;
};
