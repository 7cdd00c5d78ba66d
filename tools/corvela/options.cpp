#include "options.h"

#include <string_view>

#include "command.h"

namespace corvela_cli {

namespace {

// The declaration of a command's own option arg ("--scope" or "--scope=rep"), or null.
const OptionSpec* FindOption(const Command* command, std::string_view arg) {
    if (command == nullptr) return nullptr;
    const std::string_view name = arg.substr(0, arg.find('='));
    for (const OptionSpec& option : command->options)
        if (name == option.name) return &option;
    return nullptr;
}

// A global folder option ("--home DIR" or "--home=DIR"): true when arg is
// `name`; then *value holds the folder, or *error the reason.
bool FolderOption(std::string_view name, std::string_view arg, int argc, char** argv, int* i,
                  std::string* value, std::string* error) {
    if (arg != name && arg.substr(0, name.size() + 1) != std::string(name) + "=") return false;
    if (arg == name && *i + 1 < argc)
        *value = argv[++*i];
    else if (arg.size() > name.size() + 1)
        *value = std::string(arg.substr(name.size() + 1));
    else
        *error = std::string(name) + " needs a directory";
    return true;
}

}  // namespace

bool ParseCommandLine(int argc, char** argv, CommandLine* line, std::string* error) {
    bool options = true;
    const Command* command = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (options && arg.size() > 1 && arg[0] == '-') {
            if (arg == "--") {
                options = false;
            } else if (arg == "--help" || arg == "-h") {
                line->help = true;
            } else if (FolderOption("--home", arg, argc, argv, &i, &line->home, error) ||
                       FolderOption("--data", arg, argc, argv, &i, &line->data, error)) {
                if (!error->empty()) return false;
            } else if (const OptionSpec* option = FindOption(command, arg)) {
                const std::size_t equals = arg.find('=');
                std::string value;
                if (option->takesValue && equals != std::string_view::npos) {
                    value = std::string(arg.substr(equals + 1));
                } else if (option->takesValue && equals == std::string_view::npos && i + 1 < argc) {
                    value = argv[++i];
                } else if (option->takesValue || equals != std::string_view::npos) {
                    *error = std::string(option->name) +
                             (option->takesValue ? " needs a value" : " takes no value");
                    return false;
                }
                line->options[option->name] = std::move(value);
            } else if (!line->command.empty() && command == nullptr) {
                // An unknown command: that is the error main reports.
            } else {
                *error = "unknown option " + std::string(arg);
                return false;
            }
        } else if (line->command.empty()) {
            line->command = std::string(arg);
            command = FindCommand(line->command);
        } else {
            line->arguments.emplace_back(arg);
        }
    }
    return true;
}

std::string ToolUsage() {
    std::string text =
        "usage: corvela [--home DIR] [--data DIR] COMMAND [ARGUMENTS]\n"
        "\n"
        "Compiles and inspects the data files of the program directory (--home DIR,\n"
        "else $MERIDANE_HOME, else the directory of the engine's program) and of the\n"
        "user data folder (--data DIR, else $MERIDANE_DATA, else $XDG_DATA_HOME/meridane,\n"
        "else ~/.local/share/meridane).  Texts are UTF-8.\n"
        "\n"
        "commands:\n";
    for (const Command& command : Commands()) {
        std::string head = std::string("  ") + command.name;
        head.resize(22, ' ');
        text += head + command.summary + "\n";
    }
    text += "\n'corvela COMMAND --help' describes a command.\n";
    return text;
}

std::string CommandUsage(const Command& command) {
    std::string text = std::string("usage: corvela [--home DIR] [--data DIR] ") + command.name;
    if (*command.synopsis != '\0') text += std::string(" ") + command.synopsis;
    text += "\n";
    return text;
}

}  // namespace corvela_cli
