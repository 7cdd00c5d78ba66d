#include "base/rtf/rtf_text.h"

#include <gtest/gtest.h>

#include "printable.h"

namespace rtf {
namespace {

struct RtfCase {
    const char* rtf;
    const char* text;

    // Names the case in test listings.
    friend void PrintTo(const RtfCase& c, std::ostream* os) { *os << Printable(c.text); }
};

class RtfPlainTextCases : public ::testing::TestWithParam<RtfCase> {};

TEST_P(RtfPlainTextCases, Derive) {
    EXPECT_EQ(Cp1251PlainText(GetParam().rtf), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RtfPlainTextCases,
    ::testing::Values(
        // control words end at a space, which they consume
        RtfCase{"{\\rtf1\\ansi\\f0\\fs20 Great \\b anguish\\b0  and restlessness.\\par}",
                "Great anguish and restlessness."},
        // destination groups go with their content
        RtfCase{"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}{\\f1 "
                "Times;}}{\\colortbl;\\red255\\green0\\blue0;}"
                "{\\stylesheet{\\s0 Normal;}}{\\info{\\author Someone}{\\title T}}Text}",
                "Text"},
        RtfCase{"{\\rtf1{\\*\\generator Writer 1.0;}{\\*\\pn\\pnlvl{\\pntxta .}}Kept}", "Kept"},
        // \par and \line break lines; raw line breaks are not text
        RtfCase{"{\\rtf1 one\\par\ntwo\\line three\r\nfour}", "one\ntwo\nthreefour"},
        // blank lines at start and end dropped, inside kept
        RtfCase{"{\\rtf1\\par\\par first\\par\\par second\\par\\par}", "first\n\nsecond"},
        // control symbols
        RtfCase{"{\\rtf1 a\\{b\\}c\\\\d\\~e\\-f\\_g}", "a{b}c\\d ef-g"},
        // \'hh gives the byte as it stands (code page 1251)
        RtfCase{"{\\rtf1\\ansicpg1251 \\'d1\\'f2\\'f0\\'e0\\'f5}", "\xD1\xF2\xF0\xE0\xF5"},
        // \uN and its fallback character
        RtfCase{"{\\rtf1\\uc1 \\u1046?\\u8212-x\\u9731?}", "\xC6\x97x?"},
        RtfCase{"{\\rtf1\\uc2 \\u1046\\'3f\\'3fy}", "\xC6y"},
        // named characters, tabs and negative parameters
        RtfCase{"{\\rtf1\\fi-360 a\\tab b\\emdash c\\ldblquote d\\rdblquote}",
                "a\tb\x97"
                "c\x93"
                "d\x94"},
        // control characters are not text, however they are written
        RtfCase{"{\\rtf1 a\\'00b\\'07c\\u31?d\x01" "e\\u127?f}", "abcdef"},
        // unbalanced braces and a trailing backslash do no harm
        RtfCase{"{\\rtf1 text}}}more\\", "textmore"}, RtfCase{"", ""}));

// The editors' plain text of a text that is not RTF is what their document
// shows: line breaks of any kind as LF, control characters dropped, and
// non-breaking spaces as spaces (the document itself keeps them).
TEST(RtfPlainText, NonRtfSourceAsTheDocumentShowsIt) {
    using namespace std::literals;
    const std::string_view source = "a\xA0" "b\r\nc\rd\x13\x7F\te\0f"sv;
    EXPECT_EQ(PlainSourceText(source), u"a\u00A0b\nc\nd\tef");
    EXPECT_EQ(PlainText(source), u"a b\nc\nd\tef");
}

}  // namespace
}  // namespace rtf
