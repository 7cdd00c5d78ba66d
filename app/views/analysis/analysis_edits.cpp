#include "views/analysis/analysis_edits.h"

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/records/analysis.h"
#include "model/records/case.h"
#include "views/analysis/topic_links.h"
#include "views/case_access.h"
#include "views/materia/materia_window.h"
#include "views/repertory/repertory_window.h"

namespace analysis_window {

namespace {

// True while `symptom` is a symptom of an analysis of the current case.
bool IsCurrent(const CSympthom& symptom) {
    CCase* theCase = views::CurrentCase();
    return theCase != nullptr && views::FindAnalysisOf(*theCase, &symptom) != nullptr;
}

CSympthom::CTopic* TopicOf(CSympthom& symptom, int index) {
    if (!IsCurrent(symptom) || index < 0 || index >= static_cast<int>(symptom.m_topics.size()))
        return nullptr;
    return &symptom.m_topics[static_cast<std::size_t>(index)];
}

bool Modified() {
    views::MarkCaseModified();
    return true;
}

}  // namespace

bool CycleWeight(CSympthom& symptom) {
    if (!IsCurrent(symptom)) return false;
    symptom.m_weight = symptom.m_weight + 1 > 4 ? 1 : symptom.m_weight + 1;
    return Modified();
}

bool DeleteSymptom(CSympthom& symptom) {
    if (!IsCurrent(symptom) || symptom.GetPrevious() == nullptr) return false;
    if (!symptom.Unlink()) return false;
    return Modified();
}

bool RenameSymptom(CSympthom& symptom, const std::string& name) {
    if (!IsCurrent(symptom)) return false;
    symptom.m_name = name;
    return Modified();
}

bool DeleteTopic(CSympthom& symptom, int index) {
    if (TopicOf(symptom, index) == nullptr) return false;
    symptom.m_topics.erase(symptom.m_topics.begin() + index);
    return Modified();
}

bool ToggleHide(CSympthom& symptom, int index) {
    CSympthom::CTopic* topic = TopicOf(symptom, index);
    if (topic == nullptr) return false;
    topic->m_hide = topic->m_hide == 0 ? 1 : 0;
    return Modified();
}

bool ToggleExpander(CSympthom& symptom, int index) {
    CSympthom::CTopic* topic = TopicOf(symptom, index);
    if (topic == nullptr) return false;
    topic->m_expander = topic->m_expander == 0 ? 1 : 0;
    return Modified();
}

void Announce() {
    BroadcastEvent(EV_UPDATE_ANALYSIS);
}

bool OpenRubric(const CSympthom& symptom, int index) {
    if (!IsCurrent(symptom) || index < 0 || index >= static_cast<int>(symptom.m_topics.size()))
        return false;
    const std::optional<RubricLink> link = ResolveRubric(symptom.m_topics[static_cast<std::size_t>(index)]);
    if (!link) return false;
    return OpenRepertoryDocument(link->repertory, link->rubric) != nullptr;
}

bool OpenRemedyArticle(int remedy) {
    if (!RemedyKnown(remedy)) return false;
    return OpenRemedy(remedy) != nullptr;
}

}  // namespace analysis_window
