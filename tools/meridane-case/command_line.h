// The command line: meridane-case [--home DIR] [--data DIR] COMMAND ARGUMENTS [OPTIONS]
// [--help].  Options may stand anywhere ("--name VALUE" or "--name=VALUE");
// "--" ends them.
#pragma once

#include <string>

#include "command.h"

namespace meridane_case {

struct CommandLine {
    std::string home;     // --home DIR; empty when not given
    std::string data;     // --data DIR; empty when not given
    bool help = false;    // --help or -h
    std::string command;  // empty when none was given
    Invocation invocation;
};

// Parses argv[1..argc).  False with the reason in *error for an option the
// command does not take or a missing value.
bool ParseCommandLine(int argc, char** argv, CommandLine* line, std::string* error);

std::string ToolUsage();
std::string CommandUsage(const Command& command);

}  // namespace meridane_case
