#include "views/case_access.h"

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/records/case.h"
#include "views/case_host.h"

namespace views {

CCase* CurrentCase() {
    CCaseHost* host = CCaseHost::Current();
    return host != nullptr ? host->CurrentCase() : nullptr;
}

void MarkCaseModified() {
    if (CCaseHost* host = CCaseHost::Current())
        host->MarkCaseModified();
    else
        BroadcastEvent(EV_CASE_MODIFIED);
}

COneItem* FindItem(CCase& theCase, const void* pointer) {
    if (pointer == nullptr) return nullptr;
    for (COneItem* item = &theCase.GetFirstEpisode(); item != nullptr; item = item->GetNext()) {
        if (item == pointer) return item;
    }
    return nullptr;
}

CAnalysis* FindAnalysisOf(CCase& theCase, const CSympthom* symptom) {
    if (symptom == nullptr) return nullptr;
    for (CAnalysis* analysis : theCase.GetAnalyses()) {
        for (const CSympthom* s = &analysis->GetFirstSymptom(); s != nullptr; s = s->GetNext())
            if (s == symptom) return analysis;
    }
    return nullptr;
}

CPractitioner* PractitionerOf(COneItem& item) {
    if (auto* episode = dynamic_cast<CEpisode*>(&item)) return &episode->GetPractitioner();
    if (auto* prescription = dynamic_cast<CPrescription*>(&item))
        return &prescription->GetPractitioner();
    if (auto* analysis = dynamic_cast<CAnalysis*>(&item)) return &analysis->GetPractitioner();
    return nullptr;
}

CPractitioner* FindPractitioner(CCase& theCase, const void* pointer) {
    CPractitioner* last = nullptr;
    for (COneItem* item = &theCase.GetFirstEpisode(); item != nullptr; item = item->GetNext()) {
        CPractitioner* practitioner = PractitionerOf(*item);
        if (practitioner == nullptr) continue;
        if (pointer != nullptr && (pointer == item || pointer == practitioner)) return practitioner;
        last = practitioner;
    }
    return pointer == nullptr ? last : nullptr;
}

bool IsCurrentCard(const CPatientInfo* card) {
    CCase* theCase = CurrentCase();
    return theCase != nullptr && card != nullptr && card == &theCase->GetPatientInfo();
}

bool IsCurrentItem(const COneItem* item) {
    CCase* theCase = CurrentCase();
    return theCase != nullptr && FindItem(*theCase, item) != nullptr;
}

bool IsCurrentPractitioner(const CPractitioner* practitioner) {
    CCase* theCase = CurrentCase();
    return theCase != nullptr && practitioner != nullptr &&
           FindPractitioner(*theCase, practitioner) == practitioner;
}

}  // namespace views
