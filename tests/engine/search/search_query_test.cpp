// Running queries over the fixture repertory: which rubrics each query finds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "search_fixture.h"

using namespace search_test;

namespace {

struct RunCase {
    std::string query;
    std::vector<std::uint32_t> rubrics;  // pre-order numbers, see kFixtureTree
};

void PrintTo(const RunCase& c, std::ostream* out) {
    *out << '"' << c.query << '"';
}

class RunTable : public SearchHome, public ::testing::WithParamInterface<RunCase> {};

TEST_P(RunTable, Hits) {
    EXPECT_EQ(HitNumbers(MakeQuery(1, GetParam().query)), GetParam().rubrics);
}

using N = std::vector<std::uint32_t>;

INSTANTIATE_TEST_SUITE_P(
    Queries, RunTable,
    ::testing::Values(
        RunCase{"", {}},
        // The root's word is inherited by every rubric.
        RunCase{"root", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}},
        // Substrings: "head" is in "forehead" and "head-ache" gave "head" too.
        RunCase{"head", {1, 2, 3, 4, 5, 6, 12}}, RunCase{"ea", {1, 2, 3, 4, 5, 6, 12}},
        // The child inherits its parent's word; the parent lacks the child's.
        RunCase{"head pain", {2, 3, 4}}, RunCase{"anxiety", {8, 9, 10, 11}},
        RunCase{"anxiety night", {10}}, RunCase{"anxiety evening amel", {9}},
        RunCase{"anxiety -morning", {8, 9, 10}}, RunCase{"anxiety -morning -evening", {8, 10}},
        RunCase{"anxiety ?night", {8, 9, 10, 11}}, RunCase{"-morning", {}}, RunCase{"?pain", {}},
        RunCase{"+pain", {2, 3, 4}}, RunCase{"head 5", {6}}, RunCase{"head,pain", {2, 3, 4}},
        // Upper case runs lower-cased, Cyrillic included.
        RunCase{"HEAD PAIN", {2, 3, 4}}, RunCase{"\xC3\xCE\xCB\xCE\xC2\xC0", {13}},
        // "<" and ">" are words of their own outside a remedy term.
        RunCase{"worse<3am>", {3}}, RunCase{"@lach", {2, 4, 10, 11, 13}},
        RunCase{"@LACH", {2, 4, 10, 11, 13}}, RunCase{"@lach>2", {4, 11, 13}},
        RunCase{"@lach>4", {13}}, RunCase{"@lach>", {2, 4, 10, 11, 13}}, RunCase{"@lach<2", {2}},
        RunCase{"@lach=3", {4, 11}},
        // The remedy's first entry in a rubric decides (Anxiety lists acon 3, then 1).
        RunCase{"@acon=1", {3}}, RunCase{"@acon=3", {8}}, RunCase{"@acon<3", {2, 3}},
        RunCase{"@bell<1", {3}}, RunCase{"@lach -@nux-v", {2, 4, 10, 13}},
        RunCase{"@lach head", {2, 4}}, RunCase{"head -@bell", {1, 4, 6, 12}},
        RunCase{"@lach ?@bell", {2, 4, 10, 11, 13}}, RunCase{"@zzz", {}},
        RunCase{"@zzz pain", {2, 3, 4}},
        // "@nux-v-x": x is excluded and "anxiety" holds an x.
        RunCase{"@nux-v-x", {}}, RunCase{"@nux-v", {11}}, RunCase{"-5", {}},
        // A query with a syntax error runs with the terms before the error.
        RunCase{"pain @", {2, 3, 4}}, RunCase{"-@", {}}, RunCase{"zzz", {}},
        RunCase{"pain zzz", {}}));

}  // namespace
