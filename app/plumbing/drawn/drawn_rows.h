// CDrawnRows: the laid-out positions a renderer keeps to paint only what is
// visible and to answer hit tests by binary search.  Rows run top to bottom
// (a text line, a chart row), each holding a run of items left to right (a
// heading, remedy names, cells); an item is as high as its row.  Rows and items
// are numbered from 0 in the order they were added; the renderer keeps what
// they stand for in vectors of its own under the same numbers.
//
//     rows.Clear();
//     const int row = rows.AddRow(top, lineHeight);
//     const int item = rows.AddItem(left, width);   // in row `row`
//
// Rows must be added with growing tops and may leave gaps between them; items
// of a row with growing lefts, gaps allowed.  A point in a gap belongs to no
// row or item.  Memory: 12 bytes a row, 8 bytes an item.
#pragma once

#include <QPoint>
#include <QRect>
#include <cstddef>
#include <utility>
#include <vector>

class CDrawnRows {
public:
    void Clear();
    void Reserve(std::size_t rows, std::size_t items);

    // Starts a row [top, top + height); top >= the bottom of the last row,
    // height >= 0.  Answers the row's number.
    int AddRow(int top, int height);
    // Adds an item [left, left + width) to the last row (a row must exist);
    // left >= the right edge of the row's last item, width >= 0.  Answers the
    // item's number.
    int AddItem(int left, int width);

    int RowCount() const { return static_cast<int>(m_tops.size()); }
    int ItemCount() const { return static_cast<int>(m_lefts.size()); }

    // The row holding `y`; -1 above, below and in gaps.  O(log rows).
    int RowAt(int y) const;
    // The item whose box holds `point`; -1 when none.  O(log rows + log items of the row).
    int ItemAt(const QPoint& point) const;
    // The rows that meet [top, bottom): first and one past the last (equal when none).
    std::pair<int, int> RowsIn(int top, int bottom) const;
    // The items whose boxes meet `area`, row by row, left to right.
    void ItemsIn(const QRect& area, std::vector<int>* items) const;

    int RowTop(int row) const { return m_tops[row]; }
    int RowHeight(int row) const { return m_heights[row]; }
    int RowBottom(int row) const { return m_tops[row] + m_heights[row]; }
    // The items of `row`: [FirstItem(row), EndItem(row)).
    int FirstItem(int row) const { return m_firstItems[row]; }
    int EndItem(int row) const;

    // The row of `item` (0 <= item < ItemCount()).  O(log rows).
    int RowOfItem(int item) const;
    // The box of `item`; an empty rectangle when out of range.
    QRect ItemBox(int item) const;
    int ItemLeft(int item) const { return m_lefts[item]; }
    int ItemRight(int item) const { return m_rights[item]; }

    // The bottom of the last row (0 when none) and the right edge of the
    // rightmost item (0 when none): the size of what was laid out.
    int Bottom() const;
    int Right() const { return m_right; }

private:
    std::vector<int> m_tops;
    std::vector<int> m_heights;
    std::vector<int> m_firstItems;
    std::vector<int> m_lefts;
    std::vector<int> m_rights;
    int m_right = 0;
};
