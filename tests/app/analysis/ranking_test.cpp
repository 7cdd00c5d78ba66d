// Counts and weights of the repertorization, what is counted, and the
// production order the sort starts from.
#include "analysis/ranking.h"

#include <gtest/gtest.h>

#include <map>

#include "analysis/sort_type.h"
#include "analysis_builder.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"

namespace {

using analysis_test::NumberName;
using analysis_test::Rubric;
using analysis_test::Symptom;

// remedy -> {count, weight}
std::map<std::uint32_t, std::pair<int, int>> Figures(const RankedList& list) {
    std::map<std::uint32_t, std::pair<int, int>> figures;
    for (const CItems& entry : list) figures[entry.m_remedy] = {entry.m_count, entry.m_weight};
    return figures;
}

RankedList Rank(const CAnalysis& analysis) {
    RankedList list;
    Calculate(&analysis, list, NumberName);
    return list;
}

TEST(Ranking, SymptomWeightMultipliesOnlyItsOwnRubrics) {
    CAnalysis analysis;
    Symptom(analysis, 1, {Rubric({{7, 2}, {8, 1}})});
    Symptom(analysis, 3, {Rubric({{7, 2}})});
    Symptom(analysis, 4, {Rubric({{9, 3}}), Rubric({{8, 1}})});
    const auto figures = Figures(Rank(analysis));
    EXPECT_EQ(figures.at(7), std::make_pair(2, 2 * 1 + 2 * 3));
    EXPECT_EQ(figures.at(8), std::make_pair(2, 1 * 1 + 1 * 4));
    EXPECT_EQ(figures.at(9), std::make_pair(1, 12));
    EXPECT_EQ(figures.size(), 3u);
}

TEST(Ranking, OnlyVisibleRubricsCount) {
    CAnalysis analysis;
    CSympthom& symptom = Symptom(analysis, 2,
                                 {Rubric({{1, 3}}), Rubric({{1, 2}, {2, 4}}, /*hide=*/1),
                                  Rubric({{1, 4}, {3, 1}}, 0, CSympthom::kArticleTopic),
                                  Rubric({{3, 1}}, 0, /*dataType=*/0)});
    EXPECT_EQ(Figures(Rank(analysis)), (std::map<std::uint32_t, std::pair<int, int>>{{1, {1, 6}}}));
    // Showing the hidden rubric again brings it back at the next calculation.
    symptom.m_topics[1].m_hide = 0;
    EXPECT_EQ(Figures(Rank(analysis)),
              (std::map<std::uint32_t, std::pair<int, int>>{{1, {2, 10}}, {2, {1, 8}}}));
}

TEST(Ranking, FiguresAreNeitherCappedNorNormalised) {
    CAnalysis analysis;
    // A grade of 0 still counts; an out-of-range weight is used as stored.
    Symptom(analysis, 7, {Rubric({{5, 0}, {6, 9}}), Rubric({{5, 0}})});
    const auto figures = Figures(Rank(analysis));
    EXPECT_EQ(figures.at(5), std::make_pair(2, 0));
    EXPECT_EQ(figures.at(6), std::make_pair(1, 63));
}

TEST(Ranking, NoCountedRubricGivesAnEmptyList) {
    CAnalysis analysis;
    Symptom(analysis, 1, {Rubric({}), Rubric({{1, 2}}, 1)});
    EXPECT_TRUE(Rank(analysis).empty());
    RankedList list(3);
    Calculate(nullptr, list, NumberName);
    EXPECT_TRUE(list.empty());
}

class EventCounter : public event_client {
public:
    void OnEvent(unsigned code, std::uintptr_t, std::uintptr_t, std::uintptr_t) override {
        if (code == EV_UPDATE_TABLE) ++m_tableUpdates;
    }
    int m_tableUpdates = 0;
};

TEST(Ranking, EveryCalculationOfAnAnalysisBroadcastsOnce) {
    EventCounter counter;
    CAnalysis analysis;
    RankedList list;
    Calculate(nullptr, list, NumberName);
    EXPECT_EQ(counter.m_tableUpdates, 0);
    Calculate(&analysis, list, NumberName);  // empty, still a calculation
    EXPECT_EQ(counter.m_tableUpdates, 1);
    Symptom(analysis, 1, {Rubric({{1, 1}})});
    Calculate(&analysis, list, NumberName);
    EXPECT_EQ(counter.m_tableUpdates, 2);
}

TEST(Ranking, ProductionOrderWalksTheBucketsInOrder) {
    CAnalysis analysis;
    analysis.SetSortType(99);  // no sorting
    // Buckets (id >> 4) mod 17: 300 -> 1, 5 -> 0, 16 -> 1, 272 -> 0, 33 -> 2.
    Symptom(analysis, 1, {Rubric({{300, 1}, {5, 1}, {16, 1}, {272, 1}, {33, 1}})});
    std::vector<std::uint32_t> order;
    for (const CItems& entry : Rank(analysis)) order.push_back(entry.m_remedy);
    EXPECT_EQ(order, (std::vector<std::uint32_t>{5, 272, 300, 16, 33}));
}

}  // namespace
