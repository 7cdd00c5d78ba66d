// OpenRepertorySearch: the browser's search strip run from another window.
#include <QString>

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/document.h"
#include "plumbing/text/code_page.h"
#include "views/repertory/repertory_pad_view.h"
#include "views/repertory/repertory_search_view.h"
#include "views/repertory/repertory_window.h"

CDocument* OpenRepertorySearch(const Guid& source, const std::string& query) {
    CDocument* document = OpenRepertoryDocument(source, -1);
    if (document == nullptr) return nullptr;
    const QString text = plumbing::DecodeCodePage(query);
    for (CChildFrame* frame : document->Frames()) {
        auto* pad = dynamic_cast<CRepertoryPadView*>(frame->widget());
        if (pad == nullptr) continue;
        CRepertorySearchView& strip = pad->SearchView();
        strip.StopSearch();
        strip.Edit().SetText(text);
        strip.Enter();
    }
    return document;
}
