#include "views/editors/prescription_edit_view.h"

#include "model/records/prescription.h"
#include "plumbing/rtf/rtf.h"
#include "views/case_access.h"
#include "views/editors/prescription_doc.h"

CPrescriptionEditView::CPrescriptionEditView(CPrescriptionDoc& document, QWidget* parent)
    : CCaseTextEdit(parent) {
    ApplyEditorLook();
    SetWriteBack(true);
    SetWriteBackOnEditKeys(true);
    CPrescription* prescription = document.Prescription();
    if (prescription != nullptr) LoadRtf(prescription->GetPrescription());
    SetWriteBackTarget([prescription](const QTextDocument& text) {
        if (views::IsCurrentItem(prescription)) prescription->SetPrescription(rtf::Save(text));
    });
}

CPrescriptionEditView::~CPrescriptionEditView() = default;
