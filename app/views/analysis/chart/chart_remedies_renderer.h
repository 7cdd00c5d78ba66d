// CChartRemediesRenderer: the remedy column of an analysis table
// (CSympthomRemediesView): one 40-pixel row per ranked remedy, odd rows
// shaded, the remedy's name in bold on the upper half and "count/weight"
// centred on the lower half; a fragile rank (one that leaves the top ten when
// a single rubric is excluded) carries a small mark after its name.  An empty
// ranking shows "There aren't topics".
//
// Items: each row's name box and figures box, both clickable (they open the
// remedy); their hint explains the ranking (ranking_hint.h).
#pragma once

#include <QHash>
#include <vector>

#include "plumbing/drawn/drawn_renderer.h"

class CChartData;

class CChartRemediesRenderer : public CDrawnRenderer {
public:
    static constexpr int kNameLeft = 5;
    static constexpr int kLineHeight = 20;  // each of the two lines of a row
    static constexpr int kMarkSize = 7;     // the fragile mark's triangle

    explicit CChartRemediesRenderer(CChartData& data);

    void Layout(int width) override;
    QSize ContentSize() const override;
    void Paint(QPainter& painter, const QRect& area) override;
    void PaintOverlay(QPainter& painter, const QRect& area, const CDrawnOverlay& overlay) override;
    DrawnItemId ItemAt(const QPoint& point) const override;
    void ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const override;
    QRect ItemBox(DrawnItemId item) const override;
    QString ItemText(DrawnItemId item) const override;
    CHintText ItemHint(DrawnItemId item) const override;

    // Items: 2 x row for the name, 2 x row + 1 for the figures.
    static DrawnItemId NameItem(int row) { return 2 * static_cast<DrawnItemId>(row); }
    static DrawnItemId FiguresItem(int row) { return 2 * static_cast<DrawnItemId>(row) + 1; }
    static int RowOf(DrawnItemId item) { return static_cast<int>(item / 2); }

    // The figures line: "count/weight" (three rubrics and weight 7 read 3/7).
    static QString FiguresText(int count, int weight);

    // Paints rows [row0, row1) of `data` in a column `width` pixels wide
    // (the printed chart uses it too).
    static void PaintRows(QPainter& painter, const CChartData& data, int width, int row0,
                          int row1);

private:
    CChartData& m_data;
    int m_width = 0;
    std::vector<int> m_nameWidths;  // drawn width of each row's name
    std::vector<int> m_figureWidths;
    QHash<QString, int> m_widths;  // of names and figures, kept across layouts
};
