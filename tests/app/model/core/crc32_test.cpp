#include "model/core/crc32.h"

#include <gtest/gtest.h>

namespace {

TEST(Crc32, MatchesTheStandardCheckValues) {
    EXPECT_EQ(Crc32(""), 0x00000000u);
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32("a"), 0xE8B7BE43u);
    EXPECT_EQ(Crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
    const unsigned char high[] = {0xFF, 0x00, 0x80};
    EXPECT_EQ(Crc32(high, sizeof high), Crc32(std::string_view("\xFF\0\x80", 3)));
}

}  // namespace
