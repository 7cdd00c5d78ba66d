#include "repertory_source.h"

#include <gtest/gtest.h>

#include <string>

#include "printable.h"

namespace corvela_sources {
namespace {

constexpr const char* kHeader = "@id 44f01c90-0055-4cd8-981e-b131f40dfea2\n";

// The parse of text, or the error "FILE:LINE: message" in *error.
bool Parse(const std::string& text, RepertorySource* out, std::string* error) {
    SourceError e;
    if (ParseRepertorySource(text, "demo.rps", out, &e)) return true;
    *error = e.ToString();
    return false;
}

std::string ErrorOf(const std::string& text) {
    RepertorySource source;
    std::string error;
    EXPECT_FALSE(Parse(text, &source, &error)) << text;
    return error;
}

TEST(RepertorySource, ReadsHeaderTreeAndRemedies) {
    const std::string text =
        "# a demo\n"
        "\n"
        "@id 44f01c90-0055-4cd8-981e-b131f40dfea2\n"
        "# between header lines\n"
        "@name REP_DEMO\n"
        "@text2 Demo Repertory\n"
        "@text5 five words of text\n"
        "@flags 0x1F\n"
        "\n"
        "rep_demo\n"
        "\tMind\n"
        "\t\tAnxiety   \tacon:3  ars.:3 calc:2 \n"
        "\n"
        "\t\t\tnight\tARS:3\n"
        "\t\tFear\t\n"
        "\tHead\n";
    RepertorySource source;
    std::string error;
    ASSERT_TRUE(Parse(text, &source, &error)) << error;
    EXPECT_EQ(source.header.id, "44F01C90-0055-4CD8-981E-B131F40DFEA2");
    EXPECT_EQ(source.header.texts[0], "REP_DEMO");
    EXPECT_EQ(source.header.texts[1], "Demo Repertory");
    EXPECT_EQ(source.header.texts[2], "");
    EXPECT_EQ(source.header.texts[4], "five words of text");
    EXPECT_TRUE(source.header.hasFlags);
    EXPECT_EQ(source.header.flags, 0x1Fu);

    ASSERT_EQ(source.rubrics.size(), 6u);
    const int depths[] = {0, 1, 2, 3, 2, 1};
    const char* texts[] = {"rep_demo", "Mind", "Anxiety", "night", "Fear", "Head"};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(source.rubrics[i].depth, depths[i]) << i;
        EXPECT_EQ(source.rubrics[i].text, texts[i]) << i;
    }
    EXPECT_EQ(source.rubrics[2].line, 12);
    const auto& anxiety = source.rubrics[2].remedies;
    ASSERT_EQ(anxiety.size(), 3u);
    EXPECT_EQ(anxiety[0].name, "acon");
    EXPECT_EQ(anxiety[0].grade, 3);
    EXPECT_EQ(anxiety[1].name, "ars.");  // the stop is the compiler's business
    EXPECT_EQ(anxiety[2].grade, 2);
    EXPECT_EQ(source.rubrics[3].remedies[0].name, "ARS");
    EXPECT_TRUE(source.rubrics[4].remedies.empty());
}

TEST(RepertorySource, CrLfLineEndsAndByteOrderMark) {
    const std::string text = std::string("\xEF\xBB\xBF") +
                             "@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\r\n"
                             "@name N\r\nroot\r\n\tchild\tacon:1\r\n";
    RepertorySource source;
    std::string error;
    ASSERT_TRUE(Parse(text, &source, &error)) << error;
    EXPECT_EQ(source.header.texts[0], "N");
    ASSERT_EQ(source.rubrics.size(), 2u);
    EXPECT_EQ(source.rubrics[0].text, "root");
    EXPECT_EQ(source.rubrics[1].remedies.at(0).grade, 1);
}

TEST(RepertorySource, CyrillicBecomesCodePage1251) {
    RepertorySource source;
    std::string error;
    ASSERT_TRUE(Parse(std::string(kHeader) + "@name Репертокий\nrep_ru\n\tПсихика\n\t\tСтрах, ёж\n",
                      &source, &error))
        << error;
    EXPECT_EQ(source.header.texts[0], "\xD0\xE5\xEF\xE5\xF0\xF2\xEE\xEA\xE8\xE9");
    EXPECT_EQ(source.rubrics[2].text, "\xD1\xF2\xF0\xE0\xF5, \xB8\xE6");
}

TEST(RepertorySource, HeaderValueIsTakenAfterOneSpace) {
    RepertorySource source;
    std::string error;
    ASSERT_TRUE(
        Parse(std::string(kHeader) + "@name  two  spaces \n@text2\nroot\n", &source, &error));
    EXPECT_EQ(source.header.texts[0], " two  spaces ");
    EXPECT_EQ(source.header.texts[1], "");
    EXPECT_FALSE(source.header.hasFlags);
}

struct ErrorCase {
    const char* text;
    const char* error;

    // Names the case in test listings.
    friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << Printable(c.error); }
};

class RepertorySourceErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(RepertorySourceErrors, NameTheLine) {
    EXPECT_EQ(ErrorOf(GetParam().text), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Header, RepertorySourceErrors,
    ::testing::Values(
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\n@author me\nroot\n",
                  "demo.rps:2: unknown header keyword"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\n@\nroot\n",
                  "demo.rps:2: unknown header keyword"},
        ErrorCase{"@name x\nroot\n", "demo.rps:2: missing @id header line"},
        ErrorCase{"# nothing\n", "demo.rps:1: missing @id header line"},
        ErrorCase{"", "demo.rps:1: missing @id header line"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\n@name a\n@name b\nroot\n",
                  "demo.rps:3: duplicate header keyword @name"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E\nroot\n",
                  "demo.rps:1: invalid identifier (expected 36 characters "
                  "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX)"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEAZ\nroot\n",
                  "demo.rps:1: invalid identifier (expected 36 characters "
                  "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX)"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\n@flags 0x\nroot\n",
                  "demo.rps:2: invalid flags value (decimal or 0x hexadecimal)"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\n@flags 4294967296\nroot\n",
                  "demo.rps:2: invalid flags value (decimal or 0x hexadecimal)"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\n@flags -1\nroot\n",
                  "demo.rps:2: invalid flags value (decimal or 0x hexadecimal)"}));

INSTANTIATE_TEST_SUITE_P(
    Depth, RepertorySourceErrors,
    ::testing::Values(
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\n\troot\n",
                  "demo.rps:2: the root rubric must not be indented"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\n\ta\nother\n",
                  "demo.rps:4: a second root rubric (every rubric after the root is indented by "
                  "TABs)"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\n\ta\n\t\t\tdeep\n",
                  "demo.rps:4: depth 3 after depth 1 (at most one level deeper)"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\n\t\tdeep\n",
                  "demo.rps:3: depth 2 after depth 0 (at most one level deeper)"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\n@name late\n",
                  "demo.rps:3: header line after the first rubric"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\n# not a comment any more\n",
                  "demo.rps:3: a second root rubric (every rubric after the root is indented by "
                  "TABs)"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\n\n# only a header\n",
                  "demo.rps:3: no root rubric"}));

INSTANTIATE_TEST_SUITE_P(
    RemedyList, RepertorySourceErrors,
    ::testing::Values(
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\tacon\n",
                  "demo.rps:2: remedy entry \"acon\" has no grade (NAME:GRADE)"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\t:2\n",
                  "demo.rps:2: remedy entry \":2\" has no name"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\tacon:256\n",
                  "demo.rps:2: remedy entry \"acon:256\" needs a grade from 0 to 255"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\tacon:-1\n",
                  "demo.rps:2: remedy entry \"acon:-1\" needs a grade from 0 to 255"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\tacon:\n",
                  "demo.rps:2: remedy entry \"acon:\" needs a grade from 0 to 255"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\tacon:2x\n",
                  "demo.rps:2: remedy entry \"acon:2x\" needs a grade from 0 to 255"},
        ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\tacon:1\tbell:2\n",
                  "demo.rps:2: TAB inside the remedy list (entries are separated by spaces)"}));

INSTANTIATE_TEST_SUITE_P(
    Encoding, RepertorySourceErrors,
    ::testing::Values(ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\n\tcaf\xC3\xA9\n",
                                "demo.rps:3: character U+00E9 has no code page 1251 form"},
                      ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\n@name "
                                "\xE2\x84\xA2\xE2\x80\xA0\xC2\xBD\nroot\n",
                                "demo.rps:2: character U+00BD has no code page 1251 form"},
                      ErrorCase{"@id 44F01C90-0055-4CD8-981E-B131F40DFEA2\nroot\n\tbad \xC3(\n",
                                "demo.rps:3: invalid UTF-8"}));

// An earlier structural error wins over a later encoding error.
TEST(RepertorySource, ReportsTheFirstErrorInLineOrder) {
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "root\n\t\t\tdeep\n\tcaf\xC3\xA9\n"),
              "demo.rps:3: depth 3 after depth 0 (at most one level deeper)");
}

}  // namespace
}  // namespace corvela_sources
