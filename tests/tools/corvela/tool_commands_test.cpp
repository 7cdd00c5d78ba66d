// The tool's commands on a fixture program directory.
#include "tool_fixture.h"

namespace {

TEST_F(ToolFixture, CompileWritesBothFilesAndListsEachUnknownNameOnce) {
    const ToolRun run = Compile("fix", kFixtureSource);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "unknown remedy: unknownium\nunknown remedy: other\n");
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(Exists(m_dir / "fix.rpb"));
    EXPECT_TRUE(Exists(m_dir / "fix.idx"));
}

TEST_F(ToolFixture, SourcesListsPositionTypeGuidNameItemsAndFile) {
    CompileFixture();
    ASSERT_EQ(Compile("second",
                      "@id AAAAAAAA-2222-3333-4444-555555555555\n"
                      "@name \xD0\xA0\xD0\xB5\xD0\xBF\n"  // UTF-8 "Реп"
                      "root\n\ta\n\t\tb\n")
                  .status,
              0);
    const ToolRun run = Tool({"sources"});
    EXPECT_EQ(run.status, 0) << run.err;
    // Sources come in file-name order: fix, then second.
    EXPECT_EQ(run.out,
              "0\t1\t" + kFixtureGuid + "\tFIX_REP\t6\t" + (m_dir / "fix.rpb") + "\n" +
                  "1\t1\tAAAAAAAA-2222-3333-4444-555555555555\t\xD0\xA0\xD0\xB5\xD0\xBF\t3\t" +
                  (m_dir / "second.rpb") + "\n");
}

// The user's data folder (--data) follows the program directory; a source in
// both is loaded once, the user's copy in the program directory's place.
TEST_F(ToolFixture, SourcesOfTheUserDataFolderComeAfterTheProgramDirectory) {
    CompileFixture();
    const TempDir data;
    data.Write("a.rps", "@id AAAAAAAA-2222-3333-4444-555555555555\n@name MINE\nroot\n");
    data.Write("fix.rps", kFixtureSource);
    ASSERT_EQ(Tool({"compile-repertory", data / "a.rps", data / "a.rpb"}).status, 0);
    ASSERT_EQ(Tool({"compile-repertory", data / "fix.rps", data / "fix2.rpb"}).status, 0);
    const ToolRun run = Tool({"--data", data.path().string(), "sources"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "0\t1\t" + kFixtureGuid + "\tFIX_REP\t6\t" + (data / "fix2.rpb") + "\n" +
                           "1\t1\tAAAAAAAA-2222-3333-4444-555555555555\tMINE\t1\t" +
                           (data / "a.rpb") + "\n");
    EXPECT_EQ(run.err, "corvela: data source " + kFixtureGuid + " is both \"" +
                           (m_dir / "fix.rpb") + "\" and \"" + (data / "fix2.rpb") +
                           "\"; the user's copy is loaded\n");
}

TEST_F(ToolFixture, SourcesOfAnEmptyDirectoryIsEmpty) {
    const ToolRun run = Tool({"sources"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST_F(ToolFixture, TreeShowsRubricAndChildren) {
    CompileFixture();
    // Remedies: the dropped unknown names do not count; the stop and the case
    // of a name do not matter.
    EXPECT_EQ(Tool({"tree", "FIX_REP"}).out, "0\trep_fix\t2\t0\n1\tMind\t2\t0\n5\tHead\t0\t2\n");
    EXPECT_EQ(Tool({"tree", "FIX_REP", "2"}).out, "2\tAnxiety\t1\t3\n3\tnight\t0\t3\n");
    EXPECT_EQ(Tool({"tree", "11111111-2222-3333-4444-555555555555", "4"}).out, "4\tFear\t0\t1\n");
    // The identifier may be written in lower case.
    EXPECT_EQ(Tool({"tree", "11111111-2222-3333-4444-555555555555", "3"}).status, 0);
}

TEST_F(ToolFixture, TreeAcceptsIdentifiersOfTheSecondSource) {
    CompileFixture();
    ASSERT_EQ(
        Compile("second", "@id AAAAAAAA-2222-3333-4444-555555555555\n@name S\nroot\n\ta\n\t\tb\n")
            .status,
        0);
    const std::string b = std::to_string((1u << 22) | 2u);
    EXPECT_EQ(Tool({"tree", "S", "2"}).out, b + "\tb\t0\t0\n");
    EXPECT_EQ(Tool({"tree", "S", b}).out, b + "\tb\t0\t0\n");
    const ToolRun other = Tool({"tree", "FIX_REP", b});
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.err, "corvela: rubric " + b +
                             " belongs to the data source at position 1, not to FIX_REP\n");
}

TEST_F(ToolFixture, TreeRefusesMissingRubricsAndSources) {
    CompileFixture();
    ToolRun run = Tool({"tree", "FIX_REP", "6"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvela: no rubric 6 in FIX_REP\n");
    run = Tool({"tree", "fix_rep"});  // names are case-sensitive
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvela: no data source named fix_rep\n");
    run = Tool({"tree", "FIX_REP", "two"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.substr(0, 48), "corvela: RUBRIC-ID must be a decimal number: two");
}

TEST_F(ToolFixture, DumpWritesHeaderRubricsAndShortNames) {
    CompileFixture();
    const ToolRun run = Tool({"dump", "FIX_REP"});
    EXPECT_EQ(run.status, 0) << run.err;
    // sil is written by its long name: its short name leads to hep.
    EXPECT_EQ(run.out,
              "@id 11111111-2222-3333-4444-555555555555\n"
              "@name FIX_REP\n"
              "@text2 Fixture repertory\n"
              "@flags 0x10\n"
              "rep_fix\n"
              "\tMind\n"
              "\t\tAnxiety\tacon:3 ars:2 acon:1\n"
              "\t\t\tnight\tars:3 hep:1 silicea:2\n"
              "\t\tFear\tacon:2\n"
              "\tHead\tbell:1 nux-v:2\n");
}

TEST_F(ToolFixture, DumpCompilesBackToIdenticalFiles) {
    CompileFixture();
    const ToolRun dump = Tool({"dump", kFixtureGuid});
    ASSERT_EQ(dump.status, 0) << dump.err;
    TempDir other;
    other.Write("remedy_synonyms.txt", kFixtureCatalogue);
    other.Write("again.rps", dump.out);
    const ToolRun again = RunTool({"--home", other.path().string(), "compile-repertory",
                                   other / "again.rps", other / "again.rpb"});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.err, "");
    EXPECT_EQ(ReadBytes(other / "again.rpb"), ReadBytes(m_dir / "fix.rpb"));
    EXPECT_EQ(ReadBytes(other / "again.idx"), ReadBytes(m_dir / "fix.idx"));
}

TEST_F(ToolFixture, DumpRefusesRemedyWithoutAWritableName) {
    const std::string withIgn = kFixtureCatalogue + "\t\t\t\t\tign.\tIgnatia amara\n";
    m_dir.Write("remedy_synonyms.txt", withIgn);
    ASSERT_EQ(Compile("fix",
                      "@id 11111111-2222-3333-4444-555555555555\n@name F\nroot\n"
                      "\tgrief\tign:3\n")
                  .status,
              0);
    // A later catalogue line takes "ign" over, and the long name has a
    // space: no name of remedy 6 leads back to it any more.
    m_dir.Write("remedy_synonyms.txt", withIgn + "\t\t\t\t\tnat-m.\tNatrum muriaticum\tign\n");
    const ToolRun run = Tool({"dump", "F"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "corvela: F: rubric 1 \"grief\": remedy number 6 has no catalogue name that a "
              "source can hold and that leads back to it\n");
}

TEST_F(ToolFixture, DumpOfAMissingSourceFails) {
    const ToolRun run = Tool({"dump", "NOPE"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvela: no data source named NOPE\n");
}

TEST_F(ToolFixture, RemediesListsTheCatalogue) {
    const ToolRun run = Tool({"remedies"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "0\tacon\taconitum napellus\t1 0 0 0 -1\n"
              "1\tars\tarsenicum album\t-10000 -10000 -10000 -10000 -10000\n"
              "2\tbell\tbelladonna\t-10000 -10000 -10000 -10000 -10000\n"
              "3\tnux-v\tnux vomica\t2 -10000 -10000 -10000 3\n"
              "4\tsil\tsilicea\t-10000 -10000 -10000 -10000 -10000\n"
              "5\thep\thepar sulphuris\t-10000 -10000 -10000 -10000 -10000\n");
}

struct RemedyCase {
    const char* name;
    int status;
    const char* out;
    friend void PrintTo(const RemedyCase& c, std::ostream* os) { *os << c.name; }
};

class RemedyLookup : public ToolFixture, public ::testing::WithParamInterface<RemedyCase> {};

TEST_P(RemedyLookup, FindsByAnyNameInAnyCase) {
    const ToolRun run = Tool({"remedy", GetParam().name});
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, GetParam().out);
    if (GetParam().status != 0) {
        EXPECT_EQ(run.err, std::string("corvela: unknown remedy: ") + GetParam().name + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, RemedyLookup,
    ::testing::Values(RemedyCase{"acon", 0, "0\tacon\taconitum napellus\t1 0 0 0 -1\n"},
                      RemedyCase{"ACON.", 0, "0\tacon\taconitum napellus\t1 0 0 0 -1\n"},
                      RemedyCase{"Monkshood", 0, "0\tacon\taconitum napellus\t1 0 0 0 -1\n"},
                      RemedyCase{"\xD0\x90\xD0\xBA\xD0\xBE\xD0\xBD\xD0\xB8\xD1\x82", 0,
                                 "0\tacon\taconitum napellus\t1 0 0 0 -1\n"},
                      RemedyCase{"NUX", 0, "3\tnux-v\tnux vomica\t2 -10000 -10000 -10000 3\n"},
                      RemedyCase{"sil", 0,
                                 "5\thep\thepar sulphuris\t-10000 -10000 -10000 -10000 -10000\n"},
                      RemedyCase{"zzz", 1, ""}, RemedyCase{"caf\xC3\xA9", 1, ""}));

}  // namespace
