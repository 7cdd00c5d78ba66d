// CSympthomCalcPadView: the analysis table, four panes at fixed sizes re-laid
// on every resize:
//
//   sort selector  (0, 0)    75 x 100        rubric titles  (75, 0)  to the right, 100 high
//   remedy column  (0, 100)  75 wide, down   grade grid     (75, 100) the rest
//
// It owns the data the panes share (CChartData), follows the analysis on the
// event bus (EV_UPDATE_ANALYSIS recalculates everything at the next paint;
// the grid also repaints on EV_UPDATE_TABLE) and scrolls the panes in step:
// the grid's vertical position moves the remedy column, its horizontal one
// the title row.
//
// On the "Symptoms " page the window narrows the table to its left band (the
// sort selector and the remedy column, which then scrolls by itself); the
// title row is hidden and the grid draws nothing.  On the "Table " page all
// four panes work.  The fragile ranks are worked out once the remedy column
// has painted a new ranking (so they never delay it) and marked when known.
#pragma once

#include <QWidget>
#include <memory>

#include "views/analysis/chart/chart_data.h"

class CAnalysis;
class CEventReceiver;
class CScrollLink;
class CSympthomCalcView;
class CSympthomRemediesView;
class CSympthomSortView;
class CSympthomTitlesView;

class CSympthomCalcPadView : public QWidget {
    Q_OBJECT
public:
    explicit CSympthomCalcPadView(QWidget* parent = nullptr);
    ~CSympthomCalcPadView() override;

    // Gives the analysis (borrowed; null: none) to the four panes and puts
    // the sort selector on its "SortType".
    void SetAnalysis(CAnalysis* analysis);
    // Whether the "Table " page is the active page (see above).
    void SetTableActive(bool active);
    bool IsTableActive() const { return m_tableActive; }

    // Every pane repaints; the data is recalculated at the next paint.
    void Refresh();

    CChartData& Data() { return m_data; }
    CSympthomSortView& SortView() { return *m_sort; }
    CSympthomTitlesView& TitlesView() { return *m_titles; }
    CSympthomRemediesView& RemediesView() { return *m_remedies; }
    CSympthomCalcView& CalcView() { return *m_grid; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Relayout();
    void ScheduleFragility();

    CChartData m_data;
    CSympthomSortView* m_sort;
    CSympthomTitlesView* m_titles;
    CSympthomRemediesView* m_remedies;
    CSympthomCalcView* m_grid;
    std::unique_ptr<CScrollLink> m_rows;     // grid and remedy column, vertically
    std::unique_ptr<CScrollLink> m_columns;  // grid and title row, horizontally
    std::unique_ptr<CEventReceiver> m_receiver;
    bool m_tableActive = false;
    bool m_fragilityPending = false;
};
