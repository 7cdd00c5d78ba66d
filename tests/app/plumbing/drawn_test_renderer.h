// A renderer of many uniform rows for the drawn view's tests and benchmark.
// Row r is 18 pixels high (every tenth row 30), rows 2 pixels apart; each row
// holds a heading "Row r" and three remedy names at fixed places, so the
// content is 310 pixels wide whatever the viewport.  Remedy k of row r is
// "Remedy n", n = (3r + k) mod 1000: names repeat as a repertory's do, and are
// drawn from a cache of prepared texts as a repertory's renderer would draw
// them.  The third remedy is not clickable.  Hints: the heading "Expand/Collapse rubric" (a whole
// phrase), the first remedy "{Weight:} %d" (braces), the others none.
// Counts its layouts and paints, so tests see when the view's cache was built.
#pragma once

#include <QStaticText>
#include <QString>
#include <unordered_map>

#include "plumbing/drawn/drawn_renderer.h"
#include "plumbing/drawn/drawn_rows.h"

class CDrawnTestRenderer : public CDrawnRenderer {
public:
    static constexpr int kRowHeight = 18;
    static constexpr int kTallRowHeight = 30;  // rows 9, 19, 29, ...
    static constexpr int kGap = 2;
    static constexpr int kHeadingLeft = 4;
    static constexpr int kHeadingWidth = 120;
    static constexpr int kRemedyLeft = 130;
    static constexpr int kRemedyStep = 60;
    static constexpr int kRemedyWidth = 50;
    static constexpr int kRemedies = 3;
    static constexpr int kItemsPerRow = 1 + kRemedies;
    static constexpr int kRemedyNames = 1000;
    static constexpr int kContentWidth = kRemedyLeft + (kRemedies - 1) * kRemedyStep + kRemedyWidth;

    explicit CDrawnTestRenderer(int rows = 100000);

    // Item identifiers: the heading of row r is r * kItemsPerRow, its remedy k
    // (0-based) follows it.
    static DrawnItemId Heading(int row) { return DrawnItemId(row) * kItemsPerRow; }
    static DrawnItemId Remedy(int row, int k) { return Heading(row) + 1 + k; }
    // Where row r starts, computed apart from the layout.
    static int RowTop(int row);
    static int RowHeight(int row) { return row % 10 == 9 ? kTallRowHeight : kRowHeight; }
    static QString RemedyName(int row, int k) {
        return QStringLiteral("Remedy %1").arg((row * kRemedies + k) % kRemedyNames);
    }

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

    int Layouts() const { return m_layouts; }
    int LastLayoutWidth() const { return m_width; }
    int Paints() const { return m_paints; }
    int OverlayPaints() const { return m_overlayPaints; }
    QRect LastPaintArea() const { return m_lastArea; }
    qreal LastPaintRatio() const { return m_lastRatio; }
    const CDrawnOverlay& LastOverlay() const { return m_lastOverlay; }
    QRect LastOverlayArea() const { return m_lastOverlayArea; }

private:
    const QStaticText& RemedyText(int name, const QFont& font);

    int m_rowCount;
    std::unordered_map<int, QStaticText> m_remedyTexts;
    CDrawnRows m_rows;
    int m_layouts = 0;
    int m_width = 0;
    int m_paints = 0;
    int m_overlayPaints = 0;
    QRect m_lastArea;
    qreal m_lastRatio = 0;
    CDrawnOverlay m_lastOverlay;
    QRect m_lastOverlayArea;
};
