// set CASE.hom ANALYSIS SYMPTOM [--weight W] [--exclude T] [--include T]
// [--sort N]: changes a symptom and its analysis; the options apply in the
// order given, after all of them were checked.
#include "case_access.h"
#include "command.h"
#include "console.h"
#include "model/records/case.h"
#include "weight_option.h"

namespace meridane_case {

int RunSet(const Invocation& invocation) {
    const Command* command = FindCommand("set");
    const std::string& path = invocation.arguments[0];
    if (invocation.options.empty())
        return UsageError("nothing to set (--weight, --exclude, --include or --sort)", command);
    for (const auto& [name, value] : invocation.options) {
        int number = 0;
        if (name == "--weight" ? !ParseWeight(value, &number) : !ParseNumber(value, &number))
            return UsageError(
                name == "--weight" ? "the weight is 1, 2, 3 or 4" : name + " takes a whole number",
                command);
    }

    std::unique_ptr<CCase> theCase = ReadCase(path);
    if (theCase == nullptr) return kExitFailure;
    CAnalysis* analysis = FindAnalysis(*theCase, invocation.arguments[1], path);
    if (analysis == nullptr) return kExitFailure;
    CSympthom* symptom = FindSymptom(*analysis, invocation.arguments[2], invocation.arguments[1]);
    if (symptom == nullptr) return kExitFailure;

    for (const auto& [name, value] : invocation.options) {
        int number = 0;
        ParseNumber(value, &number);
        if (name == "--weight") {
            symptom->m_weight = number;
        } else if (name == "--sort") {
            analysis->SetSortType(number);
        } else {
            if (number < 0 || number >= static_cast<int>(symptom->m_topics.size())) {
                return Fail("no topic " + value + " in symptom " + invocation.arguments[2] +
                            " (it has " + std::to_string(symptom->m_topics.size()) + ")");
            }
            symptom->m_topics[static_cast<std::size_t>(number)].m_hide =
                name == "--exclude" ? 1 : 0;
        }
    }
    return WriteCase(*theCase, path) ? kExitOk : kExitFailure;
}

}  // namespace meridane_case
