// Feeds a parsed materia medica source to the engine's MateriaMedicaBuilder
// and writes the .mmb file and its .idx.
#pragma once

#include "compile_result.h"
#include "materia_source.h"

class Corvela;

namespace corvela_sources {

// Compiles source into outputPath.  Articles on unknown remedies are dropped by
// the builder and listed in the result (only the names this call added).
// Fails when the engine has no materia medica compiler.
CompileResult CompileMateriaMedica(const MateriaMedicaSource& source, Corvela& engine,
                                   const char* outputPath);

}  // namespace corvela_sources
