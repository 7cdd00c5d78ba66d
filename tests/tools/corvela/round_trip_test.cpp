// compile -> dump -> compile gives byte-identical files, on the demo
// repertories and materia medicas and, when they are present, on Kent's
// repertory and Boericke's materia medica.
#include <gtest/gtest.h>

#include "tool_runner.h"

namespace {

struct RoundTripCase {
    const char* folder;  // where the source and its catalogue lie
    const char* source;  // the .rps or .mms file
    const char* name;    // its @name
    friend void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.source; }
};

class DumpRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(DumpRoundTrip, GivesIdenticalFiles) {
    const RoundTripCase& c = GetParam();
    const std::string folder = c.folder;
    const std::string sourcePath = folder + "/" + c.source;
    if (!Exists(sourcePath)) GTEST_SKIP() << sourcePath << " is not there";
    const std::string catalogue = ReadBytes(folder + "/remedy_synonyms.txt");
    const bool repertory = sourcePath.ends_with(".rps");
    const std::string command = repertory ? "compile-repertory" : "compile-mm";
    const std::string extension = repertory ? ".rpb" : ".mmb";

    TempDir first;
    first.Write("remedy_synonyms.txt", catalogue);
    const ToolRun compiled = RunTool(
        {"--home", first.path().string(), command, sourcePath, first / ("data" + extension)});
    ASSERT_EQ(compiled.status, 0) << compiled.err;
    EXPECT_EQ(compiled.err, "") << "every remedy name of the source is in its catalogue";

    const ToolRun dump = RunTool({"--home", first.path().string(), "dump", c.name});
    ASSERT_EQ(dump.status, 0) << dump.err;

    TempDir second;
    second.Write("remedy_synonyms.txt", catalogue);
    second.Write("again.src", dump.out);
    const ToolRun again = RunTool({"--home", second.path().string(), command, second / "again.src",
                                   second / ("again" + extension)});
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.err, "");
    EXPECT_TRUE(ReadBytes(second / ("again" + extension)) ==
                ReadBytes(first / ("data" + extension)));
    EXPECT_TRUE(ReadBytes(second / "again.idx") == ReadBytes(first / "data.idx"));
}

INSTANTIATE_TEST_SUITE_P(
    Repertories, DumpRoundTrip,
    ::testing::Values(RoundTripCase{MERIDANE_DEMO_DIR, "demo_en.rps", "REP_DEMO"},
                      RoundTripCase{MERIDANE_DEMO_DIR, "demo_ru.rps", "REP_DEMO_RU"},
                      RoundTripCase{MERIDANE_SHARED_DATA_DIR, "kent.rps", "REP_KENT"}));

INSTANTIATE_TEST_SUITE_P(
    MateriaMedicas, DumpRoundTrip,
    ::testing::Values(RoundTripCase{MERIDANE_DEMO_DIR, "demo_mm_en.mms", "MM_DEMO"},
                      RoundTripCase{MERIDANE_DEMO_DIR, "demo_mm_second.mms", "MM_NOTES"},
                      RoundTripCase{MERIDANE_DEMO_DIR, "demo_user_mm.mms", "My notes"},
                      RoundTripCase{MERIDANE_SHARED_DATA_DIR, "boericke.mms", "MM_BOERICKE"}));

}  // namespace
