#include "plumbing/text/code_page.h"

#include <gtest/gtest.h>

using namespace plumbing;

TEST(CodePage, EveryByteOf1251SurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString decoded = DecodeCodePage(all);
    ASSERT_EQ(decoded.size(), 256);
    EXPECT_EQ(EncodeCp1251(decoded), all);
    EXPECT_TRUE(FitsCp1251(decoded));
}

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
    EXPECT_EQ(EncodeCp1251Char(u'é'), -1);
    EXPECT_EQ(EncodeCp1251Char(u'—'), 0x97);
    EXPECT_EQ(EncodeCp1251(u"aé日", '_'), "a__");
    EXPECT_FALSE(FitsCp1251(u"Привет, é"));
    EXPECT_TRUE(FitsCp1251(u"Привет, «мир» — №1"));
}
