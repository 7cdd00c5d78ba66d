// The nine document templates of the program, in the order they are created:
// case (1), repertory (2), analysis (0), episode (3), prescription (4),
// search (5), materia medica (6), patient card (7), practitioner (8).  All
// frames are CChildFrame.
#pragma once

#include <QString>

#include "plumbing/documents/doc_template.h"

class CDocManager;

// The case template: a new document is titled with the template's document
// name, or "Untitled" when that is empty, never with a number.
class CCaseMultiDocTemplate : public CDocTemplate {
public:
    CCaseMultiDocTemplate();
    QString NewDocumentTitle() override;
};

// Adds the nine templates to `documents` in their order.
void RegisterDocumentTemplates(CDocManager& documents);
