// add-rubric CASE.hom ANALYSIS SYMPTOM REPERTORY "Step; step; step": adds the
// rubric found by its path to the symptom, or says why not.
#include "analysis/analysis_operations.h"
#include "case_access.h"
#include "command.h"
#include "console.h"
#include "corvela.h"
#include "model/records/case.h"
#include "rubric_path.h"

namespace meridane_case {

int RunAddRubric(const Invocation& invocation) {
    const std::vector<std::string>& arguments = invocation.arguments;
    const std::string& path = arguments[0];
    std::string repertoryName, rubricPath;
    if (!ToCaseText(arguments[3], "the repertory", &repertoryName) ||
        !ToCaseText(arguments[4], "the rubric", &rubricPath))
        return kExitFailure;

    std::unique_ptr<CCase> theCase = ReadCase(path);
    if (theCase == nullptr) return kExitFailure;
    CAnalysis* analysis = FindAnalysis(*theCase, arguments[1], path);
    if (analysis == nullptr) return kExitFailure;
    CSympthom* symptom = FindSymptom(*analysis, arguments[2], arguments[1]);
    if (symptom == nullptr) return kExitFailure;

    Repertory* repertory = FindRepertory(repertoryName);
    if (repertory == nullptr) return Fail("no repertory " + arguments[3]);
    std::string problem;
    Topic* rubric = FindRubric(*repertory, rubricPath, &problem);
    if (rubric == nullptr) return Fail(Utf8(problem) + " in " + arguments[3]);

    const AddRubricResult result = AddRubric(rubric->GetId(), *symptom);
    if (result != AddRubricResult::kAdded)
        return WriteOut(std::string("refused: ") + DescribeAddRubricResult(result) + "\n")
                   ? kExitOk
                   : kExitFailure;
    if (!WriteCase(*theCase, path)) return kExitFailure;
    return WriteOut("added\n") ? kExitOk : kExitFailure;
}

}  // namespace meridane_case
