// CMMRequest: one place the search of the materia medica window steps to: a
// remedy in a materia medica and, for a step inside the article on display,
// the occurrence to select there.
#pragma once

#include "corvela/guid.h"
#include "views/materia/word_highlights.h"

struct CMMRequest {
    int m_remedy = -1;               // catalogue number
    Guid m_materiaMedica{};          // the materia medica's identifier
    bool m_hasSpan = false;          // a step inside the article (scope 0)
    materia::CTextSpan m_span;       // then: the occurrence to select
};
