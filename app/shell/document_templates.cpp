#include "shell/document_templates.h"

#include <QLabel>
#include <memory>

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_manager.h"
#include "plumbing/documents/document.h"
#include "shell/meridane_app.h"
#if MERIDANE_HAVE_EDITORS
#include "views/editors/editor_factories.h"
#endif

namespace {

// The windows that come with later parts of the program show a plain note.
QWidget* MakeNoteView(CDocument&, CChildFrame& frame) {
    auto* note = new QLabel(&frame);
    note->setAlignment(Qt::AlignCenter);
    note->setAutoFillBackground(true);
    note->setBackgroundRole(QPalette::Base);
    return note;
}

std::unique_ptr<CDocTemplate> Plain(const char* className) {
    return std::make_unique<CDocTemplate>(
        QString::fromLatin1(className), [] { return new CDocument; }, MakeNoteView);
}

}  // namespace

CCaseMultiDocTemplate::CCaseMultiDocTemplate()
    : CDocTemplate(QStringLiteral("CCaseMultiDocTemplate"), [] { return new CDocument; },
                   MakeNoteView) {}

QString CCaseMultiDocTemplate::NewDocumentTitle() {
    return DocumentName().isEmpty() ? QStringLiteral("Untitled") : DocumentName();
}

void RegisterDocumentTemplates(CDocManager& documents) {
    using App = CMeridaneApp;
    documents.AddTemplate(App::kCaseSlot, std::make_unique<CCaseMultiDocTemplate>());
    documents.AddTemplate(App::kRepertorySlot, Plain("CRepertoryMultiDocTemplate"));
    documents.AddTemplate(App::kAnalysisSlot, Plain("CAnalysisMultiDocTemplate"));
#if MERIDANE_HAVE_EDITORS
    documents.AddTemplate(App::kEpisodeSlot, editors::MakeEpisodeTemplate());
    documents.AddTemplate(App::kPrescriptionSlot, editors::MakePrescriptionTemplate());
#else
    documents.AddTemplate(App::kEpisodeSlot, Plain("CEpisodeMultiDocTemplate"));
    documents.AddTemplate(App::kPrescriptionSlot, Plain("CPrescriptionMultiDocTemplate"));
#endif
    documents.AddTemplate(App::kSearchSlot, Plain("CSearchMultiDocTemplate"));
    documents.AddTemplate(App::kMateriaMedicaSlot, Plain("CMateriaMedicaMultiDocTemplate"));
#if MERIDANE_HAVE_EDITORS
    documents.AddTemplate(App::kPatientInfoSlot, editors::MakePatientInfoTemplate());
    documents.AddTemplate(App::kPractitionerSlot, editors::MakePractitionerTemplate());
#else
    documents.AddTemplate(App::kPatientInfoSlot, Plain("CPatientInfoMultiDocTemplate"));
    documents.AddTemplate(App::kPractitionerSlot, Plain("CPractitionerMultiDocTemplate"));
#endif
}
