#include "usage.h"

namespace meridane_case {

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
