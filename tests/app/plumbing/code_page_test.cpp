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

TEST(CodePage, EncodingMarksWhatDoesNotFit) {
    EXPECT_EQ(EncodeCp1251(u"aé日", '_'), "a__");
    EXPECT_FALSE(FitsCp1251(u"Привет, é"));
    EXPECT_TRUE(FitsCp1251(u"Привет, «мир» — №1"));
}
