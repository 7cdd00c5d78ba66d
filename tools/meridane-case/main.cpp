// meridane-case: creates, shows and edits patient case files through the
// program's case records, its repertorization and the data engine.

#include <cstdio>

#include "command.h"
#include "command_line.h"
#include "console.h"
#include "tool_support.h"

namespace meridane_case {
namespace {

// Points the program directory and the user data folder at the folders the
// command line names; must happen before the engine is first used.
bool SetFolders(const CommandLine& line) {
    std::string error;
    if ((line.home.empty() || tool_support::SetProgramDirectory(line.home, &error)) &&
        (line.data.empty() || tool_support::SetUserDataDirectory(line.data, &error)))
        return true;
    Fail(error);
    return false;
}

int Run(int argc, char** argv) {
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(argc, argv, &line, &error))
        return UsageError(error, FindCommand(line.command));
    if (line.command.empty()) {
        if (line.help) {
            std::fputs(ToolUsage().c_str(), stdout);
            return kExitOk;
        }
        return UsageError("no command given", nullptr);
    }
    const Command* command = FindCommand(line.command);
    if (command == nullptr) return UsageError("unknown command " + line.command, nullptr);
    if (line.help) {
        std::fputs((CommandUsage(*command) + "\n" + command->summary + ".\n").c_str(), stdout);
        return kExitOk;
    }
    const int count = static_cast<int>(line.invocation.arguments.size());
    if (count < command->minArguments) return UsageError("missing arguments", command);
    if (count > command->maxArguments) return UsageError("too many arguments", command);
    if (!SetFolders(line)) return kExitFailure;
    return command->run(line.invocation);
}

}  // namespace
}  // namespace meridane_case

int main(int argc, char** argv) {
    return meridane_case::Run(argc, argv);
}
