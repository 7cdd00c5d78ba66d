// Runs the real meridane-case binary with --home pointing at the test
// process's program directory, and captures what it printed.
#pragma once

#include <string>
#include <vector>

#include "program_run.h"

using ToolRun = ProgramRun;

// Runs "meridane-case --home HOME ARGS..." (no shell involved).
ToolRun RunTool(const std::vector<std::string>& args);
// The same without --home.
ToolRun RunToolWithoutHome(const std::vector<std::string>& args);
