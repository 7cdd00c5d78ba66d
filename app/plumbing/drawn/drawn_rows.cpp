#include "plumbing/drawn/drawn_rows.h"

#include <algorithm>
#include <cassert>

void CDrawnRows::Clear() {
    m_tops.clear();
    m_heights.clear();
    m_firstItems.clear();
    m_lefts.clear();
    m_rights.clear();
    m_right = 0;
}

void CDrawnRows::Reserve(std::size_t rows, std::size_t items) {
    m_tops.reserve(rows);
    m_heights.reserve(rows);
    m_firstItems.reserve(rows);
    m_lefts.reserve(items);
    m_rights.reserve(items);
}

int CDrawnRows::AddRow(int top, int height) {
    assert(height >= 0 && (m_tops.empty() || top >= Bottom()));
    m_tops.push_back(top);
    m_heights.push_back(height);
    m_firstItems.push_back(ItemCount());
    return RowCount() - 1;
}

int CDrawnRows::AddItem(int left, int width) {
    assert(!m_tops.empty() && width >= 0);
    assert(ItemCount() == m_firstItems.back() || left >= m_rights.back());
    m_lefts.push_back(left);
    m_rights.push_back(left + width);
    m_right = std::max(m_right, left + width);
    return ItemCount() - 1;
}

int CDrawnRows::EndItem(int row) const {
    return row + 1 < RowCount() ? m_firstItems[row + 1] : ItemCount();
}

int CDrawnRows::Bottom() const {
    return m_tops.empty() ? 0 : m_tops.back() + m_heights.back();
}

int CDrawnRows::RowAt(int y) const {
    // The last row starting at or above y; y must fall inside it.
    const auto after = std::upper_bound(m_tops.begin(), m_tops.end(), y);
    if (after == m_tops.begin()) return -1;
    const int row = static_cast<int>(after - m_tops.begin()) - 1;
    return y < RowBottom(row) ? row : -1;
}

int CDrawnRows::ItemAt(const QPoint& point) const {
    const int row = RowAt(point.y());
    if (row < 0) return -1;
    const auto first = m_lefts.begin() + m_firstItems[row];
    const auto end = m_lefts.begin() + EndItem(row);
    const auto after = std::upper_bound(first, end, point.x());
    if (after == first) return -1;
    const int item = static_cast<int>(after - m_lefts.begin()) - 1;
    return point.x() < m_rights[item] ? item : -1;
}

std::pair<int, int> CDrawnRows::RowsIn(int top, int bottom) const {
    if (bottom <= top) return {0, 0};
    // Rows never overlap, so their bottoms grow with their tops: the first row
    // that ends below `top` starts the run, the first that starts at or below
    // `bottom` ends it.
    int first = static_cast<int>(std::upper_bound(m_tops.begin(), m_tops.end(), top) - m_tops.begin());
    if (first > 0 && RowBottom(first - 1) > top) --first;
    const int end =
        static_cast<int>(std::lower_bound(m_tops.begin() + first, m_tops.end(), bottom) - m_tops.begin());
    return {first, std::max(first, end)};
}

void CDrawnRows::ItemsIn(const QRect& area, std::vector<int>* items) const {
    if (area.isEmpty()) return;
    const auto [first, end] = RowsIn(area.top(), area.top() + area.height());
    const int right = area.left() + area.width();
    for (int row = first; row < end; ++row) {
        if (RowHeight(row) == 0) continue;
        for (int item = m_firstItems[row], last = EndItem(row); item < last; ++item) {
            if (m_lefts[item] >= right) break;
            if (m_rights[item] > area.left() && m_rights[item] > m_lefts[item]) items->push_back(item);
        }
    }
}

int CDrawnRows::RowOfItem(int item) const {
    // The last row whose first item is at or before `item` (rows without items
    // share their first item with the next row, so take the last of them).
    const auto after = std::upper_bound(m_firstItems.begin(), m_firstItems.end(), item);
    return static_cast<int>(after - m_firstItems.begin()) - 1;
}

QRect CDrawnRows::ItemBox(int item) const {
    if (item < 0 || item >= ItemCount()) return {};
    const int row = RowOfItem(item);
    return QRect(m_lefts[item], m_tops[row], m_rights[item] - m_lefts[item], m_heights[row]);
}
