#include "search/search_cache.h"

#include "index/index_impl.h"
#include "materia/materia_medica_impl.h"
#include "repertory/repertory_impl.h"

namespace {

// The kinds of source whose word index stays the same while they are loaded
// (a user materia medica replaces its index on every save).
bool IsReadOnlyKind(DataSource* source) {
    return dynamic_cast<RepertoryImpl*>(source) != nullptr ||
           dynamic_cast<MateriaMedicaImpl*>(source) != nullptr;
}

std::size_t RubricCountOf(DataSource* source) {
    auto* repertory = dynamic_cast<RepertoryImpl*>(source);
    return repertory != nullptr ? repertory->GetTopicCount() : 0;
}

}  // namespace

SearchCache::Entry* SearchCache::Find(DataSource* source) {
    if (source == nullptr || !IsReadOnlyKind(source)) return nullptr;
    auto* index = dynamic_cast<IndexImpl*>(source->GetWordIndex());
    if (index == nullptr || !index->IsOpen()) return nullptr;
    const unsigned wordCount = index->GetWordCount();
    const char* firstWord = wordCount > 0 ? index->GetWord(0) : nullptr;
    const std::size_t rubrics = RubricCountOf(source);
    for (auto& entry : m_entries) {
        if (entry->source != source) continue;
        if (entry->index == index && entry->wordCount == wordCount &&
            entry->firstWord == firstWord && entry->rubricCount == rubrics)
            return entry.get();
        entry.reset();  // the source was opened again: start afresh
        std::erase(m_entries, nullptr);
        break;
    }
    auto entry = std::make_unique<Entry>();
    entry->source = source;
    entry->index = index;
    entry->wordCount = wordCount;
    entry->firstWord = firstWord;
    entry->rubricCount = rubrics;
    entry->words = std::make_unique<WordTable>(*index);
    m_entries.push_back(std::move(entry));
    return m_entries.back().get();
}

const RubricRanges& SearchCache::Ranges(Entry& entry) {
    if (entry.ranges == nullptr)
        entry.ranges = std::make_unique<RubricRanges>(*static_cast<Repertory*>(entry.source),
                                                      entry.rubricCount);
    return *entry.ranges;
}
