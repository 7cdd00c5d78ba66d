// CChartGridRenderer: the grade grid of an analysis table (CSympthomCalcView):
// one 40 x 40 cell per ranked remedy and counted rubric, odd rows shaded, in
// each cell a rounded square whose size tells the grade (12, 20, 28 and 36
// pixels for grades 1 to 4, none for 0) and grey lines 18 pixels from its
// centre towards every neighbouring cell that exists, so that the glyphs of
// the whole table hang in one net.
//
// The grid draws only while its page is active; with an empty ranking it
// writes "There isn't any repertory's topic for calculation" instead.  Items
// are the cells (not clickable); a cell's hint names the remedy, the rubric
// and the grade.
#pragma once

#include "plumbing/drawn/drawn_renderer.h"

class CChartData;

class CChartGridRenderer : public CDrawnRenderer {
public:
    explicit CChartGridRenderer(CChartData& data);

    // Whether the "Table " page is the active page (the grid draws nothing
    // else); set by the table's container.  The owner invalidates the view.
    void SetActive(bool active) { m_active = active; }
    bool IsActive() const { return m_active; }

    void Layout(int width) override;
    QSize ContentSize() const override;
    void Paint(QPainter& painter, const QRect& area) override;
    void PaintOverlay(QPainter& painter, const QRect& area, const CDrawnOverlay& overlay) override;
    DrawnItemId ItemAt(const QPoint& point) const override;
    void ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const override;
    QRect ItemBox(DrawnItemId item) const override;
    QString ItemText(DrawnItemId item) const override;
    bool IsClickable(DrawnItemId item) const override;
    CHintText ItemHint(DrawnItemId item) const override;

    // The cell item of (row, column), and back.
    static DrawnItemId CellItem(int row, int column);
    static int RowOf(DrawnItemId item) { return static_cast<int>(item >> 32); }
    static int ColumnOf(DrawnItemId item) { return static_cast<int>(item & 0xFFFFFFFF); }

    // The half width of the glyph of `grade`: 4 x grade + 2; 0 for grade 0.
    static int GlyphHalf(int grade) { return grade != 0 ? 4 * grade + 2 : 0; }

    // Paints the cells of rows [row0, row1) and columns [column0, column1)
    // of `data`, shading included (the printed chart uses it too).
    static void PaintCells(QPainter& painter, const CChartData& data, int row0, int row1,
                           int column0, int column1);

private:
    bool HasRows() const;

    CChartData& m_data;
    bool m_active = true;
};
