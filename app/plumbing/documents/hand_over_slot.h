// The program-wide hand-over slot: whoever opens an item document stores the
// item here first; the view of the new document takes it when it is created.
// The slot holds a borrowed pointer, never owns it.
#pragma once

class CHandOverSlot {
public:
    // Stores `item`, replacing whatever was stored.
    static void Put(void* item);
    // The stored item, which leaves the slot empty; null when empty.
    static void* Take();
    // The stored item, left in place.
    static void* Peek();
    static void Clear() { Put(nullptr); }

    template <class T>
    static T* TakeAs() {
        return static_cast<T*>(Take());
    }
};
