#include "plumbing/documents/hand_over_slot.h"

namespace {
void* g_item = nullptr;  // user-interface thread only
}

void CHandOverSlot::Put(void* item) {
    g_item = item;
}

void* CHandOverSlot::Take() {
    void* item = g_item;
    g_item = nullptr;
    return item;
}

void* CHandOverSlot::Peek() {
    return g_item;
}
