// The user's folders: which variable names them, and creating them.
#include "base/files/user_folders.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "saved_environment.h"
#include "scratch_directory.h"

namespace base {
namespace {

SavedEnvironment Clean() {
    return {"MERIDANE_DATA", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "HOME"};
}

}  // namespace

TEST(UserFolders, DataFolderFromItsOwnVariableThenXdgThenHome) {
    const SavedEnvironment saved = Clean();
    SavedEnvironment::Set("HOME", "/home/jane/");
    EXPECT_EQ(UserDataDirectory(), "/home/jane/.local/share/meridane");
    SavedEnvironment::Set("XDG_DATA_HOME", "relative/data");  // relative: ignored
    EXPECT_EQ(UserDataDirectory(), "/home/jane/.local/share/meridane");
    SavedEnvironment::Set("XDG_DATA_HOME", "/srv/data/");
    EXPECT_EQ(UserDataDirectory(), "/srv/data/meridane");
    SavedEnvironment::Set("MERIDANE_DATA", "/srv/remedies/");
    EXPECT_EQ(UserDataDirectory(), "/srv/remedies");
    SavedEnvironment::Set("MERIDANE_DATA", "");
    EXPECT_EQ(UserDataDirectory(), "/srv/data/meridane");
}

TEST(UserFolders, ConfigFolderFromXdgThenHome) {
    const SavedEnvironment saved = Clean();
    SavedEnvironment::Set("HOME", "/home/jane");
    EXPECT_EQ(UserConfigDirectory(), "/home/jane/.config/meridane");
    SavedEnvironment::Set("XDG_CONFIG_HOME", "/etc/jane/");
    EXPECT_EQ(UserConfigDirectory(), "/etc/jane/meridane");
    SavedEnvironment::Set("MERIDANE_DATA", "/srv/remedies");  // data only
    EXPECT_EQ(UserConfigDirectory(), "/etc/jane/meridane");
}

TEST(UserFolders, MakeDirectoriesCreatesTheMissingParents) {
    ScratchDirectory dir;
    std::string error;
    EXPECT_TRUE(MakeDirectories(dir / "a/b/c", &error)) << error;
    EXPECT_TRUE(std::filesystem::is_directory(dir / "a/b/c"));
    EXPECT_TRUE(MakeDirectories(dir / "a/b/c", &error));  // already there

    ScratchDirectory::Write(dir / "file", "x");
    EXPECT_FALSE(MakeDirectories(dir / "file/sub", &error));
    EXPECT_NE(error.find(dir / "file"), std::string::npos) << error;
    EXPECT_FALSE(MakeDirectories("", &error));
}

TEST(UserFolders, SameDirectorySeesThroughLinks) {
    ScratchDirectory dir;
    std::filesystem::create_directory(dir / "real");
    std::filesystem::create_directory_symlink(dir / "real", dir / "link");
    EXPECT_TRUE(SameDirectory(dir / "real", dir / "link/"));
    EXPECT_TRUE(SameDirectory(dir / "real", dir / "real/../real"));
    EXPECT_FALSE(SameDirectory(dir / "real", dir.Path()));
    EXPECT_FALSE(SameDirectory(dir / "real", dir / "missing"));
}

}  // namespace base
