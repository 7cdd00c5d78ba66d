// The query language: requests, the markup of a checked query, and hits.
#pragma once

#include <cstdint>

#include "corvela/guid.h"

class DataItem;
class DataSource;

enum SearchScope { kScopeAll = 0, kScopeRepertories = 1, kScopeMateriaMedicas = 2 };

// The caller's request; field order and widths are part of the interface.
struct SearchQuery {
    std::int32_t scope = kScopeAll;    // SearchScope
    char text[256] = {};               // zero-terminated cp1251, at most 255 bytes
    Guid source;                       // all zero: every source in scope
    std::uint8_t reserved = 0;         // carried along, unused
};

// Classes of the tokens of a checked query; the program colours by them.
enum TokenClass {
    MarkInvalid = 0,
    MarkOperator = 1,
    MarkGrade = 2,
    MarkRemedy = 3,
    MarkWord = 4,
    MarkUnknownRemedy = 5,
    MarkWordNotFound = 6,
    MarkNotApplicable = 7,
};

inline constexpr int kMarkupMaxRemedies = 16;
inline constexpr int kMarkupMaxWords = 16;
inline constexpr int kMarkupMaxTokens = 32;

// What AnalyzeQuery fills.  Only the first 32 tokens, 16 remedies and 16 words
// are recorded.  The word strings belong to the engine and stay valid until
// the next AnalyzeQuery.
struct QueryMarkup {
    std::int32_t remedyIds[kMarkupMaxRemedies];   // required remedy terms, in query order
    std::int32_t remedyCount;
    const char* words[kMarkupMaxWords];           // required, then excluded, then highlight-only
    std::int32_t wordCount;
    std::int32_t tokenSpans[kMarkupMaxTokens][2]; // byte positions [start, end) in the text
    std::int32_t tokenClasses[kMarkupMaxTokens];  // TokenClass
    std::int32_t tokenCount;
};

// One hit: both pointers are borrowed from the engine.
struct SearchHit {
    DataItem* item;
    DataSource* source;
};

class SearchListener {
public:
    // Called once per hit, grouped by source in facade order, items ascending.
    // The answer is ignored.
    virtual bool OnFound(const SearchHit& hit) = 0;

protected:
    ~SearchListener() = default;
};
