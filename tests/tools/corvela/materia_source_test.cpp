#include "materia_source.h"

#include <gtest/gtest.h>

#include <string>

namespace corvela_sources {
namespace {

constexpr const char* kHeader = "@id 4D8EA1C0-5A22-4514-9C79-03EEA3438E66\n";

MateriaMedicaSource ParseOk(const std::string& text) {
    MateriaMedicaSource source;
    SourceError error;
    EXPECT_TRUE(ParseMateriaMedicaSource(text, "mm.mms", &source, &error)) << error.ToString();
    return source;
}

std::string ErrorOf(const std::string& text) {
    MateriaMedicaSource source;
    SourceError error;
    EXPECT_FALSE(ParseMateriaMedicaSource(text, "mm.mms", &source, &error)) << text;
    return error.ToString();
}

TEST(MateriaMedicaSource, ReadsHeaderAndArticles) {
    const MateriaMedicaSource source = ParseOk(
        "# demo\n"
        "@id 4d8ea1c0-5a22-4514-9c79-03eea3438e66\n"
        "@name MM_DEMO\n"
        "@text3 Demo author\n"
        "@flags 0x40\n"
        "\n"
        "@article |\n"
        "Introduction: how to read this book.\n"
        "@article  acon |  Aconitum napellus  \n"
        "\n"
        "Great fear and anxiety of mind, worse at night.\n"
        "\n"
        "Sudden onset.\n"
        "\n"
        "\n"
        "@article ars | Arsenicum album\n"
        "Great anguish and restlessness.\n"
        "@rtf\n"
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 Great \\b anguish\\b0  and\n"
        "restlessness.\\par}\n"
        "\n");
    EXPECT_EQ(source.header.id, "4D8EA1C0-5A22-4514-9C79-03EEA3438E66");
    EXPECT_EQ(source.header.texts[2], "Demo author");
    EXPECT_EQ(source.header.flags, 0x40u);
    ASSERT_EQ(source.articles.size(), 3u);
    EXPECT_EQ(source.articles[0].name, "");
    EXPECT_EQ(source.articles[0].title, "");
    EXPECT_EQ(source.articles[0].text, "Introduction: how to read this book.");
    EXPECT_FALSE(source.articles[0].hasRtf);
    EXPECT_EQ(source.articles[1].line, 9);
    EXPECT_EQ(source.articles[1].name, "acon");
    EXPECT_EQ(source.articles[1].title, "Aconitum napellus");
    EXPECT_EQ(source.articles[1].text,
              "Great fear and anxiety of mind, worse at night.\n\nSudden onset.");
    EXPECT_TRUE(source.articles[2].hasRtf);
    EXPECT_EQ(source.articles[2].text, "Great anguish and restlessness.");
    EXPECT_EQ(source.articles[2].rtf,
              "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 Great \\b anguish\\b0  and\n"
              "restlessness.\\par}");
}

TEST(MateriaMedicaSource, RtfOnlyArticleGetsPlainTextFromRtf) {
    const MateriaMedicaSource source = ParseOk(
        std::string(kHeader) +
        "@article ars | Arsenicum album\n"
        "\n"
        "@rtf\n"
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs20 Great \\b anguish\\b0  and "
        "restlessness.\\par Worse after midnight.\\par}\n");
    ASSERT_EQ(source.articles.size(), 1u);
    EXPECT_EQ(source.articles[0].text, "Great anguish and restlessness.\nWorse after midnight.");
}

// Article texts are zero-terminated: a zero byte spelt in an RTF-only
// article's rich text (or any other control character) never reaches the
// plain text derived from it, in the last article as in any other.
TEST(MateriaMedicaSource, RtfOnlyArticleDropsControlCharacters) {
    const MateriaMedicaSource source = ParseOk(std::string(kHeader) +
                                               "@article |\n@rtf\n{\\rtf1 a\\'00b\\'07c\\u0?d}\n"
                                               "@article |\nx\n"
                                               "@article |\n@rtf\n{\\rtf1 \\'00e}\n");
    ASSERT_EQ(source.articles.size(), 3u);
    EXPECT_EQ(source.articles[0].text, "abcd");
    EXPECT_EQ(source.articles[2].text, "e");
}

TEST(MateriaMedicaSource, BodyLinesKeepHashesAndUnescapeDoubleAt) {
    const MateriaMedicaSource source = ParseOk(std::string(kHeader) +
                                               "@article bell | Belladonna\n"
                                               "# not a comment here\n"
                                               "@@article is only text\n"
                                               "@@@@ two at signs\n"
                                               "@see@bell@ stays as written\n"
                                               "@articles is not a keyword\n"
                                               "@rtf\n"
                                               "@@rtf inside the rich text\n");
    ASSERT_EQ(source.articles.size(), 1u);
    EXPECT_EQ(source.articles[0].text,
              "# not a comment here\n@article is only text\n@@@ two at signs\n"
              "@see@bell@ stays as written\n@articles is not a keyword");
    EXPECT_EQ(source.articles[0].rtf, "@rtf inside the rich text");
}

TEST(MateriaMedicaSource, ArticleLineForms) {
    const MateriaMedicaSource source = ParseOk(std::string(kHeader) +
                                               "@article\n"
                                               "@article nux-v\n"
                                               "@article | Pulsatilla\n"
                                               "@article\tsep|Sepia|x\n");
    ASSERT_EQ(source.articles.size(), 4u);
    EXPECT_EQ(source.articles[0].name, "");
    EXPECT_EQ(source.articles[0].title, "");
    EXPECT_EQ(source.articles[1].name, "nux-v");
    EXPECT_EQ(source.articles[1].title, "");
    EXPECT_EQ(source.articles[2].name, "");
    EXPECT_EQ(source.articles[2].title, "Pulsatilla");
    EXPECT_EQ(source.articles[3].name, "sep");
    EXPECT_EQ(source.articles[3].title, "Sepia|x");
    EXPECT_EQ(source.articles[3].text, "");
}

TEST(MateriaMedicaSource, CrLfAndDefaultFlags) {
    const MateriaMedicaSource source = ParseOk(
        "@id 4D8EA1C0-5A22-4514-9C79-03EEA3438E66\r\n@article |\r\nline one\r\n\r\nline two\r\n");
    EXPECT_FALSE(source.header.hasFlags);
    EXPECT_EQ(source.header.FlagsOr(kPlainMateriaMedicaFlags), 0x40u);
    EXPECT_EQ(source.articles.at(0).text, "line one\n\nline two");
}

TEST(MateriaMedicaSource, NoArticlesIsNotAnError) {
    EXPECT_TRUE(ParseOk(std::string(kHeader) + "# nothing yet\n").articles.empty());
}

TEST(MateriaMedicaSource, Errors) {
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "Loose text\n@article |\n"),
              "mm.mms:2: text before the first @article");
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "@rtf\n"), "mm.mms:2: @rtf before the first @article");
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "@author x\n@article |\n"),
              "mm.mms:2: unknown header keyword");
    EXPECT_EQ(ErrorOf("@name x\n@article |\n"), "mm.mms:2: missing @id header line");
    EXPECT_EQ(ErrorOf("@name x\n"), "mm.mms:1: missing @id header line");
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "@article |\n@rtf\n{\\rtf1 a}\n@rtf\n"),
              "mm.mms:5: a second @rtf in one article");
    EXPECT_EQ(ErrorOf(std::string(kHeader) + "@article |\nok\n\xE2\x82\xB9 rupee\n"),
              "mm.mms:4: character U+20B9 has no code page 1251 form");
}

}  // namespace
}  // namespace corvela_sources
