// This program exports no LocalizeString (as a tool or a test): Localize()
// gives the English text back unchanged.
#include <gtest/gtest.h>

#include "model/lang/localize.h"

namespace {

TEST(Localize, FallsBackToTheEnglishText) {
    EXPECT_FALSE(ProgramExportsLocalize());
    const char* text = "{Add to:} %s (%d {rubrics})";
    EXPECT_EQ(Localize(text, 0), text);
    EXPECT_EQ(Localize("John Doe", 1), std::string("John Doe"));
}

}  // namespace
