// The tool's commands: one file per command under commands/, listed once in
// command_table.cpp.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "command_line.h"
#include "tool_support.h"

namespace meridane_case {

using tool_support::kExitFailure;
using tool_support::kExitOk;
using tool_support::kExitUsage;

// What a command is given: its arguments and its options in command-line
// order, all as typed (UTF-8).
struct Invocation {
    std::vector<std::string> arguments;
    std::vector<std::pair<std::string, std::string>> options;

    // The last value of option `name`, or null.
    const std::string* Option(const char* name) const;
    bool Has(const char* name) const { return Option(name) != nullptr; }
};

struct Command {
    const char* name;
    const char* synopsis;  // the arguments and options
    const char* summary;   // one line
    int minArguments;
    int maxArguments;
    std::vector<tool_support::OptionRule> options;  // "--weight W" or the flag "--matrix"
    int (*run)(const Invocation& invocation);
};

const std::vector<Command>& Commands();
// The command of that name, or null.
const Command* FindCommand(const std::string& name);
// The options of the command of that name, or null (for ParseCommandLine).
const std::vector<tool_support::OptionRule>* OptionRulesOf(const std::string& name);

int RunNew(const Invocation& invocation);
int RunShow(const Invocation& invocation);
int RunAdd(const Invocation& invocation);
int RunAddSymptom(const Invocation& invocation);
int RunAddRubric(const Invocation& invocation);
int RunSet(const Invocation& invocation);
int RunRank(const Invocation& invocation);
// Only when the tool is built with the program's chart (MERIDANE_CASE_CHART).
int RunExportChart(const Invocation& invocation);

}  // namespace meridane_case
