// The demo's fighters as a fight ends: the attack that kills a creature still reaches its
// scripts in the frames after, and a dead creature's scripts give no orders, which it could
// not take; a living scientist still turns on whoever attacked him.
#include "Library/scripts/entity_ref.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/demo_game.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace testsupport;

constexpr int kFramesAfter = 40; // past an idle script's half-second look round
constexpr uint32_t kHostileSide = 200;

class DemoFight : public DemoGame {
protected:
    static SoldierEntity* Named(const char* name) {
        return static_cast<SoldierEntity*>(g_entityMgr->FindByName(Entity::kTypeSoldier, name));
    }
    // The leader beside the creature, attacking it; a lethal hit when kill is set.
    void Attack(SoldierEntity& creature, bool kill) {
        ASSERT_TRUE(TeleportEntity(*Leader(), creature.GetPosition() + Vector(2, 0, 0)));
        Leader()->RecordAttackOn(&creature, 0);
        if (kill)
            creature.OnEvent(SoldierEntity::kEventHit,
                             static_cast<int>(Creature::Of(&creature)->GetData().GetHitPoints()) +
                                 1,
                             1, Leader());
    }
};

TEST_F(DemoFight, AScientistTurnsOnHisAttackerAndTheDeadAttackNoOne) {
    StartOnDemoMap();
    SoldierEntity* scientist = Named("scimale_neutral");
    ASSERT_NE(scientist, nullptr);
    ASSERT_NE(scientist->GetRef().GetSide(), kHostileSide);
    Attack(*scientist, false);
    Frames(3);
    EXPECT_EQ(scientist->GetRef().GetSide(), kHostileSide);
    EXPECT_TRUE(scientist->IsAlive());

    for (const char* name : {"scimale_hostile", "scimale_brute"}) {
        SoldierEntity* fighter = Named(name);
        ASSERT_NE(fighter, nullptr) << name;
        testing::internal::CaptureStderr();
        Attack(*fighter, true);
        Frames(kFramesAfter);
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(fighter->IsAlive()) << name;
        EXPECT_EQ(said.find("ACTION CALL FAILED"), std::string::npos) << name << ": " << said;
    }
}

} // namespace
