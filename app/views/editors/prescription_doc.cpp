#include "views/editors/prescription_doc.h"

#include "model/records/case.h"
#include "views/editors/case_access.h"
#include "views/editors/item_title.h"

CPrescriptionDoc::CPrescriptionDoc() = default;

CPrescriptionDoc::~CPrescriptionDoc() = default;

bool CPrescriptionDoc::Bind(void* handedOver) {
    if (m_prescription != nullptr) return true;
    CCase* theCase = editors::CurrentCase();
    if (theCase == nullptr) return false;
    m_prescription = editors::FindItemAs<CPrescription>(*theCase, handedOver);
    if (m_prescription == nullptr) return false;
    SetItem(m_prescription);
    SetTitle(editors::ItemTitle(*m_prescription));
    return true;
}
