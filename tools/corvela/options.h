// The command line: global options, the command, its own options and its
// arguments.
//   corvela [--home DIR] [--data DIR] COMMAND [OPTIONS] [ARGUMENTS] [--help]
#pragma once

#include <map>
#include <string>
#include <vector>

namespace corvela_cli {

struct Command;

struct CommandLine {
    std::string home;     // --home DIR; empty when not given
    std::string data;     // --data DIR; empty when not given
    bool help = false;    // --help or -h
    std::string command;  // empty when none was given
    std::vector<std::string> arguments;
    std::map<std::string, std::string> options;  // the command's own options
};

// Parses argv[1..argc).  --home, --data and --help may stand anywhere, a command's own
// options anywhere after its name; "--" ends the options, so that a following
// argument may start with '-'.  False with the reason in error for an unknown
// option or a missing value.
bool ParseCommandLine(int argc, char** argv, CommandLine* line, std::string* error);

// The usage of the whole tool, and of one command, for --help and usage errors.
std::string ToolUsage();
std::string CommandUsage(const Command& command);

}  // namespace corvela_cli
