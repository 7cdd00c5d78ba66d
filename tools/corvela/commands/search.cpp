// corvela search [--scope all|rep|mm] [--source NAME-OR-GUID] [--] QUERY...
#include <corvela.h>

#include <cstdio>
#include <vector>

#include "command.h"
#include "console.h"
#include "query_request.h"

namespace corvela_cli {
namespace {

// A rubric's path from its chapter down: the texts of the rubric and the
// rubrics above it, the root left out, joined by "; ".
std::string RubricPath(Topic& topic) {
    std::vector<Topic*> steps;
    for (Topic* step = &topic; step->GetParent() != nullptr;
         step = static_cast<Topic*>(step->GetParent()))
        steps.push_back(step);
    std::string path;
    for (std::size_t i = steps.size(); i-- > 0;) {
        path += Utf8(steps[i]->GetText());
        if (i > 0) path += "; ";
    }
    return path;
}

// An article's remedy by its short name; "-" for an article about no remedy.
std::string ArticleRemedy(Corvela& engine, Article& article) {
    const int number = article.GetRemedy();
    if (number == -1) return "-";
    Remedy* remedy =
        number >= 0 && number < engine.GetRemedyCount() ? engine.GetRemedy(number) : nullptr;
    return remedy != nullptr ? Utf8(remedy->GetShortName()) : std::to_string(number);
}

// POSITION<TAB>ITEM<TAB>TEXT
std::string HitLine(Corvela& engine, const SearchHit& hit) {
    std::string line = std::to_string(hit.source->GetPosition()) + "\t" +
                       std::to_string(ItemNumber(hit.item->GetId())) + "\t";
    if (hit.item->GetKind() == kItemTopic)
        line += RubricPath(*static_cast<Topic*>(hit.item));
    else
        line += ArticleRemedy(engine, *static_cast<Article*>(hit.item));
    return line + "\n";
}

}  // namespace

int RunSearch(const Arguments& arguments, const Options& options) {
    Corvela& engine = CorvelaInstance();
    SearchQuery query;
    if (int status = BuildQuery(engine, *FindCommand("search"), arguments, options, &query);
        status != kExitOk)
        return status;
    if (!engine.Search(&query)) return Fail("the engine did not run the query");
    const int count = engine.GetResultCount();
    std::string out;
    for (int i = 0; i < count; ++i) {
        const SearchHit* hit = engine.GetResult(i);
        if (hit != nullptr && hit->item != nullptr && hit->source != nullptr)
            out += HitLine(engine, *hit);
    }
    if (!WriteOut(out)) return kExitFailure;
    std::fprintf(stderr, "%d hits\n", count);
    return kExitOk;
}

}  // namespace corvela_cli
