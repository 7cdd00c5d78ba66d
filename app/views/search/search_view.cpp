#include "views/search/search_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "plumbing/text/code_page.h"
#include "views/query/query_box.h"
#include "views/search/search_page_texts.h"
#include "views/search/search_result_view.h"

CSearchView::CSearchView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SearchView"));
    m_searchIn = new QLabel(search_texts::SearchIn(), this);
    m_selector = new QComboBox(this);
    m_selector->setObjectName(QStringLiteral("SearchSource"));
    m_selector->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("SearchHitCount"));
    m_count->setTextFormat(Qt::PlainText);
    m_query = new CQueryBox(this);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SearchPages"));
    m_tabs->setDocumentMode(true);

    auto* strip = new QHBoxLayout;
    strip->setContentsMargins(0, 0, 0, 0);
    strip->setSpacing(6);
    strip->addWidget(m_searchIn);
    strip->addWidget(m_selector);
    strip->addSpacing(12);
    strip->addWidget(m_count, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 0);
    layout->setSpacing(6);
    layout->addLayout(strip);
    layout->addWidget(m_query);
    layout->addWidget(m_tabs, 1);

    const CSearchSourceList list = ListSearchSources(SearchLanguageSetting());
    m_sources = list.entries;
    for (const CSearchSourceEntry& entry : m_sources) m_selector->addItem(entry.label);
    for (int page = 0; page < kPageCount; ++page) {
        auto* view = new CSearchResultView(m_tabs);
        m_pages[static_cast<std::size_t>(page)] = view;
        m_tabs->addTab(view, search_texts::PageCaption(page));
        connect(view, &CSearchResultView::Searched, this, [this, page] { OnPageSearched(page); });
        connect(view, &CSearchResultView::NarrowToRemedy, this,
                [this, page](int remedy) { OnNarrow(page, remedy); });
    }
    connect(m_selector, &QComboBox::currentIndexChanged, this, &CSearchView::OnSourceChosen);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { UpdateHitCount(); });
    connect(m_query, &CQueryBox::Entered, this, &CSearchView::StartSearch);
    if (list.selected >= 0) m_selector->setCurrentIndex(list.selected);
    OnSourceChosen(m_selector->currentIndex());
    setFocusProxy(m_query);
    UpdateHitCount();
}

CSearchView::~CSearchView() = default;

int CSearchView::SelectedSource() const {
    const int index = m_selector->currentIndex();
    return index >= 0 && index < static_cast<int>(m_sources.size()) ? index : -1;
}

void CSearchView::SelectSource(int index) {
    m_selector->setCurrentIndex(index);
}

CSearchResultView& CSearchView::ActivePage() {
    const int page = std::max(0, m_tabs->currentIndex());
    return Page(page);
}

void CSearchView::OnSourceChosen(int index) {
    if (index < 0 || index >= static_cast<int>(m_sources.size())) return;
    const CSearchSourceEntry& entry = m_sources[static_cast<std::size_t>(index)];
    m_query->SetScope(SearchScopeOf(entry.type), entry.id);
}

void CSearchView::StartSearch() {
    const int index = SelectedSource();
    if (index < 0) return;
    m_query->Reanalyse();
    if (m_query->Text().isEmpty()) return;
    ActivePage().Run(m_query->QueryBytes(), m_sources[static_cast<std::size_t>(index)].id,
                     m_query->MarkupWords());
}

void CSearchView::OnPageSearched(int page) {
    CSearchResults& results = Page(page).Results();
    m_tabs->setTabText(page, search_texts::QueryCaption(results.Query()));
    m_tabs->setTabToolTip(page, plumbing::DecodeCodePage(results.Query()));
    UpdateHitCount();
}

void CSearchView::OnNarrow(int page, int remedy) {
    CSearchResults& results = Page(page).Results();
    for (std::size_t index = 0; index < m_sources.size(); ++index)
        if (m_sources[index].id == results.SourceId()) SelectSource(static_cast<int>(index));
    const std::string narrowed = results.Query() + " @" + search_texts::RemedyShortName(remedy);
    m_query->SetText(plumbing::DecodeCodePage(narrowed));
    m_tabs->setCurrentIndex(page);
    StartSearch();
}

QString CSearchView::HitCountText() const {
    return m_count->text();
}

void CSearchView::UpdateHitCount() {
    CSearchResults& results = ActivePage().Results();
    m_count->setText(results.HasRun() ? search_texts::HitCount(results.HitCount()) : QString());
}
