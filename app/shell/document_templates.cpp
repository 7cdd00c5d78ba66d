#include "shell/document_templates.h"

#include <memory>
#include <utility>

#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/document.h"
#include "shell/shell_icons.h"
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

    // Each kind of window carries the icon of the button that opens it.
    const std::pair<int, ShellIconKind> icons[] = {
        {kRepertorySlot, ShellIconKind::Repertories}, {kAnalysisSlot, ShellIconKind::Analysis},
        {kEpisodeSlot, ShellIconKind::Episode},       {kPrescriptionSlot, ShellIconKind::Prescription},
        {kSearchSlot, ShellIconKind::Search},         {kMateriaMedicaSlot, ShellIconKind::MateriaMedica},
        {kPatientInfoSlot, ShellIconKind::PatientCard}, {kPractitionerSlot, ShellIconKind::PatientCard},
    };
    for (const auto& [slot, kind] : icons) {
        if (CDocTemplate* docTemplate = documents.Template(slot)) docTemplate->SetFrameIcon(ShellIcon(kind));
    }
}
