// The user's data folder beside the program directory: the order of the
// sources, a source found in both, and where the list of sources goes when
// the program directory is read-only.
#include <gtest/gtest.h>

#include <filesystem>

#include "../materia/materia_fixture.h"
#include "core/discovery_plan.h"
#include "repertory_fixture.h"
#include "test_home.h"
#include "unprivileged_child.h"

namespace fs = std::filesystem;
using namespace corvela_test;

namespace {

constexpr const char* kIdA = "11111111-2222-3333-4444-555555555555";
constexpr const char* kIdB = "AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE";
constexpr const char* kIdC = "CCCCCCCC-0000-0000-0000-000000000001";
constexpr const char* kIdU = "DDDDDDDD-0000-0000-0000-000000000002";

class UserData : public HomeTest {
protected:
    static Corvela& Engine() { return CorvelaInstance(); }
    static void Repertory(const std::string& path, const char* name, const char* id,
                          const char* tree = "root\n\tchild\n") {
        const RepertoryDescription description{id, name, "", "", "", "", 0};
        ASSERT_EQ(CompileRepertory(tree, path, description), 1);
    }
    static void Materia(const std::string& path, const char* name, const char* id) {
        ASSERT_TRUE(CompileMateriaMedica(path, MateriaDescription(id, name, 0x40),
                                         {{"acon", "", "an article on acon", nullptr}}));
    }
    // The names of the loaded sources, in position order.
    static std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (unsigned i = 0; i < Engine().GetDataSourceCount(); ++i)
            names.emplace_back(Engine().GetDataSource(i)->GetName());
        return names;
    }
    // The program directory of a practitioner: two repertories, two books.
    static void ProgramFiles() {
        Repertory(HomePath("kent.rpb"), "Kent", kIdA);
        Repertory(HomePath("boger.rpb"), "Boger", kIdB);
        Materia(HomePath("boericke.mmb"), "Boericke", kIdC);
        Materia(HomePath("allen.mmb"), "Allen", kIdU);
    }
    static std::vector<std::string> Rescan() {
        Engine().CloseAll();
        return Names();
    }
};

}  // namespace

TEST_F(UserData, TheProgramDirectoryComesFirstAndKeepsItsPositions) {
    ProgramFiles();
    const std::vector<std::string> alone = Names();
    EXPECT_EQ(alone, (std::vector<std::string>{"Boger", "Kent", "Allen", "Boericke"}));

    // What the user adds comes behind, repertories then books, by file name,
    // even when its names sort before the program directory's.
    Materia(UserFolderPath("a_notes.mmb"), "Notes", "EEEEEEEE-0000-0000-0000-000000000003");
    Repertory(UserFolderPath("z_mine.rpb"), "Mine", "EEEEEEEE-0000-0000-0000-000000000004");
    Repertory(UserFolderPath("a_synth.rpb"), "Synth", "EEEEEEEE-0000-0000-0000-000000000005");
    EXPECT_EQ(Rescan(), (std::vector<std::string>{"Boger", "Kent", "Allen", "Boericke", "Synth",
                                                  "Mine", "Notes"}));
    auto* mine = static_cast<::Repertory*>(Engine().GetDataSource(5));
    EXPECT_EQ(mine->GetRoot()->GetId(), 5u << 22);
    EXPECT_EQ(Engine().GetDataSourceOfItem((5u << 22) | 1), mine);
}

TEST_F(UserData, ASourceInBothFoldersLoadsOnceTheUsersCopyInItsPlace) {
    ProgramFiles();
    Repertory(UserFolderPath("kent_2024.rpb"), "Kent 2024", kIdA, "root\n\tone\n\ttwo\n");
    testing::internal::CaptureStderr();
    const std::vector<std::string> names = Rescan();
    const std::string note = testing::internal::GetCapturedStderr();
    EXPECT_EQ(names, (std::vector<std::string>{"Boger", "Kent 2024", "Allen", "Boericke"}));
    auto* kent = static_cast<::Repertory*>(Engine().GetDataSource(1));
    EXPECT_EQ(kent->GetFilePath(), UserFolderPath("kent_2024.rpb"));
    EXPECT_EQ(kent->GetTopic(2)->GetId(), (1u << 22) | 2);
    Guid a;
    ASSERT_TRUE(ParseGuid(kIdA, &a));
    EXPECT_EQ(Engine().FindDataSource(&a), kent);
    EXPECT_EQ(CountOf(note, "corvela: "), 1) << note;
    EXPECT_NE(note.find(kIdA), std::string::npos) << note;
    EXPECT_NE(note.find(HomePath("kent.rpb")), std::string::npos) << note;
    EXPECT_NE(note.find(UserFolderPath("kent_2024.rpb")), std::string::npos) << note;
}

TEST_F(UserData, AUserBookReplacesTheProgramsAndTheRemedyRowsFollow) {
    ProgramFiles();
    Materia(UserFolderPath("boericke.mmb"), "Boericke, mine", kIdC);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Rescan(), (std::vector<std::string>{"Boger", "Kent", "Allen", "Boericke, mine"}));
    testing::internal::GetCapturedStderr();
    // One article on acon (remedy 0): the row holds the book once, not twice.
    EXPECT_EQ(Engine().GetRemedySourceCount(0), 2);  // Allen's and Boericke's
}

TEST_F(UserData, ABrokenUserCopyLeavesTheProgramsCopyInPlace) {
    ProgramFiles();
    Repertory(UserFolderPath("kent.rpb"), "Kent, mine", kIdA);
    fs::remove(UserFolderPath("kent.idx"));  // cannot load without its word index
    testing::internal::CaptureStderr();
    EXPECT_EQ(Rescan(), (std::vector<std::string>{"Boger", "Kent", "Allen", "Boericke"}));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(std::string(Engine().GetDataSource(1)->GetFilePath()), HomePath("kent.rpb"));
}

TEST_F(UserData, SameIdentifierButAnotherKindIsAnotherSource) {
    ProgramFiles();
    Materia(UserFolderPath("kent.mmb"), "Kent's lectures", kIdA);
    EXPECT_EQ(Rescan(),
              (std::vector<std::string>{"Boger", "Kent", "Allen", "Boericke", "Kent's lectures"}));
}

TEST_F(UserData, AUserFolderThatIsTheProgramDirectoryIsScannedOnce) {
    Repertory(HomePath("kent.rpb"), "Kent", kIdA);
    ::setenv("MERIDANE_DATA", (HomeDirectory() + "/.").c_str(), 1);
    const std::vector<std::string> names = Rescan();
    ::setenv("MERIDANE_DATA", UserFolder().c_str(), 1);
    EXPECT_EQ(names, std::vector<std::string>{"Kent"});
}

TEST_F(UserData, TheListNamesUserFilesByTheirWholePath) {
    Repertory(HomePath("kent.rpb"), "Kent", kIdA);
    Repertory(UserFolderPath("mine.rpb"), "Mine", kIdB);
    ASSERT_EQ(Engine().GetDataSourceCount(), 2u);
    Engine().CloseAll();
    EXPECT_EQ(ReadText(HomePath("corvela.ini")),
              "[DataSources]\nfile_name=kent\nfile_name=" + UserFolderPath("mine.rpb") + "\n");
    EXPECT_FALSE(fs::exists(ConfigFolder()));
}

// Installed, the program directory is read-only: the list goes to the
// user's configuration folder, and the engine says so once.
TEST_F(UserData, AReadOnlyProgramDirectoryHandsTheListToTheUsersConfigFolder) {
    Repertory(HomePath("kent.rpb"), "Kent", kIdA);
    ASSERT_EQ(Engine().GetDataSourceCount(), 1u);
    const fs::path scratch = fs::path(HomeDirectory()).parent_path();
    fs::permissions(scratch, fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
    fs::create_directory(scratch / "config");
    fs::permissions(scratch / "config", fs::perms::all);
    fs::permissions(HomeDirectory(), fs::perms::owner_write | fs::perms::group_write,
                    fs::perm_options::remove);
    fs::permissions(HomeDirectory(), fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::add);
    const ChildOutcome outcome = RunUnprivileged([] {
        Engine().SaveDataSourceList();
        Engine().SaveDataSourceList();
        return 0;
    });
    fs::permissions(HomeDirectory(), fs::perms::owner_all, fs::perm_options::add);
    if (outcome.code == 4) GTEST_SKIP() << "cannot drop root privileges here";
    ASSERT_EQ(outcome.code, 0);
    EXPECT_FALSE(fs::exists(HomePath("corvela.ini")));
    EXPECT_EQ(ReadText(ConfigFolder() + "/corvela.ini"), "[DataSources]\nfile_name=kent\n");
    EXPECT_EQ(CountOf(outcome.errors, "corvela: "), 1) << outcome.errors;
    EXPECT_NE(outcome.errors.find(ConfigFolder() + "/corvela.ini"), std::string::npos)
        << outcome.errors;
}

TEST(DiscoveryPlan, AFileWithoutAReadableIdentifierNeverReplacesOne) {
    WriteBytes(HomePath("junk.rpb"), {'x'});
    WriteBytes(UserFolderPath("junk.rpb"), {'x'});
    Guid id;
    EXPECT_FALSE(ReadDataFileId(HomePath("junk.rpb"), DataFileKind::kRepertory, &id));
    const auto plan = PlanDiscovery({HomeDirectory(), UserFolder(), HomePath("missing")});
    ASSERT_EQ(plan.size(), 2u);
    EXPECT_EQ(plan[0].path, HomePath("junk.rpb"));
    EXPECT_EQ(plan[1].path, UserFolderPath("junk.rpb"));
    EXPECT_TRUE(plan[0].replaced.empty());
    RemoveHomeDataFiles();
}
