// The request the search and analyze commands hand to the engine.
#pragma once

#include "command.h"

class Corvela;
struct SearchQuery;

namespace corvela_cli {

// Fills query from the command line: the arguments joined by single spaces and
// converted to code page 1251 (cut at 255 bytes, with a warning on stderr),
// --scope all|rep|mm (default all) and --source NAME-OR-GUID (the identifier of
// that source).  Answers kExitOk, else the exit status after printing why.
int BuildQuery(Corvela& engine, const Command& command, const Arguments& arguments,
               const Options& options, SearchQuery* query);

}  // namespace corvela_cli
