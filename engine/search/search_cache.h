// What the search engine keeps per loaded read-only source between queries:
// the word table of its index and, for a repertory, its rubric ranges.  Only
// sources that never change while loaded are kept (repertories and the plain
// file-backed materia medicas); they live until the facade closes all
// sources, which tells the engine to Forget them.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "search/rubric_ranges.h"
#include "search/word_table.h"

class DataSource;
class Index;

class SearchCache {
public:
    struct Entry {
        DataSource* source = nullptr;
        Index* index = nullptr;
        unsigned wordCount = 0;
        const char* firstWord = nullptr;  // tells a re-opened index apart
        std::size_t rubricCount = 0;
        std::unique_ptr<WordTable> words;
        std::unique_ptr<RubricRanges> ranges;  // repertories, made on first use
    };

    // The entry of source, made on first use; null for a source whose index
    // may change under the engine (user sources) or that has no mapped index.
    Entry* Find(DataSource* source);
    // The rubric ranges of a cached repertory.
    const RubricRanges& Ranges(Entry& entry);
    // Drops every entry (the sources are about to be deleted).
    void Forget() { m_entries.clear(); }

private:
    std::vector<std::unique_ptr<Entry>> m_entries;
};
