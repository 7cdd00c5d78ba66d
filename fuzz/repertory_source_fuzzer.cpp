// A repertory source (.rps) as the corvela tool reads it: parsed whole; a
// refusal names the file and the line, an accepted source is one tree.
#include "fuzz_support.h"
#include "repertory_source.h"

using namespace corvela_sources;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    RepertorySource source;
    SourceError error;
    if (!ParseRepertorySource(fuzz::AsText(bytes, size), "fuzz.rps", &source, &error)) {
        fuzz::Require(error.file == "fuzz.rps" && error.line >= 1 && !error.message.empty(),
                      "a refusal names the file, the line and why");
        return 0;
    }
    fuzz::Require(!source.rubrics.empty() && source.rubrics[0].depth == 0, "a root comes first");
    for (std::size_t i = 1; i < source.rubrics.size(); ++i) {
        const int depth = source.rubrics[i].depth;
        fuzz::Require(depth >= 1 && depth <= source.rubrics[i - 1].depth + 1,
                      "every rubric hangs under the one before or its ancestors");
    }
    return 0;
}
