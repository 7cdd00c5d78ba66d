// Loading a case follows each materia medica passage to its article: through
// the stored SourceId and the article's number when the data files change,
// and by position (learning the SourceId) for files saved without it.  The
// passage itself is never touched.
#include <gtest/gtest.h>

#include "corvela.h"
#include "model/records/case.h"
#include "records_home.h"

namespace {

constexpr const char* kMateriaId = "C4C4C4C4-0004-4000-8000-00000000C4C4";
constexpr const char* kMateriaHex = "C4C4C4C404000040800000000000C4C4";

// A materia medica of three articles (ars, bell, nux-v) as "m_mm.mmb".
void InstallMateria() {
    MateriaMedicaBuilder& builder = *CorvelaInstance().GetMateriaMedicaBuilder();
    const MateriaMedicaDescription description{kMateriaId, "MM_TEST", "", "Fixture Materia", "",
                                               "", 0};
    builder.Begin(&description);
    ASSERT_GE(builder.AddArticle("ars", "Arsenicum", "Anxiety and restlessness.", nullptr), 0);
    ASSERT_GE(builder.AddArticle("bell", "Belladonna", "Heat, redness, throbbing.", nullptr), 0);
    ASSERT_GE(builder.AddArticle("nux-v", "Nux vomica", "Irritable, chilly.", nullptr), 0);
    builder.End();
    ASSERT_TRUE(builder.Save(records_test::HomePath("m_mm.mmb").c_str())) << builder.GetSaveError();
}

class ArticleTopicRefresh : public records_test::HomeTest {
protected:
    void SetUp() override {
        HomeTest::SetUp();
        ASSERT_TRUE(records_test::Install(records_test::Alpha()));
        InstallMateria();
        CorvelaInstance().CloseAll();
    }

    // A case whose analysis holds one passage topic: Topic Id `topicId`,
    // SourceId `hex` (32 digits).
    static std::string CaseText(std::uint32_t topicId, const std::string& hex) {
        CCase theCase;
        CAnalysis* analysis = theCase.AddAnalysis();
        CSympthom::CTopic topic;
        topic.m_dataType = CSympthom::kArticleTopic;
        topic.m_topicId = static_cast<int>(topicId);
        topic.m_text = "Heat, redness";
        analysis->GetFirstSymptom().m_topics.push_back(topic);
        std::string text = theCase.SaveText();
        const std::string zero(32, '0');
        const std::size_t at = text.find(zero);
        EXPECT_NE(at, std::string::npos);
        text.replace(at, 32, hex);
        return text;
    }

    static const CSympthom::CTopic& Passage(CCase& theCase) {
        return theCase.GetAnalyses().at(0)->GetFirstSymptom().m_topics.at(0);
    }
};

// The article a passage's Topic Id names now, and its remedy's short name.
std::string ArticleRemedy(const CSympthom::CTopic& topic) {
    DataSource* source = CorvelaInstance().GetDataSourceOfItem(topic.GetItemId());
    if (source == nullptr || source->GetType() != kSourceMateriaMedica) return "";
    DataItem* item = source->GetItem(topic.GetItemId());
    if (item == nullptr || item->GetKind() != kItemArticle) return "";
    Remedy* remedy = CorvelaInstance().GetRemedyById(static_cast<Article*>(item)->GetRemedy());
    return remedy != nullptr ? remedy->GetShortName() : "";
}

TEST_F(ArticleTopicRefresh, FollowsItsArticleWhenAFileIsAdded) {
    // REP_ALPHA at 0, the materia medica at 1: article 1 is bell.
    const std::string text = CaseText(MakeItemId(1, 1), kMateriaHex);
    ASSERT_TRUE(records_test::Install(records_test::First()));
    CorvelaInstance().CloseAll();
    // Now the materia medica stands at 2; position 1 is REP_ALPHA.
    std::unique_ptr<CCase> loaded = CCase::LoadText(text);
    ASSERT_NE(loaded, nullptr);
    const CSympthom::CTopic& passage = Passage(*loaded);
    EXPECT_EQ(passage.GetItemId(), MakeItemId(2, 1));
    EXPECT_EQ(ArticleRemedy(passage), "bell");
    // The passage and the kind stay; a passage gets no remedy entries.
    EXPECT_EQ(passage.m_text, "Heat, redness");
    EXPECT_EQ(passage.m_dataType, CSympthom::kArticleTopic);
    EXPECT_TRUE(passage.m_remedies.empty());
}

TEST_F(ArticleTopicRefresh, WithoutSourceIdResolvesByPositionAndLearnsIt) {
    const std::string text = CaseText(MakeItemId(1, 2), std::string(32, '0'));
    std::unique_ptr<CCase> loaded = CCase::LoadText(text);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(ArticleRemedy(Passage(*loaded)), "nux-v");
    const std::string upgraded = loaded->SaveText();
    EXPECT_NE(upgraded.find(kMateriaHex), std::string::npos);

    ASSERT_TRUE(records_test::Install(records_test::First()));
    CorvelaInstance().CloseAll();
    std::unique_ptr<CCase> again = CCase::LoadText(upgraded);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(ArticleRemedy(Passage(*again)), "nux-v");
}

TEST_F(ArticleTopicRefresh, AMissingMateriaMedicaLeavesThePassageAsStored) {
    const std::string text = CaseText(MakeItemId(1, 1), "00000001040000408000000000000000");
    std::unique_ptr<CCase> loaded = CCase::LoadText(text);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(Passage(*loaded).GetItemId(), MakeItemId(1, 1));
    EXPECT_EQ(loaded->SaveText(), text);
    // A Topic Id naming a rubric (found by position, no SourceId) is no article.
    const std::string rubric = CaseText(MakeItemId(0, 3), std::string(32, '0'));
    std::unique_ptr<CCase> other = CCase::LoadText(rubric);
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->SaveText(), rubric);
    EXPECT_TRUE(Passage(*other).m_title.empty());
}

}  // namespace
