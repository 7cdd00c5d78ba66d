#include "views/editors/prescription_doc.h"

#include "model/records/case.h"
#include "views/case_access.h"
#include "views/window_texts.h"

CPrescriptionDoc::CPrescriptionDoc() = default;

CPrescriptionDoc::~CPrescriptionDoc() = default;

bool CPrescriptionDoc::Bind(CPrescription* opened) {
    if (m_prescription != nullptr) return true;
    CCase* theCase = views::CurrentCase();
    if (theCase == nullptr) return false;
    m_prescription = views::FindItemAs<CPrescription>(*theCase, opened);
    if (m_prescription == nullptr) return false;
    SetItem(m_prescription);
    SetTitle(views::ItemTitle(*m_prescription));
    return true;
}
