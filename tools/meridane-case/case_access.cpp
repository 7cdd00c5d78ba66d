#include "case_access.h"

#include "console.h"
#include "model/records/case.h"

namespace meridane_case {

std::unique_ptr<CCase> ReadCase(const std::string& path) {
    std::string error;
    std::unique_ptr<CCase> theCase = CCase::LoadFile(path, &error);
    if (theCase == nullptr) Fail("cannot read " + path + ": " + Utf8(error));
    return theCase;
}

bool WriteCase(CCase& theCase, const std::string& path) {
    std::string error;
    if (theCase.SaveFile(path, &error)) return true;
    Fail("cannot save " + path + ": " + Utf8(error));
    return false;
}

CAnalysis* FindAnalysis(CCase& theCase, const std::string& text, const std::string& path) {
    const std::vector<CAnalysis*> analyses = theCase.GetAnalyses();
    int index = -1;
    if (!ParseNumber(text, &index) || index < 0 || index >= static_cast<int>(analyses.size())) {
        Fail("no analysis " + text + " in " + path + " (it has " + std::to_string(analyses.size()) +
             ")");
        return nullptr;
    }
    return analyses[static_cast<std::size_t>(index)];
}

CSympthom* FindSymptom(CAnalysis& analysis, const std::string& text,
                       const std::string& analysisText) {
    int index = -1;
    CSympthom* symptom = ParseNumber(text, &index) ? analysis.GetSymptom(index) : nullptr;
    if (symptom == nullptr) {
        Fail("no symptom " + text + " in analysis " + analysisText + " (it has " +
             std::to_string(analysis.GetSymptomCount()) + ")");
    }
    return symptom;
}

}  // namespace meridane_case
