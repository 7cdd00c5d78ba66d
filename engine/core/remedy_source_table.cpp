#include "core/remedy_source_table.h"

#include <algorithm>

void RemedySourceTable::Resize(int rows) {
    m_rows.assign(rows < 0 ? 0 : static_cast<std::size_t>(rows), {});
}

void RemedySourceTable::ClearRows() {
    for (auto& row : m_rows) row.clear();
}

std::vector<Guid>* RemedySourceTable::Row(int remedy) {
    if (remedy < 0 || remedy >= RowCount()) return nullptr;
    return &m_rows[static_cast<std::size_t>(remedy)];
}

const std::vector<Guid>* RemedySourceTable::Row(int remedy) const {
    if (remedy < 0 || remedy >= RowCount()) return nullptr;
    return &m_rows[static_cast<std::size_t>(remedy)];
}

void RemedySourceTable::Append(int remedy, const Guid& id) {
    if (auto* row = Row(remedy)) row->push_back(id);
}

void RemedySourceTable::AddUnique(int remedy, const Guid& id) {
    auto* row = Row(remedy);
    if (row != nullptr && std::find(row->begin(), row->end(), id) == row->end()) row->push_back(id);
}

void RemedySourceTable::Remove(int remedy, const Guid& id) {
    auto* row = Row(remedy);
    if (row == nullptr) return;
    auto found = std::find(row->begin(), row->end(), id);
    if (found != row->end()) row->erase(found);
}

int RemedySourceTable::Count(int remedy) const {
    const auto* row = Row(remedy);
    return row == nullptr ? 0 : static_cast<int>(row->size());
}

void RemedySourceTable::Get(int remedy, int column, Guid* out) const {
    const auto* row = Row(remedy);
    if (row == nullptr || out == nullptr || column < 0 || column >= static_cast<int>(row->size()))
        return;
    *out = (*row)[static_cast<std::size_t>(column)];
}
