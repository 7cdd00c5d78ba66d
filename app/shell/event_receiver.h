// A receiver on the event bus that hands every event to a function: the
// windows of the shell own one each and join the bus when they are made.
#pragma once

#include <functional>

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
