#include "search/word_table.h"

#include <algorithm>

#include "coding/little_endian.h"
#include "index/index_format.h"
#include "index/index_impl.h"

WordTable::WordTable(IndexImpl& index) {
    const unsigned count = index.GetWordCount();
    m_starts.reserve(count + 1);
    m_postings.reserve(count);
    for (unsigned k = 0; k < count; ++k) {
        // In the mapping a word sits right behind its uint16 length (zero
        // included) and right before its posting count.
        const char* word = index.GetWord(k);
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(word);
        const std::size_t stored = static_cast<std::size_t>(ReadI16(bytes - idx::kEntryLengthSize));
        m_starts.push_back(static_cast<std::uint32_t>(m_words.size()));
        // The word as a string ends at its first zero byte.
        m_words.append(word, ::strnlen(word, stored));
        m_words.push_back('\0');
        m_postings.push_back(bytes + stored);
    }
    m_starts.push_back(static_cast<std::uint32_t>(m_words.size()));
}

unsigned WordTable::EntryAt(std::size_t at, unsigned from) const {
    // The last start at or before at, looked for from entry from on.
    auto next = std::upper_bound(m_starts.begin() + from, m_starts.end() - 1,
                                 static_cast<std::uint32_t>(at));
    return static_cast<unsigned>(next - m_starts.begin()) - 1;
}

void WordTable::AppendPostings(unsigned k, std::vector<std::int32_t>& out) const {
    const std::uint8_t* countAt = m_postings[k];
    const int count = ReadI16(countAt);
    const std::uint8_t* posting = countAt + idx::kPostingCountSize;
    for (int j = 0; j < count; ++j, posting += idx::kPostingSize) out.push_back(ReadI32(posting));
}

void AppendIndexPostings(Index& index, unsigned k, std::vector<std::int32_t>& out) {
    const int count = index.GetPostingCount(k);
    for (int j = 0; j < count; ++j) out.push_back(index.GetPosting(k, j));
}
