#include "model/records/one_item.h"

#include "model/meta/layout.h"
#include "model/records/item_time.h"
#include "model/records/record_chain.h"

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
    RecordChain<COneItem>::DeleteSuccessors(this);
}

bool COneItem::Unlink() {
    return RecordChain<COneItem>::Unlink(this);
}

COneItem* COneItem::GetLast() {
    return RecordChain<COneItem>::Last(this);
}

COneItem* COneItem::Append(COneItem* item) {
    return RecordChain<COneItem>::Append(this, item);
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
