#include "views/search/search_results.h"

#include <algorithm>
#include <cstring>

#include "model/lang/localize.h"
#include "views/search/article_snippets.h"
#include "views/search/search_sources.h"
#include "views/window_texts.h"

void CSearchResults::Keep(const std::string& query, const Guid& source,
                          std::vector<std::string> words) {
    m_hasRun = true;
    m_query = query.substr(0, sizeof(SearchQuery::text) - 1);
    m_source = source;
    m_sourceObject = CorvelaInstance().FindDataSource(&source);
    m_words = std::move(words);
    m_count = 0;
    m_ids.clear();
    m_expanded.clear();
    m_snippets.clear();
    m_statistics.reset();
}

void CSearchResults::Run(const std::string& query, const Guid& source,
                         std::vector<std::string> words) {
    Keep(query, source, std::move(words));
    Corvela& engine = CorvelaInstance();
    engine.ClearResults();
    SearchQuery request;
    request.scope = SearchScopeOf(m_sourceObject != nullptr ? m_sourceObject->GetType() : 0);
    std::memcpy(request.text, m_query.data(), m_query.size());
    request.text[m_query.size()] = '\0';
    request.source = source;
    engine.Search(&request);

    m_count = std::max(0, engine.GetResultCount());
    if (!IsListed()) return;
    m_ids.reserve(static_cast<std::size_t>(m_count));
    for (int i = 0; i < m_count; ++i) {
        const SearchHit* hit = engine.GetResult(i);
        if (hit != nullptr && hit->item != nullptr) m_ids.push_back(hit->item->GetId());
    }
    m_count = static_cast<int>(m_ids.size());
    m_expanded.assign(m_ids.size(), 0);
    for (std::size_t i = 0; i < m_ids.size(); ++i) {
        DataItem* item = Item(static_cast<int>(i));
        m_expanded[i] = item != nullptr && item->GetKind() == kItemArticle ? 1 : 0;
    }
    m_snippets.resize(m_ids.size());
}

void CSearchResults::Adopt(const std::string& query, const Guid& source,
                           std::vector<std::string> words,
                           const std::vector<std::uint32_t>& itemIds, int count) {
    Keep(query, source, std::move(words));
    m_count = std::max(0, count);
    if (!IsListed()) return;
    const std::size_t kept = std::min(itemIds.size(), static_cast<std::size_t>(m_count));
    m_ids.assign(itemIds.begin(), itemIds.begin() + static_cast<std::ptrdiff_t>(kept));
    m_count = static_cast<int>(m_ids.size());
    m_expanded.assign(m_ids.size(), 0);
    for (std::size_t i = 0; i < m_ids.size(); ++i) {
        DataItem* item = Item(static_cast<int>(i));
        m_expanded[i] = item != nullptr && item->GetKind() == kItemArticle ? 1 : 0;
    }
    m_snippets.resize(m_ids.size());
}

void CSearchResults::Clear() {
    *this = CSearchResults();
}

DataItem* CSearchResults::Item(int hit) const {
    if (m_sourceObject == nullptr || hit < 0 || hit >= ListedCount()) return nullptr;
    return m_sourceObject->GetItem(ItemId(hit));
}

Topic* CSearchResults::RubricOf(int hit) const {
    if (m_sourceObject == nullptr || m_sourceObject->GetType() != kSourceRepertory) return nullptr;
    DataItem* item = Item(hit);
    return item != nullptr && item->GetKind() == kItemTopic ? static_cast<Topic*>(item) : nullptr;
}

Article* CSearchResults::ArticleOf(int hit) const {
    if (m_sourceObject == nullptr || m_sourceObject->GetType() != kSourceMateriaMedica)
        return nullptr;
    DataItem* item = Item(hit);
    return item != nullptr && item->GetKind() == kItemArticle ? static_cast<Article*>(item)
                                                              : nullptr;
}

std::string CSearchResults::Title() const {
    if (!m_hasRun) return {};
    const char* format =
        m_count <= kMaxListed
            ? Localize("Query:%s in %s, result: %d rubrics", 1)
            : Localize("Query:%s in %s, returned more than %d rubrics. Result skipped", 1);
    const char* name = m_sourceObject != nullptr ? m_sourceObject->GetName() : nullptr;
    return views::FormatTexts(
        format, {m_query, name != nullptr ? name : "", std::to_string(m_count)}, true);
}

const std::vector<std::string>& CSearchResults::Snippets(int hit) {
    static const std::vector<std::string> kNone;
    if (hit < 0 || hit >= ListedCount()) return kNone;
    std::optional<std::vector<std::string>>& made = m_snippets[static_cast<std::size_t>(hit)];
    if (!made) {
        Article* article = ArticleOf(hit);
        const char* text = article != nullptr ? article->GetText() : nullptr;
        made.emplace(text != nullptr ? search_snippets::ArticleSnippets(
                                           search_snippets::RemoveLinkMarkup(text), m_words)
                                     : std::vector<std::string>());
    }
    return *made;
}

void CSearchResults::ForgetSnippets() {
    for (auto& made : m_snippets) made.reset();
}

const std::vector<CRemedyStatistic>& CSearchResults::RemedyStatistics() {
    if (!m_statistics) {
        if (m_sourceObject != nullptr && m_sourceObject->GetType() == kSourceRepertory)
            m_statistics =
                CountRemedies(*static_cast<Repertory*>(m_sourceObject), m_ids, kTopRemedies);
        else
            m_statistics.emplace();
    }
    return *m_statistics;
}
