#include "search/number_sets.h"

#include <algorithm>

#include "corvela/data_source.h"

void SortUnique(NumberList& list) {
    if (!std::is_sorted(list.begin(), list.end())) std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
}

void NormalizeItemNumbers(NumberList& list) {
    std::erase_if(list, [](std::int32_t n) {
        return n < 0 || static_cast<std::uint32_t>(n) > kItemNumberMask;
    });
    if (list.size() < 256 || std::is_sorted(list.begin(), list.end())) return SortUnique(list);
    const std::int32_t largest = *std::max_element(list.begin(), list.end());
    if (static_cast<std::size_t>(largest) > 64 * list.size()) return SortUnique(list);
    std::vector<std::uint8_t> present(static_cast<std::size_t>(largest) + 1, 0);
    for (std::int32_t n : list) present[static_cast<std::size_t>(n)] = 1;
    list.clear();
    for (std::size_t n = 0; n < present.size(); ++n)
        if (present[n] != 0) list.push_back(static_cast<std::int32_t>(n));
}

void IntersectInto(NumberList& a, const NumberList& b) {
    // In place: the write position never passes the read position.
    auto out = a.begin();
    auto i = a.begin();
    auto j = b.begin();
    while (i != a.end() && j != b.end()) {
        if (*i < *j) {
            ++i;
        } else if (*j < *i) {
            ++j;
        } else {
            *out++ = *i++;
            ++j;
        }
    }
    a.erase(out, a.end());
}

void SubtractFrom(NumberList& a, const NumberList& b) {
    if (b.empty()) return;
    auto out = a.begin();
    auto j = b.begin();
    for (auto i = a.begin(); i != a.end(); ++i) {
        while (j != b.end() && *j < *i) ++j;
        if (j != b.end() && *j == *i) continue;
        *out++ = *i;
    }
    a.erase(out, a.end());
}
