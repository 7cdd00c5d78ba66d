// The subtree of every rubric as a range of pre-order numbers: a rubric n and
// everything below it are the numbers [n, End(n)).  A word found in a rubric
// finds its whole subtree, since rubrics inherit the words of those above.
#pragma once

#include <cstdint>
#include <vector>

#include "search/number_sets.h"

class Repertory;

class RubricRanges {
public:
    // Walks the parent links of the repertory's count rubrics once.
    RubricRanges(Repertory& repertory, std::size_t count);

    std::size_t RubricCount() const { return m_ends.size(); }
    std::int32_t End(std::int32_t n) const { return m_ends[static_cast<std::size_t>(n)]; }

    // Replaces postings (rubric numbers in any order, repeats allowed; numbers
    // outside the repertory are dropped) by every rubric they name together
    // with all rubrics below them: ascending, without repeats.
    void ExpandInPlace(NumberList& postings) const;

private:
    std::vector<std::int32_t> m_ends;
};
