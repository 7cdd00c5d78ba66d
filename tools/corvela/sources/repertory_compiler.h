// Feeds a parsed repertory source to the engine's RepertoryBuilder and writes
// the .rpb file and its .idx.
#pragma once

#include "compile_result.h"
#include "repertory_source.h"

class Corvela;

namespace corvela_sources {

// Compiles source into outputPath (the index beside it, named by the engine).
// Unknown remedy names do not stop the compilation; they are listed in the
// result, only those this call added (the builder keeps its list across
// compilations).
CompileResult CompileRepertory(const RepertorySource& source, Corvela& engine,
                               const char* outputPath);

}  // namespace corvela_sources
