#include "views/add_to/last_target.h"

#include <cstdint>

#include "model/records/case.h"
#include "views/case_access.h"

namespace add_to {
namespace {

struct Remembered {
    const CSympthom* symptom = nullptr;  // never dereferenced before it is found again
    std::uint64_t serial = 0;
};

Remembered& Last() {
    static Remembered last;
    return last;
}

}  // namespace

CSympthom* LastTarget() {
    CCase* theCase = views::CurrentCase();
    const Remembered& last = Last();
    if (theCase == nullptr || last.symptom == nullptr) return nullptr;
    CAnalysis* analysis = views::FindAnalysisOf(*theCase, last.symptom);
    if (analysis == nullptr) return nullptr;
    for (CSympthom* s = &analysis->GetFirstSymptom(); s != nullptr; s = s->GetNext())
        if (s == last.symptom) return s->GetSerial() == last.serial ? s : nullptr;
    return nullptr;
}

void RememberTarget(const CSympthom& symptom) {
    Last() = Remembered{&symptom, symptom.GetSerial()};
}

void ForgetTarget() {
    Last() = Remembered{};
}

CAddToOutcome AddToLastTarget(const CAddToItem& what) {
    CSympthom* target = LastTarget();
    CCase* theCase = views::CurrentCase();
    if (target == nullptr || theCase == nullptr) {
        CAddToOutcome none;
        none.m_result = CAddToOutcome::Result::kNoTarget;
        return none;
    }
    return AddToSymptom(what, *views::FindAnalysisOf(*theCase, target), *target);
}

}  // namespace add_to
