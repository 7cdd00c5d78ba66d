#include "views/repertory/repertory_screenshots.h"

#include <corvela.h>

#include <QMdiSubWindow>
#include <initializer_list>

#include "model/core/program_settings.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/document.h"
#include "plumbing/text/code_page.h"
#include "views/repertory/repertory_pad_view.h"
#include "views/repertory/repertory_renderer.h"
#include "views/repertory/repertory_search_view.h"
#include "views/repertory/repertory_view.h"
#include "views/repertory/repertory_window.h"
#include "views/screenshot_session.h"
#include "views/window_host.h"

namespace {

// The rubric reached from the root through children whose texts match
// `path` (case-insensitive); null when a step is missing.
Topic* FindByPath(Repertory& repertory, std::initializer_list<const char*> path) {
    Topic* topic = repertory.GetRoot();
    for (const char* step : path) {
        Topic* next = nullptr;
        for (int i = 0; topic != nullptr && i < topic->GetChildCount() && next == nullptr; ++i) {
            Topic* child = topic->GetChild(i);
            const char* text = child != nullptr ? child->GetText() : nullptr;
            if (text != nullptr && plumbing::DecodeCodePage(text).compare(QLatin1String(step),
                                                                          Qt::CaseInsensitive) == 0)
                next = child;
        }
        topic = next;
    }
    return topic;
}

// The window of `document`, maximised; null when it has none.
CRepertoryPadView* ShowMaximised(CDocument* document) {
    if (document == nullptr || document->Frames().isEmpty()) return nullptr;
    CChildFrame* frame = document->Frames().front();
    frame->showMaximized();
    CScreenshotSession::Settle();
    return dynamic_cast<CRepertoryPadView*>(frame->widget());
}

// Opens the repertory `source` at the rubric `path`, the rubric a few lines
// below the top of the page.
CRepertoryPadView* OpenAt(const Guid& source, std::initializer_list<const char*> path) {
    CRepertoryPadView* pad = ShowMaximised(OpenRepertoryDocument(source, -1));
    if (pad == nullptr) return nullptr;
    CRepertoryView& view = pad->RubricView();
    Repertory* repertory = view.BoundRepertory();
    Topic* rubric = repertory != nullptr ? FindByPath(*repertory, path) : nullptr;
    if (rubric == nullptr || !view.SelectRubric(rubric->GetId())) return pad;
    CRepertoryRenderer& page = view.Renderer();
    const QRect box = page.ItemBox(page.ItemOf(view.SelectedNode()));
    view.ScrollTo(QPoint(0, box.top() - 2 * page.LineHeight()));
    view.setFocus();
    return pad;
}

}  // namespace

bool TakeRepertoryScreenshots(CScreenshotSession& session) {
    CWindowHost* host = CWindowHost::Current();
    QWidget* window = CScreenshotSession::MainWindow();
    if (host == nullptr || window == nullptr) return false;
    CRepertoryPadView* pad =
        OpenAt(host->Settings().SourceId(CProgramSettings::kRepertoryHalden), {"Mind", "Anxiety"});
    if (pad == nullptr) return false;
    // A search in progress: the second hit of "anx" selected.
    CRepertorySearchView& search = pad->SearchView();
    search.Edit().SetText(QStringLiteral("anx"));
    search.Enter();
    search.FindNext();
    pad->RubricView().setFocus();
    return session.Save(*window, "repertory");
}

bool TakeRepertoryKentScreenshots(CScreenshotSession& session) {
    QWidget* window = CScreenshotSession::MainWindow();
    DataSource* kent = CorvelaInstance().FindDataSourceByName("REP_KENT");
    if (window == nullptr || kent == nullptr) return true;
    if (OpenAt(*kent->GetGuid(), {"Mind", "Anxiety"}) == nullptr) return false;
    return session.Save(*window, "repertory_kent");
}
