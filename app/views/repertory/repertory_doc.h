// CRepertoryDoc: the document of one repertory window.  It holds the
// repertory's name (the GetName text of its data source, code page 1251),
// taken from the title the document was opened with, and is never modified.
// Its title is "%s : Repertory" with the source's text 3, first letter upper
// case and the rest lower case; for a name no loaded source has, the name
// itself ("Unknown Autor : Repertory").
#pragma once

#include <string>

#include "plumbing/documents/document.h"

class CRepertoryDoc : public CDocument {
    Q_OBJECT
public:
    CRepertoryDoc();
    ~CRepertoryDoc() override;

    const std::string& Name() const { return m_name; }
    // Takes the name from the title the document manager gave it (once).
    void TakeNameFromTitle();

    // The title of a repertory document for the source named `name`.
    static QString TitleFor(const std::string& name);

    void OnOpened() override;

private:
    std::string m_name;
    bool m_named = false;
};
