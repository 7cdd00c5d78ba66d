// Runs the real meridane-case binary with --home pointing at the test
// process's program directory, and captures what it printed.
#pragma once

#include <string>
#include <vector>

struct ToolRun {
    int status = -1;  // the exit status, -1 when the tool did not exit normally
    std::string out;  // stdout
    std::string err;  // stderr
};

// Runs "meridane-case --home HOME ARGS..." (no shell involved).
ToolRun RunTool(const std::vector<std::string>& args);
// The same without --home.
ToolRun RunToolWithoutHome(const std::vector<std::string>& args);
