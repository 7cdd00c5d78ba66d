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
