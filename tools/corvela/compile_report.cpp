#include "compile_report.h"

#include <corvela.h>

#include <cstdio>

#include "command.h"
#include "console.h"

namespace corvela_cli {

void WarnWhenCatalogueEmpty(Corvela& engine) {
    if (engine.GetRemedyCount() == 0)
        std::fputs(
            "corvela: warning: the remedy catalogue is empty (is remedy_synonyms.txt in "
            "the program directory?)\n",
            stderr);
}

int Report(const corvela_sources::CompileResult& result, const std::string& outputPath) {
    for (const std::string& name : result.unknownRemedies)
        std::fprintf(stderr, "unknown remedy: %s\n", Utf8(name.c_str()).c_str());
    if (result.saved) return kExitOk;
    return Fail(result.error.empty() ? "cannot write " + outputPath : Utf8(result.error.c_str()));
}

}  // namespace corvela_cli
