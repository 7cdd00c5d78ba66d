#include "views/editors/practitioner_doc.h"

#include "model/lang/localize.h"
#include "model/records/case.h"
#include "plumbing/text/code_page.h"
#include "views/editors/case_access.h"

CPractitionerDoc::CPractitionerDoc() = default;

CPractitionerDoc::~CPractitionerDoc() = default;

bool CPractitionerDoc::Bind(void* handedOver) {
    if (m_practitioner != nullptr) return true;
    CCase* theCase = editors::CurrentCase();
    if (theCase == nullptr) return false;
    m_practitioner = editors::FindPractitioner(*theCase, handedOver);
    if (m_practitioner == nullptr) return false;
    SetItem(m_practitioner);
    SetTitle(plumbing::DecodeCodePage(Localize("Practitioner", 1)));
    return true;
}
