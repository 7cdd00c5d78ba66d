#include "views/editors/patient_info_doc.h"

#include "model/records/case.h"
#include "views/case_access.h"
#include "views/window_texts.h"

CPatientInfoDoc::CPatientInfoDoc() = default;

CPatientInfoDoc::~CPatientInfoDoc() = default;

bool CPatientInfoDoc::Bind(CPatientInfo* opened) {
    if (m_card != nullptr) return true;
    CCase* theCase = views::CurrentCase();
    if (theCase == nullptr) return false;
    CPatientInfo* card = &theCase->GetPatientInfo();
    if (opened != nullptr && opened != card) return false;
    m_card = card;
    SetItem(m_card);
    SetTitle(views::Localized("Patient Info"));
    return true;
}
