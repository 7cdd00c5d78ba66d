// A query as typed: checked (AnalyzeQuery) and run (Search) over the demo
// data through the facade, as the search views do.  The first byte picks the
// scope, the rest is the query text (at most 255 bytes, like the field).
#include <algorithm>
#include <cstring>

#include "corvela.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzz::UseDemoHome();
    fuzz::Require(CorvelaInstance().GetDataSourceCount() > 0, "the demo data is there");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) return 0;
    SearchQuery query;
    query.scope = bytes[0] % 3;
    const std::size_t length = std::min<std::size_t>(size - 1, sizeof query.text - 1);
    std::memcpy(query.text, bytes + 1, length);
    const auto end = static_cast<std::int32_t>(std::strlen(query.text));

    Corvela& engine = CorvelaInstance();
    QueryMarkup markup;
    engine.AnalyzeQuery(&query, &markup);
    fuzz::Require(markup.tokenCount >= 0 && markup.tokenCount <= kMarkupMaxTokens, "token count");
    for (int i = 0; i < markup.tokenCount; ++i) {
        const std::int32_t* span = markup.tokenSpans[i];
        fuzz::Require(0 <= span[0] && span[0] <= span[1] && span[1] <= end, "a token's span");
    }
    fuzz::Require(markup.remedyCount >= 0 && markup.remedyCount <= kMarkupMaxRemedies,
                  "remedy count");
    fuzz::Require(markup.wordCount >= 0 && markup.wordCount <= kMarkupMaxWords, "word count");
    std::size_t seen = 0;
    for (int i = 0; i < markup.wordCount; ++i) seen += std::strlen(markup.words[i]);

    engine.Search(&query);
    const int hits = engine.GetResultCount();
    for (int i = 0; i < hits; ++i) {
        const SearchHit* hit = engine.GetResult(i);
        fuzz::Require(hit != nullptr && hit->item != nullptr && hit->source != nullptr, "a hit");
        seen += hit->item->GetId();
    }
    fuzz::Keep(seen);
    return 0;
}
