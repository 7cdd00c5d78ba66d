// The command line every tool of the project reads:
//   TOOL [--home DIR] [--data DIR] COMMAND [OPTIONS] [ARGUMENTS] [--help]
// --home, --data and --help may stand anywhere, a command's own options anywhere after
// its name ("--name VALUE" or "--name=VALUE"); "--" ends the options, so that a
// following argument may start with '-'.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tool_support {

// An option a command takes after its name: "--rtf" (a flag) or "--scope"
// with a value ("--scope rep" or "--scope=rep").
struct OptionRule {
    const char* name;  // with the dashes
    bool takesValue;
};

struct CommandLine {
    std::string home;     // --home DIR; empty when not given
    std::string data;     // --data DIR; empty when not given
    bool help = false;    // --help or -h
    std::string command;  // empty when none was given
    std::vector<std::string> arguments;
    // The command's own options in command-line order; a flag's value is "".
    std::vector<std::pair<std::string, std::string>> options;
};

// The options the command of that name takes; null when there is no such
// command (its options are then not checked: the unknown command is the error
// to report).
using OptionRulesOf = const std::vector<OptionRule>* (*)(const std::string& command);

// Parses argv[1..argc).  False with the reason in *error ("unknown option
// --x", "--scope needs a value", "--rtf takes no value", "--home needs a
// directory", "--data needs a directory"); *line then holds what was read up
// to there, the command included when it came first.
bool ParseCommandLine(int argc, char** argv, OptionRulesOf rulesOf, CommandLine* line,
                      std::string* error);

// Points the program directory (--home) and the user data folder (--data) at
// the folders the command line names, when it names them; must happen before
// the engine is first used.  False with *error set when one is no directory.
bool ApplyFolderOptions(const CommandLine& line, std::string* error);

}  // namespace tool_support
