#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>

#include "plumbing/rtf/rtf.h"
#include "record_templates.h"
#include "rtf_test_support.h"

namespace {

RunDescription Styled(std::string text, int halfPoints = 20, std::string colour = "auto") {
    RunDescription run;
    run.text = std::move(text);
    run.family = "Arial";
    run.halfPoints = halfPoints;
    run.colour = std::move(colour);
    return run;
}

const std::string kArialHeader = "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}\\pard\\f0\\fs20 ";

}  // namespace

TEST(RtfReader, EpisodeTemplateGivesOneArialBlock) {
    const auto blocks = DescribeRtf(EpisodeTemplate("Type your text here"));
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].runs, std::vector<RunDescription>{Styled("Type your text here")});
}

TEST(RtfReader, PrescriptionTemplateIgnoresLineFeedsBetweenGroups) {
    const auto blocks = DescribeRtf(PrescriptionTemplate("No prescription"));
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].runs, std::vector<RunDescription>{Styled("No prescription")});
}

TEST(RtfReader, CardTemplateHasOneBlockPerFieldWithGreyLabels) {
    const auto blocks = DescribeRtf(CardTemplate());
    ASSERT_EQ(blocks.size(), 11u);  // ten fields and the closing empty paragraph
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(blocks[i].text, kCardLabels[i] + ":" + kCardPlaceholders[i]);
        ASSERT_EQ(blocks[i].runs.size(), 2u) << i;
        EXPECT_EQ(blocks[i].runs[0], Styled(kCardLabels[i], 20, "#808080"));
        EXPECT_EQ(blocks[i].runs[1], Styled(":" + kCardPlaceholders[i]));
    }
    EXPECT_EQ(blocks[10].text, "");
}

TEST(RtfReader, CardPanesKeepLineIndexEqualToFieldIndex) {
    std::vector<std::string> values = kCardPlaceholders;
    values.push_back("");  // #DESCRIPTION# is replaced by nothing
    const auto texts = BlockTexts(CardValuesPane(values));
    ASSERT_EQ(texts.size(), 12u);
    for (std::size_t i = 0; i < 10; ++i) EXPECT_EQ(texts[i], kCardPlaceholders[i]);
    EXPECT_EQ(texts[10], "");
    EXPECT_EQ(texts[11], "");

    const auto labels = BlockTexts(CardLabelsPane());
    ASSERT_EQ(labels.size(), 12u);
    EXPECT_EQ(labels[0], "Name:");
    EXPECT_EQ(labels[10], "Other:");
    EXPECT_EQ(labels[11], "");
}

TEST(RtfReader, ParagraphStructure) {
    struct Case {
        const char* body;
        std::vector<std::string> blocks;
    };
    const Case cases[] = {
        {"A\\par B\\par", {"A", "B"}},
        {"A\\par B", {"A", "B"}},
        {"\\par", {""}},
        {"\\par\\par", {"", ""}},
        {"A\\par\\par", {"A", ""}},
        {"A\\line B\\tab C\\par", {"A\u2028B\tC"}},
        {"A\\\nB", {"A", "B"}},  // backslash + line feed is a paragraph mark
        {"", {""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BlockTexts(kArialHeader + c.body + "}"), c.blocks) << c.body;
    }
}

TEST(RtfReader, CharacterFormattingAndGroups) {
    const std::string rtf =
        "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New Roman;}}"
        "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\\pard\\f0\\fs20 "
        "n\\b b\\b0 n\\i i\\i0 n\\ul u\\ulnone n\\ul u\\ul0 n{\\b\\cf2 g}n\\f1\\fs28 t\\plain p"
        "\\cf1 r\\cf0 a\\strike s\\strike0\\par}";
    const auto blocks = DescribeRtf(rtf);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].text, "nbninunungntpras");
    auto expect = [](std::string text, auto tweak) {
        RunDescription run = Styled(std::move(text));
        tweak(run);
        return run;
    };
    auto none = [](RunDescription&) {};
    const std::vector<RunDescription> want = {
        expect("n", none),
        expect("b", [](RunDescription& r) { r.bold = true; }),
        expect("n", none),
        expect("i", [](RunDescription& r) { r.italic = true; }),
        expect("n", none),
        expect("u", [](RunDescription& r) { r.underline = true; }),
        expect("n", none),
        expect("u", [](RunDescription& r) { r.underline = true; }),
        expect("n", none),
        expect("g",
               [](RunDescription& r) {
                   r.bold = true;
                   r.colour = "#0000ff";
               }),
        expect("n", none),
        expect("t",
               [](RunDescription& r) {
                   r.family = "Times New Roman";
                   r.halfPoints = 28;
               }),
        // \plain: the default font (\deff0) at the default size of 12 points
        expect("p", [](RunDescription& r) { r.halfPoints = 24; }),
        expect("r",
               [](RunDescription& r) {
                   r.halfPoints = 24;
                   r.colour = "#ff0000";
               }),
        expect("a", [](RunDescription& r) { r.halfPoints = 24; }),
        expect("s",
               [](RunDescription& r) {
                   r.halfPoints = 24;
                   r.strike = true;
               }),
    };
    EXPECT_EQ(blocks[0].runs, want);
}

TEST(RtfReader, CodePagesOfHexEscapesAndRawBytes) {
    struct Case {
        std::string rtf;
        std::string text;  // UTF-8
    };
    const Case cases[] = {
        {kArialHeader + "\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2 \\'a8\\'b8\\'b9}", "Привет Ёё№"},
        {kArialHeader + "\xcf\xf0\xe8\xe2\xe5\xf2}", "Привет"},  // raw bytes of a filled template
        {"{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}}\\f0 caf\\'e9 \\'80}", "café €"},
        // A Cyrillic font carries code page 1251 inside a 1252 document; an
        // ANSI font carries 1252 inside the default 1251.
        {"{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial;}}"
         "\\f0\\'e9\\f1\\'e9}",
         "éй"},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1 Arial;}}\\f0\\'e9\\f1\\'e9}", "éй"},
        {"{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil\\'c0\\'f0\\'e8\\'e0\\'eb;}}\\f0 x}", "x"},
    };
    for (const Case& c : cases) {
        const auto blocks = DescribeRtf(c.rtf);
        ASSERT_EQ(blocks.size(), 1u) << c.rtf;
        EXPECT_EQ(blocks[0].text, c.text) << c.rtf;
    }
    EXPECT_EQ(DescribeRtf(cases[5].rtf)[0].runs[0].family, "Ариал");
}

TEST(RtfReader, UnicodeEscapesSkipTheirFallback) {
    struct Case {
        const char* body;
        const char* text;
    };
    const Case cases[] = {
        {"\\u26085?\\u26412?", "日本"},
        {"\\u-10179?\\u-8704?", "😀"},      // a surrogate pair in signed form
        {"\\uc2\\u257\\'61\\'62c", "āc"},  // two fallback bytes
        {"\\uc0\\u257 a", "āa"},
        {"\\u257\\'e0b", "āb"},   // a hex escape is one fallback character
        {"{\\u257}x", "āx"},      // a group end stops the skipping
        {"\\u 1 \\u0?x", "1 x"},  // no parameter, and a NUL code unit
    };
    for (const Case& c : cases) {
        const auto blocks = DescribeRtf(kArialHeader + c.body + "}");
        ASSERT_EQ(blocks.size(), 1u);
        EXPECT_EQ(blocks[0].text, c.text) << c.body;
    }
}

TEST(RtfReader, SkipsDestinationsItCannotShow) {
    const std::string rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss{\\*\\panose 020b0604}Arial;}}"
        "{\\*\\generator Riched20 10.0;}{\\stylesheet{\\s0 Normal;}}{\\info{\\title Secret}}"
        "\\viewkind4\\uc1\\pard\\f0\\fs20 A{\\pict\\wmetafile8 0102}{\\*\\unknown B}"
        "{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt C}}\\bin3 {}}D\\par}";
    const auto blocks = DescribeRtf(rtf);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].text, "ACD");
    EXPECT_EQ(blocks[0].runs[0].family, "Arial");
}

TEST(RtfReader, SpecialCharactersAndEscapedBraces) {
    EXPECT_EQ(BlockTexts(kArialHeader + "\\\\ \\{x\\} a\\~b\\emdash\\endash\\bullet"
                                        "\\lquote\\rquote\\ldblquote\\rdblquote}"),
              std::vector<std::string>{"\\ {x} a\u00a0b—–•‘’“”"});
}

TEST(RtfReader, AlignmentBelongsToTheParagraphItEnds) {
    const auto blocks = DescribeRtf(kArialHeader + "\\qc A\\par\\pard B\\par\\qr C}");
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(blocks[0].alignment, int(Qt::AlignHCenter));
    EXPECT_EQ(blocks[1].alignment, int(Qt::AlignLeft));
    EXPECT_EQ(blocks[2].alignment, int(Qt::AlignRight));
}

// The writer cannot keep control characters, so the reader never lets one into
// the document: a saved text then reads back as it was shown.
TEST(RtfReader, ControlCharactersAreNotText) {
    EXPECT_EQ(BlockTexts(kArialHeader + "a\x13"
                                        "b\\'01c\\u7?d\\u127?e\\u65532?f\\tab g}"),
              std::vector<std::string>{"abcdef\tg"});
}

TEST(RtfReader, NonRtfLoadsAsPlainLines) {
    EXPECT_EQ(BlockTexts("first\r\nsecond\n\xcf\xf0\xe8"),
              (std::vector<std::string>{"first", "second", "При"}));
}

TEST(RtfReader, LoadResetsModifiedFlagAndUndoHistory) {
    QTextDocument document;
    document.setPlainText("old");
    document.setModified(true);
    rtf::Load(document, EpisodeTemplate("new"));
    EXPECT_FALSE(document.isModified());
    EXPECT_FALSE(document.isUndoAvailable());
    EXPECT_TRUE(document.isUndoRedoEnabled());
    EXPECT_EQ(document.toPlainText(), "new");
}

TEST(RtfReader, MalformedInputNeverFails) {
    struct Case {
        std::string rtf;
        std::vector<std::string> blocks;
    };
    const Case cases[] = {
        {kArialHeader + "open group {\\b never closed", {"open group never closed"}},
        {kArialHeader + "a}}}} after the end", {"a"}},
        {"{\\rtf1 a}{\\rtf1 b}", {"a"}},
        {kArialHeader + "truncated \\'", {"truncated "}},
        {kArialHeader + "half \\'4!", {"half !"}},
        {kArialHeader + "bad \\'zz!", {"bad zz!"}},
        {kArialHeader + "\\cf99 colour\\f42 font\\uc99999999999 u\\u1000000 z",
         {"colourfontu\uFFFD"}},
        {kArialHeader + "\\bin99999999999 lost", {""}},
        {kArialHeader + "end\\", {"end"}},
        {"{\\rtf", {""}},
        {"{\\rtf1{\\fonttbl{\\f0 Arial", {""}},
        {"{\\rtf1{\\colortbl;\\red300\\green-4\\blue;}\\cf1 c}", {"c"}},
        {"{\\rtf1{\\colortbl;\\red0\\green128\\blue0}\\cf1 g}", {"g"}},
    };
    for (const Case& c : cases) EXPECT_EQ(BlockTexts(c.rtf), c.blocks) << c.rtf;

    // An absurd size is clamped to 1638 points, a negative one falls back to 12.
    const auto runs = DescribeRtf(kArialHeader + "\\fs99999999999999999 huge\\fs-5 neg}")[0].runs;
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].halfPoints, 3276);
    EXPECT_EQ(runs[1].halfPoints, 24);
    EXPECT_EQ(DescribeRtf(cases[11].rtf)[0].runs[0].colour, "#ff0000");
    EXPECT_EQ(DescribeRtf(cases[12].rtf)[0].runs[0].colour, "#008000");  // no closing ';'
}

TEST(RtfReader, DeepNestingKeepsTheTextAndTheStructure) {
    const int depth = 100000;
    std::string rtf = kArialHeader + std::string(depth, '{') + "\\b deep" +
                      std::string(depth, '}') + " flat\\par}";
    const auto blocks = DescribeRtf(rtf);
    ASSERT_EQ(blocks.size(), 1u);
    EXPECT_EQ(blocks[0].text, "deep flat");
    ASSERT_EQ(blocks[0].runs.size(), 2u);
    EXPECT_TRUE(blocks[0].runs[0].bold);
    EXPECT_FALSE(blocks[0].runs[1].bold);  // every brace was matched
}

TEST(RtfReader, RandomBytesNeverCrash) {
    // Fragments of real RTF shuffled with noise; every result must load.
    const char* pieces[] = {"{",      "}",   "\\",     "\\'",       "\\'e",       "\\u", "\\u-",
                            "\\uc",   "\\b", "\\par",  "\\fonttbl", "\\colortbl", "\\*", ";",
                            "\\red9", "\\f", "\\fs",   "\\bin",     "5",          "-",   " ",
                            "\xe0",   "\n",  "\\line", "\\plain",   "x"};
    unsigned state = 12345;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return state >> 16;
    };
    for (int round = 0; round < 2000; ++round) {
        std::string rtf = "{\\rtf1";
        const unsigned length = next() % 60;
        for (unsigned i = 0; i < length; ++i) rtf += pieces[next() % std::size(pieces)];
        QTextDocument document;
        rtf::Load(document, rtf);
        EXPECT_GE(document.blockCount(), 1);
        (void)rtf::ToPlainText(rtf);
        (void)rtf::Save(document);
    }
}
