// Lookups and the braces markup of LocalizeString.
#include <gtest/gtest.h>

#include "language_fixture.h"
#include "model/lang/language.h"
#include "model/lang/language_data.h"
#include "scratch_dir.h"

namespace {

class LocalizeString : public ::testing::Test {
protected:
    void SetUp() override {
        ScratchDir dir;
        dir.Write("russian.lng", RussianLanguageFile());
        ASSERT_TRUE(m_language.LoadFile(dir.File("russian.lng")));
    }
    std::string Whole(const char* text) { return m_language.LocalizeString(text, 1); }
    std::string Marked(const char* text) { return m_language.LocalizeString(text, 0); }
    const CLanguage::CLanguageData::CLauguageItem& Last() {
        return m_language.GetData().GetDictionary().back();
    }

    CLanguage m_language;
};

TEST_F(LocalizeString, TranslatesWholePhrases) {
    EXPECT_EQ(Whole("Note"), "\xC7\xE0\xEC\xE5\xF2\xEA\xE0");
    EXPECT_EQ(Whole("Analysis"), "Analysis");  // locked: the original
    EXPECT_EQ(Whole("Gone"), "");              // unlocked, empty translation
    EXPECT_EQ(Whole(""), "");
    EXPECT_EQ(Whole(nullptr), "");
}

TEST_F(LocalizeString, UnknownPhraseComesBackAndBecomesALockedEntry) {
    const std::size_t before = m_language.GetData().GetDictionary().size();
    EXPECT_EQ(Whole("Unknown Symptom"), "Unknown Symptom");
    ASSERT_EQ(m_language.GetData().GetDictionary().size(), before + 1);
    EXPECT_EQ(Last().GetOriginal(), "Unknown Symptom");
    EXPECT_EQ(Last().GetTranslated(), "");
    EXPECT_EQ(Last().GetLocked(), 1);
    EXPECT_EQ(Whole("Unknown Symptom"), "Unknown Symptom");
    EXPECT_EQ(m_language.GetData().GetDictionary().size(), before + 1);  // added once
}

TEST_F(LocalizeString, PhrasesWithTheSameKeyAreNotConfused) {
    EXPECT_EQ(Whole("plumless"), "P");
    EXPECT_EQ(Whole("buckeroo"), "buckeroo");  // same CRC-32, another phrase
}

TEST_F(LocalizeString, TranslatesTheSegmentsInBraces) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"{Add to:} %s (%d {rubrics})", "Dobavit v: %s (%d rubriki)"},
        {"\\{literal\\} {word}", "{literal} slovo"},
        {"abc {def", "abc def"},
        {"{word", "word"},
        {"no braces", "no braces"},
        {"{}", ""},
        {"{Gone}!", "!"},
        {"a \\ b \\n", "a \\ b \\n"},  // other backslashes stay
        {"{wo\\}rd} x", "wo}rd x"},    // an escaped brace does not close
        {"{word}{word}", "slovoslovo"},
    };
    for (const Case& c : cases) EXPECT_EQ(Marked(c.text), c.expected) << c.text;
}

TEST_F(LocalizeString, WholeTranslationIsScannedForBracesToo) {
    EXPECT_EQ(Whole("braces"), "slovo and {x}");
}

TEST_F(LocalizeString, SameTextGivesTheSamePointer) {
    const char* first = m_language.LocalizeString("Note", 1);
    std::string copy = "Note";
    EXPECT_EQ(m_language.LocalizeString(copy.c_str(), 1), first);
    EXPECT_NE(m_language.LocalizeString("Note", 0), first);  // "Note" itself
    // Different source texts with the same result share the pooled copy.
    EXPECT_EQ(m_language.LocalizeString("{Note}", 0), first);
}

TEST(LocalizeStringCodePage, TextThatDoesNotConvertComesBackUnchanged) {
    ScratchDir dir;
    dir.Write("utf8.lng", "Language\r\n{\r\n    CodePage_ \"65001\"\r\n}\r\n");
    CLanguage language;
    ASSERT_TRUE(language.LoadFile(dir.File("utf8.lng")));
    EXPECT_STREQ(language.LocalizeString("bad \xFF byte", 1), "bad \xFF byte");
    EXPECT_STREQ(language.LocalizeString("\xD0\x96", 1), "\xD0\x96");
}

}  // namespace
