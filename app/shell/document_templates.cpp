#include "shell/document_templates.h"

#include <memory>

#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/document.h"
#include "views/analysis/analysis_window.h"
#include "views/document_slots.h"
#include "views/editors/editor_factories.h"
#include "views/materia/materia_window.h"
#include "views/placeholder_view.h"
#include "views/repertory/repertory_window.h"
#include "views/search/search_window.h"
#include "views/window_host.h"

CCaseMultiDocTemplate::CCaseMultiDocTemplate()
    : CDocTemplate(QStringLiteral("CCaseMultiDocTemplate"), [] { return new CDocument; },
                   views::MakePlaceholderView) {}

QString CCaseMultiDocTemplate::NewDocumentTitle() {
    return DocumentName().isEmpty() ? QStringLiteral("Untitled") : DocumentName();
}

void RegisterDocumentTemplates(CWindowHost& host) {
    CDocManager& documents = host.Documents();
    documents.AddTemplate(kCaseSlot, std::make_unique<CCaseMultiDocTemplate>());
    RegisterRepertoryWindow(host);
    RegisterAnalysisWindow(host);
    documents.AddTemplate(kEpisodeSlot, editors::MakeEpisodeTemplate());
    documents.AddTemplate(kPrescriptionSlot, editors::MakePrescriptionTemplate());
    RegisterSearchWindow(host);
    RegisterMateriaMedicaWindow(host);
    documents.AddTemplate(kPatientInfoSlot, editors::MakePatientInfoTemplate());
    documents.AddTemplate(kPractitionerSlot, editors::MakePractitionerTemplate());
}
