#include "base/text/blank_lines.h"

#include <gtest/gtest.h>

namespace base {
namespace {

TEST(TrimBlankLines, DropsOnlyOuterBlankLines) {
    EXPECT_EQ(TrimBlankLines("\n \n\ta\n\n b \n\t\n"), "\ta\n\n b ");
    EXPECT_EQ(TrimBlankLines(" \n\t\n"), "");
    EXPECT_EQ(TrimBlankLines("x"), "x");
}

}  // namespace
}  // namespace base
