// The single-byte code pages of the data files, the case files and the
// interface texts: code page 1251 (what every text is kept in) and, for RTF
// documents that ask for it, code page 1252.  The tables are our own; nothing
// here depends on the locale.
#pragma once

namespace base {

// The code pages with a table of their own.  Any other number is read as 1251.
inline constexpr int kCodePage1251 = 1251;
inline constexpr int kCodePage1252 = 1252;

// The Unicode character of a code page 1251 byte.  Byte 0x98, unassigned in
// the code page, stands for U+0098 so that every byte survives a round trip.
char16_t Cp1251ToUnicode(unsigned char byte);

// The code page 1251 byte of a Unicode character; -1 when it has none.
int UnicodeToCp1251(char32_t codePoint);

// The character of one byte in `codePage`.  Bytes below 0x80 are ASCII; a byte
// the code page leaves undefined maps to the C1 control of the same number.
char16_t DecodeByte(unsigned char byte, int codePage = kCodePage1251);

}  // namespace base
