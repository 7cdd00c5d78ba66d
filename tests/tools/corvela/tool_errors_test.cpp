// Usage errors, failures and their exit statuses.
#include "tool_fixture.h"

namespace {

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

struct UsageCase {
    std::vector<std::string> args;
    const char* firstLine;
    friend void PrintTo(const UsageCase& c, std::ostream* os) {
        *os << "corvela";
        for (const std::string& arg : c.args) *os << ' ' << arg;
    }
};

class ToolUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(ToolUsage, ExitsWithStatus2AndTheUsage) {
    const ToolRun run = RunTool(GetParam().args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(StartsWith(run.err, std::string(GetParam().firstLine) + "\nusage: corvela"))
        << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ToolUsage,
    ::testing::Values(UsageCase{{}, "corvela: no command given"},
                      UsageCase{{"frobnicate"}, "corvela: unknown command frobnicate"},
                      UsageCase{{"--verbose", "sources"}, "corvela: unknown option --verbose"},
                      UsageCase{{"sources", "extra"}, "corvela: too many arguments"},
                      UsageCase{{"compile-repertory", "a.rps"}, "corvela: missing arguments"},
                      UsageCase{{"tree"}, "corvela: missing arguments"},
                      UsageCase{{"tree", "a", "1", "2"}, "corvela: too many arguments"},
                      UsageCase{{"sources", "--home"}, "corvela: --home needs a directory"},
                      UsageCase{{"sources", "--data="}, "corvela: --data needs a directory"},
                      UsageCase{{"search"}, "corvela: missing arguments"},
                      UsageCase{{"search", "-anxiety"}, "corvela: unknown option -anxiety"},
                      UsageCase{{"search", "x", "--scope"}, "corvela: --scope needs a value"},
                      UsageCase{{"sources", "--scope", "mm"}, "corvela: unknown option --scope"},
                      UsageCase{{"article", "--rtf=yes", "A", "b"},
                                "corvela: --rtf takes no value"},
                      UsageCase{{"article", "A"}, "corvela: missing arguments"}));

TEST(ToolHelp, EveryCommandHasHelp) {
    const ToolRun top = RunTool({"--help"});
    EXPECT_EQ(top.status, 0);
    for (const char* command : {"compile-repertory", "compile-mm", "sources", "dump", "remedies",
                                "remedy", "tree", "search", "analyze", "article"}) {
        EXPECT_NE(top.out.find(std::string("  ") + command + " "), std::string::npos) << command;
        const ToolRun help = RunTool({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(StartsWith(help.out,
                               std::string("usage: corvela [--home DIR] [--data DIR] ") + command))
            << help.out;
        EXPECT_EQ(help.err, "");
    }
}

TEST(ToolHome, MissingDirectoryFails) {
    const ToolRun run = RunTool({"--home", "/nonexistent/corvela-home", "sources"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvela: no such directory: /nonexistent/corvela-home\n");
    const ToolRun data = RunTool({"sources", "--data=/nonexistent/corvela-data"});
    EXPECT_EQ(data.status, 1);
    EXPECT_EQ(data.err, "corvela: no such directory: /nonexistent/corvela-data\n");
}

TEST_F(ToolFixture, SourceErrorNamesFileAndLineAndWritesNothing) {
    const std::string rps = m_dir / "bad.rps";
    for (const auto& [source, message] : std::vector<std::pair<std::string, std::string>>{
             {"@id 11111111-2222-3333-4444-555555555555\n@author me\nroot\n",
              ":2: unknown header keyword"},
             {"@id 11111111-2222-3333-4444-555555555555\nroot\n\tcaf\xC3\xA9\n",
              ":3: character U+00E9 has no code page 1251 form"},
             {"@id 11111111-2222-3333-4444-555555555555\r\nroot\r\n\t\ttoo deep\r\n",
              ":3: depth 2 after depth 0 (at most one level deeper)"}}) {
        m_dir.Write("bad.rps", source);
        const ToolRun run = Tool({"compile-repertory", rps, m_dir / "bad.rpb"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "corvela: " + rps + message + "\n");
        EXPECT_FALSE(Exists(m_dir / "bad.rpb"));
        EXPECT_FALSE(Exists(m_dir / "bad.idx"));
    }
}

TEST_F(ToolFixture, MissingSourceFileFails) {
    const ToolRun run = Tool({"compile-repertory", m_dir / "none.rps", m_dir / "none.rpb"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err,
              "corvela: cannot read " + (m_dir / "none.rps") + ": No such file or directory\n");
}

TEST_F(ToolFixture, UnwritableOutputFailsWithoutLeavingFiles) {
    m_dir.Write("ok.rps", kFixtureSource);
    const std::string output = m_dir / "no-such-folder/out.rpb";
    const ToolRun run = Tool({"compile-repertory", m_dir / "ok.rps", output});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(StartsWith(run.err, "unknown remedy: unknownium\nunknown remedy: other\ncorvela: "))
        << run.err;
    EXPECT_FALSE(Exists(output));
}

// A rubric text beyond what the file format holds: the engine refuses to
// save, names the rubric, and the tool reports that as its error.
TEST_F(ToolFixture, FormatLimitIsReportedAndNothingWritten) {
    const std::string huge(40000, 'x');
    const ToolRun run =
        Compile("big", "@id 11111111-2222-3333-4444-555555555555\nroot\n\t" + huge + "\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(StartsWith(run.err, "corvela: ")) << run.err;
    EXPECT_GT(run.err.size(), std::string("corvela: \n").size());
    EXPECT_FALSE(Exists(m_dir / "big.rpb"));
    EXPECT_FALSE(Exists(m_dir / "big.idx"));
}

TEST_F(ToolFixture, TreeOfAnUnknownIdentifierFails) {
    const ToolRun run = Tool({"tree", "00000000-0000-0000-0000-000000000000"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "corvela: no data source named 00000000-0000-0000-0000-000000000000\n");
}

}  // namespace
