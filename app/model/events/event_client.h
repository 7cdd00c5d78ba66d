// The event bus: one program-wide list of receivers.  A receiver joins the
// tail of the list when it is constructed and leaves when it is destroyed; a
// broadcast calls every receiver's handler synchronously, in the order they
// joined, with the event code (event_codes.h) and three zero parameters.
//
// Joining, leaving and broadcasting take one program-wide re-entrant lock, so
// a handler may broadcast again (the inner broadcast runs to its end first).
// A handler may also destroy receivers, its own included: a receiver that
// leaves during a broadcast is not called afterwards, and the broadcast goes
// on with the receivers behind it.  A receiver that joins during a broadcast
// is not called by that broadcast.
//
// The program exports the list head and the lock (GetHeadPtr, GetSectionPtr;
// core/program_exports.h), returning EventBusHead() and EventBusLock().
#pragma once

#include <cstdint>
#include <mutex>

class event_client {
public:
    // Joins the bus at the tail.
    event_client();
    // Leaves the bus.
    virtual ~event_client();
    event_client(const event_client&) = delete;
    event_client& operator=(const event_client&) = delete;

    // Called for every broadcast; p1, p2 and p3 are always 0.  Does nothing
    // unless overridden.
    virtual void OnEvent(unsigned code, std::uintptr_t p1, std::uintptr_t p2, std::uintptr_t p3);

    // The receiver behind this one in the list, or null.
    event_client* GetNext() const { return m_next; }

private:
    friend void BroadcastEvent(unsigned code);

    event_client* m_next = nullptr;
    std::uint64_t m_joined = 0;  // join order, to leave out later joiners
};

// Calls every receiver's OnEvent(code, 0, 0, 0) in list order.  An exception
// from a handler ends the broadcast and reaches the caller.
void BroadcastEvent(unsigned code);

// The head of the receiver list (null when the list is empty).
event_client*& EventBusHead();

// The bus's re-entrant lock.
std::recursive_mutex& EventBusLock();
