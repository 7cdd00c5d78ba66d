#include "views/analysis/chart/chart_data.h"

#include "model/records/analysis.h"
#include "views/analysis/chart/chart_style.h"

CChartData::CChartData(RemedyNameFunction names) : m_names(std::move(names)) {}

void CChartData::SetAnalysis(CAnalysis* analysis) {
    m_analysis = analysis;
    m_due = true;
}

bool CChartData::Ensure() {
    if (!m_due) return false;
    m_due = false;
    ++m_generation;
    m_calculating = true;
    Calculate(m_analysis, m_ranked, m_names);
    m_calculating = false;
    BuildGradeMatrix(m_analysis, &m_ranked, m_matrix);
    m_columns.clear();
    m_spans.clear();
    if (m_analysis != nullptr) {
        m_columns = CountedTopics(*m_analysis);
        for (CSympthom* symptom = &m_analysis->GetFirstSymptom(); symptom != nullptr;
             symptom = symptom->GetNext()) {
            SymptomSpan span{symptom, 0, 0};
            span.first = m_spans.empty() ? 0 : m_spans.back().first + m_spans.back().count;
            for (const CSympthom::CTopic& topic : symptom->m_topics)
                if (topic.IsCounted()) ++span.count;
            // Symptoms without a counted rubric take no columns and get no marker.
            if (span.count > 0) m_spans.push_back(span);
        }
    }
    m_labels.clear();
    m_labels.reserve(m_ranked.size());
    for (const CItems& entry : m_ranked) m_labels.push_back(chart::RemedyLabel(entry.m_name));
    m_fragilityKnown = false;
    m_fragile.clear();
    m_fragileOfRow.clear();
    return true;
}

const CChartData::SymptomSpan* CChartData::SpanOf(int column) const {
    // Few spans (one per symptom): a binary search over their first columns.
    auto it = std::upper_bound(m_spans.begin(), m_spans.end(), column,
                               [](int c, const SymptomSpan& span) { return c < span.first; });
    if (it == m_spans.begin()) return nullptr;
    --it;
    return column < it->first + it->count ? &*it : nullptr;
}

void CChartData::EnsureFragility() {
    Ensure();
    if (m_fragilityKnown) return;
    m_fragilityKnown = true;
    m_fragile.clear();
    m_fragileOfRow.assign(m_ranked.size(), -1);
    if (m_analysis == nullptr) return;
    m_fragile = FindFragileRanks(*m_analysis, m_ranked, kFragileTop);
    // The fragile ranks are among the first rows, in ranked order.
    std::size_t next = 0;
    for (std::size_t row = 0; row < m_ranked.size() && next < m_fragile.size(); ++row) {
        if (m_ranked[row].m_remedy == m_fragile[next].remedy)
            m_fragileOfRow[row] = static_cast<int>(next++);
    }
}

const FragileRank* CChartData::FragilityOf(int row) const {
    if (!m_fragilityKnown || row < 0 || row >= static_cast<int>(m_fragileOfRow.size()))
        return nullptr;
    const int index = m_fragileOfRow[static_cast<std::size_t>(row)];
    return index >= 0 ? &m_fragile[static_cast<std::size_t>(index)] : nullptr;
}
