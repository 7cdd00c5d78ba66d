// The grade matrix of an analysis table: one row per ranked entry (in the
// ranked list's order), one column per counted topic (counted_topics.h), each
// cell the remedy's grade in that rubric, 0 where it does not occur.
#pragma once

#include <vector>

#include "analysis/ranked_item.h"

class CAnalysis;

class CGradeMatrix {
public:
    // False until built, and after Clear or a build without analysis or list.
    bool IsBuilt() const { return m_built; }
    int GetRowCount() const { return m_rows; }
    int GetColumnCount() const { return m_columns; }
    // The grade at (row, column); both must be below their counts.
    int Get(int row, int column) const { return m_cells[Index(row, column)]; }

    void Clear();
    // rows x columns cells, all 0, built.
    void Reset(int rows, int columns);
    void Set(int row, int column, int grade) { m_cells[Index(row, column)] = grade; }

private:
    std::size_t Index(int row, int column) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) +
               static_cast<std::size_t>(column);
    }

    bool m_built = false;
    int m_rows = 0;
    int m_columns = 0;
    std::vector<int> m_cells;
};

// Frees the previous matrix and, when both `analysis` and `ranked` are given,
// builds the new one: for counted topic c and each of its remedy entries,
// every row of that remedy gets the entry's grade in column c (a later entry
// of the same remedy in one topic overwrites an earlier one).  Without an
// analysis or a ranked list the matrix stays unbuilt (the grid draws nothing).
void BuildGradeMatrix(const CAnalysis* analysis, const RankedList* ranked, CGradeMatrix& matrix);
