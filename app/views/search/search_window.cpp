#include "views/search/search_window.h"

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/ribbon/command_registry.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/search/search_doc.h"
#include "views/search/search_view.h"
#include "views/window_host.h"

namespace {
// The name of the one search document (not translated: it names the document).
constexpr const char* kSearchTitle = "Search";
}  // namespace

void RegisterSearchWindow(CWindowHost& host) {
    host.Documents().AddTemplate(
        kSearchSlot,
        std::make_unique<CDocTemplate>(
            QStringLiteral("CSearchMultiDocTemplate"), [] { return new CSearchDoc; },
            [](CDocument&, CChildFrame& frame) -> QWidget* { return new CSearchView(&frame); }));
    host.Commands().SetHandler(ID_SEARCH, [] { OpenSearchWindow(); });
}

CDocument* OpenSearchWindow() {
    CWindowHost* host = CWindowHost::Current();
    if (host == nullptr) return nullptr;
    CDocManager& documents = host->Documents();
    const QString title = QString::fromLatin1(kSearchTitle);
    if (CDocument* open = documents.FindByTitle(title, {kSearchSlot})) {
        documents.Activate(open);
        return open;
    }
    return documents.OpenNew(kSearchSlot, title);
}
