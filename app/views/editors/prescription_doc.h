// CPrescriptionDoc: the document of a prescription window.  Not backed by a
// file; it edits one prescription of the current case, titled "<name>: <time>".
#pragma once

#include "plumbing/documents/document.h"

class CPrescription;

class CPrescriptionDoc : public CDocument {
public:
    CPrescriptionDoc();
    ~CPrescriptionDoc() override;

    // The prescription edited, owned by the case; null until bound.
    CPrescription* Prescription() const { return m_prescription; }

    // Binds the document to `opened` (the prescription it was opened for)
    // when it is a prescription of the current case (Item() and title set).
    // An already bound document stays bound.  False when not bound.
    bool Bind(CPrescription* opened);

private:
    CPrescription* m_prescription = nullptr;
};
