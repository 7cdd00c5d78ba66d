// Evaluating a parsed query against one data source.
#pragma once

#include <string_view>

#include "search/number_sets.h"
#include "search/parsed_query.h"
#include "search/search_cache.h"

class DataSource;

class SourceSearch {
public:
    SourceSearch(DataSource& source, SearchCache& cache);

    // The item numbers a word finds: every index word containing it gives its
    // postings; in a repertory each rubric found brings the rubrics below it.
    // Ascending, without repeats.
    NumberList WordNumbers(std::string_view word);
    // True when some index word contains word.
    bool ContainsWord(std::string_view word);
    // The item numbers a remedy term finds: in a repertory the rubrics that
    // list the remedy (its first entry passing the grade comparison), in a
    // materia medica the remedy's article; nothing in a user article
    // collection.  Ascending, without repeats.  With within (sorted, without
    // repeats) only the numbers in it are looked at and answered.
    NumberList RemedyNumbers(const RemedyTerm& term, const NumberList* within = nullptr);

    // Required terms intersected, minus the excluded ones; highlight-only
    // terms take no part.  Nothing without a required term.
    NumberList Evaluate(const ParsedQuery& query);

private:
    DataSource& m_source;
    SearchCache& m_cache;
    SearchCache::Entry* m_cached;  // null: read the index through its interface
    int m_type;
};
