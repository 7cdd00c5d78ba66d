#include "base/text/code_page.h"

#include <array>
#include <cstdint>

namespace base {
namespace {

// Bytes 0x80-0xBF of code page 1251; 0xC0-0xFF are U+0410-U+044F in order.
constexpr char16_t kHigh1251[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

// Bytes 0x80-0x9F of code page 1252; 0xA0-0xFF are U+00A0-U+00FF.
constexpr char16_t kC1Of1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The reverse of code page 1251 for the characters below U+0500 (ASCII,
// Latin-1 signs and Cyrillic); the few marks above it are looked up in
// kHigh1251.
struct Reverse1251 {
    std::array<std::int16_t, 0x500> bytes{};

    constexpr Reverse1251() {
        for (auto& byte : bytes) byte = -1;
        for (int c = 0; c < 0x80; ++c) bytes[c] = static_cast<std::int16_t>(c);
        for (int i = 0; i < 64; ++i) {
            if (kHigh1251[i] < bytes.size())
                bytes[kHigh1251[i]] = static_cast<std::int16_t>(0x80 + i);
        }
        for (int i = 0; i < 64; ++i) bytes[0x0410 + i] = static_cast<std::int16_t>(0xC0 + i);
    }
};

constexpr Reverse1251 kReverse1251;

}  // namespace

char16_t Cp1251ToUnicode(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return static_cast<char16_t>(0x0410 + (byte - 0xC0));
    return kHigh1251[byte - 0x80];
}

int UnicodeToCp1251(char32_t codePoint) {
    if (codePoint < kReverse1251.bytes.size()) return kReverse1251.bytes[codePoint];
    for (int i = 0; i < 64; ++i) {
        if (kHigh1251[i] == codePoint) return 0x80 + i;
    }
    return -1;
}

char16_t DecodeByte(unsigned char byte, int codePage) {
    if (codePage != kCodePage1252) return Cp1251ToUnicode(byte);
    return byte >= 0x80 && byte < 0xA0 ? kC1Of1252[byte - 0x80] : char16_t(byte);
}

}  // namespace base
