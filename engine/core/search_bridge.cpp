#include "core/search_bridge.h"

// Until the search engine is linked in, no query finds anything and none is
// well formed.
bool RunSearch(const SearchQuery*, SearchListener*) {
    return false;
}

bool RunAnalyzeQuery(const SearchQuery*, QueryMarkup*) {
    return false;
}
