#include "views/repertory/repertory_search.h"

int CRepertorySearch::Start(const SearchQuery& query) {
    Stop();
    Corvela& engine = CorvelaInstance();
    engine.Search(&query);
    const int count = engine.GetResultCount();
    m_hits.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const SearchHit* hit = engine.GetResult(i);
        if (hit != nullptr && hit->item != nullptr) m_hits.push_back(hit->item->GetId());
    }
    m_text = query.text;
    return Count();
}

void CRepertorySearch::Stop() {
    m_hits.clear();
    m_hits.shrink_to_fit();
    m_text.clear();
    m_position = -1;
}

std::int64_t CRepertorySearch::Next(bool* wrapped) {
    if (wrapped != nullptr) *wrapped = false;
    if (m_hits.empty()) return -1;
    if (m_position + 1 >= Count()) {
        if (wrapped != nullptr) *wrapped = m_position >= 0;
        m_position = 0;
    } else {
        ++m_position;
    }
    return m_hits[static_cast<std::size_t>(m_position)];
}

std::int64_t CRepertorySearch::Previous() {
    if (m_hits.empty() || m_position <= 0) return -1;
    --m_position;
    return m_hits[static_cast<std::size_t>(m_position)];
}
