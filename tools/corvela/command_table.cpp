#include "command.h"

namespace corvela_cli {

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"compile-repertory", "SOURCE.rps OUTPUT.rpb",
         "compile a repertory source into OUTPUT.rpb and its .idx",
         "Reads the UTF-8 repertory source, compiles it against the program directory's\n"
         "remedy catalogue and writes OUTPUT.rpb and its word index.  Remedy names the\n"
         "catalogue does not know are dropped and listed as \"unknown remedy: NAME\".\n"
         "A source error (FILE:LINE: message) writes nothing.",
         2, 2, &RunCompileRepertory},
        {"compile-mm", "SOURCE.mms OUTPUT.mmb",
         "compile a materia medica source into OUTPUT.mmb and its .idx",
         "Reads the UTF-8 materia medica source and writes OUTPUT.mmb and its word\n"
         "index.  Articles on remedies the catalogue does not know are dropped and\n"
         "listed as \"unknown remedy: NAME\".  A source error writes nothing.",
         2, 2, &RunCompileMateriaMedica},
        {"sources", "", "list the data sources of the program directory",
         "One line per source in the engine's order:\n"
         "POSITION<TAB>TYPE<TAB>GUID<TAB>NAME<TAB>ITEMS<TAB>FILE\n"
         "TYPE 1 repertory, 2 materia medica, 3 user article collection; ITEMS the\n"
         "number of rubrics or articles.",
         0, 0, &RunSources},
        {"dump", "NAME-OR-GUID", "write a repertory back as source text",
         "Writes the repertory named (its name, else its identifier) to standard output\n"
         "as repertory source text; compiling it again gives identical files.",
         1, 1, &RunDump},
        {"remedies", "", "list the remedy catalogue",
         "One line per remedy: NUMBER<TAB>SHORT<TAB>LONG<TAB>A0 A1 A2 A3 A4\n"
         "(the five attributes; -10000 when not given).",
         0, 0, &RunRemedies},
        {"remedy", "NAME", "show the remedy a name (or synonym) leads to",
         "Looks the name up in the catalogue (any case; a trailing full stop allowed)\n"
         "and prints NUMBER<TAB>SHORT<TAB>LONG<TAB>A0 A1 A2 A3 A4.  Exit status 1 when\n"
         "no remedy has that name.",
         1, 1, &RunRemedy},
        {"tree", "NAME-OR-GUID [RUBRIC-ID]", "show a rubric and its children",
         "Prints the rubric (default the root) and then each of its children:\n"
         "ID<TAB>TEXT<TAB>CHILDREN<TAB>REMEDIES (the item identifier in decimal, the\n"
         "number of children and of remedies).  RUBRIC-ID is an identifier as printed\n"
         "or the rubric's pre-order number.",
         1, 2, &RunTree},
    };
    return commands;
}

const Command* FindCommand(const std::string& name) {
    for (const Command& command : Commands())
        if (name == command.name) return &command;
    return nullptr;
}

}  // namespace corvela_cli
