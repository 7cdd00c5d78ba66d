#include "command_line.h"

#include <string_view>

#include "tool_support.h"

namespace tool_support {
namespace {

// The rule of option `name` among `rules` (null: none is known), or null.
const OptionRule* FindOption(const std::vector<OptionRule>* rules, std::string_view name) {
    if (rules == nullptr) return nullptr;
    for (const OptionRule& rule : *rules)
        if (name == rule.name) return &rule;
    return nullptr;
}

// Takes the value of an option: "--name=VALUE" or the next argument.
bool TakeValue(std::string_view arg, int argc, char** argv, int* i, std::string* value) {
    const std::size_t equals = arg.find('=');
    if (equals != std::string_view::npos) {
        *value = std::string(arg.substr(equals + 1));
        return true;
    }
    if (*i + 1 >= argc) return false;
    *value = argv[++*i];
    return true;
}

}  // namespace

bool ParseCommandLine(int argc, char** argv, OptionRulesOf rulesOf, CommandLine* line,
                      std::string* error) {
    bool options = true;
    const std::vector<OptionRule>* rules = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool isOption = options && arg.size() > 1 && arg[0] == '-';
        if (!isOption) {
            if (line->command.empty()) {
                line->command = std::string(arg);
                rules = rulesOf(line->command);
            } else {
                line->arguments.emplace_back(arg);
            }
            continue;
        }
        const std::string_view name = arg.substr(0, arg.find('='));
        if (arg == "--") {
            options = false;
        } else if (arg == "--help" || arg == "-h") {
            line->help = true;
        } else if (name == "--home" || name == "--data") {
            std::string* folder = name == "--home" ? &line->home : &line->data;
            if (!TakeValue(arg, argc, argv, &i, folder) || folder->empty()) {
                *error = std::string(name) + " needs a directory";
                return false;
            }
        } else if (const OptionRule* rule = FindOption(rules, name)) {
            std::string value;
            if (rule->takesValue && !TakeValue(arg, argc, argv, &i, &value)) {
                *error = std::string(rule->name) + " needs a value";
                return false;
            }
            if (!rule->takesValue && name.size() != arg.size()) {
                *error = std::string(rule->name) + " takes no value";
                return false;
            }
            line->options.emplace_back(rule->name, std::move(value));
        } else if (!line->command.empty() && rules == nullptr) {
            // An unknown command: that is the error to report.
        } else {
            *error = "unknown option " + std::string(name);
            return false;
        }
    }
    return true;
}

bool ApplyFolderOptions(const CommandLine& line, std::string* error) {
    return (line.home.empty() || SetProgramDirectory(line.home, error)) &&
           (line.data.empty() || SetUserDataDirectory(line.data, error));
}

}  // namespace tool_support
