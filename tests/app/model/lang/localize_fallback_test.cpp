// This program exports no LocalizeString (as a tool or a test): Localize()
// gives the English text back, without the braces that mark its parts.
#include <gtest/gtest.h>

#include "model/lang/localize.h"

namespace {

TEST(Localize, FallsBackToTheEnglishText) {
    EXPECT_FALSE(ProgramExportsLocalize());
    EXPECT_STREQ(Localize("{Add to:} %s (%d {rubrics})", 0), "Add to: %s (%d rubrics)");
    EXPECT_STREQ(Localize("\\{literal\\}", 0), "{literal}");
    EXPECT_EQ(Localize("John Doe", 1), std::string("John Doe"));
    // Pooled: the same text, the same pointer.
    EXPECT_EQ(Localize("Unknown", 1), Localize("Unknown", 1));
}

}  // namespace
