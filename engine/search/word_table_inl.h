// Template bodies of word_table.h.
#pragma once

#include <string.h>

#include <cstring>

#include "corvela/index.h"

template <typename Found>
void WordTable::Scan(std::string_view needle, Found&& found) const {
    if (needle.empty() || m_words.empty()) return;
    const char* const base = m_words.data();
    const std::size_t size = m_words.size();
    std::size_t from = 0;
    unsigned entry = 0;
    while (from < size) {
        const void* hit = ::memmem(base + from, size - from, needle.data(), needle.size());
        if (hit == nullptr) return;
        // Words are separated by zero bytes and the needle holds none, so a
        // hit lies inside one word; go on behind that word.
        entry = EntryAt(static_cast<std::size_t>(static_cast<const char*>(hit) - base), entry);
        if (!found(entry)) return;
        from = m_starts[entry + 1];
        ++entry;
    }
}

template <typename Found>
void ScanIndex(Index& index, std::string_view needle, Found&& found) {
    if (needle.empty()) return;
    const unsigned count = index.GetWordCount();
    for (unsigned k = 0; k < count; ++k) {
        const char* word = index.GetWord(k);
        if (word == nullptr) continue;
        const std::size_t length = std::strlen(word);
        if (length < needle.size()) continue;
        if (::memmem(word, length, needle.data(), needle.size()) == nullptr) continue;
        if (!found(k)) return;
    }
}
