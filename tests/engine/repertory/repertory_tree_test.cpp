// Reading a loaded repertory: rubric numbering, links, remedies, header texts.
#include <gtest/gtest.h>

#include "repertory/repertory_impl.h"
#include "repertory_fixture.h"
#include "scratch_directory.h"

using namespace corvela_test;

namespace {

// root -> A -> (A1, A2), root -> B; compiled and opened at position 3.
class RepertoryTree : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(
            CompileRepertory("root\n\tA\tacon:3 bell:0\n\t\tA1\n\t\tA2\tacon:1\n\tB\tbell:2\n",
                             m_dir / "tree.rpb"),
            1);
        m_repertory.SetPosition(3);
        ASSERT_TRUE(m_repertory.Open((m_dir / "tree.rpb").c_str()))
            << m_repertory.GetLoadError().Describe();
    }
    Topic* At(std::uint32_t number) { return m_repertory.GetTopic(number); }

    ScratchDirectory m_dir;
    RepertoryImpl m_repertory;
};

}  // namespace

TEST_F(RepertoryTree, RubricsAreNumberedInPreOrderAndCarryThePosition) {
    ASSERT_EQ(m_repertory.GetTopicCount(), 5u);
    const char* texts[] = {"root", "A", "A1", "A2", "B"};
    for (std::uint32_t i = 0; i < 5; ++i) {
        ASSERT_NE(At(i), nullptr);
        EXPECT_STREQ(At(i)->GetText(), texts[i]);
        EXPECT_EQ(At(i)->GetId(), (3u << 22) | i);
        EXPECT_EQ(At(i)->GetKind(), 1);
    }
    EXPECT_EQ(m_repertory.GetRoot(), At(0));
    EXPECT_EQ(At(0)->GetParent(), nullptr);
    EXPECT_EQ(At(3)->GetParent(), At(1));
    EXPECT_EQ(At(4)->GetParent(), At(0));
    EXPECT_EQ(At(1)->GetChildCount(), 2);
    EXPECT_EQ(At(1)->GetChild(1), At(3));
    EXPECT_EQ(At(1)->GetChild(2), nullptr);
    EXPECT_EQ(At(5), nullptr);
    // The top bits of an identifier are ignored.
    EXPECT_EQ(m_repertory.GetTopic((9u << 22) | 3), At(3));
    EXPECT_EQ(m_repertory.GetItem((9u << 22) | 4), At(4));
}

TEST_F(RepertoryTree, RemedyEntriesAndTheRemedyTable) {
    Topic* a = At(1);
    ASSERT_EQ(a->GetRemedyCount(), 2);
    EXPECT_EQ(a->GetRemedy(0), 0);
    EXPECT_EQ(a->GetGrade(0), 3);
    EXPECT_EQ(a->GetRemedy(1), 2);
    EXPECT_EQ(a->GetGrade(1), 0);  // grade 0 is a grade, not a failure
    EXPECT_EQ(a->GetRemedy(2), -1);
    EXPECT_EQ(a->GetGrade(-1), -1);
    EXPECT_EQ(At(2)->GetRemedyCount(), 0);
    EXPECT_EQ(At(2)->GetRemedy(0), -1);

    std::vector<std::int32_t> rubrics = {99};
    m_repertory.GetTopicsOfRemedy(0, rubrics);
    EXPECT_EQ(rubrics, (std::vector<std::int32_t>{99, 1, 3}));
    m_repertory.GetTopicsOfRemedy(5, rubrics);  // nux-v is in no rubric
    EXPECT_EQ(rubrics.size(), 3u);
}

TEST_F(RepertoryTree, HeaderTextsIdentifierAndIndex) {
    EXPECT_EQ(m_repertory.GetType(), 1);
    EXPECT_EQ(m_repertory.GetPosition(), 3);
    EXPECT_STREQ(m_repertory.GetName(), "REP_TEST");
    EXPECT_STREQ(m_repertory.GetText2(), "Test repertory");
    EXPECT_STREQ(m_repertory.GetText3(), "text 3");
    EXPECT_STREQ(m_repertory.GetText4(), "text 4");
    EXPECT_STREQ(m_repertory.GetText5(), "text 5");
    Guid expected;
    ASSERT_TRUE(ParseGuid(kTestRepertoryId, &expected));
    EXPECT_TRUE(*m_repertory.GetGuid() == expected);
    EXPECT_EQ(m_repertory.GetFlags(), 0u);
    EXPECT_STREQ(m_repertory.GetFilePath(), (m_dir / "tree.rpb").c_str());
    EXPECT_FALSE(m_repertory.IsNew());
    EXPECT_TRUE(m_repertory.IsEnabled());
    EXPECT_FALSE(m_repertory.Save((m_dir / "x.rpb").c_str()));
    Index* index = m_repertory.GetWordIndex();
    ASSERT_EQ(index->GetWordCount(), 5u);  // a, a1, a2, b, root
    EXPECT_STREQ(index->GetWord(4), "root");
}

TEST(RepertoryOpen, MissingIndexFailsTheOpen) {
    ScratchDirectory dir;
    ASSERT_EQ(CompileRepertory("root\n", dir / "r.rpb"), 1);
    std::filesystem::remove(dir / "r.idx");
    RepertoryImpl repertory;
    EXPECT_FALSE(repertory.Open((dir / "r.rpb").c_str()));
    EXPECT_EQ(repertory.GetLoadError().fault, LoadFault::kBadWordIndex);
    EXPECT_EQ(repertory.GetRoot(), nullptr);
    EXPECT_STREQ(repertory.GetName(), "");
}

TEST(RepertoryOpen, FixtureRepertoryIndexesEveryRubricWord) {
    ScratchDirectory dir;
    ASSERT_EQ(CompileRepertory(FixtureText("small_repertory.txt"), dir / "s.rpb"), 1);
    RepertoryImpl repertory;
    ASSERT_TRUE(repertory.Open((dir / "s.rpb").c_str()));
    ASSERT_EQ(repertory.GetTopicCount(), 8u);
    Index* index = repertory.GetWordIndex();
    std::map<std::string, std::vector<int>> words;
    for (unsigned k = 0; k < index->GetWordCount(); ++k)
        for (int j = 0; j < index->GetPostingCount(k); ++j)
            words[index->GetWord(k)].push_back(index->GetPosting(k, j));
    EXPECT_EQ(words["head"], (std::vector<int>{1, 7}));  // "Head" and "Head-ache"
    EXPECT_EQ(words["worse<3am>"], (std::vector<int>{3}));
    EXPECT_EQ(words["ache"], (std::vector<int>{7}));
    EXPECT_EQ(words.count("-"), 0u);
    // Anxiety lists acon twice: two entries, and rubric 6 twice in acon's list.
    EXPECT_EQ(repertory.GetTopic(6)->GetRemedyCount(), 4);
    std::vector<std::int32_t> acon;
    repertory.GetTopicsOfRemedy(0, acon);
    EXPECT_EQ(acon, (std::vector<std::int32_t>{2, 3, 6, 6}));
}
