// meridane-case: creates, shows and edits patient case files through the
// program's case records, its repertorization and the data engine.
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>

#include "command.h"
#include "command_line.h"
#include "console.h"

namespace meridane_case {
namespace {

// Points the program directory (data files, practitioner.txt) at DIR; must
// happen before the engine is first used.
bool SetProgramDirectory(const std::string& home) {
    struct stat info {};
    if (::stat(home.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        Fail("no such directory: " + home);
        return false;
    }
    char resolved[PATH_MAX];
    const char* directory = ::realpath(home.c_str(), resolved) != nullptr ? resolved : home.c_str();
    ::setenv("MERIDANE_HOME", directory, 1);
    return true;
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
    if (!line.home.empty() && !SetProgramDirectory(line.home)) return kExitFailure;
    return command->run(line.invocation);
}

}  // namespace
}  // namespace meridane_case

int main(int argc, char** argv) {
    return meridane_case::Run(argc, argv);
}
