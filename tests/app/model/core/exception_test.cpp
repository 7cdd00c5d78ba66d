#include "model/core/exception.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(Exception, FormatsAndCutsAt1024Characters) {
    const Exception short_message("Type '%s' was not registered", "CGhost");
    EXPECT_STREQ(short_message.what(), "Type 'CGhost' was not registered");

    const std::string huge(5000, 'z');
    const Exception cut("%s", huge.c_str());
    EXPECT_EQ(std::strlen(cut.GetMessage()), 1024u);

    const Exception copy = cut;
    EXPECT_EQ(std::string(copy.what()), std::string(1024, 'z'));
}

}  // namespace
