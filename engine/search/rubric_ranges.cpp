#include "search/rubric_ranges.h"

#include <algorithm>
#include <numeric>

#include "corvela/repertory.h"

RubricRanges::RubricRanges(Repertory& repertory, std::size_t count) {
    // Pre-order: a rubric's parent has a smaller number, so one backward pass
    // adds every subtree's size to its parent's.
    std::vector<std::int32_t> sizes(count, 1);
    for (std::size_t n = count; n-- > 1;) {
        Topic* topic = repertory.GetTopic(static_cast<std::uint32_t>(n));
        DataItem* parent = topic != nullptr ? topic->GetParent() : nullptr;
        if (parent == nullptr) continue;
        const std::uint32_t p = ItemNumber(parent->GetId());
        if (p < n) sizes[p] += sizes[n];
    }
    m_ends.resize(count);
    for (std::size_t n = 0; n < count; ++n)
        m_ends[n] =
            static_cast<std::int32_t>(std::min(count, n + static_cast<std::size_t>(sizes[n])));
}

void RubricRanges::ExpandInPlace(NumberList& postings) const {
    const auto count = static_cast<std::int32_t>(m_ends.size());
    NumberList expanded;
    // Subtrees are nested or apart, so a start inside the subtree taken last
    // adds nothing; the output comes out ascending.
    const auto take = [&](std::int32_t n, std::int32_t& coveredTo) {
        if (n < coveredTo) return;
        const std::int32_t end = m_ends[static_cast<std::size_t>(n)];
        const std::size_t at = expanded.size();
        expanded.resize(at + static_cast<std::size_t>(end - n));
        std::iota(expanded.begin() + static_cast<std::ptrdiff_t>(at), expanded.end(), n);
        coveredTo = end;
    };
    std::int32_t coveredTo = 0;
    // Few postings: sort them.  Many (a word in most rubrics): mark them in
    // one pass over the rubrics instead, which stays linear.
    const std::size_t few = std::max<std::size_t>(64, m_ends.size() / 32);
    if (postings.size() <= few) {
        std::erase_if(postings, [count](std::int32_t n) { return n < 0 || n >= count; });
        SortUnique(postings);
        for (std::int32_t n : postings) take(n, coveredTo);
    } else {
        expanded.reserve(m_ends.size());
        std::vector<std::uint8_t> marked(m_ends.size(), 0);
        for (std::int32_t n : postings)
            if (n >= 0 && n < count) marked[static_cast<std::size_t>(n)] = 1;
        for (std::int32_t n = 0; n < count;) {
            if (marked[static_cast<std::size_t>(n)] != 0) {
                take(n, coveredTo);
                n = coveredTo;
            } else {
                ++n;
            }
        }
    }
    postings.swap(expanded);
}
