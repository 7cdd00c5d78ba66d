#include "base/text/case_table.h"

#include <array>

namespace base {
namespace {

struct CaseTable {
    std::array<unsigned char, 256> lower{};
    std::array<bool, 256> upper{};

    constexpr CaseTable() {
        for (int c = 0; c < 256; ++c) lower[c] = static_cast<unsigned char>(c);
        auto pair = [this](int capital, int small) {
            lower[capital] = static_cast<unsigned char>(small);
            upper[capital] = true;
        };
        for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 0x20);
        for (int c = 0xC0; c <= 0xDF; ++c) pair(c, c + 0x20);  // А-Я -> а-я
        pair(0xA8, 0xB8);                                      // Ё ё
        pair(0x80, 0x90);                                      // Ђ ђ
        pair(0x81, 0x83);                                      // Ѓ ѓ
        pair(0x8A, 0x9A);                                      // Љ љ
        pair(0x8C, 0x9C);                                      // Њ њ
        pair(0x8D, 0x9D);                                      // Ќ ќ
        pair(0x8E, 0x9E);                                      // Ћ ћ
        pair(0x8F, 0x9F);                                      // Џ џ
        pair(0xA1, 0xA2);                                      // Ў ў
        pair(0xA3, 0xBC);                                      // Ј ј
        pair(0xA5, 0xB4);                                      // Ґ ґ
        pair(0xAA, 0xBA);                                      // Є є
        pair(0xAF, 0xBF);                                      // Ї ї
        pair(0xB2, 0xB3);                                      // І і
        pair(0xBD, 0xBE);                                      // Ѕ ѕ
    }
};

constexpr CaseTable kTable;

}  // namespace

unsigned char LowerCp1251(unsigned char c) {
    return kTable.lower[c];
}

bool IsUpperCp1251(unsigned char c) {
    return kTable.upper[c];
}

void LowerCp1251InPlace(char* text) {
    if (text == nullptr) return;
    for (; *text != '\0'; ++text)
        *text = static_cast<char>(kTable.lower[static_cast<unsigned char>(*text)]);
}

void LowerCp1251InPlace(std::string& text) {
    for (char& c : text) c = static_cast<char>(kTable.lower[static_cast<unsigned char>(c)]);
}

std::string LowerCp1251Copy(std::string_view text) {
    std::string copy(text);
    LowerCp1251InPlace(copy);
    return copy;
}

}  // namespace base
