#include "base/text/ascii.h"

#include <gtest/gtest.h>

namespace base {
namespace {

TEST(Ascii, TrimsSpacesTabsAndLineEndsOnly) {
    EXPECT_EQ(TrimAsciiSpace(" \t[DataSources]\r\n"), "[DataSources]");
    EXPECT_EQ(TrimAsciiSpace("\xA0x\xA0"), "\xA0x\xA0");  // no other blanks
    EXPECT_EQ(TrimAsciiSpace(" \r\n\t"), "");
}

TEST(Ascii, CaseIsIgnoredForLatinLettersOnly) {
    EXPECT_TRUE(EqualsIgnoringAsciiCase("DataSources", "datasources"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase("\xC0", "\xE0"));  // Cyrillic А, а
    EXPECT_FALSE(EqualsIgnoringAsciiCase("a", "ab"));
    EXPECT_TRUE(EndsWithIgnoringAsciiCase("KENT.RPB", ".rpb"));
    EXPECT_FALSE(EndsWithIgnoringAsciiCase("rpb", ".rpb"));
}

}  // namespace
}  // namespace base
