// Case folding of code page 1251 text: the one table the engine folds case
// with (catalogue names, index words, queries).  It lives here, header-only,
// so that the program marks the words of a hit exactly as the search found
// them.  The C locale is never consulted.
#pragma once

#include <array>

namespace corvela {

struct Cp1251CaseTable {
    std::array<unsigned char, 256> lower{};
    std::array<bool, 256> upper{};

    // A-Z, the Cyrillic А-Я and Ё, and the other code page 1251 capitals
    // (Ђ Ѓ Љ Њ Ќ Ћ Џ Ў Ј Ґ Є Ї І Ѕ) fold to their small letters; every other
    // byte stays as it is.
    constexpr Cp1251CaseTable() {
        for (int c = 0; c < 256; ++c) lower[c] = static_cast<unsigned char>(c);
        for (int c = 'A'; c <= 'Z'; ++c) Pair(c, c + 0x20);
        for (int c = 0xC0; c <= 0xDF; ++c) Pair(c, c + 0x20);  // А-Я -> а-я
        Pair(0xA8, 0xB8);                                      // Ё ё
        Pair(0x80, 0x90);                                      // Ђ ђ
        Pair(0x81, 0x83);                                      // Ѓ ѓ
        Pair(0x8A, 0x9A);                                      // Љ љ
        Pair(0x8C, 0x9C);                                      // Њ њ
        Pair(0x8D, 0x9D);                                      // Ќ ќ
        Pair(0x8E, 0x9E);                                      // Ћ ћ
        Pair(0x8F, 0x9F);                                      // Џ џ
        Pair(0xA1, 0xA2);                                      // Ў ў
        Pair(0xA3, 0xBC);                                      // Ј ј
        Pair(0xA5, 0xB4);                                      // Ґ ґ
        Pair(0xAA, 0xBA);                                      // Є є
        Pair(0xAF, 0xBF);                                      // Ї ї
        Pair(0xB2, 0xB3);                                      // І і
        Pair(0xBD, 0xBE);                                      // Ѕ ѕ
    }

private:
    constexpr void Pair(int capital, int small) {
        lower[capital] = static_cast<unsigned char>(small);
        upper[capital] = true;
    }
};

inline constexpr Cp1251CaseTable kCp1251Case;

// The small letter of `c`, or `c` itself.
constexpr unsigned char LowerCp1251Byte(unsigned char c) {
    return kCp1251Case.lower[c];
}
// True for the capitals the table folds.
constexpr bool IsUpperCp1251Byte(unsigned char c) {
    return kCp1251Case.upper[c];
}

}  // namespace corvela
