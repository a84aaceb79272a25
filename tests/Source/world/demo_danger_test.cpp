// The demo map's one real danger: a brute in the meadow's south-west who kills a party that
// comes to him, so the game can be lost by playing, while the roads, the gate and the pond's
// sign stay out of his sight.
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/entities/creature_commands.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/party_cmd_orders.h"
#include "Source/world/demo_game.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

constexpr int kWatchFrames = 60; // he looks round twice a second
constexpr int kEnoughFrames = 1000;

class DemoDanger : public DemoGame {
protected:
    static bool IsIdle(const SoldierEntity& member) {
        const CreatureCommands* behaviour = member.GetBehaviour();
        return behaviour == nullptr || behaviour->GetStatus() != CreatureCommands::kStatusRunning;
    }
    static SoldierEntity* Brute() {
        return static_cast<SoldierEntity*>(
            g_entityMgr->FindByName(Entity::kTypeSoldier, "scimale_brute"));
    }
};

TEST_F(DemoDanger, TheBruteLeavesTheRoadsAloneAndKillsAnIdlePartyThatComesToHim) {
    StartOnDemoMap();
    SoldierEntity* brute = Brute();
    ASSERT_NE(brute, nullptr);
    const Vector lair = brute->GetPosition();
    ASSERT_TRUE(g_tileMap->IsWalkableAt(lair));
    const float full = Creature::Of(Leader())->GetData().GetHitPoints();
    // The gate, the south road near its end, the pond's sign and the east road's end.
    for (const Vector& spot :
         {Vector(49.5f, 43, 0), Vector(50, 90, 0), Vector(37.5f, 61.5f, 0), Vector(95, 60.5f, 0)}) {
        ASSERT_TRUE(TeleportEntity(*Leader(), spot));
        Frames(kWatchFrames);
        EXPECT_FALSE(brute->SeesEnemies()) << spot.x << ", " << spot.y;
        EXPECT_EQ(brute->GetPosition(), lair);
    }
    EXPECT_EQ(Creature::Of(Leader())->GetData().GetHitPoints(), full);

    ASSERT_TRUE(TeleportEntity(*Leader(), lair + Vector(7, 0, 0)));
    for (int frame = 0; frame < kEnoughFrames && Mode() == kModeAreaMap; ++frame)
        Frame();
    EXPECT_EQ(Mode(), kModeGameOver);
    EXPECT_FALSE(Leader()->IsAlive());
    EXPECT_TRUE(brute->IsAlive());
}

// He is far stronger than the character: a party of three that attacks him and attacks
// again whenever a member stands idle, seeded, still dies and leaves him standing, hurt.
TEST_F(DemoDanger, APartyThatFightsTheBruteStillLoses) {
    constexpr int kMembers = 3;
    StartOnDemoMap();
    SoldierEntity* brute = Brute();
    ASSERT_NE(brute, nullptr);
    const CreatureData& his = Creature::Of(brute)->GetData();
    EXPECT_GT(his.GetMaxHitPoints(), 4 * Creature::Of(Leader())->GetData().GetMaxHitPoints());
    for (int slot = 0; slot < kMembers; ++slot) {
        const Vector spot = brute->GetPosition() + Vector(3, slot - 1.0f, 0);
        if (slot == 0)
            ASSERT_TRUE(TeleportEntity(*Leader(), spot));
        else
            ASSERT_TRUE(g_partyMgr->AddMember(CreateCreature(*g_entityMgr, kCharacter, spot, 0)));
    }
    platform::SeedRand(3);
    PartyCmdOrders orders(*g_partyMgr);
    for (int frame = 0; frame < kEnoughFrames && Mode() == kModeAreaMap; ++frame) {
        for (int slot = 0; slot < kMembers; ++slot)
            if (SoldierEntity* member = g_partyMgr->GetSlot(slot);
                member != nullptr && member->IsAlive() && IsIdle(*member))
                orders.Attack(member, brute);
        Frame();
    }
    EXPECT_EQ(Mode(), kModeGameOver);
    EXPECT_TRUE(brute->IsAlive());
    EXPECT_LT(his.GetHitPoints(), his.GetMaxHitPoints()) << "the party fought back";
}

} // namespace
