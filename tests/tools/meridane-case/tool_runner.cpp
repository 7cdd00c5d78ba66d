#include "tool_runner.h"

#include "records_home.h"

ToolRun RunToolWithoutHome(const std::vector<std::string>& args) {
    return RunProgram(MERIDANE_CASE_TOOL_PATH, args);
}

ToolRun RunTool(const std::vector<std::string>& args) {
    std::vector<std::string> all{"--home", records_test::Home()};
    all.insert(all.end(), args.begin(), args.end());
    return RunToolWithoutHome(all);
}
