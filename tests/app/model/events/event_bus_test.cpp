// The event bus: order, re-entrancy, receivers that come and go during a
// broadcast.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "model/events/event_client.h"
#include "model/events/event_codes.h"
#include "model/events/event_receiver.h"

namespace {

std::vector<std::string> g_calls;

class Receiver : public event_client {
public:
    explicit Receiver(std::string name, std::function<void(unsigned)> action = {})
        : m_name(std::move(name)), m_action(std::move(action)) {}
    void OnEvent(unsigned code, std::uintptr_t p1, std::uintptr_t p2, std::uintptr_t p3) override {
        EXPECT_EQ(p1 + p2 + p3, 0u);
        g_calls.push_back(m_name + ":" + std::to_string(code));
        if (m_action) m_action(code);
    }

private:
    std::string m_name;

public:
    std::function<void(unsigned)> m_action;
};

class EventBus : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(EventBusHead(), nullptr);
        g_calls.clear();
    }
    void TearDown() override { EXPECT_EQ(EventBusHead(), nullptr); }
};

TEST_F(EventBus, CallsReceiversInJoinOrder) {
    Receiver a("a");
    Receiver b("b");
    {
        Receiver c("c");
        EXPECT_EQ(EventBusHead(), &a);
        EXPECT_EQ(a.GetNext(), &b);
        EXPECT_EQ(b.GetNext(), &c);
        BroadcastEvent(EV_CASE_MODIFIED);
    }
    BroadcastEvent(EV_UPDATE_TABLE);
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"a:33025", "b:33025", "c:33025", "a:32774", "b:32774"}));
}

TEST_F(EventBus, HandlerMayBroadcastAgain) {
    Receiver a("a", [](unsigned code) {
        if (code == EV_UPDATE_ANALYSIS) BroadcastEvent(EV_UPDATE_TABLE);
    });
    Receiver b("b");
    BroadcastEvent(EV_UPDATE_ANALYSIS);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"a:33022", "a:32774", "b:32774", "b:33022"}));
}

TEST_F(EventBus, ReceiverMayDestroyItselfDuringABroadcast) {
    auto* self = new Receiver("self");
    Receiver after("after");
    self->m_action = [self](unsigned) { delete self; };
    BroadcastEvent(EV_CASE_MODIFIED);
    BroadcastEvent(EV_CASE_MODIFIED);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"self:33025", "after:33025", "after:33025"}));
}

TEST_F(EventBus, ReceiverDestroyedAheadOfTheWalkIsSkipped) {
    std::unique_ptr<Receiver> doomed;
    Receiver first("first", [&doomed](unsigned) { doomed.reset(); });
    doomed = std::make_unique<Receiver>("doomed");
    Receiver last("last");
    BroadcastEvent(EV_UPDATE_ANALYSIS);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"first:33022", "last:33022"}));
}

TEST_F(EventBus, NestedBroadcastThatRemovesTheOuterWalksNextReceiver) {
    std::unique_ptr<Receiver> second;
    Receiver first("first", [](unsigned code) {
        if (code == EV_UPDATE_ANALYSIS) BroadcastEvent(EV_UPDATE_TABLE);
    });
    second = std::make_unique<Receiver>("second", [&second](unsigned code) {
        if (code == EV_UPDATE_TABLE) second.reset();
    });
    Receiver third("third");
    BroadcastEvent(EV_UPDATE_ANALYSIS);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"first:33022", "first:32774", "second:32774",
                                                 "third:32774", "third:33022"}));
}

TEST_F(EventBus, ReceiverJoiningDuringABroadcastWaitsForTheNextOne) {
    std::unique_ptr<Receiver> late;
    Receiver maker("maker", [&late](unsigned) {
        if (!late) late = std::make_unique<Receiver>("late");
    });
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    BroadcastEvent(EV_UPDATE_MATERIA_MEDICA);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"maker:33024", "maker:33024", "late:33024"}));
    late.reset();
}

TEST_F(EventBus, ExceptionFromAHandlerLeavesTheBusUsable) {
    Receiver thrower("thrower", [](unsigned code) {
        if (code == EV_CASE_MODIFIED) throw std::runtime_error("handler failed");
    });
    Receiver other("other");
    EXPECT_THROW(BroadcastEvent(EV_CASE_MODIFIED), std::runtime_error);
    BroadcastEvent(EV_UPDATE_TABLE);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"thrower:33025", "thrower:32774", "other:32774"}));
    bool lockable = false;
    std::thread([&lockable] {  // another thread would block on a lock left held
        lockable = EventBusLock().try_lock();
        if (lockable) EventBusLock().unlock();
    })
        .join();
    EXPECT_TRUE(lockable);
}

// The receiver every window owns: joins when made, hands each code to its
// function, leaves when destroyed.
TEST_F(EventBus, FunctionReceiversJoinAndLeaveWithTheirOwner) {
    std::vector<unsigned> heard;
    auto receiver = std::make_unique<CEventReceiver>([&heard](unsigned code) {
        heard.push_back(code);
    });
    CEventReceiver silent({});  // no function: hears nothing, breaks nothing
    BroadcastEvent(EV_UPDATE_ANALYSIS);
    receiver.reset();
    BroadcastEvent(EV_CASE_MODIFIED);
    EXPECT_EQ(heard, std::vector<unsigned>{EV_UPDATE_ANALYSIS});
    EXPECT_EQ(EventBusHead(), &silent);
}

}  // namespace
