// The nine document templates of the program, in the order they are created:
// case (1), repertory (2), analysis (0), episode (3), prescription (4),
// search (5), materia medica (6), patient card (7), practitioner (8)
// (views/document_slots.h).  All frames are CChildFrame.  Each window folder
// of views/ adds its own template and binds its commands; the shell adds the
// case template.
#pragma once

#include <QString>

#include "plumbing/documents/doc_template.h"

class CWindowHost;

// The case template: a new document is titled with the template's document
// name, or "Untitled" when that is empty, never with a number.
class CCaseMultiDocTemplate : public CDocTemplate {
public:
    CCaseMultiDocTemplate();
    QString NewDocumentTitle() override;
};

// Adds the nine templates to the host's documents in their order and lets
// each window folder bind its commands.
void RegisterDocumentTemplates(CWindowHost& host);
