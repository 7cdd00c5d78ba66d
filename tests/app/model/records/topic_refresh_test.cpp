// Loading a case refreshes every rubric from the loaded repertories: title,
// path text and remedy entries; a rubric keeps its repertory by SourceId.
#include <gtest/gtest.h>

#include "corvela.h"
#include "model/records/case.h"
#include "records_home.h"
#include "sample_case.h"

namespace {

using records_test::Alpha;
using records_test::Beta;
using records_test::First;

class TopicRefresh : public records_test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        ASSERT_TRUE(records_test::Install(Alpha()));
        ASSERT_TRUE(records_test::Install(Beta()));
        CorvelaInstance().CloseAll();
    }
};

std::vector<std::string> Entries(const CSympthom::CTopic& topic) {
    std::vector<std::string> entries;
    for (const auto& entry : topic.m_remedies)
        entries.push_back(entry.m_shortName + ":" + std::to_string(entry.m_grade));
    return entries;
}

std::unique_ptr<CCase> LoadSample(const std::string& text = records_test::SampleCaseText()) {
    std::string error;
    std::unique_ptr<CCase> loaded = CCase::LoadText(text, &error);
    EXPECT_NE(loaded, nullptr) << error;
    return loaded;
}

TEST_F(TopicRefresh, FillsTitlePathAndEntries) {
    std::unique_ptr<CCase> loaded = LoadSample();
    ASSERT_NE(loaded, nullptr);
    CAnalysis& analysis = *loaded->GetAnalyses().at(0);
    const CSympthom::CTopic& night = analysis.GetFirstSymptom().m_topics[0];
    EXPECT_EQ(night.m_title, "night");
    EXPECT_EQ(night.m_pathText, "Mind; Anxiety; night");
    EXPECT_EQ(Entries(night), (std::vector<std::string>{"ars:4", "acon:2"}));
    EXPECT_EQ(night.m_remedies[0].m_remedy, CorvelaInstance().FindRemedy("ars")->GetId());

    // The repertory's root and "REP_section" (any case) are left out, as are
    // trailing blanks, ';' and ':' of the title.
    const CSympthom::CTopic& throbbing = analysis.GetFirstSymptom().m_topics[1];
    EXPECT_EQ(throbbing.m_title, "throbbing");
    EXPECT_EQ(throbbing.m_pathText, "Head; Pain; throbbing");
    EXPECT_EQ(Entries(throbbing), (std::vector<std::string>{"bell:4", "bell:2"}));

    // An ancestor ending in ';' gives no ";;".
    const CSympthom::CTopic& nausea = analysis.GetSymptom(2)->m_topics[0];
    EXPECT_EQ(nausea.m_pathText, "Stomach; Nausea");
    EXPECT_EQ(Entries(nausea), (std::vector<std::string>{"nux-v:3", "puls:2"}));

    // Hidden rubrics are refreshed too; the stored fields stay as they were.
    const CSympthom::CTopic& fear = analysis.GetSymptom(1)->m_topics[0];
    EXPECT_EQ(fear.m_title, "Fear");
    EXPECT_EQ(fear.m_hide, 1);
    EXPECT_EQ(throbbing.m_expander, 1);
    EXPECT_EQ(loaded->SaveText(), records_test::SampleCaseText());
}

TEST_F(TopicRefresh, TrailingColonOfADeepRubric) {
    CSympthom symptom("s");
    CSympthom::CTopic topic;
    topic.m_dataType = CSympthom::kRubricTopic;
    topic.m_topicId = static_cast<int>(
        records_test::RubricId("REP_ALPHA", {"Mind", "Anxiety", "night", "midnight, after:"}));
    symptom.m_topics.push_back(topic);
    symptom.RefreshTopics();
    EXPECT_EQ(symptom.m_topics[0].m_title, "midnight, after");
    EXPECT_EQ(symptom.m_topics[0].m_pathText, "Mind; Anxiety; night; midnight, after");
}

TEST_F(TopicRefresh, SymptomNamedByCharacterTwoIsNotRefreshed) {
    std::string text = records_test::SampleCaseText();
    text.replace(text.find("Anxiety at night"), 16, "\\2");
    std::unique_ptr<CCase> loaded = LoadSample(text);
    ASSERT_NE(loaded, nullptr);
    CAnalysis& analysis = *loaded->GetAnalyses().at(0);
    EXPECT_EQ(analysis.GetFirstSymptom().m_name, "\x02");
    for (const CSympthom::CTopic& topic : analysis.GetFirstSymptom().m_topics) {
        EXPECT_TRUE(topic.m_remedies.empty());
        EXPECT_TRUE(topic.m_title.empty());
    }
    EXPECT_FALSE(analysis.GetSymptom(2)->m_topics[0].m_remedies.empty());
}

struct Unresolved {
    const char* label;
    const char* from;  // replaced in the sample case
    const char* to;

    // Names the case in test listings.
    friend void PrintTo(const Unresolved& c, std::ostream* os) { *os << c.label; }
};

class TopicNotFound : public TopicRefresh, public ::testing::WithParamInterface<Unresolved> {};

TEST_P(TopicNotFound, KeepsItsStoredFieldsAndNoEntries) {
    std::string text = records_test::SampleCaseText();
    text.replace(text.find(GetParam().from), std::strlen(GetParam().from), GetParam().to);
    std::unique_ptr<CCase> loaded = LoadSample(text);
    ASSERT_NE(loaded, nullptr);
    const CSympthom::CTopic& topic = loaded->GetAnalyses().at(0)->GetSymptom(2)->m_topics[0];
    EXPECT_TRUE(topic.m_remedies.empty());
    EXPECT_TRUE(topic.m_title.empty());
    EXPECT_EQ(loaded->SaveText(), text);
}

INSTANTIATE_TEST_SUITE_P(
    TopicRefresh, TopicNotFound,
    ::testing::Values(Unresolved{"ZeroTopicId", "Topic_Id \"4194306\"", "Topic_Id \"0\""},
                      Unresolved{"BeyondTheRubrics", "Topic_Id \"4194306\"",
                                 "Topic_Id \"4194999\""},
                      Unresolved{"RepertoryNotLoaded", "B2B2B2B202000040800000000000B2B2",
                                 "0000000102000040800000000000B2B2"}),
    [](const auto& param) { return std::string(param.param.label); });

// A data file added in front of a case's repertories moves them in the
// engine's list; a case saved with SourceId keeps its rubrics.
TEST_F(TopicRefresh, RubricsStayWithTheirRepertoryWhenAFileIsAdded) {
    ASSERT_TRUE(records_test::Install(First()));  // "a_first.rpb" sorts first
    CorvelaInstance().CloseAll();
    ASSERT_EQ(CorvelaInstance().GetDataSource(0)->GetName(), std::string("REP_FIRST"));

    std::unique_ptr<CCase> loaded = LoadSample();
    ASSERT_NE(loaded, nullptr);
    CAnalysis& analysis = *loaded->GetAnalyses().at(0);
    const CSympthom::CTopic& night = analysis.GetFirstSymptom().m_topics[0];
    EXPECT_EQ(night.m_pathText, "Mind; Anxiety; night");
    EXPECT_EQ(Entries(night), (std::vector<std::string>{"ars:4", "acon:2"}));
    // Topic Id follows the repertory's new position (1 for REP_ALPHA, 2 for REP_BETA).
    EXPECT_EQ(night.GetItemId(), MakeItemId(1, records_test::kAlphaNight));
    const CSympthom::CTopic& nausea = analysis.GetSymptom(2)->m_topics[0];
    EXPECT_EQ(nausea.m_pathText, "Stomach; Nausea");
    EXPECT_EQ(nausea.GetItemId(), MakeItemId(2, records_test::kBetaNausea));

    // Saved again, the file names the current positions and still reads back.
    const std::string saved = loaded->SaveText();
    EXPECT_NE(saved.find("Topic_Id \"8388610\""), std::string::npos);
    std::unique_ptr<CCase> again = LoadSample(saved);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetAnalyses().at(0)->GetSymptom(2)->m_topics[0].m_pathText, "Stomach; Nausea");
}

// Files of earlier versions carry no SourceId: the position in the engine's
// list decides, as it always did.
TEST_F(TopicRefresh, TopicsWithoutSourceIdResolveByPosition) {
    std::string text = records_test::SampleCaseText();
    for (const char* hex :
         {"A1A1A1A101000040800000000000A1A1", "B2B2B2B202000040800000000000B2B2"}) {
        for (std::size_t at = text.find(hex); at != std::string::npos; at = text.find(hex))
            text.replace(at, 32, std::string(32, '0'));
    }
    std::unique_ptr<CCase> before = LoadSample(text);
    ASSERT_NE(before, nullptr);
    EXPECT_EQ(before->GetAnalyses().at(0)->GetSymptom(2)->m_topics[0].m_pathText,
              "Stomach; Nausea");
    // Resolved by position, each rubric learns its repertory's identifier...
    const std::string upgraded = before->SaveText();
    EXPECT_EQ(upgraded, records_test::SampleCaseText());

    ASSERT_TRUE(records_test::Install(First()));
    CorvelaInstance().CloseAll();
    // ...so the upgraded file keeps its rubrics when a data file is added,
    std::unique_ptr<CCase> kept = LoadSample(upgraded);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->GetAnalyses().at(0)->GetSymptom(2)->m_topics[0].m_pathText, "Stomach; Nausea");
    // while the old file still resolves by position.
    std::unique_ptr<CCase> after = LoadSample(text);
    ASSERT_NE(after, nullptr);
    // Position 0 is REP_FIRST now: rubric 3 of it is "Coldness".
    const CSympthom::CTopic& moved = after->GetAnalyses().at(0)->GetFirstSymptom().m_topics[0];
    EXPECT_EQ(moved.m_pathText, "Extremities; Coldness");
    EXPECT_EQ(moved.GetItemId(), MakeItemId(0, records_test::kAlphaNight));
}

}  // namespace
