// The chains of the case records — the items of a case, the symptoms of an
// analysis — are doubly linked lists: every record owns its successor
// (`m_next`, stored as the record's "Next ..." node) and knows its predecessor
// (`m_previous`, set again when a chain is loaded).  The head of a chain is
// held by value by its owner.  A record class befriends RecordChain<Itself>.
#pragma once

template <class T>
struct RecordChain {
    static T* First(T* record) {
        while (record->m_previous != nullptr) record = record->m_previous;
        return record;
    }

    static T* Last(T* record) {
        while (record->m_next != nullptr) record = record->m_next;
        return record;
    }

    // Links `item` (new, without neighbours; owned by the chain from now on)
    // after the last record of `record`'s chain and returns it.
    static T* Append(T* record, T* item) {
        T* last = Last(record);
        last->m_next = item;
        item->m_previous = last;
        return item;
    }

    // Joins the neighbours to each other and deletes `record`.  A head (no
    // predecessor) belongs to its owner: false, nothing changes.
    static bool Unlink(T* record) {
        if (record->m_previous == nullptr) return false;
        record->m_previous->m_next = record->m_next;
        if (record->m_next != nullptr) record->m_next->m_previous = record->m_previous;
        record->m_next = nullptr;
        record->m_previous = nullptr;
        delete record;
        return true;
    }

    // Deletes every record after `record`, the last one first, without
    // recursion (chains of any length are safe): the tail is reversed in
    // place, then deleted from its old end, each record with no successor of
    // its own.
    static void DeleteSuccessors(T* record) noexcept {
        T* reversed = nullptr;
        T* next = record->m_next;
        record->m_next = nullptr;
        while (next != nullptr) {
            T* following = next->m_next;
            next->m_next = reversed;
            reversed = next;
            next = following;
        }
        while (reversed != nullptr) {
            T* earlier = reversed->m_next;
            reversed->m_next = nullptr;
            delete reversed;
            reversed = earlier;
        }
    }

    // Sets every successor's back link (after a chain was loaded).
    static void LinkBack(T* record) {
        for (T* at = record; at->m_next != nullptr; at = at->m_next) at->m_next->m_previous = at;
    }
};
