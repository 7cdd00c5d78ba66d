// Where the facade hands queries to the search engine.
#pragma once

#include "corvela/search.h"

// Runs query against every eligible source, reporting hits to listener.
bool RunSearch(const SearchQuery* query, SearchListener* listener);
// Checks query for highlighting; true when it is well formed.
bool RunAnalyzeQuery(const SearchQuery* query, QueryMarkup* markup);
// Makes the search engine forget what it keeps per source; called before the
// sources are deleted.
void ForgetSearchSources();
