// show CASE.hom: the case as the case view lists it, the patient's lines
// first, then one line per episode, prescription and analysis.
#include "case_access.h"
#include "command.h"
#include "console.h"
#include "model/records/case.h"

namespace meridane_case {
namespace {

void AddLine(std::string& out, const std::string& label, const std::string& value) {
    out += label + Utf8(value) + "\n";
}

}  // namespace

int RunShow(const Invocation& invocation) {
    const std::string& path = invocation.arguments[0];
    std::unique_ptr<CCase> theCase = ReadCase(path);
    if (theCase == nullptr) return kExitFailure;

    std::string out;
    const CPatientInfo& card = theCase->GetPatientInfo();
    AddLine(out, "", card.m_name);
    AddLine(out, "Date of birth: ", card.m_age);
    AddLine(out, "Address: ", card.m_address);
    if (!card.m_married.empty()) AddLine(out, "Married: ", card.m_married);
    if (!card.m_heightAndWeight.empty()) AddLine(out, "W&H: ", card.m_heightAndWeight);
    if (!card.m_peculiarityes.empty()) AddLine(out, "", card.m_peculiarityes);

    for (COneItem* item = &theCase->GetFirstEpisode(); item != nullptr; item = item->GetNext()) {
        // Items of other classes have no line in the case view either.
        const auto* analysis = dynamic_cast<const CAnalysis*>(item);
        if (analysis == nullptr && dynamic_cast<CEpisode*>(item) == nullptr &&
            dynamic_cast<CPrescription*>(item) == nullptr)
            continue;
        out += Utf8(item->GetTime()) + ": " + Utf8(item->GetName());
        if (analysis != nullptr) {
            out += "\t" + std::to_string(analysis->GetSymptomCount()) + " symptoms, " +
                   std::to_string(analysis->GetTopicCount()) + " rubrics";
        }
        out += "\n";
    }
    return WriteOut(out) ? kExitOk : kExitFailure;
}

}  // namespace meridane_case
