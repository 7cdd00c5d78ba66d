#include "command.h"

namespace corvela_cli {
namespace {

constexpr int kManyArguments = 1 << 20;

const std::vector<tool_support::OptionRule> kQueryOptions = {{"--scope", true}, {"--source", true}};

}  // namespace

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"compile-repertory",
         "SOURCE.rps OUTPUT.rpb",
         "compile a repertory source into OUTPUT.rpb and its .idx",
         "Reads the UTF-8 repertory source, compiles it against the program directory's\n"
         "remedy catalogue and writes OUTPUT.rpb and its word index.  Remedy names the\n"
         "catalogue does not know are dropped and listed as \"unknown remedy: NAME\".\n"
         "A source error (FILE:LINE: message) writes nothing.",
         2,
         2,
         {},
         &RunCompileRepertory},
        {"compile-mm",
         "SOURCE.mms OUTPUT.mmb",
         "compile a materia medica source into OUTPUT.mmb and its .idx",
         "Reads the UTF-8 materia medica source and writes OUTPUT.mmb and its word\n"
         "index.  Articles on remedies the catalogue does not know are dropped and\n"
         "listed as \"unknown remedy: NAME\".  A source error writes nothing.",
         2,
         2,
         {},
         &RunCompileMateriaMedica},
        {"sources",
         "",
         "list the data sources of the program directory and the user data folder",
         "One line per source in the engine's order:\n"
         "POSITION<TAB>TYPE<TAB>GUID<TAB>NAME<TAB>ITEMS<TAB>FILE\n"
         "TYPE 1 repertory, 2 materia medica, 3 user article collection; ITEMS the\n"
         "number of rubrics or articles.",
         0,
         0,
         {},
         &RunSources},
        {"dump",
         "NAME-OR-GUID",
         "write a repertory or materia medica back as source text",
         "Writes the data source named (its name, else its identifier) to standard\n"
         "output as repertory or materia medica source text; compiling it again gives\n"
         "identical files.  A source holding what a source text cannot carry (a line\n"
         "break in a rubric text, blank lines at the start or end of an article text,\n"
         "a remedy no catalogue name leads back to, ...) is refused with the reason.",
         1,
         1,
         {},
         &RunDump},
        {"remedies",
         "",
         "list the remedy catalogue",
         "One line per remedy: NUMBER<TAB>SHORT<TAB>LONG<TAB>A0 A1 A2 A3 A4\n"
         "(the five attributes; -10000 when not given).",
         0,
         0,
         {},
         &RunRemedies},
        {"remedy",
         "NAME",
         "show the remedy a name (or synonym) leads to",
         "Looks the name up in the catalogue (any case; a trailing full stop allowed)\n"
         "and prints NUMBER<TAB>SHORT<TAB>LONG<TAB>A0 A1 A2 A3 A4.  Exit status 1 when\n"
         "no remedy has that name.",
         1,
         1,
         {},
         &RunRemedy},
        {"tree",
         "NAME-OR-GUID [RUBRIC-ID]",
         "show a rubric and its children",
         "Prints the rubric (default the root) and then each of its children:\n"
         "ID<TAB>TEXT<TAB>CHILDREN<TAB>REMEDIES (the item identifier in decimal, the\n"
         "number of children and of remedies).  RUBRIC-ID is an identifier as printed\n"
         "or the rubric's pre-order number.",
         1,
         2,
         {},
         &RunTree},
        {"search", "[--scope all|rep|mm] [--source NAME-OR-GUID] [--] QUERY...",
         "run a query and list its hits",
         "Runs the query (the arguments joined by single spaces) against every data\n"
         "source in scope (all, rep: repertories, mm: materia medicas; default all),\n"
         "with --source only against that one, and prints one line per hit in hit\n"
         "order: POSITION<TAB>ITEM<TAB>TEXT, POSITION the source's position, ITEM the\n"
         "item number, TEXT a rubric's path below the root (steps joined by \"; \")\n"
         "or an article's remedy (\"-\" for none).  Then \"N hits\" on stderr.  Write\n"
         "\"--\" before a query that starts with '-'.  Queries longer than 255 bytes\n"
         "in code page 1251 are cut there, with a warning.",
         1, kManyArguments, kQueryOptions, &RunSearch},
        {"analyze", "[--scope all|rep|mm] [--source NAME-OR-GUID] [--] QUERY...",
         "check a query and show its tokens",
         "Checks the query as the program does while it is typed and prints\n"
         "\"well-formed\" or \"ill-formed\", then START<TAB>END<TAB>CLASS per token\n"
         "(byte positions in the code page 1251 query, CLASS e.g. MarkRemedy), then\n"
         "remedy<TAB>NUMBER per required remedy and word<TAB>WORD per word to\n"
         "highlight.  The exit status is 0 either way.",
         1, kManyArguments, kQueryOptions, &RunAnalyze},
        {"article",
         "[--rtf] NAME-OR-GUID REMEDY",
         "print the article on a remedy",
         "Prints the plain text (with --rtf the Rich Text Format text) of the article\n"
         "on REMEDY (any catalogue name; \"-\" for the article about no remedy) in\n"
         "the materia medica named.  Where several articles are on that remedy the\n"
         "last one counts, as in the program.  Exit status 1 when there is none, or\n"
         "with --rtf when the article has no rich text.",
         2,
         2,
         {{"--rtf", false}},
         &RunArticle},
    };
    return commands;
}

const Command* FindCommand(const std::string& name) {
    for (const Command& command : Commands())
        if (name == command.name) return &command;
    return nullptr;
}

const std::vector<tool_support::OptionRule>* OptionRulesOf(const std::string& name) {
    const Command* command = FindCommand(name);
    return command != nullptr ? &command->options : nullptr;
}

}  // namespace corvela_cli
