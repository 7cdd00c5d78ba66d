// corvela: compiles repertory and materia medica sources and inspects the data
// files of the program directory through the engine.

#include <cstdio>

#include "command.h"
#include "console.h"
#include "options.h"
#include "tool_support.h"

namespace corvela_cli {
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
    if (!ParseCommandLine(argc, argv, &line, &error)) {
        const Command* command = FindCommand(line.command);
        return UsageError(error, command);
    }
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
        std::string text = CommandUsage(*command) + "\n" + command->summary + ".\n";
        if (command->description != nullptr)
            text += std::string("\n") + command->description + "\n";
        std::fputs(text.c_str(), stdout);
        return kExitOk;
    }
    const int count = static_cast<int>(line.arguments.size());
    if (count < command->minArguments || count > command->maxArguments)
        return UsageError(
            count < command->minArguments ? "missing arguments" : "too many arguments", command);
    if (!SetFolders(line)) return kExitFailure;
    return command->run(line.arguments, line.options);
}

}  // namespace
}  // namespace corvela_cli

int main(int argc, char** argv) {
    return corvela_cli::Run(argc, argv);
}
