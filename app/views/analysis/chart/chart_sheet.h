// CChartSheet: the whole chart of an analysis for printing and export, every
// row and column rather than the part a window shows: a header with the
// patient, the analysis and its symptoms with their weights, then the corner,
// the rubric titles, the remedy column and the grid, drawn by the same code as
// the panes of the window.
//
// Chart coordinates: the corner's top-left is (0, 0); the titles run from
// x = 75, the remedy column from y = 100, the grid fills the rest.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <vector>

#include "views/analysis/chart/chart_data.h"

class CAnalysis;
class CCase;
class QPainter;

class CChartSheet {
public:
    // What the header names.
    struct Heading {
        QString patient;
        QString analysis;  // "<name>: <time>"
    };

    // The chart of `analysis` (borrowed, must outlive the sheet) of `theCase`
    // (its patient's name heads the sheet; null: none).  Names from `names`
    // (the engine's catalogue when empty).  Computes the ranking and the
    // fragile ranks at once.
    CChartSheet(CAnalysis& analysis, const CCase* theCase, RemedyNameFunction names = {});

    const CChartData& Data() const { return m_data; }
    const Heading& GetHeading() const { return m_heading; }

    // The corner, titles, remedy column and grid: 75 + columns x 40 wide,
    // 100 + rows x 40 high.
    QSize ChartSize() const;
    // Paints the part `area` of the chart (chart coordinates; the painter
    // already translated so that they land where they belong).
    void PaintChart(QPainter& painter, const QRect& area) const;
    // Paints rows [row0, row1) and columns [column0, column1) as one page's
    // chart: the corner at (0, 0), those columns' titles beside it, those
    // rows' remedies under it and their cells; 75 + n x 40 by 100 + m x 40.
    void PaintBlock(QPainter& painter, int row0, int row1, int column0, int column1) const;

    // The full header laid out `width` pixels wide: its height, and painting
    // it with its top-left at (0, 0).
    int HeaderHeight(int width) const;
    void PaintHeader(QPainter& painter, int width) const;
    // The one-line header of later pages and the footer line with the page
    // number ("Page %d of %d").
    static constexpr int kRunningHeadHeight = 24;
    void PaintRunningHead(QPainter& painter, int width) const;
    static constexpr int kFootHeight = 20;
    void PaintFoot(QPainter& painter, int width, int page, int pages) const;

private:
    struct HeaderItem {
        QRect box;       // where the symptom stands in the header
        int weight = 0;  // its marker
        QString text;    // "name (n rubrics)"
    };
    std::vector<HeaderItem> LayoutSymptoms(int width, int top, int* bottom) const;

    CChartData m_data;
    Heading m_heading;
    QString m_sortCaption;
};
