// The profile reader answers as the system's profile readers do.
#include "model/core/ini_file.h"

#include <gtest/gtest.h>

#include "scratch_dir.h"

namespace {

const char kIni[] =
    "\xEF\xBB\xBF; configuration\r\n"
    "top=ignored outside sections\r\n"
    "[Sources]\r\n"
    "Kent = 44F01C90-0055-4CD8-981E-B131F40DFEA2  \r\n"
    "kent=second occurrence\r\n"
    "[ general ]\n"
    "Language=\"russian.lng\"\n"
    "Empty=\n"
    "# comment=not a key\n"
    "no equals sign\n"
    "[Settings]\n"
    "Miasms=12abc\n"
    "Negative=-4\n"
    "Words=abc\n"
    "[Sources]\n"
    "Later=in a repeated section\n";

TEST(IniFile, ReadsValuesLikeTheSystemProfile) {
    IniFile ini;
    ini.Parse(kIni);
    EXPECT_EQ(ini.GetString("sources", "KENT", "x"), "44F01C90-0055-4CD8-981E-B131F40DFEA2");
    EXPECT_EQ(ini.GetString("General", "Language", "english.lng"), "russian.lng");
    EXPECT_EQ(ini.GetString("General", "Empty", "fallback"), "");
    EXPECT_EQ(ini.GetString("General", "Missing", "english.lng"), "english.lng");
    EXPECT_EQ(ini.GetString("Nowhere", "Language", "d"), "d");
    EXPECT_FALSE(ini.HasKey("General", "# comment"));
    EXPECT_FALSE(ini.HasKey("", "top"));
    EXPECT_EQ(ini.GetString("Sources", "Later", ""), "in a repeated section");
}

TEST(IniFile, ReadsIntegersFromLeadingDigits) {
    IniFile ini;
    ini.Parse(kIni);
    EXPECT_EQ(ini.GetInt("Settings", "Miasms", 0), 12);
    EXPECT_EQ(ini.GetInt("Settings", "Negative", 0), -4);
    EXPECT_EQ(ini.GetInt("Settings", "Words", 7), 0);
    EXPECT_EQ(ini.GetInt("Settings", "Missing", 7), 7);
}

TEST(IniFile, ReadsFilesAndMissingFiles) {
    ScratchDir dir;
    dir.Write("meridane.ini", kIni);
    EXPECT_EQ(ReadProfileString(dir.File("meridane.ini"), "General", "Language", "english.lng"),
              "russian.lng");
    EXPECT_EQ(ReadProfileInt(dir.File("meridane.ini"), "Settings", "Miasms", 0), 12);
    EXPECT_EQ(ReadProfileString(dir.File("absent.ini"), "General", "Language", "english.lng"),
              "english.lng");
    IniFile ini;
    EXPECT_FALSE(ini.Load(dir.File("absent.ini")));
}

}  // namespace

TEST(IniFileWriter, ReplacesAddsAndAppendsKeepingEveryOtherLine) {
    ScratchDir dir;
    dir.Write("a.ini",
              "; kept\r\n[General]\r\nLanguage = english.lng ; old\r\n\r\n[Settings]\r\n"
              "Miasms=1\r\n\r\n[Web Links]\r\nHomePage=x\r\n");
    const std::string path = dir.File("a.ini");
    ASSERT_TRUE(WriteProfileString(path, "general", "LANGUAGE", "russian.lng"));
    ASSERT_TRUE(WriteProfileString(path, "Settings", "Other", "2"));
    ASSERT_TRUE(WriteProfileString(path, "Sources", "RepertoryOrre", "AD260680"));
    EXPECT_EQ(dir.Read("a.ini"),
              "; kept\r\n[General]\r\nLANGUAGE=russian.lng\r\n\r\n[Settings]\r\n"
              "Miasms=1\r\nOther=2\r\n\r\n[Web Links]\r\nHomePage=x\r\n"
              "[Sources]\r\nRepertoryOrre=AD260680\r\n");
    EXPECT_EQ(dir.List(), std::vector<std::string>{"a.ini"});
}

TEST(IniFileWriter, ValuesReadBackAsTheyWereGiven) {
    ScratchDir dir;
    const std::string path = dir.File("new.ini");
    for (const char* value : {"plain", " padded ", "\"quoted\"", "'single'", "", "a=b;c"}) {
        ASSERT_TRUE(WriteProfileString(path, "S", "k", value)) << value;
        EXPECT_EQ(ReadProfileString(path, "S", "k", "missing"), value);
    }
    EXPECT_EQ(dir.Read("new.ini"), "[S]\nk=a=b;c\n");
    EXPECT_FALSE(WriteProfileString(path, "S", "k", "two\nlines"));
    EXPECT_EQ(ReadProfileString(path, "S", "k", ""), "a=b;c");
}

TEST(IniFileWriter, AFileWithoutFinalLineEndGetsOneBeforeTheNewSection) {
    ScratchDir dir;
    dir.Write("a.ini", "[A]\nx=1");
    ASSERT_TRUE(WriteProfileString(dir.File("a.ini"), "B", "y", "2"));
    EXPECT_EQ(dir.Read("a.ini"), "[A]\nx=1\n[B]\ny=2\n");
}

TEST(IniFileWriter, AFolderThatCannotTakeTheFileFails) {
    ScratchDir dir;
    EXPECT_FALSE(WriteProfileString(dir.File("missing/a.ini"), "S", "k", "v"));
    EXPECT_TRUE(dir.List().empty());
}
