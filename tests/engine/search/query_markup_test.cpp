// Checking queries for highlighting: token classes, well-formedness, the words
// and remedies to highlight, over the fixture repertory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search_fixture.h"

using namespace search_test;

namespace {

struct MarkupCase {
    int scope;
    std::string query;
    std::string tokens;  // DescribeTokens
    bool wellFormed;
    std::string words;                  // DescribeWords
    std::vector<std::string> remedies;  // names of remedyIds
};

void PrintTo(const MarkupCase& c, std::ostream* out) {
    *out << "scope " << c.scope << " \"" << c.query << '"';
}

class MarkupTable : public SearchHome, public ::testing::WithParamInterface<MarkupCase> {};

TEST_P(MarkupTable, Analyze) {
    const MarkupCase& c = GetParam();
    const SearchQuery query = MakeQuery(c.scope, c.query);
    QueryMarkup markup;
    markup.remedyCount = markup.wordCount = markup.tokenCount = -5;  // must be reset
    const bool wellFormed = CorvelaInstance().AnalyzeQuery(&query, &markup);
    EXPECT_EQ(DescribeTokens(query, markup), c.tokens);
    EXPECT_EQ(wellFormed, c.wellFormed);
    EXPECT_EQ(DescribeWords(markup), c.words);
    std::vector<int> expected;
    for (const std::string& name : c.remedies)
        expected.push_back(static_cast<int>(CorvelaInstance().FindRemedy(name.c_str())->GetId()));
    EXPECT_EQ(std::vector<int>(markup.remedyIds, markup.remedyIds + markup.remedyCount), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, MarkupTable,
    ::testing::Values(
        MarkupCase{1, "", "", true, "", {}},
        MarkupCase{1,
                   "anxiety evening amel",
                   "anxiety/W evening/W amel/W",
                   true,
                   "anxiety|evening|amel",
                   {}},
        // A syntax error stops the parse at the failing token and leaves the lists empty.
        MarkupCase{1, "@", "", false, "", {}}, MarkupCase{1, "-@", "-/O", false, "", {}},
        MarkupCase{1, "pain @ head", "pain/W", false, "", {}},
        MarkupCase{1, "@nux-v-x", "@nux-v/R -/O x/W", true, "x", {"nux-v"}},
        MarkupCase{1, "@lach>2", "@lach/R >/O 2/G", true, "", {"lach"}},
        MarkupCase{1, "@lach>4", "@lach/R >/O 4/I", false, "", {"lach"}},
        MarkupCase{1, "@lach=0", "@lach/R =/O 0/I", false, "", {"lach"}},
        MarkupCase{1, "@lach>", "@lach/R >/O /I", false, "", {"lach"}},
        MarkupCase{1, "@lach>x pain", "@lach/R >/O x/I pain/W", false, "pain", {"lach"}},
        MarkupCase{1, "@ACON <3", "@ACON/R </O 3/G", true, "", {"acon"}},
        // An unknown remedy is dropped; what follows it goes back to the main loop.
        MarkupCase{1, "@zzz>2", "@zzz/U >/W 2/N", true, ">|2", {}},
        MarkupCase{1, "anxiety ?night", "anxiety/W ?/O night/W", true, "anxiety|night", {}},
        MarkupCase{1, "-morning", "-/O morning/W", true, "morning", {}},
        MarkupCase{1, "-5", "-/O 5/I", false, "", {}},
        MarkupCase{1, "- -x", "-/O -/I x/W", false, "x", {}},
        MarkupCase{1, "pain -", "pain/W -/O /I", false, "pain", {}},
        MarkupCase{1, "head 5", "head/W 5/W", true, "head|5", {}},
        MarkupCase{1, "head,pain", "head/W ,/I pain/W", false, "head|pain", {}},
        MarkupCase{1, "head\tpain", "head/W \t/I pain/W", false, "head|pain", {}},
        // Words are checked as typed: the indexes hold lower case only.
        MarkupCase{1, "HEAD pain", "HEAD/N pain/W", true, "HEAD|pain", {}},
        MarkupCase{1,
                   "\xE3\xEE\xEB\xEE\xE2\xE0 \xC3\xCE\xCB\xCE\xC2\xC0",
                   "\xE3\xEE\xEB\xEE\xE2\xE0/W \xC3\xCE\xCB\xCE\xC2\xC0/N",
                   true,
                   "\xE3\xEE\xEB\xEE\xE2\xE0|\xC3\xCE\xCB\xCE\xC2\xC0",
                   {}},
        // Substrings of index words count as found.
        MarkupCase{1, "ead 3am> zzz", "ead/W 3am/W >/W zzz/N", true, "ead|3am|>|zzz", {}},
        MarkupCase{1, "a -b +c ?d", "a/W -/O b/N +/O c/W ?/O d/W", true, "a|c|b|d", {}},
        MarkupCase{1,
                   "@lach -@nux-v ?@bell @acon",
                   "@lach/R -/O @nux-v/R ?/O @bell/R @acon/R",
                   true,
                   "",
                   {"lach", "acon"}},
        // Materia medicas have no grades; with none loaded no word is found.
        MarkupCase{2, "@lach>2 pain", "@lach/R >/X 2/X pain/N", true, "pain", {"lach"}},
        MarkupCase{2, "@lach>4", "@lach/R >/X 4/I", false, "", {"lach"}},
        MarkupCase{2, "@lach -@nux-v", "@lach/R -/O @nux-v/R", true, "", {"lach"}},
        MarkupCase{0, "pain", "pain/W", true, "pain", {}}));

TEST_F(SearchHome, MarkupRecordsTheFirst32Tokens16Words16Remedies) {
    std::string text;
    for (int i = 0; i < 20; ++i) text += "@lach pain ";
    const SearchQuery query = MakeQuery(1, text);
    QueryMarkup markup;
    EXPECT_TRUE(CorvelaInstance().AnalyzeQuery(&query, &markup));
    EXPECT_EQ(markup.tokenCount, 32);
    EXPECT_EQ(markup.wordCount, 16);
    EXPECT_EQ(markup.remedyCount, 16);
    EXPECT_EQ(markup.tokenSpans[31][0], 15 * 11 + 6);  // "pain" of the 16th pair
}

// An invalid token beyond the 32 recorded ones still makes the query ill-formed.
TEST_F(SearchHome, InvalidTokenBeyondTheRecordedOnesIsNotWellFormed) {
    std::string text;
    for (int i = 0; i < 40; ++i) text += "a ";
    QueryMarkup markup;
    SearchQuery query = MakeQuery(1, text + ",");
    EXPECT_FALSE(CorvelaInstance().AnalyzeQuery(&query, &markup));
    query = MakeQuery(1, text);
    EXPECT_TRUE(CorvelaInstance().AnalyzeQuery(&query, &markup));
}

TEST_F(SearchHome, WordsStayValidUntilTheNextCheck) {
    SearchQuery query = MakeQuery(1, "anxiety -morning");
    QueryMarkup first;
    CorvelaInstance().AnalyzeQuery(&query, &first);
    query.text[0] = 'X';  // the caller's text may change; the words are the engine's
    ASSERT_EQ(first.wordCount, 2);
    EXPECT_STREQ(first.words[0], "anxiety");
    EXPECT_STREQ(first.words[1], "morning");
}

}  // namespace
