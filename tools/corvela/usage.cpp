#include "usage.h"

#include "command.h"

namespace corvela_cli {

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
