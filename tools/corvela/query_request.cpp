#include "query_request.h"

#include <corvela.h>

#include <cstdio>
#include <cstring>

#include "base/text/utf8.h"
#include "console.h"
#include "source_lookup.h"

namespace corvela_cli {
namespace {

constexpr std::size_t kMaxQueryBytes = sizeof(SearchQuery::text) - 1;

bool ParseScope(const std::string& text, std::int32_t* scope) {
    static constexpr struct {
        const char* name;
        SearchScope scope;
    } kScopes[] = {{"all", kScopeAll}, {"rep", kScopeRepertories}, {"mm", kScopeMateriaMedicas}};
    for (const auto& [name, value] : kScopes) {
        if (text == name) {
            *scope = value;
            return true;
        }
    }
    return false;
}

}  // namespace

int BuildQuery(Corvela& engine, const Command& command, const Arguments& arguments,
               const Options& options, SearchQuery* query) {
    *query = SearchQuery{};
    if (auto scope = options.find("--scope"); scope != options.end()) {
        if (!ParseScope(scope->second, &query->scope))
            return UsageError("--scope must be all, rep or mm, not " + scope->second, &command);
    }
    if (auto named = options.find("--source"); named != options.end()) {
        DataSource* source = FindSource(engine, named->second);
        if (source == nullptr) return Fail("no data source named " + named->second);
        // An all-zero identifier would make the engine search every source.
        if (source->GetGuid()->IsNull())
            return Fail(named->second +
                        " has an all-zero identifier, which stands for every "
                        "source in a query");
        query->source = *source->GetGuid();
    }
    std::string utf8;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) utf8 += ' ';
        utf8 += arguments[i];
    }
    std::string text;
    base::Utf8Problem problem;
    if (!base::AppendUtf8AsCp1251(utf8, &text, &problem))
        return Fail("the query cannot be given to the engine: " + base::DescribeProblem(problem));
    if (text.size() > kMaxQueryBytes) {
        std::fprintf(stderr,
                     "corvela: warning: the query is %zu bytes long in code page 1251; only its "
                     "first %zu are used\n",
                     text.size(), kMaxQueryBytes);
        text.resize(kMaxQueryBytes);
    }
    std::memcpy(query->text, text.data(), text.size());
    query->text[text.size()] = '\0';
    return kExitOk;
}

}  // namespace corvela_cli
