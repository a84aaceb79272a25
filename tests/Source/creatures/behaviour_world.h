#pragma once
// Creatures with behaviours on the meadow, and what the tests ask of them: a creature put
// on the map, armed; one step of its behaviour or frames of the whole region; its status
// and the state of its command.

#include "Source/creatures/creature_behaviour.h"
#include "Source/creatures/creature_command.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/creature_placement.h"
#include "item_world.h"

namespace testsupport {

class BehaviourWorld : public ItemWorld {
protected:
    static constexpr uint32_t kFrameMs = 33;
    static constexpr int kNoCommand = -1;

    void SetUp() override {
        ItemWorld::SetUp();
        Define("club", ItemEntity::kClassWeapon,
               [](ItemEntity& item) { AddAbility(item, kAbilityDirect, 5); });
    }

    // Living, with 10 hit points.
    SoldierEntity* Placed(float x, float y, uint32_t side = kHostileSide) {
        SoldierEntity* soldier = Soldier(x, y, side);
        DataOf(soldier).SetMaxHitPoints(10);
        DataOf(soldier).AddHitPoints(10);
        EXPECT_TRUE(AddEntityToMap(*soldier, Vector(x, y, 0)));
        return soldier;
    }
    ItemEntity* Arm(SoldierEntity* soldier, const char* weapon = "club") {
        ItemEntity* held = nullptr;
        EXPECT_TRUE(DataOf(soldier).GetInventory().AddToCurrentHand(Make(weapon), held));
        return held;
    }
    // Cells that neither walk nor see through.
    void Wall(int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) {
                m_map.SetTileType(x, y, TileRecord::kSightBlockingType);
                m_map.SetWalkable(x, y, false);
            }
    }

    static CreatureBehaviour& BehaviourOf(SoldierEntity* soldier) {
        return static_cast<CreatureBehaviour&>(*soldier->GetBehaviour());
    }
    static uint8_t Status(SoldierEntity* soldier) { return soldier->GetBehaviour()->GetStatus(); }
    static int State(SoldierEntity* soldier) {
        const CreatureCommand* command = BehaviourOf(soldier).GetCommand();
        return command ? static_cast<int>(command->GetState()) : kNoCommand;
    }
    // The behaviour alone, as the soldier's frame ends with it.
    static void Step(SoldierEntity* soldier, int steps = 1) {
        for (int step = 0; step < steps; ++step)
            soldier->GetBehaviour()->Update();
    }
    // Whole frames of the region until the soldier's command has gone; whether it went.
    bool RunUntilDone(SoldierEntity* soldier, int frames) {
        for (int frame = 0; frame < frames && State(soldier) != kNoCommand; ++frame)
            m_manager.Update(kFrameMs);
        return State(soldier) == kNoCommand;
    }
};

} // namespace testsupport
