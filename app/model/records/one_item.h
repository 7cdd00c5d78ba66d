// COneItem: the base of every dated item of a case (episodes, prescriptions,
// analyses).  The items form a doubly linked chain whose head is the case's
// first episode; each item owns the next one ("Next Item"), the back link is
// not stored and is set again when a chain is loaded.
#pragma once

#include <string>

#include "model/core/private_heap.h"
#include "model/meta/layout_fwd.h"

template <class T>
struct RecordChain;

class COneItem {
public:
    MERIDANE_PRIVATE_HEAP(COneItem)
    struct Layout;
    // Name, Time, IsOpen, Next Item, then the load hook that links the
    // successor back.  Building it registers "COneItem".
    static ClassLayout<COneItem>& GetLayout();

    // Empty name, the current time (item_time.h), open, no neighbours.
    COneItem();
    COneItem(const COneItem&) = delete;
    COneItem& operator=(const COneItem&) = delete;

    // The first two operations of the item interface; no effect in this program.
    virtual void OnItemCommand(int command, int argument);
    virtual int GetItemState();

    // Deletes the successors first, the last one first (without recursion, so
    // chains of any length are safe), then the item.
    virtual ~COneItem();

    // Joins the predecessor and the successor to each other and deletes this
    // item.  The head of a chain (no predecessor) is owned by value by its
    // case and cannot be unlinked: false, nothing changes.
    virtual bool Unlink();

    // The persistence operations (the registered type name and the layout of
    // the item's own class).
    virtual const char* GetTypeName() { return "COneItem"; }
    virtual void Load(StorageNode* node, const char* version);
    virtual void Save(StorageNode* node, const char* version);
    virtual void LoadRaw(StorageNode* node, const char* version);
    virtual void SaveRaw(StorageNode* node, const char* version);

    const std::string& GetName() const { return m_name; }
    void SetName(const std::string& name) { m_name = name; }
    // The creation time as text; loading keeps the stored text as it is.
    const std::string& GetTime() const { return m_time; }
    void SetTime(const std::string& time) { m_time = time; }
    bool IsOpen() const { return m_isOpen; }
    void SetOpen(bool open) { m_isOpen = open; }

    COneItem* GetNext() const { return m_next; }
    COneItem* GetPrevious() const { return m_previous; }
    // The last item of the chain this item belongs to, walking forward.
    COneItem* GetLast();
    // Links `item` (a new item without neighbours, owned by the chain from now
    // on) after the last item of the chain and returns it.
    COneItem* Append(COneItem* item);

protected:
    // Deletes every item after this one, the last one first.  Each destructor
    // of the family calls it first, so the successors go before the item's own
    // members (its practitioner writes practitioner.txt last).
    void DeleteSuccessors() noexcept;

private:
    friend struct RecordChain<COneItem>;
    void LinkSuccessor();

    std::string m_name;
    std::string m_time;
    bool m_isOpen = true;
    COneItem* m_next = nullptr;      // owned
    COneItem* m_previous = nullptr;  // not stored
};
