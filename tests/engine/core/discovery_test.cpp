// Discovery of the data files in the program directory.
#include "core/discovery.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "repertory_fixture.h"
#include "test_home.h"

using namespace corvela_test;

namespace {

class Discovery : public HomeTest {
protected:
    static Corvela& Engine() { return CorvelaInstance(); }
    static void Compile(const std::string& name, const char* title, const char* id) {
        const RepertoryDescription description{id, title, "", "", "", "", 0};
        ASSERT_EQ(CompileRepertory("root\n\tchild\n", HomePath(name), description), 1);
    }
    static std::string NameAt(unsigned position) {
        return Engine().GetDataSource(position)->GetName();
    }
};

constexpr const char* kIdA = "11111111-2222-3333-4444-555555555555";
constexpr const char* kIdB = "AAAAAAAA-BBBB-CCCC-DDDD-EEEEEEEEEEEE";

}  // namespace

TEST_F(Discovery, NoFilesNoSourcesAndTheNextCallScansAgain) {
    EXPECT_EQ(Engine().GetDataSourceCount(), 0u);
    EXPECT_EQ(Engine().GetDataSource(0), nullptr);
    Compile("x.rpb", "X", kIdA);
    EXPECT_EQ(Engine().GetDataSourceCount(), 1u);
}

TEST_F(Discovery, PositionsFollowTheFileNamesAndTagTheItems) {
    Compile("b.rpb", "Repertory", kIdB);
    Compile("a.rpb", "REP_A", kIdA);
    ASSERT_EQ(Engine().GetDataSourceCount(), 2u);
    EXPECT_EQ(NameAt(0), "REP_A");
    EXPECT_EQ(NameAt(1), "Repertory");
    auto* second = static_cast<Repertory*>(Engine().GetDataSource(1));
    EXPECT_EQ(second->GetPosition(), 1);
    EXPECT_EQ(second->GetRoot()->GetId(), 1u << 22);
    EXPECT_EQ(second->GetTopic(1)->GetId(), (1u << 22) | 1);
    EXPECT_EQ(Engine().GetDataSourceOfItem(4194309), second);  // position 1, item 5
    EXPECT_EQ(Engine().GetDataSourceOfItem(2u << 22), nullptr);

    Guid b;
    ASSERT_TRUE(ParseGuid(kIdB, &b));
    EXPECT_EQ(Engine().FindDataSource(&b), second);
    b.data4[7] ^= 1;
    EXPECT_EQ(Engine().FindDataSource(&b), nullptr);
    EXPECT_EQ(Engine().FindDataSourceByName("Repertory"), second);
    EXPECT_EQ(Engine().FindDataSourceByName("repertory"), nullptr);
    EXPECT_EQ(Engine().FindDataSourceByName(nullptr), nullptr);
}

TEST_F(Discovery, LoadsEachFileByItsOwnNameAndExtension) {
    Compile("kent.v2.rpb", "Kent", kIdA);
    Compile("x.rpb", "X", kIdB);
    std::filesystem::copy_file(HomePath("x.rpb"), HomePath("x.mmb"));
    Compile("Z.RPB", "Z", kIdB);
    int repertories = 0;
    for (unsigned i = 0; i < Engine().GetDataSourceCount(); ++i)
        if (Engine().GetDataSource(i)->GetType() == kSourceRepertory) ++repertories;
    EXPECT_EQ(repertories, 3);  // Z.RPB, kent.v2.rpb, x.rpb: x once, not again for x.mmb
    EXPECT_EQ(NameAt(0), "Z");
    EXPECT_EQ(NameAt(1), "Kent");
    EXPECT_EQ(NameAt(2), "X");
}

TEST_F(Discovery, FilesThatFailToLoadAreSkipped) {
    Compile("a.rpb", "A", kIdA);
    std::vector<std::uint8_t> bytes = ReadBytes(HomePath("a.rpb"));
    bytes.resize(bytes.size() - 1);
    WriteBytes(HomePath("a.rpb"), bytes);  // truncated
    Compile("b.rpb", "B", kIdA);
    std::filesystem::remove(HomePath("b.idx"));  // no word index
    Compile("c.rpb", "C", kIdB);
    ASSERT_EQ(Engine().GetDataSourceCount(), 1u);
    EXPECT_EQ(NameAt(0), "C");
    EXPECT_EQ(Engine().GetDataSource(0)->GetPosition(), 0);
    EXPECT_EQ(Engine().GetDataSource(0)->GetItem(1)->GetId(), 1u);
}

TEST_F(Discovery, CloseAllDeletesTheSourcesAndTheNextCallRescans) {
    Compile("a.rpb", "A", kIdA);
    ASSERT_EQ(Engine().GetDataSourceCount(), 1u);
    Compile("b.rpb", "B", kIdB);
    EXPECT_EQ(Engine().GetDataSourceCount(), 1u);  // the list is not empty: no new scan
    Engine().CloseAll();
    EXPECT_EQ(Engine().GetDataSourceCount(), 2u);
}

TEST(ResolveDataFile, ExtensionDecidesAndBareNamesTryRepertoryFirst) {
    const std::string home = HomeDirectory();
    WriteBytes(HomePath("r.rpb"), {});
    WriteBytes(HomePath("m.mmb"), {});
    WriteBytes(HomePath("r.mmb"), {});
    WriteBytes(HomePath("t.txt"), {});
    EXPECT_EQ(ResolveDataFile("r.rpb", home).kind, DataFileKind::kRepertory);
    EXPECT_EQ(ResolveDataFile("r.mmb", home).kind, DataFileKind::kMateriaMedica);
    EXPECT_EQ(ResolveDataFile("r", home).path, home + "/r.rpb");
    EXPECT_EQ(ResolveDataFile("m", home).kind, DataFileKind::kMateriaMedica);
    EXPECT_EQ(ResolveDataFile(home + "/m.MMB", "/elsewhere").kind, DataFileKind::kNone);  // missing
    EXPECT_EQ(ResolveDataFile(home + "/m.mmb", "/elsewhere").path, home + "/m.mmb");
    EXPECT_EQ(ResolveDataFile("t.txt", home).kind, DataFileKind::kNone);
    EXPECT_EQ(ResolveDataFile("gone.rpb", home).kind, DataFileKind::kNone);
    RemoveHomeDataFiles();
}
