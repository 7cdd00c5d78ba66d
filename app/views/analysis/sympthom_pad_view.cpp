#include "views/analysis/sympthom_pad_view.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QShortcut>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

#include "model/records/analysis.h"
#include "model/records/case.h"
#include "plumbing/translation/translation_filter.h"
#include "plumbing/widgets/dialog_service.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/analysis/analysis_commands.h"
#include "views/analysis/analysis_edits.h"
#include "views/analysis/chart/chart_export.h"
#include "views/analysis/chart/chart_sheet.h"
#include "views/analysis/sympthom_calc_pad_view.h"
#include "views/analysis/sympthom_sort_view.h"
#include "views/analysis/sympthom_table_views.h"
#include "views/analysis/sympthom_view.h"
#include "views/case_access.h"
#include "views/command_ids.h"
#include "views/window_host.h"
#include "views/window_texts.h"

namespace {

constexpr int kStripHeight = 24;
constexpr int kPagesTop = 21;
constexpr int kButtonWidth = 30;

// A file name for the chart: the patient and the analysis, without the
// characters a file name cannot hold.
QString ProposedName(const CChartSheet& sheet, const char* suffix) {
    QString name = sheet.GetHeading().patient + QStringLiteral(" - ") + sheet.GetHeading().analysis;
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|").contains(c)) c = QLatin1Char('-');
    return name.trimmed() + QLatin1Char('.') + QLatin1String(suffix);
}

QWidget* DialogParent(QWidget* fallback) {
    CWindowHost* host = CWindowHost::Current();
    QWidget* main = host != nullptr ? host->MainWindow() : nullptr;
    return main != nullptr ? main : fallback;
}

}  // namespace

CSympthomPadView::CSympthomPadView(CAnalysis* analysis, QWidget* parent)
    : QWidget(parent),
      m_analysis(analysis),
      m_tabs(new QTabBar(this)),
      m_buttons(new QWidget(this)),
      m_list(new CSympthomView(this)),
      m_table(new CSympthomCalcPadView(this)) {
    setObjectName(QStringLiteral("AnalysisWindow"));
    setAutoFillBackground(true);
    m_tabs->setObjectName(QStringLiteral("AnalysisPages"));
    m_tabs->setDrawBase(false);
    m_tabs->setExpanding(false);
    m_tabs->addTab(views::Localized("Symptoms "));
    m_tabs->addTab(views::Localized("Table "));
    CTranslationFilter::ExcludeFromTranslation(m_tabs);
    connect(m_tabs, &QTabBar::currentChanged, this,
            [this](int index) { SetPage(index == kTablePage ? kTablePage : kSymptomsPage); });

    // "IV" "III" "II" "I": the heaviest first, as they stand on the strip.
    auto* row = new QHBoxLayout(m_buttons);
    row->setContentsMargins(0, 1, 2, 1);
    row->setSpacing(2);
    for (int weight = 4; weight >= 1; --weight) {
        const int id = analysis_window::SymptomCommandOf(weight);
        auto* button = new QToolButton(m_buttons);
        button->setObjectName(QStringLiteral("AddSymptom%1").arg(weight));
        button->setText(QString::fromLatin1(analysis_window::SymptomCaptionOf(weight)));
        button->setToolTip(views::Localized(analysis_window::SymptomToolTipOf(weight)));
        button->setAutoRaise(true);
        button->setFixedSize(kButtonWidth, kStripHeight - 2);
        CTranslationFilter::ExcludeFromTranslation(button);
        connect(button, &QToolButton::clicked, this, [this, id] { Run(id); });
        row->addWidget(button);
    }

    m_list->SetAnalysis(analysis);
    m_table->SetAnalysis(analysis);
    CSympthomSortView& corner = m_table->SortView();
    corner.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&corner, &QWidget::customContextMenuRequested, this,
            [this, &corner](const QPoint& at) { ShowTableMenu(corner.mapToGlobal(at)); });
    for (CDrawnView* pane : std::initializer_list<CDrawnView*>{
             &m_table->CalcView(), &m_table->TitlesView(), &m_table->RemediesView()})
        connect(pane, &CDrawnView::ContextMenuRequested, this,
                [this](DrawnItemId, const QPoint& at) { ShowTableMenu(at); });

    auto shortcut = [this](const QKeySequence& keys, auto action) {
        auto* s = new QShortcut(keys, this);
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, this, action);
    };
    shortcut(QKeySequence(Qt::Key_Insert), [this] { Run(ID_ADD_SYMPTHOM1); });
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), [this] {
        SetPage(m_page == kSymptomsPage ? kTablePage : kSymptomsPage);
    });
    shortcut(QKeySequence(Qt::Key_F2), [this] {
        if (m_page == kSymptomsPage) m_list->RenameSelected();
    });
    SetPage(kSymptomsPage);
}

CSympthomPadView::~CSympthomPadView() = default;

int CSympthomPadView::BandWidth() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + 58;
}

bool CSympthomPadView::AnalysisAlive() const {
    CCase* theCase = views::CurrentCase();
    return m_analysis != nullptr && theCase != nullptr &&
           views::FindItemAs<CAnalysis>(*theCase, m_analysis) != nullptr;
}

void CSympthomPadView::SetPage(Page page) {
    const bool changed = page != m_page || m_tabs->currentIndex() != page;
    m_page = page;
    if (m_tabs->currentIndex() != page) {
        const QSignalBlocker quiet(m_tabs);
        m_tabs->setCurrentIndex(page);
    }
    m_list->setVisible(page == kSymptomsPage);
    m_table->SetTableActive(page == kTablePage);
    Relayout();
    if (changed) analysis_window::Announce();
    if (page == kSymptomsPage && isVisible()) m_list->setFocus();
    if (page == kTablePage && isVisible()) m_table->CalcView().setFocus();
}

void CSympthomPadView::resizeEvent(QResizeEvent*) {
    Relayout();
    analysis_window::Announce();
}

void CSympthomPadView::Relayout() {
    const int w = width(), h = height();
    const int band = BandWidth();
    const int buttons = 4 * (kButtonWidth + 2) + 4;
    m_tabs->setGeometry(band, 0, std::max(0, w - band - buttons), kStripHeight);
    m_buttons->setGeometry(std::max(band, w - buttons), 0, buttons, kStripHeight);
    if (m_page == kSymptomsPage) {
        m_table->setGeometry(0, kPagesTop, band, std::max(0, h - kPagesTop));
        m_list->setGeometry(band, kPagesTop, std::max(0, w - band - 2), std::max(0, h - kPagesTop - 5));
    } else {
        m_table->setGeometry(0, kPagesTop, w, std::max(0, h - kPagesTop));
    }
    m_tabs->raise();
    m_buttons->raise();
}

bool CSympthomPadView::Handles(int id) const {
    return analysis_window::SymptomWeightOf(id) != 0 || id == ID_PRINT_CHART ||
           id == ID_EXPORT_CHART_PDF || id == ID_EXPORT_CHART_PNG;
}

bool CSympthomPadView::IsEnabled(int id) const {
    return Handles(id) && AnalysisAlive();
}

void CSympthomPadView::Run(int id) {
    if (const int weight = analysis_window::SymptomWeightOf(id)) {
        AddSymptom(weight);
    } else if (id == ID_PRINT_CHART) {
        PrintChartWithDialog();
    } else if (id == ID_EXPORT_CHART_PDF || id == ID_EXPORT_CHART_PNG) {
        ExportChart(id == ID_EXPORT_CHART_PDF);
    }
}

void CSympthomPadView::AddSymptom(int weight) {
    if (m_analysis == nullptr) return;
    CSympthom* added = analysis_window::AddSymptomByButton(*m_analysis, weight);
    if (added == nullptr) return;
    SetPage(kSymptomsPage);
    m_list->Select(added, -1);
}

bool CSympthomPadView::PrintChartWithDialog() {
    if (!AnalysisAlive()) return false;
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setDocName(views::ItemTitle(*m_analysis));
    QPrintDialog dialog(&printer, DialogParent(this));
    dialog.setWindowTitle(views::Localized("Print..."));
    if (dialog.exec() != QDialog::Accepted) return false;
    const CChartSheet sheet(*m_analysis, views::CurrentCase());
    return chart::PrintChart(sheet, printer) > 0;
}

bool CSympthomPadView::ExportChart(bool pdf) {
    if (!AnalysisAlive()) return false;
    const CChartSheet sheet(*m_analysis, views::CurrentCase());
    CFileDialogRequest request;
    request.caption = views::Localized(pdf ? "Export as PDF..." : "Export as PNG...");
    request.filters = QStringList{views::Localized(pdf ? "PDF document (*.pdf)" : "PNG image (*.png)")};
    request.defaultSuffix = pdf ? QStringLiteral("pdf") : QStringLiteral("png");
    request.initialPath = ProposedName(sheet, pdf ? "pdf" : "png");
    CDialogService& dialogs = CDialogService::Current();
    const QString path = dialogs.ChooseFileToSave(DialogParent(this), request);
    if (path.isEmpty()) return false;
    QString error;
    const bool written = pdf ? chart::ExportChartPdf(sheet, path, &error)
                             : chart::ExportChartPng(sheet, path, &error);
    if (!written)
        dialogs.ShowMessage(DialogParent(this), request.caption, error,
                            CDialogService::MessageKind::Error);
    return written;
}

void CSympthomPadView::ShowTableMenu(const QPoint& globalPosition) {
    QMenu menu(this);
    CTranslationFilter::ExcludeFromTranslation(&menu);
    const struct {
        int id;
        const char* caption;
    } entries[] = {{ID_PRINT_CHART, "Print..."},
                   {ID_EXPORT_CHART_PDF, "Export as PDF..."},
                   {ID_EXPORT_CHART_PNG, "Export as PNG..."}};
    for (const auto& entry : entries) {
        QAction* action = menu.addAction(views::Localized(entry.caption));
        action->setEnabled(IsEnabled(entry.id));
        const int id = entry.id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
    }
    menu.exec(globalPosition);
}
