// CSearchDoc: the search window's document.  It holds no data: the pages of
// the view keep their searches.
#pragma once

#include "plumbing/documents/document.h"

class CSearchDoc : public CDocument {
public:
    CSearchDoc() = default;
};
