// add-symptom CASE.hom ANALYSIS NAME [--weight W]: a new symptom at the end of
// the analysis; prints its number.
#include "analysis/analysis_operations.h"
#include "case_access.h"
#include "command.h"
#include "console.h"
#include "model/records/case.h"
#include "weight_option.h"

namespace meridane_case {

int RunAddSymptom(const Invocation& invocation) {
    const std::string& path = invocation.arguments[0];
    int weight = 1;
    if (const std::string* text = invocation.Option("--weight")) {
        if (!ParseWeight(*text, &weight))
            return UsageError("the weight is 1, 2, 3 or 4", FindCommand("add-symptom"));
    }
    std::string name;
    if (!ToCaseText(invocation.arguments[2], "the symptom's name", &name)) return kExitFailure;
    std::unique_ptr<CCase> theCase = ReadCase(path);
    if (theCase == nullptr) return kExitFailure;
    CAnalysis* analysis = FindAnalysis(*theCase, invocation.arguments[1], path);
    if (analysis == nullptr) return kExitFailure;
    AddSymptom(*analysis, name, weight);
    const int number = analysis->GetSymptomCount() - 1;
    if (!WriteCase(*theCase, path)) return kExitFailure;
    return WriteOut(std::to_string(number) + "\n") ? kExitOk : kExitFailure;
}

}  // namespace meridane_case
