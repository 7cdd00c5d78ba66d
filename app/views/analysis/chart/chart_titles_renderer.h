// CChartTitlesRenderer: the rubric titles above the grid of an analysis table
// (CSympthomTitlesView), 100 pixels high.  Column c (x = 40c to 40c + 40)
// holds the title of counted rubric c (its own title, not the path), centred
// and word-wrapped in the 12-pixel face; under the columns of each symptom
// runs a rule with the symptom's weight marker centred on it.
//
// Items follow the data: one per column (a rubric: clicking it changes
// nothing, its hint is the whole title) and one per symptom with counted
// rubrics (its weight marker: clicking it cycles the weight, its hint reads
// "Symptom weight.\nClick to change.").
#pragma once

#include <QHash>
#include <QStaticText>
#include <cstdint>
#include <vector>

#include "plumbing/drawn/drawn_renderer.h"
#include "views/analysis/chart/chart_data.h"

class CChartTitlesRenderer : public CDrawnRenderer {
public:
    explicit CChartTitlesRenderer(CChartData& data);

    void Layout(int width) override;
    QSize ContentSize() const override;
    void Paint(QPainter& painter, const QRect& area) override;
    void PaintOverlay(QPainter& painter, const QRect& area, const CDrawnOverlay& overlay) override;
    // A marker's ring reaches a pixel past its box.
    QRect OverlayBox(DrawnItemId item) const override;
    DrawnItemId ItemAt(const QPoint& point) const override;
    void ItemsIn(const QRect& area, std::vector<DrawnItemId>* items) const override;
    QRect ItemBox(DrawnItemId item) const override;
    QString ItemText(DrawnItemId item) const override;
    CHintText ItemHint(DrawnItemId item) const override;

    // Items 0 ... columns - 1 are the rubric columns, then one per span.
    bool IsWeightItem(DrawnItemId item) const;
    // The symptom of a weight item; null for any other item.
    CSympthom* SymptomOf(DrawnItemId item) const;

    // The box of the marker of span `span`: 16 x 16, centred on its columns
    // and on the rule.
    static QRect MarkerBox(const CChartData::SymptomSpan& span);

    // Paints the titles of columns [column0, column1) and the rules and
    // markers of their symptoms (the printed chart uses it too).
    // `titles`, when given, holds every column's title laid out (the panes
    // keep them from one paint to the next).
    static void PaintColumns(QPainter& painter, const CChartData& data, int column0, int column1,
                             const std::vector<QStaticText>* titles = nullptr);

private:
    CChartData& m_data;
    std::vector<QStaticText> m_titles;  // for the data's generation below
    std::uint64_t m_titlesGeneration = 0;
    QHash<QString, QStaticText> m_laidOut;  // titles by text, kept across rankings
};
