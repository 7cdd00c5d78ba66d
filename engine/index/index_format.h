// Layout constants of word index files (.idx); docs/formats/idx.md describes
// the format.  All integers are little-endian and unaligned.
#pragma once

#include <cstddef>
#include <cstdint>

namespace idx {

inline constexpr char kMagic[4] = {'I', 'D', 'X', 'B'};
inline constexpr std::int32_t kVersion = 1;

// Header fields (byte offsets).
inline constexpr std::size_t kMagicOffset = 0;
inline constexpr std::size_t kVersionOffset = 4;
inline constexpr std::size_t kReservedOffset = 8;
inline constexpr std::size_t kEntryCountOffset = 12;   // int32 N
inline constexpr std::size_t kTableOffsetOffset = 16;  // int32, the writer puts 20
inline constexpr std::size_t kHeaderSize = 20;

// Entry: uint16 L (word bytes + 1), L bytes word with its zero, uint16 P, P x int32.
inline constexpr std::size_t kEntryLengthSize = 2;
inline constexpr std::size_t kPostingCountSize = 2;
inline constexpr std::size_t kPostingSize = 4;

// Readers take both 16-bit fields as signed values.
inline constexpr std::size_t kMaxWordBytes = 2047;  // L <= 2,048 (zero included)
inline constexpr std::size_t kMaxPostings = 32767;

}  // namespace idx
