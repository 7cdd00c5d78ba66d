#include "sample_case.h"

#include "corvela/data_source.h"
#include "model/records/case.h"
#include "records_home.h"

namespace records_test {
namespace {

CSympthom::CTopic Rubric(std::uint32_t id, const char* guid) {
    CSympthom::CTopic topic;
    topic.m_dataType = CSympthom::kRubricTopic;
    topic.m_topicId = static_cast<int>(id);
    ParseGuid(guid, &topic.m_sourceId);
    return topic;
}

}  // namespace

std::unique_ptr<CCase> MakeSampleCase() {
    auto sample = std::make_unique<CCase>();
    CPatientInfo& card = sample->GetPatientInfo();
    card.m_name = "Jane Roe";
    card.m_address = "12 Elm Street, Springfield";
    card.m_age = "1980";
    card.m_occupation = "Teacher";
    card.m_married = "12 years";
    card.m_heightAndWeight = "168 cm, 61 kg";
    card.m_peculiarityes = "Left-handed";

    CEpisode& first = sample->GetFirstEpisode();
    first.SetName("First visit");
    first.GetPractitioner().m_name = "Dr. A. Smith";
    first.GetPractitioner().m_title = "MD";
    sample->AddEpisode("Phone conversation")->SetOpen(false);
    sample->AddPrescription()->SetPrescription(
        CPrescription::PrescriptionTemplate("Arsenicum album 30C, one dose"));

    CAnalysis* analysis = sample->AddAnalysis();
    analysis->SetSortType(1);
    CSympthom& anxiety = analysis->GetFirstSymptom();
    anxiety.m_name = "Anxiety at night";
    anxiety.m_weight = 3;
    anxiety.m_topics.push_back(Rubric(MakeItemId(0, kAlphaNight), Alpha().id));
    anxiety.m_topics.push_back(Rubric(MakeItemId(0, kAlphaThrobbing), Alpha().id));
    anxiety.m_topics.back().m_expander = 1;

    auto* fear = anxiety.Append(new CSympthom("Fear"));
    fear->m_topics.push_back(Rubric(MakeItemId(0, kAlphaFear), Alpha().id));
    fear->m_topics.back().m_hide = 1;

    auto* nausea = fear->Append(new CSympthom("Nausea\r\nin the morning"));
    nausea->m_weight = 2;
    nausea->m_topics.push_back(Rubric(MakeItemId(1, kBetaNausea), Beta().id));
    CSympthom::CTopic article;
    article.m_dataType = CSympthom::kArticleTopic;
    article.m_topicId = static_cast<int>(MakeItemId(2, 7));
    ParseGuid("C4C4C4C4-0004-4000-8000-00000000C4C4", &article.m_sourceId);
    article.m_text = "Great anguish and \"restlessness\".";
    nausea->m_topics.push_back(article);
    return sample;
}

std::string SampleCaseText() {
    return ReadFile(std::string(MERIDANE_TEST_DATA_DIR) + "/records/sample_case.hom");
}

std::string NewCaseText() {
    return ReadFile(std::string(MERIDANE_TEST_DATA_DIR) + "/records/new_case.hom");
}

}  // namespace records_test
