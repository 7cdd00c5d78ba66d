#include "views/editors/practitioner_doc.h"

#include "model/records/case.h"
#include "views/case_access.h"
#include "views/window_texts.h"

CPractitionerDoc::CPractitionerDoc() = default;

CPractitionerDoc::~CPractitionerDoc() = default;

bool CPractitionerDoc::Bind(const void* opened) {
    if (m_practitioner != nullptr) return true;
    CCase* theCase = views::CurrentCase();
    if (theCase == nullptr) return false;
    m_practitioner = views::FindPractitioner(*theCase, opened);
    if (m_practitioner == nullptr) return false;
    SetItem(m_practitioner);
    SetTitle(views::Localized("Practitioner"));
    return true;
}
