// The explanation of a ranking and its fragile top ranks, checked against
// recalculating the whole ranking with each rubric excluded in turn.
#include "analysis/rank_explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "analysis/counted_topics.h"
#include "analysis/ranking.h"
#include "analysis/sort_type.h"
#include "analysis_builder.h"

namespace {

using analysis_test::NumberName;
using analysis_test::Rubric;
using analysis_test::Symptom;

RankedList Rank(const CAnalysis& analysis) {
    RankedList list;
    Calculate(&analysis, list, NumberName);
    return list;
}

TEST(RankExplanation, ListsEveryCountedEntryWithGradeAndWeight) {
    CAnalysis analysis;
    Symptom(analysis, 1, {Rubric({{7, 2}, {8, 1}}), Rubric({{7, 4}}, /*hide=*/1)});
    CSympthom& second = Symptom(analysis, 3, {Rubric({{7, 3}, {7, 1}})});
    const std::vector<RankContribution> parts = ExplainRemedy(analysis, 7);
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].column, 0);
    EXPECT_EQ(parts[0].Product(), 2);
    // The hidden rubric has no column; the second symptom's rubric is column 1.
    EXPECT_EQ(parts[1].column, 1);
    EXPECT_EQ(parts[1].symptom, &second);
    EXPECT_EQ(parts[1].Product(), 9);
    EXPECT_EQ(parts[2].Product(), 3);
    // The sums the ranking shows are the sums of the parts.
    const RankedList ranked = Rank(analysis);
    const auto entry = std::find_if(ranked.begin(), ranked.end(),
                                    [](const CItems& e) { return e.m_remedy == 7; });
    ASSERT_NE(entry, ranked.end());
    EXPECT_EQ(entry->m_count, 3);
    EXPECT_EQ(entry->m_weight, 2 + 9 + 3);
    EXPECT_EQ(SortFigure(*entry, kSortFactum), 3 * 14);
    EXPECT_EQ(SortFigure(*entry, kSortCount), 3);
    EXPECT_EQ(SortFigure(*entry, kSortName), 0);
    EXPECT_TRUE(ExplainRemedy(analysis, 99).empty());
}

// The fragile ranks found by recalculating with each counted rubric hidden.
std::vector<FragileRank> ByRecalculating(CAnalysis& analysis, int top) {
    const RankedList ranked = Rank(analysis);
    std::vector<CSympthom::CTopic*> counted;
    for (CSympthom* s = &analysis.GetFirstSymptom(); s != nullptr; s = s->GetNext())
        for (CSympthom::CTopic& topic : s->m_topics)
            if (topic.IsCounted()) counted.push_back(&topic);
    std::vector<FragileRank> fragile;
    const int shown = std::min<int>(top, static_cast<int>(ranked.size()));
    for (int t = 0; t < shown; ++t) {
        FragileRank rank{ranked[static_cast<std::size_t>(t)].m_remedy, {}};
        for (std::size_t c = 0; c < counted.size(); ++c) {
            counted[c]->m_hide = 1;
            const RankedList without = Rank(analysis);
            counted[c]->m_hide = 0;
            const auto end = without.begin() + std::min<std::ptrdiff_t>(top, std::ssize(without));
            const bool stays = std::any_of(without.begin(), end, [&](const CItems& e) {
                return e.m_remedy == rank.remedy;
            });
            if (!stays) rank.columns.push_back(static_cast<int>(c));
        }
        if (!rank.columns.empty()) fragile.push_back(rank);
    }
    return fragile;
}

void ExpectSame(const std::vector<FragileRank>& found, const std::vector<FragileRank>& expected) {
    ASSERT_EQ(found.size(), expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].remedy, expected[i].remedy) << "rank " << i;
        EXPECT_EQ(found[i].columns, expected[i].columns) << "rank " << i;
    }
}

TEST(FragileRanks, ARemedyCarriedByOneRubricIsFragile) {
    CAnalysis analysis;
    // Remedy 1 leads only through the heavy rubric; remedy 2 is everywhere.
    Symptom(analysis, 4, {Rubric({{1, 4}, {2, 1}})});
    Symptom(analysis, 1, {Rubric({{2, 1}, {3, 1}}), Rubric({{2, 1}, {3, 2}})});
    const RankedList ranked = Rank(analysis);
    const std::vector<FragileRank> fragile = FindFragileRanks(analysis, ranked, 2);
    ExpectSame(fragile, ByRecalculating(analysis, 2));
    ASSERT_FALSE(fragile.empty());
    EXPECT_EQ(fragile.front().remedy, 1u);
    EXPECT_EQ(fragile.front().columns, std::vector<int>{0});
}

TEST(FragileRanks, AShortListLosesOnlyRemediesThatVanish) {
    CAnalysis analysis;
    Symptom(analysis, 1, {Rubric({{1, 1}, {2, 2}}), Rubric({{2, 1}})});
    // Two remedies, a top of ten: only remedy 1 can leave, by vanishing.
    const std::vector<FragileRank> fragile = FindFragileRanks(analysis, Rank(analysis), 10);
    ASSERT_EQ(fragile.size(), 1u);
    EXPECT_EQ(fragile[0].remedy, 1u);
    EXPECT_EQ(fragile[0].columns, std::vector<int>{0});
    CAnalysis empty;
    EXPECT_TRUE(FindFragileRanks(empty, Rank(empty), 10).empty());
}

// Many random analyses under every sort type, ties included (few grades,
// few weights, names that collide in case only).
TEST(FragileRanks, AgreeWithRecalculationUnderEverySortType) {
    std::mt19937 random(20250214);
    for (int round = 0; round < 60; ++round) {
        CAnalysis analysis;
        const int symptoms = 1 + static_cast<int>(random() % 4);
        for (int s = 0; s < symptoms; ++s) {
            CSympthom& symptom = Symptom(analysis, 1 + static_cast<int>(random() % 4), {});
            const int rubrics = 1 + static_cast<int>(random() % 4);
            for (int r = 0; r < rubrics; ++r) {
                CSympthom::CTopic topic = Rubric({}, random() % 6 == 0 ? 1 : 0);
                const int entries = static_cast<int>(random() % 12);
                for (int e = 0; e < entries; ++e)
                    topic.m_remedies.push_back({static_cast<int>(random() % 40),
                                                1 + static_cast<int>(random() % 3), ""});
                symptom.m_topics.push_back(topic);
            }
        }
        analysis.SetSortType(static_cast<int>(round % 5));
        const int top = 3 + round % 8;
        SCOPED_TRACE("round " + std::to_string(round));
        ExpectSame(FindFragileRanks(analysis, Rank(analysis), top), ByRecalculating(analysis, top));
    }
}

}  // namespace
