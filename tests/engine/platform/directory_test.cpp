#include <gtest/gtest.h>

#include <filesystem>

#include "platform/directory_listing.h"
#include "scratch_directory.h"

TEST(DirectoryListing, MatchesTheSuffixInAnyCaseAndSortsByteWise) {
    ScratchDirectory dir;
    for (const char* name :
         {"b.rpb", "a.rpb", "B.RPB", "kent.v2.rpb", "\xC0.rpb", "x.mmb", "x.rpb.bak", ".rpb"})
        ScratchDirectory::Write(dir / name, "");
    std::filesystem::create_directory(dir / "folder.rpb");
    EXPECT_EQ(
        ListFilesWithSuffix(dir.Path(), ".rpb"),
        (std::vector<std::string>{".rpb", "B.RPB", "a.rpb", "b.rpb", "kent.v2.rpb", "\xC0.rpb"}));
    EXPECT_TRUE(ListFilesWithSuffix(dir / "missing", ".rpb").empty());
}
