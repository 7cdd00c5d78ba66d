#include "base/files/path_parts.h"

#include <gtest/gtest.h>

namespace base {
namespace {

TEST(PathParts, SplitAtTheLastSlashAndDot) {
    EXPECT_EQ(DirectoryOf("/data/kent.v2.rpb"), "/data");
    EXPECT_EQ(DirectoryOf("/kent.rpb"), "/");
    EXPECT_EQ(DirectoryOf("kent.rpb"), "");
    EXPECT_EQ(FileNameOf("/data/kent.v2.rpb"), "kent.v2.rpb");
    EXPECT_EQ(StemOf("/data/kent.v2.rpb"), "kent.v2");
    EXPECT_EQ(ExtensionOf("/data/kent.v2.rpb"), ".rpb");
    EXPECT_EQ(ExtensionOf("/data.d/kent"), "");
}

TEST(PathParts, JoinPathPutsOneSlashBetween) {
    EXPECT_EQ(JoinPath("/data", "kent.rpb"), "/data/kent.rpb");
    EXPECT_EQ(JoinPath("/data/", "kent.rpb"), "/data/kent.rpb");
    EXPECT_EQ(JoinPath("/", "kent.rpb"), "/kent.rpb");
    EXPECT_EQ(JoinPath("", "kent.rpb"), "kent.rpb");
}

}  // namespace
}  // namespace base
