// The orders of the ranked list.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "analysis/ranking.h"
#include "analysis/sort_type.h"

namespace {

CItems Entry(const char* name, int count, int weight, std::uint32_t remedy = 0) {
    CItems entry;
    entry.m_name = name;
    entry.m_count = count;
    entry.m_weight = weight;
    entry.m_remedy = remedy;
    return entry;
}

std::string Names(const RankedList& list) {
    std::string names;
    for (const CItems& entry : list) names += (names.empty() ? "" : " ") + entry.m_name;
    return names;
}

// In production order: figures chosen so that every sort type differs.
RankedList Sample() {
    return {Entry("sulph", 2, 6), Entry("Ars", 3, 4),  Entry("ars", 1, 12),
            Entry("bell", 3, 4),  Entry("acon", 4, 3), Entry("\xE0pis", 2, 6)};
}

struct SortCase {
    int sortType;
    const char* expected;

    // Names the case in test listings.
    friend void PrintTo(const SortCase& c, std::ostream* os) { *os << "sort type " << c.sortType; }
};

class RankSort : public ::testing::TestWithParam<SortCase> {};

TEST_P(RankSort, OrdersAsTheSortTypeSays) {
    RankedList list = Sample();
    SortRankedList(list, GetParam().sortType);
    EXPECT_EQ(Names(list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    RankSort, RankSort,
    ::testing::Values(
        // Factum (count x weight): 12, 12, 12, 12, 12, 12 -> production order kept.
        SortCase{kSortFactum, "sulph Ars ars bell acon \xE0pis"},
        // Weight: 12, then 6 (sulph, \xE0pis by byte), 4 (Ars before bell), 3.
        SortCase{kSortWeight, "ars sulph \xE0pis Ars bell acon"},
        // Count: 4, 3 (Ars before bell), 2 (sulph before \xE0pis: 0xE0 > 's'), 1.
        SortCase{kSortCount, "acon Ars bell sulph \xE0pis ars"},
        // Name: byte-wise, upper case first, code page 1251 letters last.
        SortCase{kSortName, "Ars acon ars bell sulph \xE0pis"},
        SortCase{4, "sulph Ars ars bell acon \xE0pis"},
        SortCase{-1, "sulph Ars ars bell acon \xE0pis"}));

// The exchange passes give what a stable sort by the same rule gives, for
// many lists full of ties.
TEST(RankSort, AgreesWithAStableSort) {
    std::mt19937 random(20240102);
    const char* names[] = {"a", "B", "b", "\xC0", "ab", ""};
    for (int round = 0; round < 300; ++round) {
        RankedList list;
        const int size = static_cast<int>(random() % 40);
        for (int i = 0; i < size; ++i)
            list.push_back(Entry(names[random() % 6], static_cast<int>(random() % 4),
                                 static_cast<int>(random() % 6), static_cast<std::uint32_t>(i)));
        for (int sortType = kSortFactum; sortType <= kSortName; ++sortType) {
            RankedList expected = list;
            std::stable_sort(
                expected.begin(), expected.end(), [sortType](const CItems& a, const CItems& b) {
                    const int byName = std::strcmp(a.m_name.c_str(), b.m_name.c_str());
                    switch (sortType) {
                        case kSortFactum:
                            return a.m_count * a.m_weight > b.m_count * b.m_weight;
                        case kSortWeight:
                            return a.m_weight != b.m_weight ? a.m_weight > b.m_weight : byName < 0;
                        case kSortCount:
                            return a.m_count != b.m_count ? a.m_count > b.m_count : byName < 0;
                        default:
                            return byName < 0;
                    }
                });
            RankedList sorted = list;
            SortRankedList(sorted, sortType);
            for (std::size_t i = 0; i < sorted.size(); ++i)
                ASSERT_EQ(sorted[i].m_remedy, expected[i].m_remedy)
                    << "round " << round << " sort " << sortType << " at " << i;
        }
    }
}

}  // namespace
