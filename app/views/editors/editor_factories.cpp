#include "views/editors/editor_factories.h"

#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_template.h"
#include "plumbing/documents/hand_over_slot.h"
#include "views/editors/episode_doc.h"
#include "views/editors/patient_info_doc.h"
#include "views/editors/patient_pad_view.h"
#include "views/editors/practitioner_doc.h"
#include "views/editors/prescription_doc.h"
#include "views/editors/prescription_view.h"

namespace editors {
namespace {

// Binds `document` to its record: the first view takes the record from the
// hand-over slot, later views find the document bound already.
template <class Doc>
bool BindFromSlot(Doc& document, bool bound) {
    return document.Bind(bound ? nullptr : CHandOverSlot::Take());
}

template <class Doc>
std::unique_ptr<CDocTemplate> MakeTemplate(const char* className,
                                           std::unique_ptr<CDocument> (*makeDocument)(),
                                           CDocTemplate::ViewFactory makeView) {
    return std::make_unique<CDocTemplate>(
        QString::fromLatin1(className), [makeDocument] { return makeDocument().release(); },
        std::move(makeView));
}

}  // namespace

std::unique_ptr<CDocument> CreateEpisodeDoc() {
    return std::make_unique<CEpisodeDoc>();
}

std::unique_ptr<CDocument> CreatePrescriptionDoc() {
    return std::make_unique<CPrescriptionDoc>();
}

std::unique_ptr<CDocument> CreatePatientInfoDoc() {
    return std::make_unique<CPatientInfoDoc>();
}

std::unique_ptr<CDocument> CreatePractitionerDoc() {
    return std::make_unique<CPractitionerDoc>();
}

QWidget* CreatePatientPadView(CDocument& document, CChildFrame& frame) {
    if (auto* card = dynamic_cast<CPatientInfoDoc*>(&document)) {
        if (!BindFromSlot(*card, card->Card() != nullptr)) return nullptr;
        return new CPatientPadView(*card, &frame);
    }
    if (auto* episode = dynamic_cast<CEpisodeDoc*>(&document)) {
        if (!BindFromSlot(*episode, episode->Episode() != nullptr)) return nullptr;
        return new CPatientPadView(*episode, &frame);
    }
    if (auto* practitioner = dynamic_cast<CPractitionerDoc*>(&document)) {
        if (!BindFromSlot(*practitioner, practitioner->Practitioner() != nullptr)) return nullptr;
        return new CPatientPadView(*practitioner, &frame);
    }
    return nullptr;
}

QWidget* CreatePrescriptionView(CDocument& document, CChildFrame& frame) {
    auto* prescription = dynamic_cast<CPrescriptionDoc*>(&document);
    if (prescription == nullptr) return nullptr;
    if (!BindFromSlot(*prescription, prescription->Prescription() != nullptr)) return nullptr;
    return new CPrescriptionView(*prescription, &frame);
}

std::unique_ptr<CDocTemplate> MakeEpisodeTemplate() {
    return MakeTemplate<CEpisodeDoc>("CEpisodeMultiDocTemplate", &CreateEpisodeDoc,
                                     &CreatePatientPadView);
}

std::unique_ptr<CDocTemplate> MakePrescriptionTemplate() {
    return MakeTemplate<CPrescriptionDoc>("CPrescriptionMultiDocTemplate", &CreatePrescriptionDoc,
                                          &CreatePrescriptionView);
}

std::unique_ptr<CDocTemplate> MakePatientInfoTemplate() {
    return MakeTemplate<CPatientInfoDoc>("CPatientInfoMultiDocTemplate", &CreatePatientInfoDoc,
                                         &CreatePatientPadView);
}

std::unique_ptr<CDocTemplate> MakePractitionerTemplate() {
    return MakeTemplate<CPractitionerDoc>("CPractitionerMultiDocTemplate", &CreatePractitionerDoc,
                                          &CreatePatientPadView);
}

}  // namespace editors
