// The words of one loaded index laid end to end in memory, so that a query
// word is looked for in all of them with one substring pass instead of one
// call per word.  Postings are read in place from the mapped index file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Index;
class IndexImpl;

class WordTable {
public:
    // Copies the words of index (a mapped IndexImpl, which validated every
    // entry when it was opened).  The table borrows the mapping: it must not
    // outlive the index.
    explicit WordTable(IndexImpl& index);

    unsigned WordCount() const { return static_cast<unsigned>(m_postings.size()); }

    // Calls found(k) for every entry k whose word contains needle, in entry
    // order; found answers false to stop.  An empty needle finds nothing.
    template <typename Found>
    void Scan(std::string_view needle, Found&& found) const;

    // Appends the postings of entry k (k below the word count) to out.
    void AppendPostings(unsigned k, std::vector<std::int32_t>& out) const;

private:
    // The entry holding byte position at of the word bytes.
    unsigned EntryAt(std::size_t at, unsigned from) const;

    std::string m_words;                          // word, '\0', word, '\0' ...
    std::vector<std::uint32_t> m_starts;          // start of word k; one more: the end
    std::vector<const std::uint8_t*> m_postings;  // posting count field of entry k
};

// The same search straight over any Index, one word at a time (indexes that
// may change under the engine, such as those of user materia medicas).
template <typename Found>
void ScanIndex(Index& index, std::string_view needle, Found&& found);
// Appends the postings of entry k of any Index to out.
void AppendIndexPostings(Index& index, unsigned k, std::vector<std::int32_t>& out);

#include "search/word_table_inl.h"
