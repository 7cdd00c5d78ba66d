// CSympthomPadView: the analysis window, the view of an analysis document.
// A tab strip with the pages "Symptoms " and "Table " and the buttons "IV",
// "III", "II", "I" (each adds a symptom of that weight), over
//
//   "Symptoms " page   the table's left band (sort selector and ranking) from
//                      x 0 to M, the symptom list from M to the right edge
//   "Table " page      the whole table
//
// where M is the width of a vertical scroll bar + 58.  Every re-lay (a resize,
// a page change) broadcasts EV_UPDATE_ANALYSIS.
//
// Commands (while the window is active): ID_ADD_SYMPTHOM1 ... 4, and
// ID_PRINT_CHART, ID_EXPORT_CHART_PDF, ID_EXPORT_CHART_PNG for the whole
// chart (also on the table's context menu).  Keys: Insert adds a symptom of
// weight 1, F2 renames the selected symptom, Delete removes the selected
// rubric, Ctrl+Tab switches the pages.
#pragma once

#include <QWidget>

#include "plumbing/ribbon/command_target.h"

class CAnalysis;
class CDocument;
class CSympthomCalcPadView;
class CSympthomView;
class QTabBar;
class QToolButton;

class CSympthomPadView : public QWidget, public CCommandTarget {
    Q_OBJECT
public:
    enum Page { kSymptomsPage = 0, kTablePage = 1 };

    // The window of `analysis` (borrowed; the case owns it).
    explicit CSympthomPadView(CAnalysis* analysis, QWidget* parent = nullptr);
    ~CSympthomPadView() override;

    CAnalysis* Analysis() const { return m_analysis; }
    CSympthomView& SymptomList() { return *m_list; }
    CSympthomCalcPadView& Table() { return *m_table; }
    QTabBar& Tabs() { return *m_tabs; }

    Page CurrentPage() const { return m_page; }
    void SetPage(Page page);

    // The left band of the "Symptoms " page: scroll bar width + 58.
    int BandWidth() const;

    bool Handles(int id) const override;
    void Run(int id) override;
    bool IsEnabled(int id) const override;

    // The add-symptom command: a new symptom of `weight` at the end, shown on
    // the "Symptoms " page and selected.
    void AddSymptom(int weight);
    // The three chart commands; each answers whether it wrote or printed.
    bool PrintChartWithDialog();
    bool ExportChart(bool pdf);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Relayout();
    void ShowTableMenu(const QPoint& globalPosition);
    bool AnalysisAlive() const;

    CAnalysis* m_analysis;
    QTabBar* m_tabs;
    QWidget* m_buttons;
    CSympthomView* m_list;
    CSympthomCalcPadView* m_table;
    Page m_page = kSymptomsPage;
};
