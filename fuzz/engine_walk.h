// Reading a loaded data file the way the program does, so that the fuzz
// targets touch every byte the loader promised was inside the file.
#pragma once

#include <cstddef>
#include <cstring>

#include "corvela.h"

namespace fuzz {

// Every word of the index with every posting (and one posting past the end).
inline std::size_t ReadIndex(Index& index) {
    std::size_t seen = 0;
    const unsigned words = index.GetWordCount();
    for (unsigned k = 0; k < words; ++k) {
        seen += std::strlen(index.GetWord(k));
        const int postings = index.GetPostingCount(k);
        for (int j = 0; j <= postings; ++j)
            seen += static_cast<std::size_t>(index.GetPosting(k, j));
    }
    return seen;
}

// The identifier and the five descriptive texts of a source.
inline std::size_t ReadHeaderTexts(DataSource& source) {
    return std::strlen(source.GetName()) + std::strlen(source.GetText2()) +
           std::strlen(source.GetText3()) + std::strlen(source.GetText4()) +
           std::strlen(source.GetText5()) + source.GetGuid()->data1;
}

}  // namespace fuzz
