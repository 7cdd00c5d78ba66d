#include "search/search_engine.h"

#include <cstring>
#include <vector>

#include "base/text/case_table.h"
#include "corvela.h"
#include "search/source_search.h"

namespace {

// A query holds at most 255 bytes; the text field need not hold a zero.
constexpr std::size_t kMaxQueryBytes = sizeof(SearchQuery::text) - 1;

std::string_view QueryText(const SearchQuery& query) {
    return {query.text, ::strnlen(query.text, kMaxQueryBytes)};
}

}  // namespace

SearchEngine::SearchEngine(Corvela& facade)
    : m_facade(facade), m_resolve([this](const char* name) {
          Remedy* remedy = m_facade.FindRemedy(name);
          return remedy != nullptr ? static_cast<int>(remedy->GetId()) : -1;
      }) {}

SearchEngine::~SearchEngine() = default;

bool SearchEngine::Eligible(DataSource* source, const SearchQuery& query) const {
    if (source == nullptr) return false;
    const int type = source->GetType();
    if (query.scope == kScopeRepertories && type != kSourceRepertory) return false;
    if (query.scope == kScopeMateriaMedicas && type != kSourceMateriaMedica) return false;
    if (!source->IsEnabled()) return false;
    if (query.source.IsNull()) return true;
    const Guid* id = source->GetGuid();
    return id != nullptr && *id == query.source;
}

bool SearchEngine::Search(const SearchQuery* query, SearchListener* listener) {
    if (query == nullptr) return true;
    char lowered[sizeof(SearchQuery::text)];
    const std::string_view text = QueryText(*query);
    std::memcpy(lowered, text.data(), text.size());
    lowered[text.size()] = '\0';
    base::LowerCp1251InPlace(lowered);

    ParsedQuery parsed;
    QueryMarkup scratch;
    ParseQuery({lowered, text.size()}, m_resolve, parsed, scratch);
    if (query->scope == kScopeMateriaMedicas) parsed.excludedRemedies.clear();

    const unsigned count = m_facade.GetDataSourceCount();
    for (unsigned position = 0; position < count; ++position) {
        DataSource* source = m_facade.GetDataSource(position);
        if (!Eligible(source, *query)) continue;
        const NumberList numbers = SourceSearch(*source, m_cache).Evaluate(parsed);
        for (std::int32_t number : numbers) {
            if (number < 0 || static_cast<std::uint32_t>(number) > kItemNumberMask) continue;
            DataItem* item = source->GetItem(static_cast<std::uint32_t>(number));
            if (item != nullptr && listener != nullptr) listener->OnFound({item, source});
        }
    }
    return true;
}

bool SearchEngine::AnalyzeQuery(const SearchQuery* query, QueryMarkup* markup) {
    if (query == nullptr || markup == nullptr) return false;
    m_checked.Clear();
    markup->remedyCount = 0;
    markup->wordCount = 0;
    markup->tokenCount = 0;
    const std::string_view text = QueryText(*query);
    const ParseOutcome outcome = ParseQuery(text, m_resolve, m_checked, *markup);
    if (query->scope == kScopeMateriaMedicas) m_checked.excludedRemedies.clear();
    if (!outcome.syntaxError) FillMarkupLists(*markup);

    MarkMissingWords(*query, text, *markup);
    if (query->scope == kScopeMateriaMedicas) {
        // Materia medicas have no grades.
        for (int i = 0; i < markup->tokenCount; ++i) {
            const auto start = static_cast<std::size_t>(markup->tokenSpans[i][0]);
            const bool comparison = markup->tokenClasses[i] == MarkOperator &&
                                    start < text.size() &&
                                    std::strchr("<>=", text[start]) != nullptr;
            if (comparison || markup->tokenClasses[i] == MarkGrade)
                markup->tokenClasses[i] = MarkNotApplicable;
        }
    }
    return outcome.wellFormed;
}

void SearchEngine::FillMarkupLists(QueryMarkup& markup) const {
    for (const RemedyTerm& term : m_checked.requiredRemedies) {
        if (markup.remedyCount >= kMarkupMaxRemedies) break;
        markup.remedyIds[markup.remedyCount++] = term.remedy;
    }
    for (const auto* group :
         {&m_checked.requiredWords, &m_checked.excludedWords, &m_checked.highlightWords}) {
        for (const std::string& word : *group) {
            if (markup.wordCount >= kMarkupMaxWords) return;
            markup.words[markup.wordCount++] = word.c_str();
        }
    }
}

void SearchEngine::MarkMissingWords(const SearchQuery& query, std::string_view text,
                                    QueryMarkup& markup) {
    std::vector<SourceSearch> eligible;
    bool listed = false;
    for (int i = 0; i < markup.tokenCount; ++i) {
        if (markup.tokenClasses[i] != MarkWord) continue;
        if (!listed) {  // only a query with words needs the sources
            const unsigned count = m_facade.GetDataSourceCount();
            for (unsigned position = 0; position < count; ++position) {
                DataSource* source = m_facade.GetDataSource(position);
                if (Eligible(source, query)) eligible.emplace_back(*source, m_cache);
            }
            listed = true;
        }
        const auto start = static_cast<std::size_t>(markup.tokenSpans[i][0]);
        const auto end = static_cast<std::size_t>(markup.tokenSpans[i][1]);
        const std::string_view bytes = text.substr(start, end - start);
        bool found = false;
        for (SourceSearch& source : eligible)
            if ((found = source.ContainsWord(bytes))) break;
        if (!found) markup.tokenClasses[i] = MarkWordNotFound;
    }
}
