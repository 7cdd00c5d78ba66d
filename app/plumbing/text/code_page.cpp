#include "plumbing/text/code_page.h"

#include <array>
#include <cstdint>

namespace plumbing {
namespace {

// Upper halves (0x80-0xFF) of the two code pages.
constexpr std::array<char16_t, 128> kUpper1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457, 0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423,
    0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437, 0x0438, 0x0439, 0x043A, 0x043B,
    0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

constexpr std::array<char16_t, 32> kC1Of1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Reverse table of 1251 for the characters below U+0500 (Latin-1 signs and
// Cyrillic); the few punctuation marks above it are looked up in the table.
struct Reverse1251 {
    std::array<std::int16_t, 0x500> low{};
    Reverse1251() {
        low.fill(-1);
        for (int i = 0; i < 0x80; ++i) low[i] = static_cast<std::int16_t>(i);
        for (int i = 0; i < 128; ++i) {
            if (kUpper1251[i] < low.size())
                low[kUpper1251[i]] = static_cast<std::int16_t>(0x80 + i);
        }
    }
};

const Reverse1251& ReverseTable() {
    static const Reverse1251 table;
    return table;
}

}  // namespace

char16_t DecodeByte(unsigned char byte, int codePage) {
    if (byte < 0x80) return byte;
    if (codePage == kCodePage1252) return byte < 0xA0 ? kC1Of1252[byte - 0x80] : char16_t(byte);
    return kUpper1251[byte - 0x80];
}

QString DecodeCodePage(std::string_view bytes, int codePage) {
    QString text;
    text.resize(static_cast<qsizetype>(bytes.size()));
    QChar* out = text.data();
    for (char c : bytes) *out++ = QChar(DecodeByte(static_cast<unsigned char>(c), codePage));
    return text;
}

int EncodeCp1251Char(char16_t ch) {
    const Reverse1251& table = ReverseTable();
    if (ch < table.low.size()) return table.low[ch];
    for (int i = 0; i < 128; ++i) {
        if (kUpper1251[i] == ch) return 0x80 + i;
    }
    return -1;
}

std::string EncodeCp1251(QStringView text, char replacement) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        const int byte = EncodeCp1251Char(ch.unicode());
        bytes.push_back(byte < 0 ? replacement : static_cast<char>(byte));
    }
    return bytes;
}

bool FitsCp1251(QStringView text) {
    for (QChar ch : text) {
        if (EncodeCp1251Char(ch.unicode()) < 0) return false;
    }
    return true;
}

}  // namespace plumbing
