#include "views/analysis/sympthom_table_views.h"

#include "views/analysis/analysis_edits.h"
#include "views/analysis/chart/chart_data.h"
#include "views/analysis/chart/chart_style.h"

CSympthomTitlesView::CSympthomTitlesView(CChartData& data, QWidget* parent)
    : CDrawnView(parent), m_renderer(data) {
    setObjectName(QStringLiteral("RubricTitles"));
    setFrameShape(QFrame::NoFrame);
    SetRenderer(&m_renderer);
    connect(this, &CDrawnView::ItemClicked, this,
            [this](DrawnItemId item, Qt::MouseButton button, Qt::KeyboardModifiers) {
                OnClicked(item, button);
            });
}

CSympthomTitlesView::~CSympthomTitlesView() {
    SetRenderer(nullptr);
}

void CSympthomTitlesView::OnClicked(DrawnItemId item, Qt::MouseButton button) {
    if (button != Qt::LeftButton || item == kNoDrawnItem) return;
    // A rubric's column changes nothing; a weight marker cycles the weight.
    if (CSympthom* symptom = m_renderer.SymptomOf(item)) analysis_window::CycleWeight(*symptom);
    analysis_window::Announce();
}

CSympthomRemediesView::CSympthomRemediesView(CChartData& data, QWidget* parent)
    : CDrawnView(parent), m_data(data), m_renderer(data) {
    setObjectName(QStringLiteral("RemedyColumn"));
    setFrameShape(QFrame::NoFrame);
    SetRenderer(&m_renderer);
    connect(this, &CDrawnView::ItemClicked, this,
            [this](DrawnItemId item, Qt::MouseButton button, Qt::KeyboardModifiers) {
                OnClicked(item, button);
            });
}

CSympthomRemediesView::~CSympthomRemediesView() {
    SetRenderer(nullptr);
}

void CSympthomRemediesView::paintEvent(QPaintEvent* event) {
    CDrawnView::paintEvent(event);
    Q_EMIT Painted();
}

void CSympthomRemediesView::OnClicked(DrawnItemId item, Qt::MouseButton button) {
    if (button != Qt::LeftButton || item == kNoDrawnItem) return;
    const int row = CChartRemediesRenderer::RowOf(item);
    if (row < 0 || row >= m_data.RowCount()) return;
    analysis_window::OpenRemedyArticle(
        static_cast<int>(m_data.Ranked()[static_cast<std::size_t>(row)].m_remedy));
}

CSympthomCalcView::CSympthomCalcView(CChartData& data, QWidget* parent)
    : CDrawnView(parent), m_renderer(data) {
    setObjectName(QStringLiteral("GradeGrid"));
    setFrameShape(QFrame::NoFrame);
    SetRenderer(&m_renderer);
    SetAccessibleRole(QAccessible::Table);
    SetVerticalSteps(CScrollStep::Share(0.5), CScrollStep::Share(1.0 / 50));
    SetHorizontalSteps(CScrollStep::Share(0.5), CScrollStep::Pixels(chart::kColumnWidth));
}

CSympthomCalcView::~CSympthomCalcView() {
    SetRenderer(nullptr);
}
