// Queued entities: events become orders, orders run one at a time.
#include "Source/entities/queued_entity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Event kind k becomes order kind k + 100; an order of kind 1xx runs until it has run
// `frames` times. Every call is logged.
class ScriptedEntity : public QueuedEntity {
public:
    bool IsIdle() override { return !HasCurrentOrder() || m_runs >= frames; }
    void LoadAnimations() override { log.push_back("animations"); }
    void NextOrder() override {
        QueuedEntity::NextOrder();
        m_runs = 0;
        log.push_back(HasCurrentOrder() ? "take " + std::to_string(GetCurrentOrder()->kind)
                                        : "take none");
    }
    void HandleEvent(const EntityEvent& event) override {
        log.push_back("event " + std::to_string(event.kind));
        EntityOrder order;
        order.kind = static_cast<uint8_t>(event.kind + 100);
        order.target = event.target;
        PushOrder(order);
    }
    void RunOrder() override {
        ++m_runs;
        log.push_back(HasCurrentOrder() ? "run " + std::to_string(GetCurrentOrder()->kind)
                                        : "run none");
    }

    int frames = 1;
    std::vector<std::string> log;

private:
    int m_runs = 0;
};

EntityEvent Event(int kind) {
    EntityEvent event;
    event.kind = static_cast<uint8_t>(kind);
    return event;
}

using Log = std::vector<std::string>;

TEST(QueuedEntity, EventsBecomeOrdersTheNextFrameAndWaitTheirTurn) {
    ScriptedEntity entity;
    entity.Init();
    entity.Update(10);
    EXPECT_EQ(entity.log, (Log{"take none", "run none"})); // idle: no order to run
    entity.log.clear();

    entity.frames = 2;
    entity.PushEvent(Event(1));
    entity.PushEvent(Event(2));
    for (int frame = 0; frame < 4; ++frame)
        entity.Update(10);
    EXPECT_EQ(entity.log, (Log{"event 1", "event 2", "take 101", "run 101", "run 101", "take 102",
                               "run 102", "run 102"}));
    EXPECT_TRUE(entity.HasOrderOfKind(102));
    EXPECT_FALSE(entity.HasOrderOfKind(101));
}

// The queue hands its popped entries out again: the order being run must not change when
// later orders are queued behind it.
TEST(QueuedEntity, TheCurrentOrderOutlivesAnyNumberOfLaterPushes) {
    ScriptedEntity entity;
    entity.Init();
    entity.frames = 1000;
    for (int i = 0; i < 4; ++i)
        entity.PushEvent(Event(i));
    entity.Update(10);
    entity.frames = 0; // the three left become current in turn
    for (int frame = 0; frame < 3; ++frame)
        entity.Update(10);
    entity.frames = 1000;
    ASSERT_EQ(entity.GetCurrentOrder()->kind, 103);
    for (int i = 0; i < 30; ++i)
        entity.PushOrder(EntityOrder{});
    EXPECT_EQ(entity.GetCurrentOrder()->kind, 103);
}

TEST(QueuedEntity, AnUnchangedStateLoadsNoAnimation) {
    ScriptedEntity entity;
    entity.Init();
    entity.SetState(0);
    EXPECT_TRUE(entity.log.empty());
    entity.SetState(3);
    entity.SetState(3);
    EXPECT_EQ(entity.log, (Log{"animations"}));
    EXPECT_EQ(entity.GetState(), 3);
}

TEST(QueuedEntity, ClearAllDropsTheCurrentOrderAndBothQueues) {
    ScriptedEntity entity;
    entity.Init();
    entity.frames = 10;
    entity.PushEvent(Event(1));
    entity.Update(10);
    entity.PushOrder(EntityOrder{});
    entity.PushEvent(Event(2));
    ASSERT_TRUE(entity.HasPending());
    EXPECT_TRUE(entity.HasOrderOrEventOfKind(2, 200));
    entity.ClearAll();
    EXPECT_FALSE(entity.HasPending());
    EXPECT_EQ(entity.GetCurrentOrder(), nullptr);
}

} // namespace
