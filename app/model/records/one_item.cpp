#include "model/records/one_item.h"

#include "model/meta/layout.h"
#include "model/records/item_time.h"

struct COneItem::Layout : ClassLayout<COneItem> {
    Layout() : ClassLayout("COneItem") {
        Register();
        Value("Name", &COneItem::m_name);
        Value("Time", &COneItem::m_time);
        Value("IsOpen", &COneItem::m_isOpen);
        Value("Next Item", &COneItem::m_next);
        Call(&COneItem::LinkSuccessor, nullptr);
    }
};
MERIDANE_DEFINE_LAYOUT_ACCESSOR(COneItem);

COneItem::COneItem() : m_time(NewItemTime()) {}

void COneItem::OnItemCommand(int, int) {}

int COneItem::GetItemState() {
    return 0;
}

COneItem::~COneItem() {
    DeleteSuccessors();
}

void COneItem::DeleteSuccessors() noexcept {
    // Reverse the tail of the chain in place, then delete from the old last
    // item forward; every item is deleted with no successor of its own.
    COneItem* reversed = nullptr;
    COneItem* item = m_next;
    m_next = nullptr;
    while (item != nullptr) {
        COneItem* following = item->m_next;
        item->m_next = reversed;
        reversed = item;
        item = following;
    }
    while (reversed != nullptr) {
        COneItem* earlier = reversed->m_next;
        reversed->m_next = nullptr;
        delete reversed;
        reversed = earlier;
    }
}

bool COneItem::Unlink() {
    if (m_previous == nullptr) return false;
    m_previous->m_next = m_next;
    if (m_next != nullptr) m_next->m_previous = m_previous;
    m_next = nullptr;
    m_previous = nullptr;
    delete this;
    return true;
}

COneItem* COneItem::GetLast() {
    COneItem* last = this;
    while (last->m_next != nullptr) last = last->m_next;
    return last;
}

COneItem* COneItem::Append(COneItem* item) {
    COneItem* last = GetLast();
    last->m_next = item;
    item->m_previous = last;
    return item;
}

void COneItem::LinkSuccessor() {
    if (m_next != nullptr) m_next->m_previous = this;
}

void COneItem::Load(StorageNode* n, const char* v) {
    LoadWithLayout(*this, n, v);
}
void COneItem::Save(StorageNode* n, const char* v) {
    SaveWithLayout(*this, n, v);
}
void COneItem::LoadRaw(StorageNode* n, const char* v) {
    LoadRawWithLayout(*this, n, v);
}
void COneItem::SaveRaw(StorageNode* n, const char* v) {
    SaveRawWithLayout(*this, n, v);
}
