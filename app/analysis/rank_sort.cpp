// The order of the ranked list: repeated adjacent-exchange passes from the
// tail towards the head until a pass exchanges nothing.
#include <cstdint>
#include <cstring>
#include <utility>

#include "analysis/ranking.h"
#include "analysis/sort_type.h"

namespace {

int CompareNames(const CItems& a, const CItems& b) {
    return std::strcmp(a.m_name.c_str(), b.m_name.c_str());  // unsigned bytes
}

// True when `later` must stand before `earlier` under `sortType`.
bool ComesBefore(const CItems& later, const CItems& earlier, int sortType) {
    switch (sortType) {
        case kSortFactum:
            return std::int64_t{later.m_count} * later.m_weight >
                   std::int64_t{earlier.m_count} * earlier.m_weight;
        case kSortWeight:
            if (later.m_weight != earlier.m_weight) return later.m_weight > earlier.m_weight;
            return CompareNames(later, earlier) < 0;
        case kSortCount:
            if (later.m_count != earlier.m_count) return later.m_count > earlier.m_count;
            return CompareNames(later, earlier) < 0;
        case kSortName:
            return CompareNames(later, earlier) < 0;
        default:
            return false;
    }
}

void Exchange(CItems& a, CItems& b) {
    std::swap(a.m_name, b.m_name);
    std::swap(a.m_remedy, b.m_remedy);
    std::swap(a.m_weight, b.m_weight);
    std::swap(a.m_count, b.m_count);
}

}  // namespace

void SortRankedList(RankedList& list, int sortType) {
    if (sortType < kSortFactum || sortType > kSortName || list.size() < 2) return;
    // After each pass the entry at the front of the unsorted part is in its
    // place, so the next pass stops one position later.
    std::size_t settled = 0;
    bool exchanged = true;
    while (exchanged && settled + 1 < list.size()) {
        exchanged = false;
        for (std::size_t i = list.size() - 1; i > settled; --i) {
            if (ComesBefore(list[i], list[i - 1], sortType)) {
                Exchange(list[i], list[i - 1]);
                exchanged = true;
            }
        }
        ++settled;
    }
}
