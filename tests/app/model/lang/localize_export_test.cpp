// This program exports LocalizeString (ENABLE_EXPORTS), as the application
// does: Localize() must find it and translate through it.
#include <gtest/gtest.h>

#include "language_fixture.h"
#include "model/core/program_exports.h"
#include "model/lang/language.h"
#include "model/lang/localize.h"
#include "scratch_dir.h"

extern "C" const char* LocalizeString(const char* text, int whole) {
    return CLanguage::Get().LocalizeString(text, whole);
}

extern "C" CLanguage* GetLanguagePtr() {
    return &CLanguage::Get();
}

namespace {

TEST(Localize, UsesTheProgramsExport) {
    ScratchDir dir;
    dir.Write("russian.lng", RussianLanguageFile());
    dir.Write("meridane.ini", "[General]\nLanguage=russian.lng\n");
    ASSERT_TRUE(GetLanguagePtr()->LoadFromIni(dir.File("meridane.ini"), dir.Path()));

    EXPECT_TRUE(ProgramExportsLocalize());
    EXPECT_STREQ(Localize("Note", 1), "\xC7\xE0\xEC\xE5\xF2\xEA\xE0");
    EXPECT_STREQ(Localize("{Add to:} %s", 0), "Dobavit v: %s");
    EXPECT_EQ(Localize("Note", 1), Localize("Note", 1));
    const char* unknown = "Phone conversation";
    EXPECT_STREQ(Localize(unknown, 1), unknown);
    EXPECT_NE(Localize(unknown, 1), unknown);  // the pooled copy
}

}  // namespace
