// With a translating language the program's export of LocalizeString gives
// the records their localised defaults, while the names the commands pass
// are stored as given.
#include <gtest/gtest.h>

#include "model/core/program_exports.h"
#include "model/lang/language.h"
#include "model/records/case.h"
#include "records_home.h"

extern "C" const char* LocalizeString(const char* text, int whole) {
    return CLanguage::Get().LocalizeString(text, whole);
}

namespace {

std::string LanguageFile() {
    std::string text =
        "Language\r\n{\r\n    CodePage_ \"1251\"\r\n    Language \"test\"\r\n"
        "    Dictionary\r\n    {\r\n";
    auto add = [&text](const char* original, const char* translated) {
        text += std::string("        Item\r\n        {\r\n            Original \"") + original +
                "\"\r\n            Translated \"" + translated +
                "\"\r\n            Locked \"0\"\r\n        }\r\n";
    };
    add("Note", "\xC7\xE0\xEC\xE5\xF2\xEA\xE0");  // "Заметка"
    add("Analysis", "Analiz");
    add("none", "net");
    add("Unknown", "Neizvestno");
    add("John Doe", "Ivan Ivanov");
    add("Prescription", "Recept");
    add("Unknown Symptom", "Simptom");
    add("Age", "Vozrast");
    return text + "    }\r\n}\r\n";
}

// The language is loaded before any layout is built, as at the program's start.
class LanguageEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        records_test::WriteFile(records_test::HomePath("test.lng"), LanguageFile());
        records_test::WriteFile(records_test::HomePath("meridane.ini"),
                                "[General]\nLanguage=test.lng\n");
        ASSERT_TRUE(CLanguage::Get().LoadFromIni(records_test::HomePath("meridane.ini"),
                                                 records_test::Home()));
    }
};

[[maybe_unused]] ::testing::Environment* const kLanguage =
    ::testing::AddGlobalTestEnvironment(new LanguageEnvironment);

TEST(LocalizedRecords, CommandNamesStayEnglishDefaultsAreTranslated) {
    CCase theCase;
    theCase.AddEpisode("Note");
    theCase.AddPrescription();
    theCase.AddAnalysis();
    std::unique_ptr<CCase> loaded = CCase::LoadText(theCase.SaveText());
    ASSERT_NE(loaded, nullptr);
    const COneItem* note = loaded->GetFirstEpisode().GetNext();
    EXPECT_EQ(note->GetName(), "Note");
    EXPECT_EQ(note->GetNext()->GetName(), "Recept");
    EXPECT_EQ(note->GetNext()->GetNext()->GetName(), "Analiz");
    CAnalysis* analysis = loaded->GetAnalyses().at(0);
    EXPECT_EQ(analysis->GetFirstSymptom().m_name, "Simptom");
    EXPECT_EQ(loaded->GetPatientInfo().m_name, "Ivan Ivanov");
    EXPECT_EQ(loaded->GetPatientInfo().m_address, "Neizvestno");
    EXPECT_NE(loaded->GetPatientInfo().GetCardTemplate().find("Vozrast\\cf0:"), std::string::npos);
}

TEST(LocalizedRecords, PractitionerDefaultsAreTranslated) {
    records_test::WriteFile(records_test::HomePath("practitioner.txt"),
                            "Practitioner\n{\n    Phone \"555\"\n}\n");
    CPractitioner practitioner;
    EXPECT_EQ(practitioner.m_name, "Neizvestno");
    EXPECT_EQ(practitioner.m_title, "net");
    EXPECT_EQ(practitioner.m_phone, "555");
    // The constructed values are not texts shown, they stay "none".
    records_test::RemoveHomeFiles();
    CPractitioner fresh;
    EXPECT_EQ(fresh.m_title, "none");
}

}  // namespace
