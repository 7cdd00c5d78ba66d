// The remedies of a whole search result: for every remedy the number of hit
// rubrics that list it and the sum of its grades there, the remedies in the
// most rubrics first.  The search page shows the top of the list above its
// hits; a click narrows the query to the remedy.
#pragma once

#include <cstdint>
#include <vector>

class Repertory;

struct CRemedyStatistic {
    int remedy = -1;   // catalogue number
    int rubrics = 0;   // hit rubrics that list it
    int gradeSum = 0;  // its grades in them
};

// Over the rubrics `rubricIds` (item identifiers) of `repertory`: a remedy
// counts once per rubric, with the grade of its first entry there (as the
// search compares grades).  Sorted by rubrics, then grade sum, both
// descending, then catalogue number; at most `top` entries.  Identifiers the
// repertory does not know are skipped.
std::vector<CRemedyStatistic> CountRemedies(Repertory& repertory,
                                            const std::vector<std::uint32_t>& rubricIds, int top);
