// Configuration files beside the program, and the user's configuration
// folder that takes them when the program directory is read-only.
#include "platform/config_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "scratch_directory.h"
#include "unprivileged_child.h"

namespace fs = std::filesystem;
using corvela_test::CountOf;
using corvela_test::RunUnprivileged;

namespace {

const std::vector<std::string> kLines = {"file_name=kent", "file_name=/srv/x.mmb"};
constexpr const char* kSection = "[DataSources]\nfile_name=kent\nfile_name=/srv/x.mmb\n";

// A scratch folder another user may enter, with a program directory that
// nobody may write and a parent for the configuration folder that anybody may.
class ReadOnlyHome {
public:
    ReadOnlyHome() {
        fs::permissions(m_dir.Path(),
                        fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
        fs::create_directory(Program());
        fs::create_directory(m_dir / "config");
        fs::permissions(m_dir / "config", fs::perms::all);
    }
    ~ReadOnlyHome() { fs::permissions(Program(), fs::perms::owner_all); }
    void Seal() {
        fs::permissions(Program(), fs::perms::owner_read | fs::perms::owner_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
    }
    std::string Program() const { return m_dir / "program"; }
    std::string Config() const { return m_dir / "config/meridane"; }

private:
    ScratchDirectory m_dir;
};

}  // namespace

TEST(ConfigFile, AWritableProgramDirectoryTakesTheFile) {
    ReadOnlyHome home;
    testing::internal::CaptureStderr();
    EXPECT_EQ(
        WriteConfigSection(home.Program(), home.Config(), "corvela.ini", "DataSources", kLines),
        home.Program() + "/corvela.ini");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(ScratchDirectory::Read(home.Program() + "/corvela.ini"), kSection);
    EXPECT_FALSE(fs::exists(home.Config()));
}

TEST(ConfigFile, AReadOnlyProgramDirectoryHandsTheFileToTheUserAndSaysSoOnce) {
    ReadOnlyHome home;
    ScratchDirectory::Write(home.Program() + "/corvela.ini", "[DataSources]\nfile_name=old\n");
    home.Seal();
    const auto outcome = RunUnprivileged([&] {
        // The user's file keeps its other sections.
        std::string first = WriteConfigSection(home.Program(), home.Config(), "corvela.ini",
                                               "DataSources", {"file_name=old"});
        ScratchDirectory::Write(home.Config() + "/corvela.ini",
                                "[Other]\nk=1\n" + ScratchDirectory::Read(first));
        std::string second =
            WriteConfigSection(home.Program(), home.Config(), "corvela.ini", "DataSources", kLines);
        return first == home.Config() + "/corvela.ini" && second == first ? 0 : 1;
    });
    if (outcome.code == 4) GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_EQ(outcome.code, 0) << outcome.errors;
    EXPECT_EQ(ScratchDirectory::Read(home.Config() + "/corvela.ini"),
              std::string("[Other]\nk=1\n") + kSection);
    // The program directory's copy is untouched.
    EXPECT_EQ(ScratchDirectory::Read(home.Program() + "/corvela.ini"),
              "[DataSources]\nfile_name=old\n");
    EXPECT_EQ(CountOf(outcome.errors, "corvela: "), 1) << outcome.errors;
    EXPECT_EQ(CountOf(outcome.errors, home.Config() + "/corvela.ini"), 1) << outcome.errors;
    EXPECT_EQ(CountOf(outcome.errors, home.Program() + "/corvela.ini"), 1) << outcome.errors;
}

TEST(ConfigFile, WhenNeitherFolderTakesTheFileItIsSaid) {
    ReadOnlyHome home;
    home.Seal();
    const auto outcome = RunUnprivileged([&] {
        return WriteConfigSection(home.Program(), home.Program() + "/config", "corvela.ini",
                                  "DataSources", kLines)
                       .empty()
                   ? 0
                   : 1;
    });
    if (outcome.code == 4) GTEST_SKIP() << "cannot drop root privileges here";
    EXPECT_EQ(outcome.code, 0);
    EXPECT_NE(outcome.errors.find("corvela.ini was not saved"), std::string::npos)
        << outcome.errors;
    EXPECT_EQ(CountOf(outcome.errors, "\n"), 1);
}
