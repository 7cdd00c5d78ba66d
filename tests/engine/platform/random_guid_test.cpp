#include "platform/random_guid.h"

#include <gtest/gtest.h>

TEST(RandomGuid, IsAVersionFourIdentifierThatRoundTripsThroughItsText) {
    Guid a = NewRandomGuid();
    Guid b = NewRandomGuid();
    EXPECT_FALSE(a == b);
    EXPECT_FALSE(a.IsNull());
    EXPECT_EQ(a.data3 >> 12, 4);
    EXPECT_EQ(a.data4[0] & 0xC0, 0x80);
    char text[kGuidTextLength + 1];
    FormatGuid(a, text);
    Guid parsed;
    ASSERT_TRUE(ParseGuid(text, &parsed));
    EXPECT_TRUE(parsed == a);
    EXPECT_EQ(text[14], '4');
}
