#include "base/text/case_table.h"

#include <gtest/gtest.h>
#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <cstring>
#include <map>

namespace {

// One byte of code page 1251 as a Unicode character, via iconv; 0 when the
// byte has no character.
wchar_t ToUnicode(iconv_t cd, unsigned char byte) {
    char in[1] = {static_cast<char>(byte)};
    wchar_t out[2] = {};
    char* inp = in;
    char* outp = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1, outLeft = sizeof out;
    if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<std::size_t>(-1)) return 0;
    return out[0];
}

}  // namespace

TEST(CaseTable, FoldsLatinCyrillicAndTheOtherCapitals) {
    struct Pair {
        unsigned char upper, lower;
    };
    const Pair pairs[] = {{'A', 'a'},
                          {'Z', 'z'},
                          {0xC0, 0xE0} /* А а */,
                          {0xDF, 0xFF} /* Я я */,
                          {0xA8, 0xB8} /* Ё ё */,
                          {0x80, 0x90} /* Ђ ђ */,
                          {0x81, 0x83} /* Ѓ ѓ */,
                          {0x8A, 0x9A},
                          {0x8C, 0x9C},
                          {0x8D, 0x9D},
                          {0x8E, 0x9E},
                          {0x8F, 0x9F},
                          {0xA1, 0xA2} /* Ў ў */,
                          {0xA3, 0xBC} /* Ј ј */,
                          {0xA5, 0xB4} /* Ґ ґ */,
                          {0xAA, 0xBA} /* Є є */,
                          {0xAF, 0xBF} /* Ї ї */,
                          {0xB2, 0xB3} /* І і */,
                          {0xBD, 0xBE} /* Ѕ ѕ */};
    for (const Pair& pair : pairs) {
        EXPECT_EQ(base::LowerCp1251(pair.upper), pair.lower) << int(pair.upper);
        EXPECT_EQ(base::LowerCp1251(pair.lower), pair.lower) << int(pair.lower);
        EXPECT_TRUE(base::IsUpperCp1251(pair.upper));
        EXPECT_FALSE(base::IsUpperCp1251(pair.lower));
    }
    std::string word = "\xC3\xCE\xCB\xCE\xC2\xC0 Head";  // ГОЛОВА Head
    base::LowerCp1251InPlace(word);
    EXPECT_EQ(word, "\xE3\xEE\xEB\xEE\xE2\xE0 head");
}

// Every byte agrees with Unicode's own lower-casing of its character.
TEST(CaseTable, AgreesWithUnicodeForEveryByte) {
    iconv_t toUnicode = iconv_open("WCHAR_T", "CP1251");
    locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    if (toUnicode == reinterpret_cast<iconv_t>(-1) || utf8 == static_cast<locale_t>(0))
        GTEST_SKIP() << "no CP1251 converter or C.UTF-8 locale";
    std::map<wchar_t, unsigned char> byteOf;
    for (int c = 0; c < 256; ++c)
        if (wchar_t w = ToUnicode(toUnicode, static_cast<unsigned char>(c)))
            byteOf[w] = static_cast<unsigned char>(c);
    for (int c = 0; c < 256; ++c) {
        wchar_t w = ToUnicode(toUnicode, static_cast<unsigned char>(c));
        unsigned char expected = static_cast<unsigned char>(c);
        if (w != 0) {
            auto lower =
                byteOf.find(static_cast<wchar_t>(towlower_l(static_cast<wint_t>(w), utf8)));
            if (lower != byteOf.end()) expected = lower->second;
        }
        EXPECT_EQ(base::LowerCp1251(static_cast<unsigned char>(c)), expected) << "byte " << c;
    }
    freelocale(utf8);
    iconv_close(toUnicode);
}
