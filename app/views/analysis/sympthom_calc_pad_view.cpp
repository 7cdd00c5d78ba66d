#include "views/analysis/sympthom_calc_pad_view.h"

#include <QScrollBar>
#include <QTimer>

#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"
#include "plumbing/drawn/scroll_link.h"
#include "views/analysis/chart/chart_style.h"
#include "views/analysis/sympthom_sort_view.h"
#include "views/analysis/sympthom_table_views.h"

using namespace chart;

CSympthomCalcPadView::CSympthomCalcPadView(QWidget* parent)
    : QWidget(parent),
      m_sort(new CSympthomSortView(this)),
      m_titles(new CSympthomTitlesView(m_data, this)),
      m_remedies(new CSympthomRemediesView(m_data, this)),
      m_grid(new CSympthomCalcView(m_data, this)),
      m_rows(std::make_unique<CScrollLink>(Qt::Vertical)),
      m_columns(std::make_unique<CScrollLink>(Qt::Horizontal)) {
    setObjectName(QStringLiteral("AnalysisTable"));
    m_titles->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_remedies->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_columns->Add(m_grid);
    m_columns->Add(m_titles, CScrollLink::HideScrollBars);
    m_receiver = std::make_unique<CEventReceiver>([this](unsigned code) {
        if (code == EV_UPDATE_ANALYSIS) {
            Refresh();
        } else if (code == EV_UPDATE_TABLE && !m_data.IsCalculating()) {
            // Another table recalculated: this grid only paints again.
            m_grid->InvalidateCache();
        }
    });
    // Once the column has painted a new ranking, its fragile ranks follow.
    connect(m_remedies, &CSympthomRemediesView::Painted, this, [this] {
        if (!m_data.FragilityKnown()) ScheduleFragility();
    });
    SetTableActive(false);
}

CSympthomCalcPadView::~CSympthomCalcPadView() {
    m_receiver.reset();
    m_rows.reset();
    m_columns.reset();
}

void CSympthomCalcPadView::SetAnalysis(CAnalysis* analysis) {
    m_data.SetAnalysis(analysis);
    m_sort->SetAnalysis(analysis);
    Refresh();
}

void CSympthomCalcPadView::Refresh() {
    m_data.Invalidate();
    m_sort->ShowSortType();
    m_titles->Invalidate();
    m_remedies->Invalidate();
    m_grid->Invalidate();
}

void CSympthomCalcPadView::ScheduleFragility() {
    if (m_fragilityPending) return;
    m_fragilityPending = true;
    // After the paints the update asked for: the marks never delay the table.
    QTimer::singleShot(0, this, [this] {
        m_fragilityPending = false;
        const bool due = m_data.IsDue();
        m_data.EnsureFragility();
        if (due) {
            // The data was recalculated here, not by a paint: every pane follows.
            m_titles->Invalidate();
            m_grid->Invalidate();
            m_remedies->Invalidate();
        } else {
            m_remedies->InvalidateCache();
        }
    });
}

void CSympthomCalcPadView::SetTableActive(bool active) {
    m_tableActive = active;
    m_grid->GridRenderer().SetActive(active);
    m_grid->setVisible(active);
    m_titles->setVisible(active);
    if (active) {
        m_rows->Add(m_grid);
        m_rows->Add(m_remedies, CScrollLink::HideScrollBars);
        m_remedies->SetVerticalSteps(CScrollStep::Share(0.5), CScrollStep::Share(1.0 / 50));
    } else {
        // On the "Symptoms " page the column scrolls by itself.
        m_rows->Remove(m_remedies);
        m_rows->Remove(m_grid);
        m_remedies->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        m_remedies->SetVerticalSteps(CScrollStep::Share(0.5), CScrollStep::Share(1.0 / 50));
    }
    m_grid->Invalidate();
    Relayout();
}

void CSympthomCalcPadView::resizeEvent(QResizeEvent*) {
    Relayout();
}

void CSympthomCalcPadView::Relayout() {
    const int w = width(), h = height();
    m_sort->setGeometry(0, 0, std::min(w, kCornerWidth), std::min(h, kTitleHeight));
    m_titles->setGeometry(kCornerWidth, 0, std::max(0, w - kCornerWidth), kTitleHeight);
    m_remedies->setGeometry(0, kTitleHeight, std::min(w, kCornerWidth), std::max(0, h - kTitleHeight));
    m_grid->setGeometry(kCornerWidth, kTitleHeight, std::max(0, w - kCornerWidth),
                        std::max(0, h - kTitleHeight));
}
