// meridane-case: creates, shows and edits patient case files through the
// program's case records, its repertorization and the data engine.

#include <cstdio>

#include "command.h"
#include "command_line.h"
#include "console.h"
#include "tool_support.h"
#include "usage.h"

namespace meridane_case {
namespace {

int Run(int argc, char** argv) {
    tool_support::CommandLine line;
    std::string error;
    if (!tool_support::ParseCommandLine(argc, argv, &OptionRulesOf, &line, &error))
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
    const int count = static_cast<int>(line.arguments.size());
    if (count < command->minArguments) return UsageError("missing arguments", command);
    if (count > command->maxArguments) return UsageError("too many arguments", command);
    if (!tool_support::ApplyFolderOptions(line, &error)) return Fail(error);
    return command->run(Invocation{std::move(line.arguments), std::move(line.options)});
}

}  // namespace
}  // namespace meridane_case

int main(int argc, char** argv) {
    return meridane_case::Run(argc, argv);
}
