// The repertory compiler: name resolution, the tree it accepts, what it
// refuses, and that a refused or failed save touches no file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "repertory/repertory_impl.h"
#include "repertory_fixture.h"
#include "scratch_directory.h"
#include "test_home.h"

using namespace corvela_test;
namespace fs = std::filesystem;

namespace {

RepertoryBuilder& Builder() {
    return *CorvelaInstance().GetRepertoryBuilder();
}

// Adds count children named text under the open rubric.
void AddLeaves(int count, const char* text) {
    for (int i = 0; i < count; ++i) {
        Builder().AddTopic(text);
        Builder().CloseTopic();
    }
}

}  // namespace

TEST(RepertoryBuilder, ResolvesAnyCatalogueNameAndListsUnknownOnesOnce) {
    RepertoryBuilder& b = Builder();
    b.Begin(&TestDescription());
    EXPECT_EQ(b.AddRemedy("acon", 1), -1);  // no rubric open
    EXPECT_EQ(b.AddTopic("root"), 0);
    EXPECT_EQ(b.AddRemedy("ACON", 1), 0);
    EXPECT_EQ(b.AddRemedy("Aconit", 2), 0);
    EXPECT_EQ(b.AddRemedy("calc-c", 2), 3);
    const int before = b.GetUnknownRemedyCount();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(b.AddRemedy("nosuch", 1), -1);
    EXPECT_EQ(b.AddRemedy("acon.", 1), -1);  // the stop belongs to the file, not the name
    ASSERT_EQ(b.GetUnknownRemedyCount(), before + 2);
    EXPECT_STREQ(b.GetUnknownRemedy(before), "nosuch");
    EXPECT_EQ(b.GetUnknownRemedy(before + 2), nullptr);
    EXPECT_EQ(b.AddTopic("child"), 1);
    b.CloseTopic();
    b.CloseTopic();
    EXPECT_EQ(b.AddRemedy("acon", 1), -1);  // the root is closed
    b.Begin(&TestDescription());
    EXPECT_EQ(b.GetUnknownRemedyCount(), before + 2);  // kept across compilations
}

TEST(RepertoryBuilder, UnknownNamesStayWhereTheyAreWhileTheListGrows) {
    RepertoryBuilder& b = Builder();
    b.Begin(&TestDescription());
    ASSERT_GE(b.AddTopic("root"), 0);
    const int position = b.GetUnknownRemedyCount();
    EXPECT_EQ(b.AddRemedy("stays-put", 1), -1);
    const char* name = b.GetUnknownRemedy(position);
    ASSERT_STREQ(name, "stays-put");
    for (int i = 0; i < 1000; ++i) b.AddRemedy(("grows-" + std::to_string(i)).c_str(), 1);
    EXPECT_EQ(b.GetUnknownRemedy(position), name);
    EXPECT_STREQ(name, "stays-put");
}

TEST(RepertoryBuilder, NamesTheIndexByCuttingAtTheLastDotOfThePath) {
    ScratchDirectory dir;
    fs::create_directory(dir / "data.old");
    ASSERT_EQ(CompileRepertory("root\n", dir / "data.old/rep"), 1);
    EXPECT_TRUE(fs::exists(dir / "data.old/rep"));
    EXPECT_TRUE(fs::exists(dir / "data.idx"));
}

TEST(RepertoryBuilder, DeepestTreeTheLoaderFollowsRoundTrips) {
    ScratchDirectory dir;
    Builder().Begin(&TestDescription());
    for (int depth = 0; depth <= 1024; ++depth) Builder().AddTopic("level");
    ASSERT_EQ(Builder().Save((dir / "deep.rpb").c_str()), 1) << Builder().GetSaveError();
    RepertoryImpl repertory;
    ASSERT_TRUE(repertory.Open((dir / "deep.rpb").c_str()));
    EXPECT_EQ(repertory.GetTopicCount(), 1025u);
    EXPECT_EQ(repertory.GetTopic(1024)->GetParent(), repertory.GetTopic(1023));
}

// Each case builds a tree the formats cannot hold: Save answers 0, names the
// culprit and leaves the folder empty.
TEST(RepertoryBuilder, RefusesWhatTheFormatCannotHold) {
    struct Case {
        const char* what;
        void (*build)();
        const char* error;  // part of GetSaveError
    };
    static const std::string longText(32800, 'n');
    static const RepertoryDescription longName{
        kTestRepertoryId, longText.c_str(), "", "", "", "", 0};
    const Case cases[] = {
        {"no root", [] { Builder().Begin(&TestDescription()); }, "no root"},
        {"second root",
         [] {
             Builder().Begin(&TestDescription());
             AddLeaves(2, "root");
         },
         "second root"},
        {"long text",
         [] {
             Builder().Begin(&TestDescription());
             Builder().AddTopic("root");
             AddLeaves(1, std::string(32760, 't').c_str());
         },
         "rubric 1 \"tttt"},
        {"many remedies",
         [] {
             Builder().Begin(&TestDescription());
             Builder().AddTopic("r");
             for (int i = 0; i < 6552; ++i) Builder().AddRemedy("bell", 1);
         },
         "rubric 0 \"r\": its text and 6552 remedies"},
        {"many children",
         [] {
             Builder().Begin(&TestDescription());
             Builder().AddTopic("root");
             AddLeaves(32768, "c");
         },
         "32768 children"},
        {"long word",
         [] {
             Builder().Begin(&TestDescription());
             Builder().AddTopic(("a " + std::string(2048, 'w')).c_str());
         },
         "2048 bytes"},
        {"many postings",
         [] {
             Builder().Begin(&TestDescription());
             Builder().AddTopic("x");
             AddLeaves(32767, "x");
         },
         "word \"x\" occurs 32768 times"},
        {"long header text",
         [] {
             Builder().Begin(&longName);
             Builder().AddTopic("root");
         },
         "header text 2 would start at offset 32878"},
        {"too deep",
         [] {
             Builder().Begin(&TestDescription());
             for (int depth = 0; depth <= 1025; ++depth) Builder().AddTopic("level");
         },
         "rubric 1025 lies deeper"},
    };
    for (const Case& c : cases) {
        ScratchDirectory dir;
        c.build();
        EXPECT_EQ(Builder().Save((dir / "r.rpb").c_str()), 0) << c.what;
        EXPECT_NE(std::string(Builder().GetSaveError()).find(c.error), std::string::npos)
            << c.what << ": " << Builder().GetSaveError();
        EXPECT_TRUE(fs::is_empty(dir.Path())) << c.what;
    }
}

TEST(RepertoryBuilder, ExactlyAtTheLimitsStillSaves) {
    ScratchDirectory dir;
    Builder().Begin(&TestDescription());
    Builder().AddTopic("r");
    for (int i = 0; i < 6551; ++i) Builder().AddRemedy("bell", 1);  // child table at 32,767
    AddLeaves(32767, "c");
    ASSERT_EQ(Builder().Save((dir / "r.rpb").c_str()), 1) << Builder().GetSaveError();
    RepertoryImpl repertory;
    ASSERT_TRUE(repertory.Open((dir / "r.rpb").c_str())) << repertory.GetLoadError().Describe();
    EXPECT_EQ(repertory.GetRoot()->GetRemedyCount(), 6551);
    EXPECT_EQ(repertory.GetRoot()->GetChildCount(), 32767);
}

TEST(RepertoryBuilder, FailedSaveLeavesThePreviousFilesIntact) {
    ScratchDirectory dir;
    ASSERT_EQ(CompileRepertory("root\n\tA\tacon:1\n", dir / "r.rpb"), 1);
    const std::string rpb = ScratchDirectory::Read(dir / "r.rpb");
    const std::string idx = ScratchDirectory::Read(dir / "r.idx");

    // The index refuses a word: neither file is rewritten.
    EXPECT_EQ(CompileRepertory("root\n\t" + std::string(3000, 'w') + "\n", dir / "r.rpb"), 0);
    EXPECT_EQ(ScratchDirectory::Read(dir / "r.rpb"), rpb);
    EXPECT_EQ(ScratchDirectory::Read(dir / "r.idx"), idx);

    // The index cannot replace its target: the repertory stays as it was too.
    fs::create_directory(dir / "s.idx");
    EXPECT_EQ(CompileRepertory("root\n", dir / "s.rpb"), 0);
    EXPECT_FALSE(fs::exists(dir / "s.rpb"));

    EXPECT_EQ(ListNames(dir.Path()), (std::vector<std::string>{"r.idx", "r.rpb", "s.idx"}));
    EXPECT_EQ(CompileRepertory("root\n", dir / "missing/r.rpb"), 0);
    EXPECT_NE(std::string(Builder().GetSaveError()).find("missing/r"), std::string::npos);
}
