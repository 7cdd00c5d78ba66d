#include "search/number_sets.h"

#include <algorithm>

void SortUnique(NumberList& list) {
    if (!std::is_sorted(list.begin(), list.end())) std::sort(list.begin(), list.end());
    list.erase(std::unique(list.begin(), list.end()), list.end());
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
