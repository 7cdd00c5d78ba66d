// The standard CRC-32 (IEEE 802.3 polynomial, reflected, register preset to all
// ones and inverted at the end: the checksum of zlib and PNG).  The language
// dictionary keys its phrases by it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// The checksum of `size` bytes at `data`; 0 for no bytes.
std::uint32_t Crc32(const void* data, std::size_t size);

inline std::uint32_t Crc32(std::string_view text) {
    return Crc32(text.data(), text.size());
}
