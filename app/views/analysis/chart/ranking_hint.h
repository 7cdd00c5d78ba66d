// The explained ranking: what the hint over a remedy of the ranking column
// says about how the remedy earned its place.
//
//     nux-v: grade x symptom weight
//     Mind; Anger; contradiction, from: 3 x 2 = 6
//     ...
//     Count 4 · Weight 13 · Factum 52
//     Leaves the top ten when excluded:
//       Mind; Anger; contradiction, from
#pragma once

#include <QString>

class CChartData;

namespace chart {

// At most this many rubrics are listed; "and %d more" stands for the rest.
inline constexpr int kHintRubrics = 30;

// The hint of row `row` of `data` (translated, ready to show); the fragile
// line only when the fragility is known.  Empty for a row out of range.
QString RankingHint(const CChartData& data, int row);

}  // namespace chart
