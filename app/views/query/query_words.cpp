#include "views/query/query_words.h"

#include <cstdio>

std::vector<std::string> QueryWords(const std::string& text, int scope, const Guid& source) {
    SearchQuery query;
    query.scope = scope;
    std::snprintf(query.text, sizeof query.text, "%s", text.c_str());
    query.source = source;
    QueryMarkup markup{};
    CorvelaInstance().AnalyzeQuery(&query, &markup);
    std::vector<std::string> words;
    for (int i = 0; i < markup.wordCount && i < kMarkupMaxWords; ++i)
        if (markup.words[i] != nullptr && *markup.words[i] != '\0') words.emplace_back(markup.words[i]);
    return words;
}

std::vector<std::string> QueryWords(const std::string& text, DataSource& source) {
    const int scope =
        source.GetType() == kSourceMateriaMedica ? kScopeMateriaMedicas : kScopeRepertories;
    return QueryWords(text, scope, *source.GetGuid());
}
