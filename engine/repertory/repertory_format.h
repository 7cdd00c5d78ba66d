// Layout constants of repertory files (.rpb); docs/formats/rpb.md describes
// the format.  All integers are little-endian and unaligned.
#pragma once

#include <cstddef>
#include <cstdint>

namespace rpb {

inline constexpr char kMagic[4] = {'R', 'E', 'P', 'R'};
inline constexpr std::uint32_t kVersion = 3;
inline constexpr std::uint32_t kMinVersion = 3;  // older files are refused

// Header fields (byte offsets).
inline constexpr std::size_t kVersionOffset = 4;
inline constexpr std::size_t kFileSizeOffset = 8;
inline constexpr std::size_t kFlagsOffset = 12;
inline constexpr std::size_t kRootOffsetOffset = 16;
inline constexpr std::size_t kRemedyTableOffsetOffset = 20;
inline constexpr std::size_t kStringOffsetsOffset = 24;  // int16 x 6
inline constexpr int kHeaderStringCount = 6;             // identifier, texts 1-5
inline constexpr std::size_t kHeaderSize = 36;           // where the first string starts

// Rubric record ("TOPC" record), offsets inside the record.
inline constexpr char kRecordMark[4] = {'T', 'O', 'P', 'C'};
inline constexpr std::size_t kChildTableOffsetField = 4;  // int16: record start -> child table
inline constexpr std::size_t kTextField = 6;              // counted string
inline constexpr std::size_t kTextStart = 8;
inline constexpr std::size_t kRemedyEntrySize = 5;  // uint32 remedy, uint8 grade
inline constexpr std::size_t kChildOffsetSize = 4;  // uint32, relative to the parent's start
// The smallest record: mark, child table offset, text length, one zero byte,
// remedy count, child count.
inline constexpr std::size_t kMinRecordSize = 4 + 2 + 2 + 1 + 2 + 2;

// Readers take the 16-bit fields (string offsets, child table offset, text
// length, remedy count, child count) as signed values.
inline constexpr std::int32_t kMaxInt16 = 32767;

// How deep the engine follows a rubric tree (the root has depth 0).  Real
// repertories are about ten levels deep; the bound keeps a corrupt file from
// recursing without end.
inline constexpr int kMaxDepth = 1024;

// Item numbers have 22 bits.
inline constexpr std::uint32_t kMaxRubrics = 0x400000;

}  // namespace rpb
