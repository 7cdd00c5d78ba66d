#include "views/editors/patient_info_doc.h"

#include "model/lang/localize.h"
#include "model/records/case.h"
#include "plumbing/text/code_page.h"
#include "views/editors/case_access.h"

CPatientInfoDoc::CPatientInfoDoc() = default;

CPatientInfoDoc::~CPatientInfoDoc() = default;

bool CPatientInfoDoc::Bind(void* handedOver) {
    if (m_card != nullptr) return true;
    CCase* theCase = editors::CurrentCase();
    if (theCase == nullptr) return false;
    CPatientInfo* card = &theCase->GetPatientInfo();
    if (handedOver != nullptr && handedOver != card) return false;
    m_card = card;
    SetItem(m_card);
    SetTitle(plumbing::DecodeCodePage(Localize("Patient Info", 1)));
    return true;
}
