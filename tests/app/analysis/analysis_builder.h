// Small analyses built by hand for the ranking tests: symptoms with a weight
// and topics with remedy entries (remedy number, grade), no engine involved.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "model/records/analysis.h"

namespace analysis_test {

using Entry = std::pair<int, int>;  // remedy number, grade

inline CSympthom::CTopic Rubric(std::initializer_list<Entry> entries, int hide = 0,
                                int dataType = CSympthom::kRubricTopic) {
    static int nextId = 100;
    CSympthom::CTopic topic;
    topic.m_dataType = dataType;
    topic.m_topicId = ++nextId;
    topic.m_hide = hide;
    for (const Entry& entry : entries) topic.m_remedies.push_back({entry.first, entry.second, ""});
    return topic;
}

// Adds a symptom of weight `weight` (the first one reuses the analysis's own
// first symptom when it has no topics yet) and returns it.
inline CSympthom& Symptom(CAnalysis& analysis, int weight,
                          std::initializer_list<CSympthom::CTopic> topics) {
    CSympthom* symptom = &analysis.GetFirstSymptom();
    if (!symptom->m_topics.empty() || symptom->GetNext() != nullptr ||
        symptom->m_name != "Unknown Symptom")
        symptom = analysis.GetFirstSymptom().Append(new CSympthom("s"));
    else
        symptom->m_name = "first";
    symptom->m_weight = weight;
    for (const CSympthom::CTopic& topic : topics) symptom->m_topics.push_back(topic);
    return *symptom;
}

// Remedy names for the tests: "r" and the number, or a given table.
inline std::string NumberName(std::uint32_t remedy) {
    return "r" + std::to_string(remedy);
}

}  // namespace analysis_test
