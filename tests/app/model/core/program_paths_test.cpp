// Where the program's and the user's files are.
#include "model/core/program_paths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/files/user_folders.h"
#include "saved_environment.h"
#include "scratch_dir.h"

namespace {

SavedEnvironment Clean() {
    return {"MERIDANE_DATA", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "HOME"};
}

}  // namespace

// The program finds the user folders where the engine does (base/files/user_folders.h).
TEST(ProgramPaths, UserFoldersFollowTheVariables) {
    const SavedEnvironment saved = Clean();
    SavedEnvironment::Set("HOME", "/home/jane/");
    EXPECT_EQ(base::UserDataDirectory(), "/home/jane/.local/share/meridane");
    EXPECT_EQ(base::UserConfigDirectory(), "/home/jane/.config/meridane");
    EXPECT_EQ(UserIniPath(), "/home/jane/.config/meridane/meridane.ini");
    SavedEnvironment::Set("XDG_DATA_HOME", "data");  // relative: ignored
    SavedEnvironment::Set("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(base::UserDataDirectory(), "/home/jane/.local/share/meridane");
    EXPECT_EQ(base::UserConfigDirectory(), "/cfg/meridane");
    SavedEnvironment::Set("XDG_DATA_HOME", "/xdg/");
    EXPECT_EQ(base::UserDataDirectory(), "/xdg/meridane");
    SavedEnvironment::Set("MERIDANE_DATA", "/srv/remedies/");
    EXPECT_EQ(base::UserDataDirectory(), "/srv/remedies");
}

TEST(ProgramPaths, NewUserMateriaMedicasGoToTheUserDataFolder) {
    ScratchDir dir;
    const SavedEnvironment saved = Clean();
    SavedEnvironment::Set("MERIDANE_DATA", dir.File("deep/data"));
    std::string error;
    const std::string first = NewUserMateriaMedicaPath("My notes", &error);
    EXPECT_EQ(first, dir.File("deep/data/My notes.mmb")) << error;
    EXPECT_TRUE(std::filesystem::is_directory(dir.File("deep/data")));

    // Taken names get a number; a lone word index takes the name too.
    dir.Write("deep/data/My notes.mmb", "");
    dir.Write("deep/data/My notes (2).idx", "");
    EXPECT_EQ(NewUserMateriaMedicaPath("My notes"), dir.File("deep/data/My notes (3).mmb"));

    EXPECT_EQ(NewUserMateriaMedicaPath(" ../etc/passwd\x01. "),
              dir.File("deep/data/_etc_passwd_.mmb"));
    EXPECT_EQ(NewUserMateriaMedicaPath(". ."), dir.File("deep/data/materia medica.mmb"));
    const std::string longName(300, 'x');
    EXPECT_EQ(NewUserMateriaMedicaPath(longName),
              dir.File("deep/data/" + std::string(120, 'x') + ".mmb"));
    // A cut never splits a UTF-8 character ("ж" is two bytes).
    std::string russian = "x";
    for (int i = 0; i < 70; ++i) russian += "\xD0\xB6";
    EXPECT_EQ(NewUserMateriaMedicaPath(russian),
              dir.File("deep/data/" + russian.substr(0, 119) + ".mmb"));
}

TEST(ProgramPaths, AUserDataFolderThatCannotBeMadeGivesNoPath) {
    ScratchDir dir;
    const SavedEnvironment saved = Clean();
    dir.Write("file", "x");
    SavedEnvironment::Set("MERIDANE_DATA", dir.File("file/data"));
    std::string error;
    EXPECT_EQ(NewUserMateriaMedicaPath("Notes", &error), "");
    EXPECT_NE(error.find(dir.File("file")), std::string::npos) << error;
}
