// Conversion between the single-byte texts the program keeps in memory and in
// files (Windows code page 1251, occasionally 1252) and the QString that Qt
// widgets take.  The tables are our own; nothing here depends on the locale.
#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace plumbing {

// The code pages with a table of their own.  Any other number is read as 1251.
inline constexpr int kCodePage1251 = 1251;
inline constexpr int kCodePage1252 = 1252;

// The character of one byte in `codePage`.  Bytes below 0x80 are ASCII; a byte
// the code page leaves undefined (0x98 in 1251) maps to the C1 control of the
// same number, so that every byte survives a round trip.
char16_t DecodeByte(unsigned char byte, int codePage = kCodePage1251);

// The whole byte string decoded byte by byte; never fails.
QString DecodeCodePage(std::string_view bytes, int codePage = kCodePage1251);

// The code page 1251 byte of `ch`, or -1 when 1251 has no byte for it.
int EncodeCp1251Char(char16_t ch);

// `text` in code page 1251; characters without a byte become `replacement`.
std::string EncodeCp1251(QStringView text, char replacement = '?');

// True when every character of `text` has a byte in code page 1251.
bool FitsCp1251(QStringView text);

}  // namespace plumbing
