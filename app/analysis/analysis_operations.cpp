#include "analysis/analysis_operations.h"

#include "corvela.h"
#include "model/records/analysis.h"
#include "model/records/case.h"

CSympthom* AddSymptom(CAnalysis& analysis, const std::string& name, int weight) {
    auto* symptom = new CSympthom(name);
    symptom->m_weight = weight;
    return analysis.GetFirstSymptom().Append(symptom);
}

const char* DescribeAddRubricResult(AddRubricResult result) {
    switch (result) {
        case AddRubricResult::kAdded:
            return "added";
        case AddRubricResult::kUnknownRubric:
            return "no such rubric";
        case AddRubricResult::kNoRemedies:
            return "the rubric has no remedies";
        case AddRubricResult::kAlreadyInAnalysis:
            return "the rubric is already in this analysis";
    }
    return "";
}

AddRubricResult AddRubric(std::uint32_t rubricId, CSympthom& symptom) {
    DataSource* source = CorvelaInstance().GetDataSourceOfItem(rubricId);
    DataItem* item = source != nullptr ? source->GetItem(rubricId) : nullptr;
    if (item == nullptr || item->GetKind() != kItemTopic) return AddRubricResult::kUnknownRubric;
    Topic& rubric = *static_cast<Topic*>(item);
    if (rubric.GetRemedyCount() <= 0) return AddRubricResult::kNoRemedies;

    const auto topicId = static_cast<int>(rubric.GetId());
    for (const CSympthom* s = symptom.GetFirst(); s != nullptr; s = s->GetNext())
        for (const CSympthom::CTopic& topic : s->m_topics)
            if (topic.m_topicId == topicId) return AddRubricResult::kAlreadyInAnalysis;

    CSympthom::CTopic topic;
    topic.m_dataType = CSympthom::kRubricTopic;
    topic.m_topicId = topicId;
    // The repertory's identifier keeps the topic on its rubric when other
    // data files change the repertory's position.
    topic.m_sourceId = *source->GetGuid();
    topic.FillFrom(rubric);
    symptom.m_topics.push_back(std::move(topic));
    return AddRubricResult::kAdded;
}

CSympthom::CTopic& AddArticle(std::uint32_t articleId, const Guid& materiaMedica,
                              const std::string& text, CSympthom& symptom) {
    CSympthom::CTopic topic;
    topic.m_dataType = CSympthom::kArticleTopic;
    topic.m_topicId = static_cast<int>(articleId);
    topic.m_sourceId = materiaMedica;
    topic.m_text = text;
    symptom.m_topics.push_back(std::move(topic));
    return symptom.m_topics.back();
}

CAnalysis* NewAnalysis(CCase& theCase) {
    return theCase.AddAnalysis();
}
