#include "coding/byte_writer.h"

#include <cstring>
#include <utility>

void ByteWriter::PutU16(std::uint16_t value) {
    m_bytes.push_back(static_cast<std::uint8_t>(value));
    m_bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::PutU32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        m_bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

void ByteWriter::PutBytes(const void* data, std::size_t size) {
    auto* first = static_cast<const std::uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), first, first + size);
}

void ByteWriter::PutCountedString(std::string_view text) {
    PutU16(static_cast<std::uint16_t>(text.size() + 1));
    PutBytes(text.data(), text.size());
    PutU8(0);
}

void ByteWriter::PatchU16(std::size_t position, std::uint16_t value) {
    m_bytes[position] = static_cast<std::uint8_t>(value);
    m_bytes[position + 1] = static_cast<std::uint8_t>(value >> 8);
}

void ByteWriter::PatchU32(std::size_t position, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) m_bytes[position + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
