#include "analysis/grade_matrix.h"

#include <cstdint>
#include <unordered_map>

#include "analysis/counted_topics.h"
#include "model/records/analysis.h"

void CGradeMatrix::Clear() {
    m_built = false;
    m_rows = 0;
    m_columns = 0;
    m_cells.clear();
}

void CGradeMatrix::Reset(int rows, int columns) {
    m_rows = rows;
    m_columns = columns;
    m_cells.assign(static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns), 0);
    m_built = true;
}

void BuildGradeMatrix(const CAnalysis* analysis, const RankedList* ranked, CGradeMatrix& matrix) {
    matrix.Clear();
    if (analysis == nullptr || ranked == nullptr) return;
    const std::vector<CountedTopic> columns = CountedTopics(*analysis);
    matrix.Reset(static_cast<int>(ranked->size()), static_cast<int>(columns.size()));

    // The rows of each remedy (one in practice), instead of a walk of the
    // ranked list per remedy entry.
    std::unordered_map<std::uint32_t, std::vector<int>> rowsOf;
    for (std::size_t row = 0; row < ranked->size(); ++row)
        rowsOf[(*ranked)[row].m_remedy].push_back(static_cast<int>(row));

    for (std::size_t c = 0; c < columns.size(); ++c) {
        for (const CSympthom::CTopic::CRemedyInfo& entry : columns[c].topic->m_remedies) {
            const auto found = rowsOf.find(static_cast<std::uint32_t>(entry.m_remedy));
            if (found == rowsOf.end()) continue;
            for (int row : found->second) matrix.Set(row, static_cast<int>(c), entry.m_grade);
        }
    }
}
