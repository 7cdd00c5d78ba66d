// meridane.ini in two layers: the program directory's defaults and the
// user's own settings, and where a setting goes when the program directory
// is read-only.
#include "model/core/program_ini.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scratch_dir.h"
#include "unprivileged_child.h"

namespace fs = std::filesystem;
using corvela_test::CountOf;
using corvela_test::RunUnprivileged;

namespace {

class ProgramIniTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Another user may enter the folder and write the configuration's parent.
        fs::permissions(m_dir.Path(), fs::perms::others_read | fs::perms::others_exec,
                        fs::perm_options::add);
        fs::create_directory(m_dir.File("program"));
        fs::create_directory(m_dir.File("config"));
        fs::permissions(m_dir.File("config"), fs::perms::all);
    }
    void TearDown() override { fs::permissions(m_dir.File("program"), fs::perms::owner_all); }
    void SealProgram() {
        fs::permissions(m_dir.File("program"),
                        fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    ProgramIni Files() const {
        return ProgramIni(m_dir.File("program/meridane.ini"),
                          m_dir.File("config/meridane/meridane.ini"));
    }
    ScratchDir m_dir;
};

}  // namespace

TEST_F(ProgramIniTest, TheUsersFileWinsKeyByKey) {
    m_dir.Write(
        "program/meridane.ini",
        "[General]\nLanguage=russian.lng\n[Settings]\nMiasms=3\n[Sources]\nRepertoryOrre=A\n");
    fs::create_directory(m_dir.File("config/meridane"));
    m_dir.Write("config/meridane/meridane.ini",
                "[general]\nlanguage=english.lng\n[Settings]\nMiasms=\n");
    const ProgramIni ini = Files();
    EXPECT_EQ(ini.GetString("General", "Language", "x"), "english.lng");
    EXPECT_EQ(ini.GetInt("Settings", "Miasms", 9), 0);  // present, though empty
    EXPECT_EQ(ini.GetString("Sources", "RepertoryOrre", "x"), "A");
    EXPECT_EQ(ini.GetString("Sources", "DefMateriaMedica", "default"), "default");
    EXPECT_EQ(ini.GetInt("Settings", "Missing", 9), 9);
}

TEST_F(ProgramIniTest, AWritableProgramDirectoryKeepsTheSettingsUnlessTheUserHoldsTheKey) {
    m_dir.Write("program/meridane.ini", "[Settings]\nMiasms=3\n");
    const ProgramIni ini = Files();
    ASSERT_TRUE(ini.SetString("Settings", "Miasms", "4"));
    EXPECT_EQ(m_dir.Read("program/meridane.ini"), "[Settings]\nMiasms=4\n");
    EXPECT_FALSE(fs::exists(m_dir.File("config/meridane")));

    fs::create_directory(m_dir.File("config/meridane"));
    m_dir.Write("config/meridane/meridane.ini", "[Settings]\nMiasms=7\n");
    ASSERT_TRUE(ini.SetString("Settings", "Miasms", "5"));
    EXPECT_EQ(ini.GetInt("Settings", "Miasms", 0), 5);
    EXPECT_EQ(m_dir.Read("program/meridane.ini"), "[Settings]\nMiasms=4\n");
}

// Installed, the program directory is read-only: the settings go to the
// user's file, the defaults stay as they are, and the program says so once.
TEST_F(ProgramIniTest, AReadOnlyProgramDirectoryHandsTheSettingsToTheUser) {
    m_dir.Write("program/meridane.ini", "[General]\nLanguage=russian.lng\n[Settings]\nMiasms=3\n");
    SealProgram();
    const ProgramIni ini = Files();
    const auto outcome = RunUnprivileged([&] {
        const bool first = ini.SetString("Settings", "Miasms", "8");
        const bool second = ini.SetString("Web Links", "HomePage", "https://example.org/");
        return first && second ? 0 : 1;
    });
    if (outcome.code == 4) GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_EQ(outcome.code, 0) << outcome.errors;
    EXPECT_EQ(m_dir.Read("program/meridane.ini"),
              "[General]\nLanguage=russian.lng\n[Settings]\nMiasms=3\n");
    EXPECT_EQ(m_dir.Read("config/meridane/meridane.ini"),
              "[Settings]\nMiasms=8\n[Web Links]\nHomePage=https://example.org/\n");
    EXPECT_EQ(ini.GetInt("Settings", "Miasms", 0), 8);
    EXPECT_EQ(ini.GetString("General", "Language", ""), "russian.lng");
    EXPECT_EQ(CountOf(outcome.errors, "meridane: "), 1) << outcome.errors;
    EXPECT_NE(outcome.errors.find(m_dir.File("config/meridane/meridane.ini")), std::string::npos)
        << outcome.errors;
}

TEST_F(ProgramIniTest, ASettingNoFileTakesIsReported) {
    SealProgram();
    const ProgramIni ini(m_dir.File("program/meridane.ini"),
                         m_dir.File("program/user/meridane.ini"));
    const auto outcome = RunUnprivileged([&] { return ini.SetString("S", "k", "v") ? 1 : 0; });
    if (outcome.code == 4) GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(CountOf(outcome.errors, "meridane: cannot save the setting"), 1) << outcome.errors;
    EXPECT_FALSE(fs::exists(m_dir.File("program/meridane.ini")));
}
