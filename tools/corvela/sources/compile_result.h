// What a compilation through one of the engine's builders gave.
#pragma once

#include <string>
#include <vector>

namespace corvela_sources {

struct CompileResult {
    bool saved = false;                        // both files written
    std::string error;                         // why not, as the engine says (code page
                                               // 1251); may be empty
    std::vector<std::string> unknownRemedies;  // names this compilation added to the
                                               // builder's unknown list (code page 1251)
};

// What one of the engine's builders (RepertoryBuilder, MateriaMedicaBuilder)
// reports after Save answered `saved`: the unknown names it listed beyond the
// first `knownUnknowns`, and why the save failed.
template <class Builder>
CompileResult TakeCompileResult(Builder& builder, int knownUnknowns, bool saved) {
    CompileResult result;
    result.saved = saved;
    for (int i = knownUnknowns; i < builder.GetUnknownRemedyCount(); ++i)
        result.unknownRemedies.emplace_back(builder.GetUnknownRemedy(i));
    if (!saved) {
        const char* why = builder.GetSaveError();
        if (why != nullptr) result.error = why;
    }
    return result;
}

}  // namespace corvela_sources
