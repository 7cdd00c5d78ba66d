// The search engine: checks queries for highlighting and runs them against
// every eligible data source of the facade.  One engine serves the library;
// the facade reaches it through SearchEngineInstance().
#pragma once

#include <string_view>

#include "corvela/search.h"
#include "search/parsed_query.h"
#include "search/query_parser.h"
#include "search/search_cache.h"

class Corvela;
class DataSource;

class SearchEngine {
public:
    explicit SearchEngine(Corvela& facade);
    virtual ~SearchEngine();

    // Runs query (lower-cased first) against every source the scope, the
    // enabled flag and the source identifier admit, in the facade's order,
    // calling listener once per hit: grouped by source, items ascending.
    // A query with invalid tokens runs with the terms that were parsed.
    // Always true.
    virtual bool Search(const SearchQuery* query, SearchListener* listener);
    // Checks query as typed and fills markup: the first 32 tokens with spans
    // and classes, and after a parse without syntax error the required
    // remedies and the words to highlight.  A word no eligible index contains
    // becomes MarkWordNotFound; with scope 2 comparisons and grades become
    // MarkNotApplicable.  True when the query is well formed.  The strings
    // behind markup->words stay valid until the next AnalyzeQuery.
    virtual bool AnalyzeQuery(const SearchQuery* query, QueryMarkup* markup);

    // Forgets what it keeps per source; the facade calls it before it deletes
    // its sources.
    void ForgetSources() { m_cache.Forget(); }

private:
    bool Eligible(DataSource* source, const SearchQuery& query) const;
    void FillMarkupLists(QueryMarkup& markup) const;
    void MarkMissingWords(const SearchQuery& query, std::string_view text, QueryMarkup& markup);

    Corvela& m_facade;
    RemedyResolver m_resolve;
    ParsedQuery m_checked;  // the last AnalyzeQuery's; backs markup->words
    SearchCache m_cache;
};

// The library's engine, created on first use.
SearchEngine& SearchEngineInstance();
// Calls ForgetSources on the engine if it has been created.
void ForgetSearchEngineSources();
