#include "model/records/sympthom.h"

#include "model/lang/localize.h"
#include "model/meta/layout.h"

struct CSympthom::Layout : ClassLayout<CSympthom> {
    Layout() : ClassLayout("CSympthom") {
        Register();
        Value("Symptom Version", &CSympthom::m_version).Default(1.0);
        Value("Symptom Name", &CSympthom::m_name);
        Value("Symptom Weight", &CSympthom::m_weight);
        Value("Topics Array", &CSympthom::m_topics);
        Value("Next Symptom", &CSympthom::m_next);
        Call(&CSympthom::RefreshTopics, nullptr);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(CSympthom);

std::string CSympthom::CleanName(const std::string& name) {
    std::string clean;
    clean.reserve(name.size());
    for (char c : name) {
        if (c == '\r') continue;
        clean += c == '\n' ? ' ' : c;
    }
    return clean;
}

CSympthom::CSympthom() : m_name(Localize("Unknown Symptom", 1)) {}

CSympthom::CSympthom(const std::string& name) : m_name(CleanName(name)) {}

CSympthom::~CSympthom() {
    // As the case items: reverse the tail, then delete from its old end, each
    // symptom without a successor of its own.
    CSympthom* reversed = nullptr;
    CSympthom* symptom = m_next;
    m_next = nullptr;
    while (symptom != nullptr) {
        CSympthom* following = symptom->m_next;
        symptom->m_next = reversed;
        reversed = symptom;
        symptom = following;
    }
    while (reversed != nullptr) {
        CSympthom* earlier = reversed->m_next;
        reversed->m_next = nullptr;
        delete reversed;
        reversed = earlier;
    }
}

CSympthom* CSympthom::GetFirst() {
    CSympthom* first = this;
    while (first->m_previous != nullptr) first = first->m_previous;
    return first;
}

CSympthom* CSympthom::GetLast() {
    CSympthom* last = this;
    while (last->m_next != nullptr) last = last->m_next;
    return last;
}

CSympthom* CSympthom::Append(CSympthom* symptom) {
    CSympthom* last = GetLast();
    last->m_next = symptom;
    symptom->m_previous = last;
    return symptom;
}

bool CSympthom::Unlink() {
    if (m_previous == nullptr) return false;
    m_previous->m_next = m_next;
    if (m_next != nullptr) m_next->m_previous = m_previous;
    m_next = nullptr;
    m_previous = nullptr;
    delete this;
    return true;
}

void CSympthom::LinkChain() {
    for (CSympthom* symptom = this; symptom->m_next != nullptr; symptom = symptom->m_next)
        symptom->m_next->m_previous = symptom;
}

void CSympthom::RefreshTopics() {
    if (m_name.size() == 1 && m_name[0] == '\x02') return;
    for (CTopic& topic : m_topics)
        if (topic.m_topicId != 0) topic.Refresh();
}

void CSympthom::Load(StorageNode* n, const char* v) {
    LoadWithLayout(*this, n, v);
}
void CSympthom::Save(StorageNode* n, const char* v) {
    SaveWithLayout(*this, n, v);
}
void CSympthom::LoadRaw(StorageNode* n, const char* v) {
    LoadRawWithLayout(*this, n, v);
}
void CSympthom::SaveRaw(StorageNode* n, const char* v) {
    SaveRawWithLayout(*this, n, v);
}
