#include "sample_records.h"

#include <algorithm>
#include <cstring>

#include "model/meta/layout.h"

struct SampleEntry::Layout : ClassLayout<SampleEntry> {
    Layout() : ClassLayout("SampleEntry") {
        Register();
        Value("Kind", &SampleEntry::m_kind);
        Value("Entry Text", &SampleEntry::m_text);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(SampleEntry);

struct SampleItem::Layout : ClassLayout<SampleItem> {
    Layout() : ClassLayout("SampleItem") {
        Register();
        Value("Name", &SampleItem::m_name);
        Value("IsOpen", &SampleItem::m_isOpen);
        Value("Count", &SampleItem::m_count);
        Value("Next Item", &SampleItem::m_next);
        Call(&SampleItem::LinkSuccessor, nullptr);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(SampleItem);

SampleItem::~SampleItem() {
    delete m_next;
}

void SampleItem::Load(StorageNode* n, const char* v) {
    LoadWithLayout(*this, n, v);
}
void SampleItem::Save(StorageNode* n, const char* v) {
    SaveWithLayout(*this, n, v);
}
void SampleItem::LoadRaw(StorageNode* n, const char* v) {
    LoadRawWithLayout(*this, n, v);
}
void SampleItem::SaveRaw(StorageNode* n, const char* v) {
    SaveRawWithLayout(*this, n, v);
}

void SampleItem::Append(SampleItem* item) {
    SampleItem* last = this;
    while (last->m_next != nullptr) last = last->m_next;
    last->m_next = item;
    item->m_previous = last;
}

void SampleItem::LinkSuccessor() {
    ++m_linkCalls;
    if (m_next != nullptr) m_next->m_previous = this;
}

struct SampleNote::Layout : ClassLayout<SampleNote> {
    Layout() : ClassLayout("SampleNote") {
        Register();
        Base<SampleItem>();
        Call(&SampleNote::BeginLoad, &SampleNote::BeginSave);
        Value("Text", &SampleNote::m_text);
        Value("Weight", &SampleNote::m_weight).Default(1.0);
        Container("Entries", &SampleNote::m_entries)
            .OnItem(&SampleNote::OnEntry, kCallOnLoadAndSave);
        Bytes("Id", &SampleNote::m_id, &SampleNote::LoadId, &SampleNote::SaveId);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(SampleNote);

void SampleNote::Load(StorageNode* n, const char* v) {
    LoadWithLayout(*this, n, v);
}
void SampleNote::Save(StorageNode* n, const char* v) {
    SaveWithLayout(*this, n, v);
}
void SampleNote::LoadRaw(StorageNode* n, const char* v) {
    LoadRawWithLayout(*this, n, v);
}
void SampleNote::SaveRaw(StorageNode* n, const char* v) {
    SaveRawWithLayout(*this, n, v);
}

int SampleNote::OnEntry(SampleEntry& entry) {
    if (m_saving) {
        ++m_entrySaveCalls;
        return 0;
    }
    ++m_entryLoadCalls;
    return entry.m_kind < 0 ? 0 : kAppendItem;
}

void SampleNote::LoadId(std::array<std::uint8_t, 16>& id, const std::uint8_t* bytes,
                        std::size_t size) {
    m_lastIdSize = size;
    id.fill(0);
    if (bytes != nullptr) std::memcpy(id.data(), bytes, std::min(size, id.size()));
}

int SampleNote::SaveId(std::array<std::uint8_t, 16>& id, const std::uint8_t*& bytes,
                       std::size_t& size) {
    size = id.size();
    if (m_saveResult == kBytesOwned) {
        auto* copy = new std::uint8_t[id.size()];
        std::memcpy(copy, id.data(), id.size());
        bytes = copy;
    } else {
        bytes = id.data();
    }
    return m_saveResult;
}

struct SampleCase::Layout : ClassLayout<SampleCase> {
    Layout() : ClassLayout("SampleCase") {
        Register<SampleNote>("SampleNote");
        Value("Title", &SampleCase::m_title);
        Value("First", &SampleCase::m_first);
        Value("Tags", &SampleCase::m_tags);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(SampleCase);
