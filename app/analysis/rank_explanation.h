// Why a remedy stands where it stands in the ranking of an analysis: the
// counted rubric entries that gave to its figures, and the top ranks that hang
// on a single rubric (they fall out of the top when that one rubric alone is
// excluded).  Plain reads of the analysis and of a list Calculate made for it.
#pragma once

#include <cstdint>
#include <vector>

#include "analysis/ranked_item.h"
#include "model/records/sympthom.h"

class CAnalysis;

// One counted remedy entry: grade x symptom weight added to the remedy's
// weight, and 1 to its count.
struct RankContribution {
    int column = 0;  // the counted topic's number (the grade matrix column)
    const CSympthom* symptom = nullptr;
    const CSympthom::CTopic* topic = nullptr;
    int grade = 0;
    int symptomWeight = 0;

    int Product() const { return grade * symptomWeight; }
};

// The counted entries of remedy `remedy` in column order (an entry repeated
// within one rubric appears twice, as the ranking counts it).  The pointers
// stay valid while the analysis is not changed.
std::vector<RankContribution> ExplainRemedy(const CAnalysis& analysis, std::uint32_t remedy);

// The figure the sort type orders by, for the hint and the tool: count x
// weight for "Factum", the weight for "Weight", the count for "Count"; 0 for
// the orders by name or none.
long long SortFigure(const CItems& entry, int sortType);

// A remedy among the first `top` of a ranking that leaves them when one
// counted rubric alone is excluded, and the columns whose exclusion does it.
struct FragileRank {
    std::uint32_t remedy = 0;
    std::vector<int> columns;
};

// The fragile ranks of `ranked`, the list Calculate made for `analysis` (same
// analysis, same sort type), in ranked order.  For every counted rubric the
// figures are taken without it and the order is decided as the ranking's own
// stable sort would decide it; a remedy whose count drops to 0 leaves the
// list.  Columns x top x remedies comparisons, no recalculation.
std::vector<FragileRank> FindFragileRanks(const CAnalysis& analysis, const RankedList& ranked,
                                          int top = 10);
