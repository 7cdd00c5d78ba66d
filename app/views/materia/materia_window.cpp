#include "views/materia/materia_window.h"

#include <corvela.h>

#include "model/core/program_settings.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/ribbon/command_registry.h"
#include "plumbing/text/code_page.h"
#include "views/command_ids.h"
#include "views/document_slots.h"
#include "views/placeholder_view.h"
#include "views/window_host.h"
#include "views/window_texts.h"

namespace {

// "[%s] %s": the remedy's short name and the materia medica's name; a part
// the engine does not know stays empty.
QString WindowTitle(int remedy, const Guid& materiaMedica) {
    Corvela& engine = CorvelaInstance();
    Remedy* shown = remedy >= 0 ? engine.GetRemedy(remedy) : nullptr;
    DataSource* source = engine.FindDataSource(&materiaMedica);
    const char* shortName = shown != nullptr ? shown->GetShortName() : nullptr;
    const char* name = source != nullptr ? source->GetName() : nullptr;
    return plumbing::DecodeCodePage(views::FormatTexts(
        "[%s] %s", {shortName != nullptr ? shortName : "", name != nullptr ? name : ""}));
}

}  // namespace

void RegisterMateriaMedicaWindow(CWindowHost& host) {
    host.Documents().AddTemplate(kMateriaMedicaSlot,
                                 views::MakePlaceholderTemplate("CMateriaMedicaMultiDocTemplate"));
    host.Commands().SetHandler(ID_OPEN_MATERIA_MEDICA, [] { OpenRemedy(kFirstShownRemedy); });
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
    // The article view navigates and highlights `highlight` here once it exists.
    static_cast<void>(highlight);
    if (!open.isEmpty()) {
        CDocument* document = open.front();
        if (remedy >= 0) document->SetTitle(WindowTitle(remedy, source));
        documents.Activate(document);
        return document;
    }
    return documents.OpenNew(kMateriaMedicaSlot,
                             WindowTitle(remedy >= 0 ? remedy : kFirstShownRemedy, source));
}
