#include "analysis/counted_topics.h"

#include "model/records/analysis.h"

std::vector<CountedTopic> CountedTopics(const CAnalysis& analysis) {
    std::vector<CountedTopic> columns;
    for (const CSympthom* symptom = &analysis.GetFirstSymptom(); symptom != nullptr;
         symptom = symptom->GetNext()) {
        for (std::size_t i = 0; i < symptom->m_topics.size(); ++i) {
            const CSympthom::CTopic& topic = symptom->m_topics[i];
            if (topic.IsCounted()) columns.push_back({symptom, static_cast<int>(i), &topic});
        }
    }
    return columns;
}
