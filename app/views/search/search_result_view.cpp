#include "views/search/search_result_view.h"

#include <corvela.h>

#include <QApplication>

#include "model/events/event_codes.h"
#include "plumbing/widgets/interface_fonts.h"
#include "views/materia/materia_window.h"
#include "views/repertory/repertory_window.h"

namespace {

using Kind = CSearchResultRenderer::Kind;

// Restores the cursor however the search ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// A snippet line as a passage: without the dots around it.
std::string PassageOf(const std::string& snippet) {
    std::string text = snippet;
    if (text.rfind("... ", 0) == 0) text.erase(0, 4);
    if (text.size() >= 4 && text.compare(text.size() - 4, 4, " ...") == 0)
        text.erase(text.size() - 4);
    return text;
}

}  // namespace

CSearchResultView::CSearchResultView(QWidget* parent)
    : CDrawnView(parent),
      m_renderer(CInterfaceFonts::Shared()),
      m_receiver([this](unsigned code) { OnEvent(code); }) {
    setObjectName(QStringLiteral("SearchResultView"));
    setFrameShape(QFrame::NoFrame);
    m_renderer.SetResults(&m_results);
    SetRenderer(&m_renderer);
    connect(this, &CDrawnView::ItemClicked, this,
            [this](DrawnItemId item, Qt::MouseButton button, Qt::KeyboardModifiers) {
                OnClicked(item, button);
            });
    connect(this, &CDrawnView::ContextMenuRequested, this,
            [this](DrawnItemId item, const QPoint& at) { OfferAddTo(item, at, m_menuRunner); });
}

CSearchResultView::~CSearchResultView() {
    SetRenderer(nullptr);
}

void CSearchResultView::Run(const std::string& query, const Guid& source,
                            std::vector<std::string> words) {
    {
        WaitCursor wait;
        m_results.Run(query, source, std::move(words));
        SetSelectedItem(kNoDrawnItem);
        Invalidate();
        ScrollTo(QPoint(0, 0));
    }
    Q_EMIT Searched();
}

std::string CSearchResultView::HighlightWords() const {
    std::string words;
    for (const std::string& word : m_results.Words())
        if (!word.empty()) words += "#" + word;
    return words;
}

void CSearchResultView::OnClicked(DrawnItemId item, Qt::MouseButton button) {
    if (button == Qt::LeftButton) Activate(item);
}

void CSearchResultView::Activate(DrawnItemId id) {
    if (id < 0 || id >= m_renderer.ItemCount()) return;
    const CSearchResultRenderer::CItem item = m_renderer.Item(id);
    switch (item.kind) {
        case Kind::kExpander:
            m_results.SetExpanded(item.hit, !m_results.IsExpanded(item.hit));
            Invalidate();
            break;
        case Kind::kStatsHeader:
            m_results.SetStatisticsOpen(!m_results.StatisticsOpen());
            Invalidate();
            break;
        case Kind::kStatsRemedy: {
            const auto& statistics = m_results.RemedyStatistics();
            if (item.value >= 0 && item.value < static_cast<int>(statistics.size()))
                Q_EMIT NarrowToRemedy(statistics[static_cast<std::size_t>(item.value)].remedy);
            break;
        }
        case Kind::kTopic: {
            const std::uint32_t rubric = static_cast<Topic*>(const_cast<void*>(item.data))->GetId();
            DataSource* source = CorvelaInstance().GetDataSourceOfItem(rubric);
            if (source != nullptr && source->GetType() == kSourceRepertory)
                OpenRepertoryDocument(*source->GetGuid(), static_cast<std::int32_t>(rubric));
            break;
        }
        case Kind::kArticle: {
            Article* article = m_results.ArticleOf(item.hit);
            if (article != nullptr)
                OpenRemedy(article->GetRemedy(), m_results.SourceId(), HighlightWords());
            break;
        }
        case Kind::kRemedy:
            OpenRemedy(item.value, std::nullopt, HighlightWords());
            break;
        default:
            break;
    }
}

bool CSearchResultView::AddToItemOf(DrawnItemId id, CAddToItem* what) const {
    if (id < 0 || id >= m_renderer.ItemCount()) return false;
    const CSearchResultRenderer::CItem& item = m_renderer.Item(id);
    if (item.hit < 0) return false;
    if (item.kind == Kind::kTopic || item.kind == Kind::kSmallText) {
        *what = CAddToItem::Rubric(static_cast<Topic*>(const_cast<void*>(item.data))->GetId());
        return true;
    }
    if (Topic* rubric = m_results.RubricOf(item.hit)) {
        *what = CAddToItem::Rubric(rubric->GetId());
        return true;
    }
    if (item.kind == Kind::kArticleText) {
        Article* article = m_results.ArticleOf(item.hit);
        if (article == nullptr) return false;
        *what = CAddToItem::Passage(article->GetId(), m_results.SourceId(),
                                    PassageOf(*static_cast<const std::string*>(item.data)));
        return true;
    }
    return false;
}

add_to::CAddToOutcome CSearchResultView::OfferAddTo(DrawnItemId item, const QPoint& globalPosition,
                                                    const add_to::MenuRunner& run) {
    CAddToItem what;
    if (!AddToItemOf(item, &what)) return {};
    SetSelectedItem(item);
    return add_to::OfferAddToMenu(globalPosition, what, run);
}

void CSearchResultView::OnEvent(unsigned code) {
    if (code != EV_UPDATE_MATERIA_MEDICA) return;
    DataSource* source = m_results.Source();
    if (source == nullptr || source->GetType() != kSourceMateriaMedica) return;
    m_results.ForgetSnippets();
    Invalidate();
}
