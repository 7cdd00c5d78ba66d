// The stored form of a case: the golden files, reading them back, and what a
// broken or incomplete file does.
#include <gtest/gtest.h>

#include "model/records/case.h"
#include "records_home.h"
#include "sample_case.h"

namespace {

using records_test::kFixedTimeText;

// The items of the chain as "type:name", in chain order.
std::vector<std::string> ChainOf(CCase& theCase) {
    std::vector<std::string> chain;
    for (COneItem* item = &theCase.GetFirstEpisode(); item != nullptr; item = item->GetNext())
        chain.push_back(std::string(item->GetTypeName()) + ":" + item->GetName());
    return chain;
}

TEST(CaseFile, NewCaseIsStoredAsTheGoldenFile) {
    CCase fresh;
    fresh.GetFirstEpisode().SetName("First visit");
    EXPECT_EQ(fresh.SaveText(), records_test::NewCaseText());
}

TEST(CaseFile, SampleCaseIsStoredAsTheGoldenFile) {
    EXPECT_EQ(records_test::MakeSampleCase()->SaveText(), records_test::SampleCaseText());
}

TEST(CaseFile, SampleCaseReadsBackInOrderWithBackLinks) {
    std::string error;
    std::unique_ptr<CCase> loaded = CCase::LoadText(records_test::SampleCaseText(), &error);
    ASSERT_NE(loaded, nullptr) << error;
    EXPECT_EQ(ChainOf(*loaded),
              (std::vector<std::string>{"CEpisode:First visit", "CEpisode:Phone conversation",
                                        "CPrescription:Prescription", "CAnalysis:Analysis"}));
    COneItem* previous = nullptr;
    for (COneItem* item = &loaded->GetFirstEpisode(); item != nullptr; item = item->GetNext()) {
        EXPECT_EQ(item->GetPrevious(), previous) << item->GetName();
        EXPECT_EQ(item->GetTime(), kFixedTimeText);
        previous = item;
    }
    EXPECT_FALSE(loaded->GetFirstEpisode().GetNext()->IsOpen());
    EXPECT_EQ(loaded->GetFirstEpisode().GetPractitioner().m_name, "Dr. A. Smith");
    EXPECT_EQ(loaded->GetPatientInfo().m_heightAndWeight, "168 cm, 61 kg");

    std::vector<CAnalysis*> analyses = loaded->GetAnalyses();
    ASSERT_EQ(analyses.size(), 1u);
    CAnalysis& analysis = *analyses[0];
    EXPECT_EQ(analysis.GetSortType(), 1);
    ASSERT_EQ(analysis.GetSymptomCount(), 3);
    EXPECT_EQ(analysis.GetTopicCount(), 5);
    CSympthom* third = analysis.GetSymptom(2);
    EXPECT_EQ(third->m_name, "Nausea in the morning");
    EXPECT_EQ(third->m_weight, 2);
    EXPECT_EQ(third->GetPrevious(), analysis.GetSymptom(1));
    EXPECT_EQ(analysis.GetSymptom(1)->GetPrevious(), &analysis.GetFirstSymptom());
    EXPECT_EQ(third->GetFirst(), &analysis.GetFirstSymptom());
    EXPECT_EQ(third->m_topics[1].m_text, "Great anguish and \"restlessness\".");
    EXPECT_EQ(analysis.GetSymptom(1)->m_topics[0].m_hide, 1);

    // Nothing is lost or reformatted on the way.
    EXPECT_EQ(loaded->SaveText(), records_test::SampleCaseText());
}

TEST(CaseFile, LoadingKeepsTheStoredTimeText) {
    std::string text = records_test::NewCaseText();
    text.replace(text.find(kFixedTimeText), std::strlen(kFixedTimeText), "13.05.1999 at noon");
    std::unique_ptr<CCase> loaded = CCase::LoadText(text);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetFirstEpisode().GetTime(), "13.05.1999 at noon");
}

struct BrokenFile {
    const char* from;  // replaced in the sample case ...
    const char* to;    // ... by this
    const char* message;

    // Names the case in test listings.
    friend void PrintTo(const BrokenFile& c, std::ostream* os) { *os << '"' << c.message << '"'; }
};

class CaseFileRefuses : public ::testing::TestWithParam<BrokenFile> {};

TEST_P(CaseFileRefuses, WithTheReason) {
    std::string text = records_test::SampleCaseText();
    const std::size_t at = text.find(GetParam().from);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, std::strlen(GetParam().from), GetParam().to);
    std::string error;
    EXPECT_EQ(CCase::LoadText(text, &error), nullptr);
    EXPECT_EQ(error, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    CaseFile, CaseFileRefuses,
    ::testing::Values(BrokenFile{"CPrescription\r\n", "CMystery\r\n",
                                 "Type 'CMystery' was not registered"},
                      BrokenFile{"                CSympthom\r\n", "                CSymptom\r\n",
                                 "Type 'CSymptom' was not registered"},
                      // A registered class that is no case item cannot stand in the chain.
                      BrokenFile{"            CEpisode\r\n", "            CSympthom\r\n",
                                 "Type 'CSympthom' is not a kind of the stored pointer"},
                      BrokenFile{"            CEpisode\r\n", "            CTopic\r\n",
                                 "Type 'CTopic' is not a kind of the stored pointer"},
                      BrokenFile{"    Case_Episodes\r\n    {", "    Case_Episodes\r\n    {{",
                                 "Parser:: Missing tag!, at row 19, col 6"}));

TEST(CaseFile, EmptyOrMissingFileIsRefused) {
    std::string error;
    EXPECT_EQ(CCase::LoadText("", &error), nullptr);
    EXPECT_EQ(error, "empty tree!");
    EXPECT_EQ(CCase::LoadText("Meridane_Suite_Software_Project\r\n{\r\n}\r\n", &error), nullptr);
    EXPECT_EQ(error, "empty tree!");
    EXPECT_EQ(CCase::LoadFile(records_test::HomePath("no-such-case.hom"), &error), nullptr);
    EXPECT_EQ(error, "No such file or directory");
}

TEST(CaseFile, MissingNodesKeepTheConstructedValues) {
    const char text[] =
        "Meridane_Suite_Software_Project\n{\n"
        "  PatientInfo\n  {\n    Name \"Ann\"\n  }\n"
        "  Case_Episodes\n  {\n    Next_Item\n    {\n      CAnalysis\n      {\n"
        "        Symptoms\n        {\n          Symptom_Name \"only a name\"\n"
        "          Next_Symptom\n          {\n            CSympthom\n            {\n"
        "              Symptom_Weight \"4\"\n              Topics_Array\n              {\n"
        "                Item\n                {\n                  Topic_Text \"t\"\n"
        "                }\n              }\n            }\n          }\n        }\n"
        "        Practitioner\n        {\n          Name \"Dr. B\"\n        }\n"
        "      }\n    }\n  }\n}\n";
    std::string error;
    std::unique_ptr<CCase> loaded = CCase::LoadText(text, &error);
    ASSERT_NE(loaded, nullptr) << error;
    const CPatientInfo& card = loaded->GetPatientInfo();
    EXPECT_EQ(card.m_name, "Ann");
    EXPECT_EQ(card.m_age, "1914");
    EXPECT_EQ(card.m_address, "Unknown");
    EXPECT_TRUE(loaded->GetFirstEpisode().IsOpen());
    EXPECT_EQ(loaded->GetFirstEpisode().GetTime(), kFixedTimeText);

    CAnalysis& analysis = *loaded->GetAnalyses().at(0);
    EXPECT_EQ(analysis.GetName(), "Analysis");
    EXPECT_EQ(analysis.GetSortType(), 0);
    EXPECT_EQ(analysis.GetPractitioner().m_name, "Dr. B");
    EXPECT_EQ(analysis.GetPractitioner().m_title, "none");
    CSympthom& first = analysis.GetFirstSymptom();
    EXPECT_EQ(first.m_name, "only a name");
    EXPECT_FLOAT_EQ(first.m_version, 1.0f);
    EXPECT_EQ(first.m_weight, 1);
    CSympthom* second = first.GetNext();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->m_name, "Unknown Symptom");
    EXPECT_EQ(second->m_weight, 4);
    ASSERT_EQ(second->m_topics.size(), 1u);
    const CSympthom::CTopic& topic = second->m_topics[0];
    EXPECT_EQ(topic.m_dataType, 0);
    EXPECT_EQ(topic.m_topicId, 0);
    EXPECT_TRUE(topic.m_sourceId.IsNull());
    EXPECT_EQ(topic.m_text, "t");
    EXPECT_TRUE(topic.m_remedies.empty());
}

TEST(CaseFile, AwkwardTextsSurviveAFile) {
    CCase original;
    // A control character right before a digit, quotes, backslashes, tabs,
    // line breaks and code page 1251 letters.
    const std::string awkward =
        "a\x07"
        "1b \"q\" \\ \t\r\n\x1b"
        "9 \xC0\xE1\xE2 end";
    original.GetPatientInfo().m_description = awkward;
    original.GetFirstEpisode().SetName(std::string(200, 'n') + awkward);
    const std::string path = records_test::HomePath("awkward.hom");
    ASSERT_TRUE(original.SaveFile(path));
    std::unique_ptr<CCase> loaded = CCase::LoadFile(path);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetPatientInfo().m_description, awkward);
    EXPECT_EQ(loaded->GetFirstEpisode().GetName(), std::string(200, 'n') + awkward);
    std::remove(path.c_str());
}

TEST(PatientCard, TemplateIsRebuiltAfterLoading) {
    const std::string fresh = CPatientInfo().GetCardTemplate();
    EXPECT_NE(
        fresh.find("\\cf1\\f0\\fs20 Married (how long) or single\\cf0:\\cf0\\f0 #MARRIED#\\par\n"),
        std::string::npos);
    std::unique_ptr<CCase> loaded = CCase::LoadText(records_test::SampleCaseText());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetPatientInfo().GetCardTemplate(), fresh);
}

}  // namespace
