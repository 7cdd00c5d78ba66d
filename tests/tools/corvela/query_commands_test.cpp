// search, analyze and article on the fixture repertory (position 0) and
// materia medica (position 1).
#include "tool_fixture.h"

namespace {

// One command line, what it prints and how it exits.
struct QueryCase {
    std::vector<std::string> args;
    std::string out;
    std::string err;
    int status = 0;
    friend void PrintTo(const QueryCase& c, std::ostream* os) {
        for (const std::string& arg : c.args) *os << arg << ' ';
    }
};

class QueryCommands : public ToolFixture, public ::testing::WithParamInterface<QueryCase> {};

TEST_P(QueryCommands, PrintWhatTheEngineAnswers) {
    CompileBoth();
    const QueryCase& c = GetParam();
    const ToolRun run = Tool(c.args);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
    EXPECT_EQ(run.status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Search, QueryCommands,
    ::testing::Values(
        // A word finds its rubric and the rubrics below it, and articles.
        QueryCase{{"search", "anxiety"},
                  "0\t2\tMind; Anxiety\n0\t3\tMind; Anxiety; night\n1\t1\tacon\n1\t2\tars\n",
                  "4 hits\n"},
        // Several arguments are one query; "night" is inside "midnight".
        QueryCase{{"search", "anxiety", "night"},
                  "0\t3\tMind; Anxiety; night\n1\t1\tacon\n1\t2\tars\n",
                  "3 hits\n"},
        QueryCase{{"search", "--scope", "rep", "@acon"},
                  "0\t2\tMind; Anxiety\n0\t4\tMind; Fear\n",
                  "2 hits\n"},
        QueryCase{{"search", "--scope=mm", "@acon"}, "1\t1\tacon\n", "1 hits\n"},
        QueryCase{{"search", "--scope", "all", "@acon>2"},
                  "0\t2\tMind; Anxiety\n1\t1\tacon\n",
                  "2 hits\n"},
        QueryCase{{"search", "about"}, "1\t0\t-\n", "1 hits\n"},
        QueryCase{
            {"search", "--source", "FIX_MM", "anxiety"}, "1\t1\tacon\n1\t2\tars\n", "2 hits\n"},
        QueryCase{{"search", "anxiety", "--source", "11111111-2222-3333-4444-555555555555"},
                  "0\t2\tMind; Anxiety\n0\t3\tMind; Anxiety; night\n",
                  "2 hits\n"},
        // Only an excluded term: nothing; "--" lets the query start with '-'.
        QueryCase{{"search", "--", "-anxiety"}, "", "0 hits\n"},
        // A syntax error stops the parse before any term.
        QueryCase{{"search", "@"}, "", "0 hits\n"},
        QueryCase{{"search", "--scope", "foo", "x"},
                  "",
                  "corvela: --scope must be all, rep or mm, not foo\n"
                  "usage: corvela [--home DIR] [--data DIR] search [--scope all|rep|mm] "
                  "[--source NAME-OR-GUID] [--] QUERY...\n",
                  2},
        QueryCase{
            {"search", "--source", "NOPE", "x"}, "", "corvela: no data source named NOPE\n", 1},
        QueryCase{{"search", "caf\xC3\xA9"},
                  "",
                  "corvela: the query cannot be given to the engine: character U+00E9 has no "
                  "code page 1251 form\n",
                  1}));

INSTANTIATE_TEST_SUITE_P(
    Analyze, QueryCommands,
    ::testing::Values(
        QueryCase{{"analyze", "anxiety ?night"},
                  "well-formed\n0\t7\tMarkWord\n8\t9\tMarkOperator\n9\t14\tMarkWord\n"
                  "word\tanxiety\nword\tnight\n",
                  ""},
        QueryCase{{"analyze", "@acon>2 -@zzz"},
                  "well-formed\n0\t5\tMarkRemedy\n5\t6\tMarkOperator\n6\t7\tMarkGrade\n"
                  "8\t9\tMarkOperator\n9\t13\tMarkUnknownRemedy\nremedy\t0\n",
                  ""},
        QueryCase{{"analyze", "--scope", "mm", "@acon>2"},
                  "well-formed\n0\t5\tMarkRemedy\n5\t6\tMarkNotApplicable\n"
                  "6\t7\tMarkNotApplicable\nremedy\t0\n",
                  ""},
        // Spans count code page 1251 bytes: the Cyrillic synonym is 6 of them.
        QueryCase{{"analyze", "@\xD0\x90\xD0\xBA\xD0\xBE\xD0\xBD\xD0\xB8\xD1\x82"},
                  "well-formed\n0\t7\tMarkRemedy\nremedy\t0\n",
                  ""},
        // Words are looked up only in the sources the query would search.
        QueryCase{{"analyze", "midnight"}, "well-formed\n0\t8\tMarkWord\nword\tmidnight\n", ""},
        QueryCase{{"analyze", "--source", "FIX_REP", "midnight"},
                  "well-formed\n0\t8\tMarkWordNotFound\nword\tmidnight\n",
                  ""}));

INSTANTIATE_TEST_SUITE_P(
    Article, QueryCommands,
    ::testing::Values(
        QueryCase{{"article", "FIX_MM", "ACON."}, "Fear and anxiety, worse at night.\n", ""},
        QueryCase{{"article", kFixtureMmGuid, "-"}, "About this book.\n", ""},
        QueryCase{{"article", "FIX_MM", "ars"},
                  "Anxiety with restlessness after midnight.\n@ars@ link\n",
                  ""},
        QueryCase{
            {"article", "FIX_MM", "nux-v"}, "", "corvela: FIX_MM has no article on nux-v\n", 1},
        QueryCase{{"article", "FIX_MM", "zzz"}, "", "corvela: unknown remedy: zzz\n", 1},
        QueryCase{
            {"article", "FIX_REP", "acon"}, "", "corvela: FIX_REP is not a materia medica\n", 1},
        QueryCase{{"article", "NOPE", "acon"}, "", "corvela: no data source named NOPE\n", 1},
        QueryCase{{"article", "--rtf", "FIX_MM", "acon"},
                  "",
                  "corvela: the article on acon in FIX_MM has no rich text\n",
                  1}));

// An all-zero identifier in a query means every source: a source carrying it
// cannot be searched alone.
TEST_F(ToolFixture, SearchRefusesASourceWithTheAllZeroIdentifier) {
    CompileBoth();
    ASSERT_EQ(CompileMm("zero",
                        "@id 00000000-0000-0000-0000-000000000000\n@name Z\n"
                        "@article |\nanxiety\n")
                  .status,
              0);
    const ToolRun run = Tool({"search", "--source", "Z", "anxiety"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err,
              "corvela: Z has an all-zero identifier, which stands for every source in a "
              "query\n");
}

TEST_F(ToolFixture, AnalyzeCutsALongQueryAt255BytesAndSaysSo) {
    CompileBoth();
    const ToolRun run = Tool({"analyze", std::string(300, 'a')});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err,
              "corvela: warning: the query is 300 bytes long in code page 1251; only its first "
              "255 are used\n");
    EXPECT_EQ(run.out,
              "well-formed\n0\t255\tMarkWordNotFound\nword\t" + std::string(255, 'a') + "\n");
}

TEST_F(ToolFixture, AnalyzeOfASyntaxErrorListsNoTerms) {
    CompileBoth();
    const ToolRun run = Tool({"analyze", "anxiety @"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("ill-formed\n", 0), 0u) << run.out;
    EXPECT_EQ(run.out.find("word\t"), std::string::npos) << run.out;
}

}  // namespace
