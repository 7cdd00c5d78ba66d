// The operations that build an analysis, against fixture repertories.
#include "analysis/analysis_operations.h"

#include <gtest/gtest.h>

#include "analysis/ranking.h"
#include "corvela.h"
#include "model/records/case.h"
#include "records_home.h"

namespace {

using records_test::Alpha;
using records_test::Beta;
using records_test::RubricId;

class Operations : public records_test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        ASSERT_TRUE(records_test::Install(Alpha()));
        ASSERT_TRUE(records_test::Install(Beta()));
        CorvelaInstance().CloseAll();
        m_night = RubricId("REP_ALPHA", {"Mind", "Anxiety", "night"});
        m_nausea = RubricId("REP_BETA", {"Stomach;", "Nausea"});
        ASSERT_NE(m_night, 0u);
        ASSERT_NE(m_nausea, 0u);
    }
    CCase m_case;
    std::uint32_t m_night = 0;
    std::uint32_t m_nausea = 0;
};

TEST_F(Operations, AddSymptomAppendsACleanedName) {
    m_case.AddEpisode("Note");
    CAnalysis* analysis = NewAnalysis(m_case);
    EXPECT_EQ(m_case.GetLastItem(), analysis);
    CSympthom* second = AddSymptom(*analysis, "Thirst\r\nfor cold water", 3);
    CSympthom* third = AddSymptom(*analysis, "Chilly");
    EXPECT_EQ(analysis->GetSymptom(1), second);
    EXPECT_EQ(analysis->GetSymptom(2), third);
    EXPECT_EQ(third->GetPrevious(), second);
    EXPECT_EQ(second->m_name, "Thirst for cold water");
    EXPECT_EQ(second->m_weight, 3);
    EXPECT_EQ(third->m_weight, 1);
}

TEST_F(Operations, AddRubricCopiesTheRubricAndItsRepertory) {
    CAnalysis* analysis = NewAnalysis(m_case);
    CSympthom& symptom = analysis->GetFirstSymptom();
    ASSERT_EQ(AddRubric(m_night, symptom), AddRubricResult::kAdded);
    ASSERT_EQ(symptom.m_topics.size(), 1u);
    const CSympthom::CTopic& topic = symptom.m_topics[0];
    EXPECT_EQ(topic.m_dataType, CSympthom::kRubricTopic);
    EXPECT_EQ(topic.GetItemId(), m_night);
    Guid alpha;
    ParseGuid(Alpha().id, &alpha);
    EXPECT_EQ(topic.m_sourceId, alpha);
    EXPECT_EQ(topic.m_expander, 0);
    EXPECT_EQ(topic.m_hide, 0);
    EXPECT_TRUE(topic.m_text.empty());
    EXPECT_EQ(topic.m_title, "night");
    EXPECT_EQ(topic.m_pathText, "Mind; Anxiety; night");
    ASSERT_EQ(topic.m_remedies.size(), 2u);
    EXPECT_EQ(topic.m_remedies[0].m_shortName, "ars");
    EXPECT_EQ(topic.m_remedies[0].m_grade, 4);
}

TEST_F(Operations, AddRubricRefusals) {
    CAnalysis* analysis = NewAnalysis(m_case);
    CSympthom& first = analysis->GetFirstSymptom();
    CSympthom* later = AddSymptom(*analysis, "later");
    ASSERT_EQ(AddRubric(m_night, *later), AddRubricResult::kAdded);

    // Once per analysis, whatever the symptom; another analysis takes it.
    EXPECT_EQ(AddRubric(m_night, first), AddRubricResult::kAlreadyInAnalysis);
    EXPECT_EQ(AddRubric(m_night, *later), AddRubricResult::kAlreadyInAnalysis);
    EXPECT_EQ(AddRubric(m_night, NewAnalysis(m_case)->GetFirstSymptom()), AddRubricResult::kAdded);

    EXPECT_EQ(AddRubric(RubricId("REP_ALPHA", {"Mind"}), first), AddRubricResult::kNoRemedies);
    EXPECT_EQ(AddRubric(RubricId("REP_ALPHA", {"Empty chapter", "Nothing here"}), first),
              AddRubricResult::kNoRemedies);
    EXPECT_EQ(AddRubric(MakeItemId(0, 5000), first), AddRubricResult::kUnknownRubric);
    EXPECT_EQ(AddRubric(MakeItemId(40, 3), first), AddRubricResult::kUnknownRubric);
    EXPECT_TRUE(first.m_topics.empty());
    EXPECT_STREQ(DescribeAddRubricResult(AddRubricResult::kAlreadyInAnalysis),
                 "the rubric is already in this analysis");
}

// An article never counts, and the same one may be added twice.
TEST_F(Operations, ArticlesAreAlwaysAddedAndNeverRanked) {
    CAnalysis* analysis = NewAnalysis(m_case);
    Guid source;
    ParseGuid("C4C4C4C4-0004-4000-8000-00000000C4C4", &source);
    AddArticle(MakeItemId(2, 7), source, "Great anguish.", analysis->GetFirstSymptom());
    CSympthom::CTopic& again =
        AddArticle(MakeItemId(2, 7), source, "Again.", analysis->GetFirstSymptom());
    EXPECT_EQ(again.m_dataType, CSympthom::kArticleTopic);
    EXPECT_EQ(again.m_sourceId, source);
    EXPECT_EQ(analysis->GetTopicCount(), 2);
    RankedList list;
    Calculate(analysis, list);
    EXPECT_TRUE(list.empty());
}

TEST_F(Operations, RankingNamesComeFromTheCatalogue) {
    CAnalysis* analysis = NewAnalysis(m_case);
    ASSERT_EQ(AddRubric(m_night, analysis->GetFirstSymptom()), AddRubricResult::kAdded);
    CSympthom* stomach = AddSymptom(*analysis, "stomach", 2);
    ASSERT_EQ(AddRubric(m_nausea, *stomach), AddRubricResult::kAdded);
    analysis->SetSortType(1);
    RankedList list;
    Calculate(analysis, list);
    std::vector<std::string> rows;
    for (const CItems& entry : list)
        rows.push_back(entry.m_name + " " + std::to_string(entry.m_count) + "/" +
                       std::to_string(entry.m_weight));
    EXPECT_EQ(rows, (std::vector<std::string>{"nux-v 1/6", "ars 1/4", "puls 1/4", "acon 1/2"}));
    EXPECT_EQ(EngineRemedyName(100000), "");
}

}  // namespace
