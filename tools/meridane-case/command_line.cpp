#include "command_line.h"

#include <string_view>

namespace meridane_case {
namespace {

const OptionSpec* FindOption(const Command* command, std::string_view name) {
    if (command == nullptr) return nullptr;
    for (const OptionSpec& option : command->options)
        if (name == option.name) return &option;
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

bool ParseCommandLine(int argc, char** argv, CommandLine* line, std::string* error) {
    bool options = true;
    const Command* command = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool isOption = options && arg.size() > 1 && arg[0] == '-';
        if (!isOption) {
            if (line->command.empty()) {
                line->command = std::string(arg);
                command = FindCommand(line->command);
            } else {
                line->invocation.arguments.emplace_back(arg);
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
        } else if (const OptionSpec* option = FindOption(command, name)) {
            std::string value;
            if (option->takesValue && !TakeValue(arg, argc, argv, &i, &value)) {
                *error = std::string(option->name) + " needs a value";
                return false;
            }
            if (!option->takesValue && name.size() != arg.size()) {
                *error = std::string(option->name) + " takes no value";
                return false;
            }
            line->invocation.options.emplace_back(option->name, std::move(value));
        } else if (!line->command.empty() && command == nullptr) {
            // An unknown command: that is the error to report.
        } else {
            *error = "unknown option " + std::string(name);
            return false;
        }
    }
    return true;
}

std::string ToolUsage() {
    std::string text =
        "usage: meridane-case [--home DIR] [--data DIR] COMMAND ARGUMENTS\n"
        "\n"
        "Creates, shows and edits patient case files (.hom).  ANALYSIS, SYMPTOM and\n"
        "topic numbers count from 0 in the case's order.  The data files and\n"
        "practitioner.txt are those of the program directory (--home DIR, else\n"
        "$MERIDANE_HOME, else the directory of the program); the data files of the\n"
        "user data folder (--data DIR, else $MERIDANE_DATA, else\n"
        "$XDG_DATA_HOME/meridane, else ~/.local/share/meridane) follow them.\n"
        "Texts are UTF-8.\n"
        "\n"
        "commands:\n";
    for (const Command& command : Commands()) {
        text += std::string("  ") + command.name + " " + command.synopsis + "\n      " +
                command.summary + "\n";
    }
    return text;
}

std::string CommandUsage(const Command& command) {
    return std::string("usage: meridane-case [--home DIR] [--data DIR] ") + command.name + " " +
           command.synopsis + "\n";
}

}  // namespace meridane_case
