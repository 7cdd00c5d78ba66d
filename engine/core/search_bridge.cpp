#include "core/search_bridge.h"

#include "search/search_engine.h"

bool RunSearch(const SearchQuery* query, SearchListener* listener) {
    return SearchEngineInstance().Search(query, listener);
}

bool RunAnalyzeQuery(const SearchQuery* query, QueryMarkup* markup) {
    return SearchEngineInstance().AnalyzeQuery(query, markup);
}

void ForgetSearchSources() {
    ForgetSearchEngineSources();
}
