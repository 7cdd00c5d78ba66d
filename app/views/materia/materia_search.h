// The search of the materia medica window: what one press of "Start Search"
// finds, as the list of places (CMMRequest) the following presses step to.
//
//   scope 0  "in the article on display": every occurrence of the query's
//            words inside the article on display, in text order
//   scope 1  "in the chosen work (one author)": the articles of the current
//            materia medica that the query finds, in article order, stepping
//            from the current remedy's article when it is among them
//   scope 2  "in the chosen remedy (several authors)": the current remedy's
//            article in every materia medica the query finds it in, in source
//            order, stepping from the current materia medica when it is one
//
// The query runs through the engine (Search with scope 2, the materia
// medicas); its words, from AnalyzeQuery, are the highlight words.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "corvela/guid.h"
#include "views/materia/mm_request.h"

namespace materia {

enum SearchScope { kScopeArticle = 0, kScopeWork = 1, kScopeRemedy = 2 };

// The shortest query the search runs; a shorter one is refused with a beep.
inline constexpr int kMinimumQueryLength = 3;

struct CSearchFindings {
    std::vector<CMMRequest> m_requests;
    int m_start = 0;                  // the request the first step shows
    std::vector<std::string> m_words; // the words to highlight (code page 1251)
};

// Runs `query` (code page 1251) in `scope` from the current remedy and
// materia medica.
CSearchFindings FindRequests(const std::string& query, int scope, int remedy,
                             const Guid& materiaMedica);

// The words AnalyzeQuery gives for `query` over the materia medicas.
std::vector<std::string> QueryWords(const std::string& query);

}  // namespace materia
