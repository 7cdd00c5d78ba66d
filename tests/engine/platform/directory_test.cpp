#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "platform/directory_listing.h"
#include "platform/program_directory.h"
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

TEST(ProgramDirectory, FollowsMeridaneHomeElseTheExecutable) {
    const char* saved = std::getenv("MERIDANE_HOME");
    std::string keep = saved != nullptr ? saved : "";
    ::setenv("MERIDANE_HOME", "/opt/meridane/", 1);
    EXPECT_EQ(ProgramDirectory(), "/opt/meridane");
    ::unsetenv("MERIDANE_HOME");
    EXPECT_EQ(ProgramDirectory(),
              std::filesystem::canonical("/proc/self/exe").parent_path().string());
    if (saved != nullptr) ::setenv("MERIDANE_HOME", keep.c_str(), 1);
}
