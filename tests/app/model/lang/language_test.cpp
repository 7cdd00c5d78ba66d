// Loading language files: fields, defaults, keys, the ini file.
#include "model/lang/language.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "language_fixture.h"
#include "model/core/crc32.h"
#include "model/lang/language_data.h"
#include "scratch_dir.h"

namespace {

TEST(CLanguage, LoadsTheFileWithDefaultsForMissingNodes) {
    ScratchDir dir;
    dir.Write("russian.lng", RussianLanguageFile());
    CLanguage language;
    ASSERT_TRUE(language.LoadFile(dir.File("russian.lng")));
    const CLanguage::CLanguageData& data = language.GetData();
    EXPECT_EQ(data.GetCodePage(), 1251);
    EXPECT_EQ(data.GetCharset(), "windows-1251");
    EXPECT_EQ(data.GetLanguage(), "russian");
    EXPECT_EQ(data.GetAuthor(), "Ondrell, Ltd.");
    ASSERT_EQ(data.GetDictionary().size(), 8u);
    const auto& note = data.GetDictionary()[0];
    EXPECT_EQ(note.GetOriginal(), "Note");
    EXPECT_EQ(note.GetTranslated(), "\xC7\xE0\xEC\xE5\xF2\xEA\xE0");
    EXPECT_EQ(note.GetLocked(), 0);
    for (const auto& item : data.GetDictionary())
        EXPECT_EQ(item.GetKey(), Crc32(item.GetOriginal()));
}

TEST(CLanguage, EmptyRootTakesEveryDefault) {
    ScratchDir dir;
    dir.Write("bare.lng", "Language\r\n{\r\n    Dictionary\r\n    {\r\n    }\r\n}\r\n");
    CLanguage language;
    ASSERT_TRUE(language.LoadFile(dir.File("bare.lng")));
    EXPECT_EQ(language.GetData().GetCodePage(), -1);
    EXPECT_EQ(language.GetData().GetCharset(), "us-ascii");
    EXPECT_EQ(language.GetData().GetLanguage(), "english");
}

TEST(CLanguage, UnreadableFileKeepsTheConstructedValues) {
    ScratchDir dir;
    dir.Write("broken.lng", RussianLanguageFile().substr(0, 300));
    CLanguage language;
    EXPECT_FALSE(language.LoadFile(dir.File("broken.lng")));
    EXPECT_FALSE(language.LoadFile(dir.File("missing.lng")));
    EXPECT_EQ(language.GetData().GetCodePage(), -1);
    EXPECT_EQ(language.GetData().GetCharset(), "");
    EXPECT_TRUE(language.GetData().GetDictionary().empty());
    EXPECT_STREQ(language.LocalizeString("Note", 1), "Note");
}

TEST(CLanguage, IniNamesTheLanguageFileInTheProgramDirectory) {
    ScratchDir dir;
    dir.Write("russian.lng", RussianLanguageFile());
    dir.Write("english.lng", "Language\r\n{\r\n    Language \"plain english\"\r\n}\r\n");
    dir.Write("meridane.ini", "[General]\r\nLanguage=russian.lng\r\n");
    dir.Write("other.ini", "[Sources]\r\n");

    CLanguage chosen;
    ASSERT_TRUE(chosen.LoadFromIni(dir.File("meridane.ini"), dir.Path()));
    EXPECT_EQ(chosen.GetData().GetLanguage(), "russian");

    CLanguage fallback;
    ASSERT_TRUE(fallback.LoadFromIni(dir.File("other.ini"), dir.Path()));
    EXPECT_EQ(fallback.GetData().GetLanguage(), "plain english");

    ::setenv("MERIDANE_HOME", dir.Path().c_str(), 1);
    CLanguage program;
    EXPECT_TRUE(program.LoadProgramLanguage());
    ::unsetenv("MERIDANE_HOME");
    EXPECT_EQ(program.GetData().GetLanguage(), "russian");
}

}  // namespace
