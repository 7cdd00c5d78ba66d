#include "views/editors/editor_factories.h"

#include "model/records/case.h"
#include "plumbing/documents/child_frame.h"
#include "plumbing/documents/doc_template.h"
#include "views/editors/episode_doc.h"
#include "views/editors/patient_info_doc.h"
#include "views/editors/patient_pad_view.h"
#include "views/editors/practitioner_doc.h"
#include "views/editors/prescription_doc.h"
#include "views/editors/prescription_view.h"

namespace editors {
namespace {

// The record a document was opened for, as one of `Records`: null when it
// was opened without one; `*wrong` set when it carries a record of another type.
template <class... Records>
const void* OpenedRecord(const CDocument& document, bool* wrong) {
    const void* found = nullptr;
    ((found = found != nullptr ? found : document.ItemAs<Records>()), ...);
    *wrong = found == nullptr && !document.DocItem().IsEmpty();
    return found;
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

// The first view binds its document to the record the document was opened
// for; later views find the document bound already.
QWidget* CreatePatientPadView(CDocument& document, CChildFrame& frame) {
    if (auto* card = dynamic_cast<CPatientInfoDoc*>(&document)) {
        if (card->Card() == nullptr) {
            auto* opened = document.ItemAs<CPatientInfo>();
            if ((opened == nullptr && !document.DocItem().IsEmpty()) || !card->Bind(opened))
                return nullptr;
        }
        return new CPatientPadView(*card, &frame);
    }
    if (auto* episode = dynamic_cast<CEpisodeDoc*>(&document)) {
        if (episode->Episode() == nullptr && !episode->Bind(document.ItemAs<CEpisode>()))
            return nullptr;
        return new CPatientPadView(*episode, &frame);
    }
    if (auto* practitioner = dynamic_cast<CPractitionerDoc*>(&document)) {
        if (practitioner->Practitioner() == nullptr) {
            bool wrong = false;
            const void* opened =
                OpenedRecord<CPractitioner, COneItem, CEpisode, CPrescription, CAnalysis>(
                    document, &wrong);
            if (wrong || !practitioner->Bind(opened)) return nullptr;
        }
        return new CPatientPadView(*practitioner, &frame);
    }
    return nullptr;
}

QWidget* CreatePrescriptionView(CDocument& document, CChildFrame& frame) {
    auto* prescription = dynamic_cast<CPrescriptionDoc*>(&document);
    if (prescription == nullptr) return nullptr;
    if (prescription->Prescription() == nullptr &&
        !prescription->Bind(document.ItemAs<CPrescription>()))
        return nullptr;
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
