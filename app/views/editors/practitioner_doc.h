// CPractitionerDoc: the document of the practitioner window.  Not backed by a
// file and with no data of its own: it edits the practitioner record of one
// item of the current case, titled "Practitioner".
#pragma once

#include "plumbing/documents/document.h"

class CPractitioner;

class CPractitionerDoc : public CDocument {
public:
    CPractitionerDoc();
    ~CPractitionerDoc() override;

    // The practitioner record edited, owned by its item; null until bound.
    CPractitioner* Practitioner() const { return m_practitioner; }

    // Binds the document to the practitioner `opened` names in the current
    // case (views::FindPractitioner: the record, its item, or null for the
    // last item's).  Item() becomes the record and the title "Practitioner"
    // (localised).  An already bound document stays bound.  False when
    // nothing matches.
    bool Bind(const void* opened);

private:
    CPractitioner* m_practitioner = nullptr;
};
