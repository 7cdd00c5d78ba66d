#include "base/text/code_page.h"

#include <gtest/gtest.h>

namespace base {
namespace {

TEST(CodePage, KnownCharacters) {
    struct Case {
        unsigned char byte;
        int codePage;
        char16_t ch;
    };
    const Case cases[] = {
        {0x41, 1251, u'A'},   {0xC0, 1251, u'А'}, {0xFF, 1251, u'я'}, {0xA8, 1251, u'Ё'},
        {0xB8, 1251, u'ё'},   {0xB9, 1251, u'№'}, {0x88, 1251, u'€'}, {0x98, 1251, 0x0098},
        {0xA0, 1251, 0x00A0}, {0x80, 1252, u'€'}, {0xE9, 1252, u'é'}, {0x9F, 1252, u'Ÿ'},
        {0x81, 1252, 0x0081}, {0xE9, 1250, u'й'},  // no table of its own: read as 1251
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeByte(c.byte, c.codePage), c.ch) << int(c.byte) << " in " << c.codePage;
    }
}

TEST(CodePage, EncodingMarksWhatDoesNotFit) {
    EXPECT_EQ(UnicodeToCp1251(u'é'), -1);
    EXPECT_EQ(UnicodeToCp1251(u'—'), 0x97);
}

TEST(CodePage, EveryByteOf1251SurvivesARoundTrip) {
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t ch = Cp1251ToUnicode(static_cast<unsigned char>(byte));
        EXPECT_EQ(UnicodeToCp1251(ch), byte) << byte;
        EXPECT_EQ(DecodeByte(static_cast<unsigned char>(byte)), ch) << byte;
    }
    EXPECT_EQ(UnicodeToCp1251(0x0081), -1);  // a C1 control 1251 has a letter for
    EXPECT_EQ(UnicodeToCp1251(0x1F600), -1);
}

}  // namespace
}  // namespace base
