#include "views/materia/materia_search.h"

#include <corvela.h>

#include <cstdio>

#include "views/materia/shown_article.h"
#include "views/query/query_words.h"

namespace materia {
namespace {

SearchQuery MakeQuery(const std::string& text, const Guid& source) {
    SearchQuery query;
    query.scope = kScopeMateriaMedicas;
    std::snprintf(query.text, sizeof query.text, "%s", text.c_str());
    query.source = source;
    return query;
}

// The articles the engine finds, as (remedy, materia medica) pairs.
std::vector<CMMRequest> Hits(const std::string& text, const Guid& source) {
    Corvela& engine = CorvelaInstance();
    const SearchQuery query = MakeQuery(text, source);
    engine.Search(&query);
    std::vector<CMMRequest> hits;
    for (int i = 0; i < engine.GetResultCount(); ++i) {
        const SearchHit* hit = engine.GetResult(i);
        if (hit == nullptr || hit->item == nullptr || hit->source == nullptr) continue;
        if (hit->source->GetType() != kSourceMateriaMedica || hit->item->GetKind() != kItemArticle)
            continue;
        CMMRequest request;
        request.m_remedy = static_cast<Article*>(hit->item)->GetRemedy();
        request.m_materiaMedica = *hit->source->GetGuid();
        hits.push_back(request);
    }
    return hits;
}

}  // namespace

std::vector<std::string> QueryWords(const std::string& query) {
    return ::QueryWords(query, kScopeMateriaMedicas);
}

CSearchFindings FindRequests(const std::string& query, int scope, int remedy,
                             const Guid& materiaMedica) {
    CSearchFindings findings;
    findings.m_words = QueryWords(query);
    if (scope == kScopeArticle) {
        const QString text = ShownPlainText(FindShownArticle(remedy, materiaMedica));
        for (const CTextSpan& span : FindWordSpans(text, findings.m_words)) {
            CMMRequest request;
            request.m_remedy = remedy;
            request.m_materiaMedica = materiaMedica;
            request.m_hasSpan = true;
            request.m_span = span;
            findings.m_requests.push_back(request);
        }
        return findings;
    }
    const std::vector<CMMRequest> hits = Hits(query, scope == kScopeWork ? materiaMedica : Guid{});
    for (const CMMRequest& hit : hits) {
        // Articles about no remedy cannot be navigated to by remedy.
        if (hit.m_remedy < 0 || (scope == kScopeRemedy && hit.m_remedy != remedy)) continue;
        // One step per place: two articles on one remedy in one book show
        // the same article.
        bool known = false;
        for (const CMMRequest& kept : findings.m_requests)
            known = known || (kept.m_remedy == hit.m_remedy &&
                              kept.m_materiaMedica == hit.m_materiaMedica);
        if (!known) findings.m_requests.push_back(hit);
    }
    for (std::size_t i = 0; i < findings.m_requests.size(); ++i) {
        const CMMRequest& request = findings.m_requests[i];
        if (request.m_remedy == remedy && request.m_materiaMedica == materiaMedica) {
            findings.m_start = static_cast<int>(i);
            break;
        }
    }
    return findings;
}

}  // namespace materia
