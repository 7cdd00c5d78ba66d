// The language files the program ships cover every key the program asks for:
// russian.lng translates every key (an English phrase, or a code page 1251
// phrase kept as it stands), english.lng translates every key written in
// code page 1251 letters (the program asks for a few in Russian), and no
// translation loses or adds a placeholder.  The keys are read from the
// sources (text_key_scanner.h), so a window that adds a text and forgets its
// line fails here.  The failure lists the missing keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "model/lang/language.h"
#include "model/lang/language_data.h"
#include "text_key_scanner.h"

using lang_test::BracedParts;
using lang_test::CKeyProblem;
using lang_test::CTextKey;
using lang_test::ScanSource;

namespace {

bool HasLetters1251(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// The placeholders of a format in order ("%s", "%d", ...), "%%" left out.
std::string Placeholders(const std::string& text) {
    std::string found;
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%') continue;
        if (text[i + 1] != '%') found += text.substr(i, 2);
        ++i;
    }
    return found;
}

std::map<std::string, const CLanguage::CLanguageData::CLauguageItem*> Entries(
    const CLanguage& language) {
    std::map<std::string, const CLanguage::CLanguageData::CLauguageItem*> entries;
    for (const auto& item : language.GetData().GetDictionary())
        entries.emplace(item.GetOriginal(), &item);
    return entries;
}

// Code page 1251 text shown readably in a failure message.
std::string Shown(const std::string& text) {
    std::string shown;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            shown += c;
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        }
    }
    return shown;
}

class LanguageCoverage : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        lang_test::ScanFolder(MERIDANE_APP_SOURCE_DIR, &s_keys, &s_problems);
        ASSERT_TRUE(s_russian.LoadFile(MERIDANE_DEMO_DIR "/russian.lng"));
        ASSERT_TRUE(s_english.LoadFile(MERIDANE_DEMO_DIR "/english.lng"));
    }
    static std::vector<CTextKey> s_keys;
    static std::vector<CKeyProblem> s_problems;
    static CLanguage s_russian;
    static CLanguage s_english;
};

std::vector<CTextKey> LanguageCoverage::s_keys;
std::vector<CKeyProblem> LanguageCoverage::s_problems;
CLanguage LanguageCoverage::s_russian;
CLanguage LanguageCoverage::s_english;

}  // namespace

TEST(TextKeyScanner, FindsTheKeysOfEveryKindOfCallSite) {
    const std::string source =
        "// Localize(\"In a comment\", 1)\n"
        "auto a = Localize(\"Search\", 1);\n"
        "auto b = views::Localized(\"Save\");\n"
        "auto c = Localize(\"{Add to:} %s (%d {rubrics})\", 0);\n"
        "constexpr Text kTable[] = {{TextKey(\"Open...\"), TextKey(\"{Weight:} %d\")}};\n"
        "auto d = Localized(\"two \"\n   \"lines\");\n"
        "auto e = Localize(\"\\xC4\\xEE\", 1);\n"
        "const char* Localize(const char* text, int whole);\n"
        "auto f = Localize(text, 1);\n"
        "auto g = Localize(\"\xD0\x94\", 1);\n"
        "auto h = Localize(\"fmt\", whole);\n";
    std::vector<CTextKey> keys;
    std::vector<CKeyProblem> problems;
    ScanSource(source, "a.cpp", &keys, &problems);
    std::vector<std::string> found;
    for (const CTextKey& key : keys) found.push_back(key.key);
    const std::vector<std::string> expected = {"Search",  "Save",    "Add to:",   "rubrics",
                                               "Open...", "Weight:", "two lines", "\xC4\xEE"};
    EXPECT_EQ(found, expected);
    EXPECT_EQ(keys[1].location, "a.cpp:3");
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].location, "a.cpp:11");  // raw UTF-8 bytes
    EXPECT_EQ(problems[1].location, "a.cpp:12");  // whole not a literal
}

TEST(TextKeyScanner, BracedPartsFollowTheMarkup) {
    EXPECT_EQ(BracedParts("{Autor: }%s\\n{Name: }%s"),
              (std::vector<std::string>{"Autor: ", "Name: "}));
    EXPECT_EQ(BracedParts("\\{literal\\} {word}"), (std::vector<std::string>{"word"}));
    EXPECT_TRUE(BracedParts("abc {def").empty());
}

TEST_F(LanguageCoverage, TheSourcesAskForKeysInTheKnownWays) {
    std::string listed;
    for (const CKeyProblem& problem : s_problems)
        listed += problem.location + ": " + problem.what + "\n";
    EXPECT_TRUE(s_problems.empty()) << listed;
    EXPECT_GT(s_keys.size(), 50u);
}

TEST_F(LanguageCoverage, RussianTranslatesEveryKey) {
    const auto entries = Entries(s_russian);
    std::set<std::string> missing;
    for (const CTextKey& key : s_keys)
        if (!entries.count(key.key)) missing.insert(Shown(key.key) + "    (" + key.location + ")");
    std::string listed;
    for (const std::string& line : missing) listed += "  " + line + "\n";
    EXPECT_TRUE(missing.empty()) << "data/demo/russian.lng lacks:\n" << listed;
}

TEST_F(LanguageCoverage, EnglishTranslatesEveryKeyInCodePage1251Letters) {
    const auto entries = Entries(s_english);
    std::set<std::string> missing;
    for (const CTextKey& key : s_keys) {
        if (!HasLetters1251(key.key)) continue;
        const auto found = entries.find(key.key);
        if (found == entries.end() || found->second->GetLocked() != 0 ||
            found->second->GetTranslated().empty() ||
            HasLetters1251(found->second->GetTranslated()))
            missing.insert(Shown(key.key) + "    (" + key.location + ")");
    }
    std::string listed;
    for (const std::string& line : missing) listed += "  " + line + "\n";
    EXPECT_TRUE(missing.empty()) << "data/demo/english.lng lacks an English translation of:\n"
                                 << listed;
}

TEST_F(LanguageCoverage, TranslationsKeepThePlaceholdersAndAreNeverEmpty) {
    for (const CLanguage* language : {&s_russian, &s_english}) {
        for (const auto& item : language->GetData().GetDictionary()) {
            if (item.GetLocked() != 0) continue;
            EXPECT_FALSE(item.GetTranslated().empty()) << Shown(item.GetOriginal());
            EXPECT_EQ(Placeholders(item.GetTranslated()), Placeholders(item.GetOriginal()))
                << Shown(item.GetOriginal());
        }
    }
}

TEST_F(LanguageCoverage, TheDefaultLanguageReadsEnglish) {
    EXPECT_EQ(s_english.GetData().GetCodePage(), 1251);
    EXPECT_EQ(s_english.GetData().GetLanguage(), "english");
    // A Russian key comes back in English, an English one unchanged.
    EXPECT_STREQ(s_english.LocalizeString("\xE2\x20\xEE\xF2\xF2\xF0\xFB\xF2\xEE\xEC\x20\xF0\xE0"
                                          "\xE7\xE4\xE5\xEB\xE5",
                                          1),
                 "in the article on display");
    EXPECT_STREQ(s_english.LocalizeString("Start Search", 1), "Start Search");
}
