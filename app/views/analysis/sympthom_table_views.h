// The three drawn panes of an analysis table (the container,
// CSympthomCalcPadView, owns them and the data they share):
//
//   CSympthomTitlesView     the rubric titles above the grid; clicking a
//                           symptom's weight marker cycles its weight
//   CSympthomRemediesView   the remedy column; clicking a remedy opens it in
//                           the default materia medica, hovering explains its
//                           rank
//   CSympthomCalcView       the grade grid
//
// Each is a CDrawnView over its renderer (views/analysis/chart/).
#pragma once

#include "plumbing/drawn/drawn_view.h"
#include "views/analysis/chart/chart_grid_renderer.h"
#include "views/analysis/chart/chart_remedies_renderer.h"
#include "views/analysis/chart/chart_titles_renderer.h"

class CSympthomTitlesView : public CDrawnView {
    Q_OBJECT
public:
    CSympthomTitlesView(CChartData& data, QWidget* parent = nullptr);
    ~CSympthomTitlesView() override;
    CChartTitlesRenderer& TitlesRenderer() { return m_renderer; }

private:
    void OnClicked(DrawnItemId item, Qt::MouseButton button);

    CChartTitlesRenderer m_renderer;
};

class CSympthomRemediesView : public CDrawnView {
    Q_OBJECT
public:
    CSympthomRemediesView(CChartData& data, QWidget* parent = nullptr);
    ~CSympthomRemediesView() override;
    CChartRemediesRenderer& RemediesRenderer() { return m_renderer; }

Q_SIGNALS:
    // After every paint of the column.
    void Painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnClicked(DrawnItemId item, Qt::MouseButton button);

    CChartData& m_data;
    CChartRemediesRenderer m_renderer;
};

class CSympthomCalcView : public CDrawnView {
    Q_OBJECT
public:
    CSympthomCalcView(CChartData& data, QWidget* parent = nullptr);
    ~CSympthomCalcView() override;
    CChartGridRenderer& GridRenderer() { return m_renderer; }

private:
    CChartGridRenderer m_renderer;
};
