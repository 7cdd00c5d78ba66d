#include "views/analysis/sympthom_sort_view.h"

#include <QComboBox>
#include <QLabel>
#include <QPainter>

#include "analysis/sort_type.h"
#include "model/records/analysis.h"
#include "model/records/case.h"
#include "plumbing/translation/translation_filter.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/analysis/analysis_edits.h"
#include "views/analysis/chart/chart_corner.h"
#include "views/case_access.h"
#include "views/command_ids.h"
#include "views/window_texts.h"

CSympthomSortView::CSympthomSortView(QWidget* parent) : QWidget(parent), m_list(new QComboBox(this)) {
    setObjectName(QStringLiteral("SortSelector"));
    m_list->setObjectName(QStringLiteral("IDC_REMEDYS"));
    m_list->setProperty("controlId", IDC_REMEDYS);
    // The corner is 75 pixels wide: the list takes the small face to show its
    // captions whole.
    m_list->setFont(CInterfaceFonts::Shared().Small12());
    m_list->setStyleSheet(QStringLiteral(
        "QComboBox { padding: 1px 0px 1px 3px; border: 1px solid rgb(170,170,170);"
        " border-radius: 2px; background: white; color: rgb(55,104,185); }"
        "QComboBox::drop-down { width: 12px; border: none; }"));
    // The compact look has no arrow of its own: a small one marks the list.
    m_arrow = new QLabel(QStringLiteral("\u25BE"), m_list);
    m_arrow->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_arrow->setStyleSheet(QStringLiteral("color: rgb(120,120,120); background: transparent;"));
    m_arrow->setAlignment(Qt::AlignCenter);
    for (int sortType = kSortFactum; sortType <= kSortName; ++sortType)
        m_list->addItem(views::Localized(SortTypeCaption(sortType)), sortType);
    // The captions are translated already.
    CTranslationFilter::ExcludeFromTranslation(m_list);
    m_list->setCurrentIndex(-1);
    connect(m_list, &QComboBox::currentIndexChanged, this, &CSympthomSortView::OnChosen);
}

void CSympthomSortView::SetAnalysis(CAnalysis* analysis) {
    m_analysis = analysis;
    ShowSortType();
}

void CSympthomSortView::ShowSortType() {
    m_showing = true;
    m_list->setCurrentIndex(m_analysis != nullptr ? m_list->findData(m_analysis->GetSortType()) : -1);
    m_showing = false;
}

void CSympthomSortView::OnChosen(int index) {
    if (m_showing || m_analysis == nullptr || index < 0) return;
    CCase* theCase = views::CurrentCase();
    if (theCase == nullptr || views::FindItemAs<CAnalysis>(*theCase, m_analysis) == nullptr) return;
    const int sortType = m_list->itemData(index).toInt();
    if (sortType == m_analysis->GetSortType()) return;
    m_analysis->SetSortType(sortType);
    analysis_window::Announce();
}

void CSympthomSortView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    chart::PaintCorner(painter, rect(), QString());
}

void CSympthomSortView::resizeEvent(QResizeEvent*) {
    const QRect box = chart::SortSelectorBox(width(), m_list->sizeHint().height());
    m_list->setGeometry(box);
    m_arrow->setGeometry(box.width() - 13, 0, 12, box.height());
}
