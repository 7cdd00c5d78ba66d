// The tool's commands: one file per command under commands/, listed once in
// command_table.cpp.
#pragma once

#include <string>
#include <vector>

namespace corvela_cli {

// Exit statuses.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the work failed; the reason is on stderr
inline constexpr int kExitUsage = 2;    // the command line was wrong

// A command's arguments as given (UTF-8), options removed.
using Arguments = std::vector<std::string>;

struct Command {
    const char* name;
    const char* synopsis;     // the arguments, "SOURCE.rps OUTPUT.rpb"
    const char* summary;      // one line
    const char* description;  // the --help text after the synopsis, or null
    int minArguments;
    int maxArguments;
    int (*run)(const Arguments& arguments);
};

// Every command, in the order the usage lists them.
const std::vector<Command>& Commands();

// The command of that name, or null.
const Command* FindCommand(const std::string& name);

// Handlers, one per command file.
int RunCompileRepertory(const Arguments& arguments);
int RunCompileMateriaMedica(const Arguments& arguments);
int RunSources(const Arguments& arguments);
int RunDump(const Arguments& arguments);
int RunRemedies(const Arguments& arguments);
int RunRemedy(const Arguments& arguments);
int RunTree(const Arguments& arguments);

}  // namespace corvela_cli
