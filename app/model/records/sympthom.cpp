#include "model/records/sympthom.h"

#include "model/lang/localize.h"
#include "model/meta/layout.h"
#include "model/records/record_chain.h"

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

namespace {
// User-interface thread only, like every record.
std::uint64_t NextSerial() {
    static std::uint64_t last = 0;
    return ++last;
}
}  // namespace

CSympthom::CSympthom() : m_name(Localize("Unknown Symptom", 1)), m_serial(NextSerial()) {}

CSympthom::CSympthom(const std::string& name) : m_name(CleanName(name)), m_serial(NextSerial()) {}

CSympthom::~CSympthom() {
    RecordChain<CSympthom>::DeleteSuccessors(this);
}

CSympthom* CSympthom::GetFirst() {
    return RecordChain<CSympthom>::First(this);
}

CSympthom* CSympthom::GetLast() {
    return RecordChain<CSympthom>::Last(this);
}

CSympthom* CSympthom::Append(CSympthom* symptom) {
    return RecordChain<CSympthom>::Append(this, symptom);
}

bool CSympthom::Unlink() {
    return RecordChain<CSympthom>::Unlink(this);
}

void CSympthom::LinkChain() {
    RecordChain<CSympthom>::LinkBack(this);
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
