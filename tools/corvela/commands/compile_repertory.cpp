// corvela compile-repertory SOURCE.rps OUTPUT.rpb
#include <corvela.h>

#include <cstdio>

#include "base/files/atomic_file.h"
#include "command.h"
#include "compile_report.h"
#include "console.h"
#include "repertory_compiler.h"
#include "repertory_source.h"

namespace corvela_cli {

int RunCompileRepertory(const Arguments& arguments, const Options&) {
    const std::string& sourcePath = arguments[0];
    const std::string& outputPath = arguments[1];
    std::string text, error;
    if (!base::ReadWholeFile(sourcePath, &text, &error)) return Fail(error);
    corvela_sources::RepertorySource source;
    corvela_sources::SourceError sourceError;
    if (!corvela_sources::ParseRepertorySource(text, sourcePath, &source, &sourceError))
        return Fail(sourceError.ToString());
    text.clear();
    text.shrink_to_fit();
    Corvela& engine = CorvelaInstance();
    WarnWhenCatalogueEmpty(engine);
    return Report(corvela_sources::CompileRepertory(source, engine, outputPath.c_str()),
                  outputPath);
}

}  // namespace corvela_cli
