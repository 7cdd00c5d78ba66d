// The tool's commands: one file per command under commands/, listed once in
// command_table.cpp.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "command_line.h"
#include "tool_support.h"

namespace corvela_cli {

using tool_support::kExitFailure;
using tool_support::kExitOk;
using tool_support::kExitUsage;

// A command's arguments as given (UTF-8), options removed.
using Arguments = std::vector<std::string>;

// A command's own options as given: "--scope" -> "rep"; a flag maps to "".
using Options = std::map<std::string, std::string>;

struct Command {
    const char* name;
    const char* synopsis;     // the arguments, "SOURCE.rps OUTPUT.rpb"
    const char* summary;      // one line
    const char* description;  // the --help text after the synopsis, or null
    int minArguments;
    int maxArguments;
    std::vector<tool_support::OptionRule> options;  // besides --home and --help
    int (*run)(const Arguments& arguments, const Options& options);
};

// Every command, in the order the usage lists them.
const std::vector<Command>& Commands();

// The command of that name, or null.
const Command* FindCommand(const std::string& name);
// The options of the command of that name, or null (for ParseCommandLine).
const std::vector<tool_support::OptionRule>* OptionRulesOf(const std::string& name);

// Handlers, one per command file.
int RunCompileRepertory(const Arguments& arguments, const Options& options);
int RunCompileMateriaMedica(const Arguments& arguments, const Options& options);
int RunSources(const Arguments& arguments, const Options& options);
int RunDump(const Arguments& arguments, const Options& options);
int RunRemedies(const Arguments& arguments, const Options& options);
int RunRemedy(const Arguments& arguments, const Options& options);
int RunTree(const Arguments& arguments, const Options& options);
int RunSearch(const Arguments& arguments, const Options& options);
int RunAnalyze(const Arguments& arguments, const Options& options);
int RunArticle(const Arguments& arguments, const Options& options);

}  // namespace corvela_cli
