#include "analysis/ranking.h"

#include "analysis/id_table.h"
#include "corvela.h"
#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/records/analysis.h"

std::string EngineRemedyName(std::uint32_t remedy) {
    if (remedy > 0x7FFFFFFFu) return std::string();
    Remedy* found = CorvelaInstance().GetRemedyById(static_cast<int>(remedy));
    const char* name = found != nullptr ? found->GetShortName() : nullptr;
    return name != nullptr ? std::string(name) : std::string();
}

void Calculate(const CAnalysis* analysis, RankedList& list, const RemedyNameFunction& names) {
    IdTable<int> weights;
    IdTable<int> counts;
    list.clear();
    if (analysis == nullptr) return;

    for (const CSympthom* symptom = &analysis->GetFirstSymptom(); symptom != nullptr;
         symptom = symptom->GetNext()) {
        const int symptomWeight = symptom->m_weight;
        for (const CSympthom::CTopic& topic : symptom->m_topics) {
            if (!topic.IsCounted()) continue;
            for (const CSympthom::CTopic::CRemedyInfo& entry : topic.m_remedies) {
                const auto id = static_cast<std::uint32_t>(entry.m_remedy);
                // Plain int arithmetic as the figures are shown; unsigned
                // steps keep an absurd grade from being undefined behaviour.
                const int added = static_cast<int>(static_cast<unsigned>(entry.m_grade) *
                                                   static_cast<unsigned>(symptomWeight));
                if (int* weight = weights.Find(id)) {
                    *weight = static_cast<int>(static_cast<unsigned>(*weight) +
                                               static_cast<unsigned>(added));
                    ++*counts.Find(id);
                } else {
                    weights.Insert(id, added);
                    counts.Insert(id, 1);
                }
            }
        }
    }

    // Both tables took the same keys in the same order: their walks pair up.
    for (std::size_t b = 0; b < IdTable<int>::kBuckets; ++b) {
        const auto& weightBucket = weights.Bucket(b);
        const auto& countBucket = counts.Bucket(b);
        for (std::size_t i = 0; i < weightBucket.size(); ++i) {
            CItems entry;
            entry.m_remedy = weightBucket[i].first;
            entry.m_weight = weightBucket[i].second;
            entry.m_count = countBucket[i].second;
            entry.m_name = names ? names(entry.m_remedy) : EngineRemedyName(entry.m_remedy);
            list.push_back(std::move(entry));
        }
    }
    SortRankedList(list, analysis->GetSortType());
    BroadcastEvent(EV_UPDATE_TABLE);
}
