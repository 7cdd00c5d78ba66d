// Layout constants of materia medica files (.mmb); docs/formats/mmb.md
// describes the format.  All integers are little-endian and unaligned.
#pragma once

#include <cstddef>
#include <cstdint>

namespace mmb {

inline constexpr char kMagic[4] = {'M', 'M', 'E', 'D'};
inline constexpr std::uint32_t kVersion = 2;

// Header fields (byte offsets).
inline constexpr std::size_t kVersionOffset = 4;
inline constexpr std::size_t kFileSizeOffset = 8;
inline constexpr std::size_t kArticleCountOffset = 12;
inline constexpr std::size_t kFlagsOffset = 16;
inline constexpr std::size_t kArticleTableOffsetOffset = 20;
inline constexpr std::size_t kStringOffsetsOffset = 24;  // int16 x 6
inline constexpr int kHeaderStringCount = 6;             // identifier, texts 1-5
inline constexpr std::size_t kHeaderSize = 36;           // where the first string starts

// Article record, offsets inside the record.
inline constexpr char kRecordMark[4] = {'T', 'O', 'P', 'C'};
inline constexpr std::size_t kRemedyField = 4;      // int32, -1 for no remedy
inline constexpr std::size_t kTextLengthField = 8;  // int32 L1 = text bytes + 1
inline constexpr std::size_t kTextStart = 12;
// Behind the text: int32 L2 = rich text bytes + 1, then the rich text.
inline constexpr std::size_t kRichLengthSize = 4;

// Flags: 0x40 marks a plain materia medica; without it the low six bits say
// which editable source the engine wraps the file in.
inline constexpr std::uint32_t kPlainFlag = 0x40;
inline constexpr std::uint32_t kKindMask = 0x3F;
inline constexpr std::uint32_t kUserMateriaMedica = 2;
inline constexpr std::uint32_t kUserArticles = 3;

// Readers take the header string offsets as signed 16-bit values.
inline constexpr std::int32_t kMaxInt16 = 32767;
// Item numbers have 22 bits.
inline constexpr std::uint32_t kMaxArticles = 0x400000;

}  // namespace mmb
