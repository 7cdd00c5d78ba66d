#include "analysis/rank_explanation.h"

#include <cstring>
#include <unordered_map>

#include "analysis/counted_topics.h"
#include "analysis/id_table.h"
#include "analysis/sort_type.h"
#include "model/records/analysis.h"

std::vector<RankContribution> ExplainRemedy(const CAnalysis& analysis, std::uint32_t remedy) {
    std::vector<RankContribution> contributions;
    const std::vector<CountedTopic> columns = CountedTopics(analysis);
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (const CSympthom::CTopic::CRemedyInfo& entry : columns[c].topic->m_remedies) {
            if (static_cast<std::uint32_t>(entry.m_remedy) != remedy) continue;
            contributions.push_back({static_cast<int>(c), columns[c].symptom, columns[c].topic,
                                     entry.m_grade, columns[c].symptom->m_weight});
        }
    }
    return contributions;
}

long long SortFigure(const CItems& entry, int sortType) {
    switch (sortType) {
        case kSortFactum:
            return static_cast<long long>(entry.m_count) * entry.m_weight;
        case kSortWeight:
            return entry.m_weight;
        case kSortCount:
            return entry.m_count;
        default:
            return 0;
    }
}

namespace {

// The figures of the ranked remedies by rank, with what decides ties: the
// position in which Calculate produces them.  That is the walk of its
// identifier table: bucket by bucket, each bucket in the order its remedies
// were first met.  Without a rubric a remedy is first met where it was first
// met before, unless that was in the excluded rubric: then at its first entry
// in another one.
struct Standing {
    std::vector<long long> weight;
    std::vector<long long> count;
    std::vector<std::size_t> bucket;
    std::vector<long long> firstSeen;   // sequence number of the first entry
    std::vector<int> firstColumn;       // its rubric
    std::vector<long long> laterSeen;   // the first entry in another rubric
    int excluded = -1;                  // the rubric left out
    const RankedList* ranked = nullptr;
    int sortType = 0;

    bool ProducedBefore(std::size_t a, std::size_t b) const {
        if (bucket[a] != bucket[b]) return bucket[a] < bucket[b];
        const long long seenA = firstColumn[a] != excluded ? firstSeen[a] : laterSeen[a];
        const long long seenB = firstColumn[b] != excluded ? firstSeen[b] : laterSeen[b];
        return seenA < seenB;
    }

    // True when rank `a` stands before rank `b` with the figures given; the
    // ranking's sort is stable, so ties go by production order.
    bool Before(int a, long long weightA, long long countA, int b, long long weightB,
                long long countB) const {
        const char* nameA = (*ranked)[static_cast<std::size_t>(a)].m_name.c_str();
        const char* nameB = (*ranked)[static_cast<std::size_t>(b)].m_name.c_str();
        switch (sortType) {
            case kSortFactum: {
                const long long factumA = weightA * countA, factumB = weightB * countB;
                if (factumA != factumB) return factumA > factumB;
                break;
            }
            case kSortWeight:
                if (weightA != weightB) return weightA > weightB;
                if (const int order = std::strcmp(nameA, nameB)) return order < 0;
                break;
            case kSortCount:
                if (countA != countB) return countA > countB;
                if (const int order = std::strcmp(nameA, nameB)) return order < 0;
                break;
            case kSortName:
                if (const int order = std::strcmp(nameA, nameB)) return order < 0;
                break;
            default:
                break;
        }
        return ProducedBefore(static_cast<std::size_t>(a), static_cast<std::size_t>(b));
    }
};

}  // namespace

std::vector<FragileRank> FindFragileRanks(const CAnalysis& analysis, const RankedList& ranked,
                                          int top) {
    std::vector<FragileRank> fragile;
    const int rows = static_cast<int>(ranked.size());
    top = std::min(top, rows);
    if (top <= 0) return fragile;

    std::unordered_map<std::uint32_t, int> rankOf;
    rankOf.reserve(ranked.size());
    for (int r = 0; r < rows; ++r) rankOf.emplace(ranked[static_cast<std::size_t>(r)].m_remedy, r);

    Standing standing;
    standing.ranked = &ranked;
    standing.sortType = analysis.GetSortType();
    standing.weight.resize(ranked.size());
    standing.count.resize(ranked.size());
    standing.bucket.resize(ranked.size());
    standing.firstSeen.assign(ranked.size(), -1);
    standing.firstColumn.assign(ranked.size(), -1);
    standing.laterSeen.assign(ranked.size(), -1);
    for (int r = 0; r < rows; ++r) {
        const CItems& entry = ranked[static_cast<std::size_t>(r)];
        standing.weight[static_cast<std::size_t>(r)] = entry.m_weight;
        standing.count[static_cast<std::size_t>(r)] = entry.m_count;
        standing.bucket[static_cast<std::size_t>(r)] = IdTable<int>::BucketOf(entry.m_remedy);
    }

    const std::vector<CountedTopic> columns = CountedTopics(analysis);
    long long sequence = 0;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (const CSympthom::CTopic::CRemedyInfo& entry : columns[c].topic->m_remedies) {
            const auto found = rankOf.find(static_cast<std::uint32_t>(entry.m_remedy));
            ++sequence;
            if (found == rankOf.end()) continue;
            const auto r = static_cast<std::size_t>(found->second);
            if (standing.firstSeen[r] < 0) {
                standing.firstSeen[r] = sequence;
                standing.firstColumn[r] = static_cast<int>(c);
            } else if (standing.laterSeen[r] < 0 && standing.firstColumn[r] != static_cast<int>(c)) {
                standing.laterSeen[r] = sequence;
            }
        }
    }

    std::vector<std::vector<int>> dropsBy(static_cast<std::size_t>(top));
    std::vector<long long> lessWeight(ranked.size(), 0), lessCount(ranked.size(), 0);
    std::vector<int> touched;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const int symptomWeight = columns[c].symptom->m_weight;
        standing.excluded = static_cast<int>(c);
        touched.clear();
        for (const CSympthom::CTopic::CRemedyInfo& entry : columns[c].topic->m_remedies) {
            const auto found = rankOf.find(static_cast<std::uint32_t>(entry.m_remedy));
            if (found == rankOf.end()) continue;
            const auto r = static_cast<std::size_t>(found->second);
            if (lessCount[r] == 0) touched.push_back(found->second);
            lessCount[r] += 1;
            lessWeight[r] += static_cast<long long>(entry.m_grade) * symptomWeight;
        }
        for (int t = 0; t < top; ++t) {
            const auto ts = static_cast<std::size_t>(t);
            const long long countT = standing.count[ts] - lessCount[ts];
            const long long weightT = standing.weight[ts] - lessWeight[ts];
            bool leaves = countT <= 0;
            int ahead = 0;
            for (int s = 0; s < rows && !leaves; ++s) {
                if (s == t) continue;
                const auto ss = static_cast<std::size_t>(s);
                const long long countS = standing.count[ss] - lessCount[ss];
                if (countS <= 0) continue;
                const long long weightS = standing.weight[ss] - lessWeight[ss];
                if (standing.Before(s, weightS, countS, t, weightT, countT)) leaves = ++ahead >= top;
            }
            if (leaves) dropsBy[ts].push_back(static_cast<int>(c));
        }
        for (int r : touched) {
            lessCount[static_cast<std::size_t>(r)] = 0;
            lessWeight[static_cast<std::size_t>(r)] = 0;
        }
    }
    for (int t = 0; t < top; ++t) {
        if (dropsBy[static_cast<std::size_t>(t)].empty()) continue;
        fragile.push_back({ranked[static_cast<std::size_t>(t)].m_remedy,
                           std::move(dropsBy[static_cast<std::size_t>(t)])});
    }
    return fragile;
}
