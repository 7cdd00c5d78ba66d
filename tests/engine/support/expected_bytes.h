// Spelling out the bytes of an expected file: little-endian fields appended
// in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ExpectedBytes {
    std::vector<std::uint8_t> bytes;

    ExpectedBytes& Text(const std::string& text) {
        bytes.insert(bytes.end(), text.begin(), text.end());
        return *this;
    }
    ExpectedBytes& Zero() { return U8(0); }
    ExpectedBytes& U8(unsigned v) {
        bytes.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    ExpectedBytes& U16(unsigned v) { return U8(v & 0xFF).U8((v >> 8) & 0xFF); }
    ExpectedBytes& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    // A counted string: uint16 length + 1, the text, a zero byte.
    ExpectedBytes& Counted(const std::string& text) {
        return U16(static_cast<unsigned>(text.size() + 1)).Text(text).Zero();
    }
};

// Overwrites width bytes at offset with value, little-endian (for damaging files).
inline void Poke(std::vector<std::uint8_t>& bytes, std::size_t offset, int width,
                 std::uint32_t value) {
    for (int i = 0; i < width; ++i) bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}
