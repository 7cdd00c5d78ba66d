// CChartData: what the panes of an analysis table show, computed once for all
// of them: the ranked list (Calculate), the grade matrix in its order, the
// counted rubrics that make the columns and, per symptom, the run of columns
// its rubrics take.  The table's container owns one and hands it to its panes;
// the printed and exported chart reads one of its own.
//
// The data follows the analysis lazily: Invalidate() when the analysis
// changed (EV_UPDATE_ANALYSIS), and the next Ensure() recalculates.  The fragile
// ranks (rank_explanation.h) are computed only when asked for.
//
// User-interface thread only.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "analysis/counted_topics.h"
#include "analysis/grade_matrix.h"
#include "analysis/rank_explanation.h"
#include "analysis/ranking.h"

class CAnalysis;
class CSympthom;

class CChartData {
public:
    // The counted rubrics of one symptom: columns [first, first + count).
    struct SymptomSpan {
        CSympthom* symptom = nullptr;
        int first = 0;
        int count = 0;
    };

    // Remedy names from `names` (the engine's catalogue when empty).
    explicit CChartData(RemedyNameFunction names = {});

    // The analysis shown (borrowed; null: none).  Invalidates.
    void SetAnalysis(CAnalysis* analysis);
    CAnalysis* Analysis() const { return m_analysis; }

    // The analysis changed: everything is computed anew at the next Ensure.
    void Invalidate() { m_due = true; }
    bool IsDue() const { return m_due; }
    // Recalculates when due (Calculate broadcasts EV_UPDATE_TABLE); true when
    // it did.  The references below stay valid until the next recalculation.
    bool Ensure();
    // True while the recalculation's own EV_UPDATE_TABLE is being broadcast.
    bool IsCalculating() const { return m_calculating; }
    // Counts recalculations, so that a view knows whether its layout is current.
    std::uint64_t Generation() const { return m_generation; }

    const RankedList& Ranked() const { return m_ranked; }
    const CGradeMatrix& Matrix() const { return m_matrix; }
    const std::vector<CountedTopic>& Columns() const { return m_columns; }
    const std::vector<SymptomSpan>& Spans() const { return m_spans; }
    int RowCount() const { return static_cast<int>(m_ranked.size()); }
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    // The name row `row` shows (trailing '.', ',' and blanks removed).
    const QString& RemedyLabel(int row) const { return m_labels[static_cast<std::size_t>(row)]; }
    // The span holding `column`; null when none.
    const SymptomSpan* SpanOf(int column) const;

    // The fragile ranks among the first kFragileTop, computed at the first call
    // after a recalculation.
    static constexpr int kFragileTop = 10;
    void EnsureFragility();
    bool FragilityKnown() const { return m_fragilityKnown; }
    // The fragile rank of row `row`; null when the row is not fragile or the
    // fragility is not known yet.
    const FragileRank* FragilityOf(int row) const;

private:
    RemedyNameFunction m_names;
    CAnalysis* m_analysis = nullptr;
    bool m_due = true;
    bool m_calculating = false;
    std::uint64_t m_generation = 0;
    RankedList m_ranked;
    CGradeMatrix m_matrix;
    std::vector<CountedTopic> m_columns;
    std::vector<SymptomSpan> m_spans;
    std::vector<QString> m_labels;
    bool m_fragilityKnown = false;
    std::vector<FragileRank> m_fragile;
    std::vector<int> m_fragileOfRow;  // index into m_fragile, -1 for none
};
