// Data-source identifiers: 16 bytes in the layout of a Windows GUID.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::uint8_t data4[8] = {};

    // Equal when all 16 bytes are equal.
    friend bool operator==(const Guid& a, const Guid& b) {
        return a.data1 == b.data1 && a.data2 == b.data2 && a.data3 == b.data3 &&
               std::memcmp(a.data4, b.data4, sizeof a.data4) == 0;
    }
    bool IsNull() const { return *this == Guid{}; }
};
static_assert(sizeof(Guid) == 16, "a data-source identifier is 16 bytes");

// The text form: 36 characters, upper-case hexadecimal, no braces.
inline constexpr const char* kGuidFormat =
    "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X";
inline constexpr int kGuidTextLength = 36;

// Writes the 36 characters and a terminating zero into out (at least 37 bytes).
inline void FormatGuid(const Guid& id, char* out) {
    std::snprintf(out, kGuidTextLength + 1, kGuidFormat, static_cast<unsigned>(id.data1),
                  static_cast<unsigned>(id.data2), static_cast<unsigned>(id.data3),
                  id.data4[0], id.data4[1], id.data4[2], id.data4[3], id.data4[4],
                  id.data4[5], id.data4[6], id.data4[7]);
}

// Parses the text form (hex digits in either case) the way the data files and
// the configuration files are read: with the format above.  Returns false and
// leaves out untouched when the text does not hold all eleven fields.
inline bool ParseGuid(const char* text, Guid* out) {
    if (text == nullptr || out == nullptr) return false;
    unsigned d1 = 0, d2 = 0, d3 = 0, b[8] = {};
    if (std::sscanf(text, "%8X-%4X-%4X-%2X%2X-%2X%2X%2X%2X%2X%2X", &d1, &d2, &d3, &b[0],
                    &b[1], &b[2], &b[3], &b[4], &b[5], &b[6], &b[7]) != 11)
        return false;
    out->data1 = d1;
    out->data2 = static_cast<std::uint16_t>(d2);
    out->data3 = static_cast<std::uint16_t>(d3);
    for (int i = 0; i < 8; ++i) out->data4[i] = static_cast<std::uint8_t>(b[i]);
    return true;
}
