#include "model/events/event_client.h"

namespace {

// One running broadcast: the receiver it calls next.  Broadcasts nest (a
// handler may broadcast), so the running ones form a stack, innermost first.
struct Walk {
    event_client* next;
    std::uint64_t lastJoined;
    Walk* outer;
};

Walk*& RunningWalks() {
    static Walk* walks = nullptr;
    return walks;
}

std::uint64_t& JoinCounter() {
    static std::uint64_t counter = 0;
    return counter;
}

}  // namespace

event_client*& EventBusHead() {
    static event_client* head = nullptr;
    return head;
}

std::recursive_mutex& EventBusLock() {
    static std::recursive_mutex lock;
    return lock;
}

event_client::event_client() {
    std::lock_guard<std::recursive_mutex> guard(EventBusLock());
    m_joined = ++JoinCounter();
    event_client** slot = &EventBusHead();
    while (*slot != nullptr) slot = &(*slot)->m_next;
    *slot = this;
}

event_client::~event_client() {
    std::lock_guard<std::recursive_mutex> guard(EventBusLock());
    for (event_client** slot = &EventBusHead(); *slot != nullptr; slot = &(*slot)->m_next) {
        if (*slot == this) {
            *slot = m_next;
            break;
        }
    }
    // A running broadcast about to call this receiver goes on behind it.
    for (Walk* walk = RunningWalks(); walk != nullptr; walk = walk->outer) {
        if (walk->next == this) walk->next = m_next;
    }
}

void event_client::OnEvent(unsigned, std::uintptr_t, std::uintptr_t, std::uintptr_t) {}

void BroadcastEvent(unsigned code) {
    std::lock_guard<std::recursive_mutex> guard(EventBusLock());
    Walk walk{EventBusHead(), JoinCounter(), RunningWalks()};
    RunningWalks() = &walk;
    struct Pop {
        Walk& walk;
        ~Pop() { RunningWalks() = walk.outer; }
    } pop{walk};
    while (walk.next != nullptr) {
        event_client* current = walk.next;
        walk.next = current->m_next;
        if (current->m_joined > walk.lastJoined) continue;
        current->OnEvent(code, 0, 0, 0);
    }
}
