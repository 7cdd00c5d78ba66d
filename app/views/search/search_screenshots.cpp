#include "views/search/search_screenshots.h"

#include <QMdiSubWindow>
#include <QTabWidget>

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/document.h"
#include "views/query/query_box.h"
#include "views/screenshot_session.h"
#include "views/search/search_result_view.h"
#include "views/search/search_view.h"
#include "views/search/search_window.h"

namespace {

// The search window, maximised; null when it cannot be opened.
CSearchView* ShowSearchWindow() {
    CDocument* document = OpenSearchWindow();
    if (document == nullptr || document->Frames().isEmpty()) return nullptr;
    CChildFrame* frame = document->Frames().front();
    frame->showMaximized();
    CScreenshotSession::Settle();
    return dynamic_cast<CSearchView*>(frame->widget());
}

// Selects the entry of the source named `name`; false when none has it.
bool SelectSourceNamed(CSearchView& view, const char* name) {
    DataSource* source = CorvelaInstance().FindDataSourceByName(name);
    if (source == nullptr) return false;
    const std::vector<CSearchSourceEntry>& entries = view.Sources();
    for (std::size_t index = 0; index < entries.size(); ++index)
        if (entries[index].id == *source->GetGuid()) {
            view.SelectSource(static_cast<int>(index));
            return true;
        }
    return false;
}

// Types `query` into the box and runs it in the page `page`.
CSearchResultView& Search(CSearchView& view, int page, const QString& query) {
    view.Tabs().setCurrentIndex(page);
    view.QueryBox().SetText(query);
    view.StartSearch();
    CSearchResultView& shown = view.Page(page);
    shown.EnsureLayout();
    return shown;
}

}  // namespace

bool TakeSearchScreenshots(CScreenshotSession& session) {
    QWidget* window = CScreenshotSession::MainWindow();
    CSearchView* view = ShowSearchWindow();
    if (window == nullptr || view == nullptr) return false;
    SelectSourceNamed(*view, "REP_DEMO");
    CSearchResultView& page = Search(*view, 0, QStringLiteral("anxiety night"));
    const DrawnItemId expander =
        page.Renderer().Find(CSearchResultRenderer::Kind::kExpander, 0);
    if (expander != kNoDrawnItem) page.Activate(expander);
    // The query of the next search, coloured as typed.
    view->QueryBox().SetText(QStringLiteral("anxiety night -midnight @ars>1"));
    view->QueryBox().setFocus();
    return session.Save(*window, "search");
}

bool TakeSearchMateriaMedicaScreenshots(CScreenshotSession& session) {
    QWidget* window = CScreenshotSession::MainWindow();
    if (window == nullptr || CorvelaInstance().FindDataSourceByName("MM_BOERICKE") == nullptr)
        return true;
    CSearchView* view = ShowSearchWindow();
    if (view == nullptr || !SelectSourceNamed(*view, "MM_BOERICKE")) return false;
    Search(*view, 1, QStringLiteral("burning thirst"));
    view->Page(1).setFocus();
    return session.Save(*window, "search_mm");
}
