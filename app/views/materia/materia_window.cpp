#include "views/materia/materia_window.h"

#include <corvela.h>

#include "model/core/program_settings.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/document.h"

#include <QMdiArea>
#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/doc_template.h"
#include "plumbing/ribbon/command_registry.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/materia/materia_medica_doc.h"
#include "views/materia/materia_medica_pad_view.h"
#include "views/window_host.h"

namespace {

std::unique_ptr<CDocTemplate> MakeMateriaMedicaTemplate() {
    return std::make_unique<CDocTemplate>(
        QStringLiteral("CMateriaMedicaMultiDocTemplate"), [] { return new CMateriaMedicaDoc; },
        [](CDocument& document, CChildFrame& frame) -> QWidget* {
            auto* shown = qobject_cast<CMateriaMedicaDoc*>(&document);
            return shown != nullptr ? new CMateriaMedicaPadView(*shown, &frame) : nullptr;
        });
}

// The command: the open window comes forward as it is; without one, a new
// window shows the first remedy in the configured materia medica.
void OpenMateriaMedicaCommand() {
    CWindowHost* host = CWindowHost::Current();
    if (host == nullptr) return;
    const QList<CDocument*> open = host->Documents().Documents(kMateriaMedicaSlot);
    if (!open.isEmpty()) {
        host->Documents().Activate(open.front());
        return;
    }
    OpenRemedy(kFirstShownRemedy);
}

}  // namespace

void RegisterMateriaMedicaWindow(CWindowHost& host) {
    host.Documents().AddTemplate(kMateriaMedicaSlot, MakeMateriaMedicaTemplate());
    host.Commands().SetHandler(ID_OPEN_MATERIA_MEDICA, OpenMateriaMedicaCommand);
}

CDocument* OpenRemedy(int remedy, const std::optional<Guid>& materiaMedica,
                      const std::string& highlight) {
    CWindowHost* host = CWindowHost::Current();
    if (host == nullptr) return nullptr;
    const Guid source = materiaMedica
                            ? *materiaMedica
                            : host->Settings().SourceId(CProgramSettings::kDefMateriaMedica);
    CDocManager& documents = host->Documents();
    const QList<CDocument*> open = documents.Documents(kMateriaMedicaSlot);
    auto* document = qobject_cast<CMateriaMedicaDoc*>(
        open.isEmpty() ? documents.OpenNew(kMateriaMedicaSlot) : open.front());
    if (document == nullptr) return nullptr;
    const bool fresh = open.isEmpty();
    // A new window fills the MDI area before it shows an article, so that
    // the article is laid out once, at the width it is read in.
    if (fresh && documents.Area() != nullptr)
        document->Frames().front()->setGeometry(documents.Area()->viewport()->rect());
    document->Navigate(remedy < 0 && fresh ? kFirstShownRemedy : remedy, source, highlight);
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    if (!fresh) {
        documents.Activate(document);
    } else if (QWidget* view = document->Frames().front()->widget()) {
        view->setFocus();  // the article, not the remedy selector
    }
    return document;
}
