// corvela: compiles repertory and materia medica sources and inspects the data
// files of the program directory through the engine.

#include <cstdio>

#include "command.h"
#include "command_line.h"
#include "console.h"
#include "tool_support.h"
#include "usage.h"

namespace corvela_cli {
namespace {

int Run(int argc, char** argv) {
    tool_support::CommandLine line;
    std::string error;
    if (!tool_support::ParseCommandLine(argc, argv, &OptionRulesOf, &line, &error)) {
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
    if (!tool_support::ApplyFolderOptions(line, &error)) return Fail(error);
    Options options;
    for (const auto& [name, value] : line.options) options[name] = value;  // the last one counts
    return command->run(line.arguments, options);
}

}  // namespace
}  // namespace corvela_cli

int main(int argc, char** argv) {
    return corvela_cli::Run(argc, argv);
}
