// A receiver on the event bus that hands every event to a function: a window
// owns one and joins the bus when it is made (the receiver joins when it is
// constructed and leaves when it is destroyed, event_client.h).
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "model/events/event_client.h"

class CEventReceiver : public event_client {
public:
    using Handler = std::function<void(unsigned code)>;

    // Joins the bus at the tail; `handler` is called for every broadcast.
    explicit CEventReceiver(Handler handler) : m_handler(std::move(handler)) {}

    void OnEvent(unsigned code, std::uintptr_t, std::uintptr_t, std::uintptr_t) override {
        if (m_handler) m_handler(code);
    }

private:
    Handler m_handler;
};
