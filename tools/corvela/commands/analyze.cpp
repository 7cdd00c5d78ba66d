// corvela analyze [--scope all|rep|mm] [--source NAME-OR-GUID] [--] QUERY...
#include <corvela.h>

#include <algorithm>

#include "command.h"
#include "console.h"
#include "query_request.h"

namespace corvela_cli {
namespace {

std::string ClassName(std::int32_t mark) {
    static constexpr const char* kNames[] = {
        "MarkInvalid", "MarkOperator",      "MarkGrade",        "MarkRemedy",
        "MarkWord",    "MarkUnknownRemedy", "MarkWordNotFound", "MarkNotApplicable",
    };
    if (mark >= 0 && mark < static_cast<std::int32_t>(std::size(kNames))) return kNames[mark];
    return std::to_string(mark);
}

// The engine records at most limit entries; a count beyond is not trusted.
int Recorded(std::int32_t count, int limit) {
    return std::clamp(static_cast<int>(count), 0, limit);
}

}  // namespace

int RunAnalyze(const Arguments& arguments, const Options& options) {
    Corvela& engine = CorvelaInstance();
    SearchQuery query;
    if (int status = BuildQuery(engine, *FindCommand("analyze"), arguments, options, &query);
        status != kExitOk)
        return status;
    QueryMarkup markup{};
    const bool wellFormed = engine.AnalyzeQuery(&query, &markup);
    std::string out = wellFormed ? "well-formed\n" : "ill-formed\n";
    for (int i = 0, n = Recorded(markup.tokenCount, kMarkupMaxTokens); i < n; ++i)
        out += std::to_string(markup.tokenSpans[i][0]) + "\t" +
               std::to_string(markup.tokenSpans[i][1]) + "\t" + ClassName(markup.tokenClasses[i]) +
               "\n";
    for (int i = 0, n = Recorded(markup.remedyCount, kMarkupMaxRemedies); i < n; ++i)
        out += "remedy\t" + std::to_string(markup.remedyIds[i]) + "\n";
    for (int i = 0, n = Recorded(markup.wordCount, kMarkupMaxWords); i < n; ++i)
        out += "word\t" + Utf8(markup.words[i]) + "\n";
    return WriteOut(out) ? kExitOk : kExitFailure;
}

}  // namespace corvela_cli
