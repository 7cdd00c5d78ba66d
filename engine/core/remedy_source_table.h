// Which materia medicas hold an article on each remedy: one row of data-source
// identifiers per catalogue remedy, in the order they were added.
#pragma once

#include <vector>

#include "corvela/guid.h"

class RemedySourceTable {
public:
    // Exactly rows rows (the catalogue's remedy count), each empty.
    void Resize(int rows);
    // Empties every row, keeping the row count.
    void ClearRows();
    int RowCount() const { return static_cast<int>(m_rows.size()); }

    // Appends id to row remedy without looking for duplicates (discovery adds
    // one entry per article).  Ignored for a remedy outside the table.
    void Append(int remedy, const Guid& id);
    // Appends id unless the row holds it already.
    void AddUnique(int remedy, const Guid& id);
    // Removes the first occurrence of id from the row, if any.
    void Remove(int remedy, const Guid& id);

    // The row's length; 0 for a remedy outside the table.
    int Count(int remedy) const;
    // Copies the identifier at (remedy, column) into *out; leaves *out
    // untouched when either is out of range.
    void Get(int remedy, int column, Guid* out) const;

private:
    std::vector<Guid>* Row(int remedy);
    const std::vector<Guid>* Row(int remedy) const;

    std::vector<std::vector<Guid>> m_rows;
};
