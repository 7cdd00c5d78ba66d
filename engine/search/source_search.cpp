#include "search/source_search.h"

#include "coding/little_endian.h"
#include "corvela/materia_medica.h"
#include "repertory/repertory_format.h"
#include "repertory/repertory_impl.h"

namespace {

// The grade of the first entry of remedy in a rubric of a loaded repertory
// file; -1 when the rubric does not list it.  Read straight from the rubric's
// record (validated when the file was opened): the text's counted length
// stands right before the text, the remedy count and the 5-byte entries
// right behind it.
int FirstGradeOf(Topic& topic, int remedy) {
    const auto* record = reinterpret_cast<const std::uint8_t*>(topic.GetText()) - rpb::kTextStart;
    const std::uint8_t* countField = record + rpb::kTextStart + ReadI16(record + rpb::kTextField);
    const int count = ReadI16(countField);
    const std::uint8_t* entry = countField + 2;
    const auto wanted = static_cast<std::uint32_t>(remedy);
    for (int i = 0; i < count; ++i, entry += rpb::kRemedyEntrySize)
        if (ReadU32(entry) == wanted) return entry[4];
    return -1;
}

}  // namespace

SourceSearch::SourceSearch(DataSource& source, SearchCache& cache)
    : m_source(source), m_cache(cache), m_cached(cache.Find(&source)), m_type(source.GetType()) {}

bool SourceSearch::ContainsWord(std::string_view word) {
    bool found = false;
    const auto stop = [&found](unsigned) {
        found = true;
        return false;
    };
    if (m_cached != nullptr) {
        m_cached->words->Scan(word, stop);
    } else if (Index* index = m_source.GetWordIndex(); index != nullptr) {
        ScanIndex(*index, word, stop);
    }
    return found;
}

NumberList SourceSearch::WordNumbers(std::string_view word) {
    NumberList numbers;
    if (m_cached != nullptr) {
        const WordTable& table = *m_cached->words;
        table.Scan(word, [&](unsigned k) {
            table.AppendPostings(k, numbers);
            return true;
        });
    } else if (Index* index = m_source.GetWordIndex(); index != nullptr) {
        ScanIndex(*index, word, [&](unsigned k) {
            AppendIndexPostings(*index, k, numbers);
            return true;
        });
    }
    if (m_type == kSourceRepertory) {
        // Rubric numbers need the rubric tree; only a cached repertory has it.
        if (m_cached == nullptr || m_cached->rubricCount == 0) return {};
        m_cache.Ranges(*m_cached).ExpandInPlace(numbers);
    } else {
        NormalizeItemNumbers(numbers);
    }
    return numbers;
}

NumberList SourceSearch::RemedyNumbers(const RemedyTerm& term, const NumberList* within) {
    NumberList numbers;
    if (m_type == kSourceRepertory) {
        auto* repertory = dynamic_cast<RepertoryImpl*>(&m_source);
        if (repertory == nullptr) return numbers;
        repertory->GetTopicsOfRemedy(term.remedy, numbers);
        SortUnique(numbers);
        // Reading grades costs more than narrowing first.
        if (within != nullptr) IntersectInto(numbers, *within);
        if (term.comparison != GradeComparison::kNone) {
            // The grade of the remedy's first entry in the rubric decides.
            std::erase_if(numbers, [&](std::int32_t n) {
                Topic* topic =
                    n >= 0 ? repertory->GetTopic(static_cast<std::uint32_t>(n)) : nullptr;
                const int grade = topic != nullptr ? FirstGradeOf(*topic, term.remedy) : -1;
                return grade < 0 || !term.Accepts(grade);
            });
        }
    } else if (m_type == kSourceMateriaMedica) {
        Article* article = static_cast<MateriaMedica&>(m_source).FindArticle(term.remedy);
        if (article != nullptr)
            numbers.push_back(static_cast<std::int32_t>(ItemNumber(article->GetId())));
        if (within != nullptr) IntersectInto(numbers, *within);
    }
    return numbers;
}

NumberList SourceSearch::Evaluate(const ParsedQuery& query) {
    NumberList result;
    bool first = true;
    // Narrows result by one required term's numbers; false once nothing is left.
    const auto narrow = [&](NumberList numbers) {
        if (first) {
            result = std::move(numbers);
            first = false;
        } else {
            IntersectInto(result, numbers);
        }
        return !result.empty();
    };
    for (const std::string& word : query.requiredWords)
        if (!narrow(WordNumbers(word))) return {};
    for (const RemedyTerm& term : query.requiredRemedies)
        if (!narrow(RemedyNumbers(term, first ? nullptr : &result))) return {};
    if (first) return {};

    NumberList excluded;
    for (const std::string& word : query.excludedWords) {
        NumberList numbers = WordNumbers(word);
        excluded.insert(excluded.end(), numbers.begin(), numbers.end());
    }
    for (const RemedyTerm& term : query.excludedRemedies) {
        NumberList numbers = RemedyNumbers(term, &result);  // only what it could remove
        excluded.insert(excluded.end(), numbers.begin(), numbers.end());
    }
    SortUnique(excluded);
    SubtractFrom(result, excluded);
    return result;
}
