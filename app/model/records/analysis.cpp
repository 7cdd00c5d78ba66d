#include "model/records/analysis.h"

#include "model/lang/localize.h"
#include "model/meta/layout.h"

struct CAnalysis::Layout : ClassLayout<CAnalysis> {
    Layout() : ClassLayout("CAnalysis") {
        Register();
        Base<COneItem>();
        Value("Symptoms", &CAnalysis::m_symptoms);
        Value("SortType", &CAnalysis::m_sortType);
        Value("Practitioner", &CAnalysis::m_practitioner);
        Call(&CAnalysis::LinkSymptoms, nullptr);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(CAnalysis);

CAnalysis::CAnalysis() {
    SetName(Localize("Analysis", 1));
}

CAnalysis::~CAnalysis() {
    DeleteSuccessors();
}

CSympthom* CAnalysis::GetSymptom(int index) {
    if (index < 0) return nullptr;
    CSympthom* symptom = &m_symptoms;
    for (; symptom != nullptr && index > 0; --index) symptom = symptom->GetNext();
    return symptom;
}

int CAnalysis::GetSymptomCount() const {
    int count = 0;
    for (const CSympthom* s = &m_symptoms; s != nullptr; s = s->GetNext()) ++count;
    return count;
}

int CAnalysis::GetTopicCount() const {
    int count = 0;
    for (const CSympthom* s = &m_symptoms; s != nullptr; s = s->GetNext())
        count += static_cast<int>(s->m_topics.size());
    return count;
}

void CAnalysis::LinkSymptoms() {
    m_symptoms.LinkChain();
}

void CAnalysis::Load(StorageNode* n, const char* v) {
    LoadWithLayout(*this, n, v);
}
void CAnalysis::Save(StorageNode* n, const char* v) {
    SaveWithLayout(*this, n, v);
}
void CAnalysis::LoadRaw(StorageNode* n, const char* v) {
    LoadRawWithLayout(*this, n, v);
}
void CAnalysis::SaveRaw(StorageNode* n, const char* v) {
    SaveRawWithLayout(*this, n, v);
}
