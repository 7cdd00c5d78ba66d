// What the compile commands print about a compilation.
#pragma once

#include <string>

#include "compile_result.h"

class Corvela;

namespace corvela_cli {

// Warns on stderr when the catalogue is empty: then every remedy name is unknown.
void WarnWhenCatalogueEmpty(Corvela& engine);

// Prints "unknown remedy: NAME" per dropped name, then the error when the files
// were not written.  Answers the exit status.
int Report(const corvela_sources::CompileResult& result, const std::string& outputPath);

}  // namespace corvela_cli
