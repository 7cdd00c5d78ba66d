// CPatientInfoDoc: the document of the patient card window, titled "Patient
// Info".  Not backed by a file; it edits the current case's card.
#pragma once

#include "plumbing/documents/document.h"

class CPatientInfo;

class CPatientInfoDoc : public CDocument {
public:
    CPatientInfoDoc();
    ~CPatientInfoDoc() override;

    // The card edited, owned by the case; null until bound.
    CPatientInfo* Card() const { return m_card; }

    // Binds the document to the current case's card; `opened` (the card it
    // was opened for) must be null or that card.  Item() becomes the card and
    // the title "Patient Info" (localised).  An already bound document stays
    // bound.  False without an open case or for any other card.
    bool Bind(CPatientInfo* opened);

private:
    CPatientInfo* m_card = nullptr;
};
