// Doors: their records and placements, uses that switch their map object, and change orders
// that turn back from a creature in the way.
#include "Source/entities/door_entity.h"

#include "Library/graphics/animation_support.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/world/tile_map_support.h"
#include "Source/entities/entity_mgr.h"
#include "entity_fakes.h"
#include "map_object_bytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace testsupport;

constexpr uint32_t kGround[3] = {0x00000002, 0x00000100, 0}; // walkable everywhere

// The gate of five frames, each shown for no time, on a map of walkable ground.
class DoorTest : public MapDataRoot {
protected:
    void SetUp() override {
        ASSERT_TRUE(ReadBytes(MapBytes(16, 16, kGround)));
        WriteAni(m_root, "gate", "misc_1", 5, 1, 0);
        g_uniAnimationMgr = &m_pool;
    }
    void TearDown() override { g_uniAnimationMgr = nullptr; }

    // Its reference takes the map object's name.
    static Bytes GateRecord(uint32_t flags, uint32_t objectState, uint8_t frame) {
        return Concat({BarrelRecord(7, Entity::kFlagShown | flags, "pit"),
                       QueuedPart(frame, "gate", 0, "misc_1"), GateObjectRecord(objectState)});
    }
    DoorEntity* Gate(uint32_t flags, uint32_t objectState) {
        auto* gate = static_cast<DoorEntity*>(m_manager.CreateEntity(0, 0, 0, Entity::kTypeDoor));
        EXPECT_TRUE(LoadFrom(*gate, GateRecord(flags, objectState, 0)));
        return gate;
    }
    // Whether (5, 5) and (6, 5), blocked while closed, and (5, 6), blocked while open, are
    // walkable.
    std::vector<bool> Walkable() const {
        return {m_map.IsWalkable(5, 5), m_map.IsWalkable(6, 5), m_map.IsWalkable(5, 6)};
    }

    ScopedDataRoot m_root;
    UniAnimationMgr m_pool;
    CallLog m_log;
    RecordingScriptFactory m_scripts{m_log};
    RecordingMessages m_messages;
    EntityMgr m_manager{&m_map};
};

TEST_F(DoorTest, ItsRecordAndPlacementKeepTheStateItWasMovingTo) {
    const struct {
        uint32_t flags, storedFlags;
        uint8_t frame;
    } cases[] = {{BinaryEntity::kStateOpen, 0x800, 0},
                 {BinaryEntity::kStateOpening | Entity::kFlagChanging, 0xC00, 0},
                 {BinaryEntity::kStateClosing | Entity::kFlagChanging, 0x400, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.storedFlags);
        DoorEntity* gate = Gate(BinaryEntity::kStateClosed, 1);
        gate->SetFlags(Entity::kFlagShown | c.flags);
        const Bytes stored = SavedForm(*gate);
        EXPECT_EQ(stored, GateRecord(c.storedFlags, 1, 4));
        ASSERT_TRUE(LoadFrom(*gate, stored));
        EXPECT_EQ(gate->GetStateBits(), c.storedFlags & BinaryEntity::kStateMask);
        EXPECT_EQ(gate->GetFrame(), c.frame);

        gate->SetFlags(Entity::kFlagShown | c.flags);
        gate->SetPosition(Vector(4, 5, 0));
        const Bytes placement =
            WrittenBy([&](Stream& stream) { return gate->SavePlacement(stream); });
        const uint8_t open = c.frame == 0 ? 1 : 0;
        EXPECT_EQ(placement, Concat({GateObjectRecord(1), {open}}));
        auto* placed = static_cast<DoorEntity*>(m_manager.CreateEntity(0, 0, 0, 7));
        TestStream placementStream(placement);
        ASSERT_TRUE(placed->LoadPlacement(placementStream));
        EXPECT_EQ(placed->GetPosition(), Vector(4, 5, 0));
        EXPECT_EQ(placed->IsOpen(), open == 1);
    }
}

TEST_F(DoorTest, AUseSwitchesTheMapObjectAtOnceUnlessACreatureIsInTheWay) {
    DoorEntity* gate = Gate(BinaryEntity::kStateOpen, 1);
    Entity* soldier = m_manager.CreateEntity(5.5f, 6.5f, 0, Entity::kTypeSoldier);
    gate->OnEvent(BinaryEntity::kEventUse, 0, 0, soldier);
    EXPECT_EQ(m_messages.shown, (std::vector<std::string>{"Something is blocking it."}));
    soldier->SetPosition(Vector(8, 8, 0));
    gate->OnEvent(BinaryEntity::kEventUse, 0, 0, soldier);
    EXPECT_FALSE(gate->GetMapObject().IsOpen());
    EXPECT_EQ(Walkable(), (std::vector<bool>{false, false, true}));
    EXPECT_TRUE(gate->IsOpen()); // the entity keeps the state it was placed with
    EXPECT_FALSE(gate->HasPending());
}

TEST_F(DoorTest, ClosingOntoACreatureTurnsBackAtHalfWayAndEndsOpen) {
    const struct {
        bool creatureInTheWay;
        std::vector<int> frames;
        std::vector<bool> walkable;
    } cases[] = {{false, {0, 1, 2, 3, 4, 4}, {false, false, true}},
                 {true, {0, 1, 2, 1, 0, 0}, {true, true, false}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.creatureInTheWay);
        m_manager.Clear();
        DoorEntity* gate = Gate(BinaryEntity::kStateOpen, 1);
        if (c.creatureInTheWay)
            m_manager.CreateEntity(5.5f, 6.5f, 0, Entity::kTypeSoldier); // an open-state cell
        EntityOrder close;
        close.kind = BinaryEntity::kOrderChangeState;
        gate->PushOrder(close);
        std::vector<int> frames;
        for (int frame = 0; frame < 6; ++frame) {
            gate->Update(33);
            frames.push_back(gate->GetFrame());
        }
        EXPECT_EQ(frames, c.frames);
        EXPECT_EQ(gate->GetMapObject().IsOpen(), c.creatureInTheWay);
        EXPECT_EQ(Walkable(), c.walkable);
    }
}

} // namespace
