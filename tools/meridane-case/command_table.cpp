#include "command.h"

namespace meridane_case {

const std::string* Invocation::Option(const char* name) const {
    const std::string* found = nullptr;
    for (const auto& option : options)
        if (option.first == name) found = &option.second;
    return found;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands{
        {"new",
         "CASE.hom [--patient NAME]",
         "writes a new case",
         1,
         1,
         {{"--patient", true}},
         &RunNew},
        {"show", "CASE.hom", "prints the patient card and one line per item", 1, 1, {}, &RunShow},
        {"add",
         "CASE.hom episode|check|note|phone|prescription|analysis",
         "appends an item (an analysis prints its number)",
         2,
         2,
         {},
         &RunAdd},
        {"add-symptom",
         "CASE.hom ANALYSIS NAME [--weight W]",
         "appends a symptom to an analysis and prints its number",
         3,
         3,
         {{"--weight", true}},
         &RunAddSymptom},
        {"add-rubric",
         "CASE.hom ANALYSIS SYMPTOM REPERTORY \"Step; step; ...\"",
         "adds a rubric to a symptom; prints \"added\" or \"refused: REASON\"",
         5,
         5,
         {},
         &RunAddRubric},
        {"set",
         "CASE.hom ANALYSIS SYMPTOM [--weight W] [--exclude T] [--include T] [--sort N]",
         "changes a symptom's weight, hides or shows its topic T, sets the sort type",
         3,
         3,
         {{"--weight", true}, {"--exclude", true}, {"--include", true}, {"--sort", true}},
         &RunSet},
        {"rank",
         "CASE.hom [--analysis K] [--sort N] [--matrix] [--explain]",
         "prints the ranking: NAME<TAB>COUNT<TAB>WEIGHT; --explain adds each counted rubric "
         "with GRADE x WEIGHT, --matrix the grades",
         1,
         1,
         {{"--analysis", true}, {"--sort", true}, {"--matrix", false}, {"--explain", false}},
         &RunRank},
#if defined(MERIDANE_CASE_CHART)
        {"export-chart",
         "CASE.hom OUT.pdf|OUT.png [--analysis K]",
         "writes the whole chart of an analysis as a PDF (A4 pages) or one PNG image",
         2,
         2,
         {{"--analysis", true}},
         &RunExportChart},
#endif
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

}  // namespace meridane_case
