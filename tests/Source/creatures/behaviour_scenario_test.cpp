// Creatures of the demo world acting on commands on its map: the hostile scientist sent
// to attack the player walks round the house and fights until one of them dies; the
// neutral one wanders over open ground, and walks its loop of way points; the player
// walks into a spell's range to cast it.
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_behaviour.h"
#include "Source/creatures/creature_command.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/soldier_entity.h"
#include "demo_map_world.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Command = CreatureCommand;

class BehaviourScenario : public testsupport::DemoMapWorld {
protected:
    static bool HasCommand(SoldierEntity* soldier) {
        return static_cast<CreatureBehaviour*>(soldier->GetBehaviour())->GetCommand() != nullptr;
    }
    static uint8_t Status(SoldierEntity* soldier) { return soldier->GetBehaviour()->GetStatus(); }
};

TEST_F(BehaviourScenario, TheHostileSentToAttackWalksToThePlayerAndFightsUntilOneDies) {
    const Vector yard(67.5f, 26.5f, 0), behind(64.5f, 9.5f, 0);
    SoldierEntity* player = CreateCreature(*m_manager, "if_idyl_player_tutorial", yard, 0);
    SoldierEntity* scientist = CreateCreature(*m_manager, "scimale_hostile", behind, 2);
    ASSERT_NE(player, nullptr);
    ASSERT_NE(scientist, nullptr);
    ASSERT_FALSE(m_map.WalkLineB(yard, behind)); // the house is in the way

    scientist->IssueCommand(Command::kAttack, player);
    EXPECT_EQ(Status(scientist), 3);
    bool swung = false;
    float closest = (yard - behind).Length();
    EXPECT_TRUE(RunUntil(
        20000, [&] { return !HasCommand(scientist); },
        [&] {
            swung = swung || scientist->IsInState(SoldierEntity::kStateAttacking);
            closest = std::min(closest, (scientist->GetPosition() - yard).Length());
        }));
    EXPECT_TRUE(swung);
    EXPECT_LT(closest, 2.5f);
    EXPECT_TRUE(player->IsDead() || scientist->IsDead());
    EXPECT_EQ(Status(scientist), 1);
}

// Wander after wander, as a script repeats it: every walk is short, on walkable ground.
TEST_F(BehaviourScenario, TheNeutralWandersOnWalkableGround) {
    SoldierEntity* wanderer =
        CreateCreature(*m_manager, "scimale_neutral", Vector(40.5f, 30.5f, 0), 0);
    ASSERT_NE(wanderer, nullptr);
    bool onGround = true;
    int moved = 0;
    for (int wander = 0; wander < 10; ++wander) {
        const Vector from = wanderer->GetPosition();
        wanderer->IssueCommand(Command::kWander);
        EXPECT_TRUE(RunUntil(
            300, [&] { return !HasCommand(wanderer); },
            [&] { onGround = onGround && NearWalkable(wanderer->GetPosition()); }));
        EXPECT_EQ(Status(wanderer), 1);
        const float walked = (wanderer->GetPosition() - from).Length();
        EXPECT_LT(walked, 4.5f);
        moved += walked > 0.5f;
    }
    EXPECT_TRUE(onGround);
    EXPECT_GE(moved, 8);
}

TEST_F(BehaviourScenario, TheNeutralWalksItsLoopOfWayPoints) {
    const Vector points[] = {Vector(35.5f, 28.5f, 0), Vector(43.5f, 28.5f, 0),
                             Vector(43.5f, 35.5f, 0)};
    SoldierEntity* walker =
        CreateCreature(*m_manager, "scimale_neutral", Vector(36.5f, 30.5f, 0), 0);
    ASSERT_NE(walker, nullptr);
    for (const Vector& point : points)
        walker->GetWayPointMgr().Add(point);

    walker->IssueCommand(Command::kFollowWayPoints);
    std::vector<int> reached;
    RunUntil(
        2000, [&] { return reached.size() >= 5; },
        [&] {
            for (int index = 0; index < 3; ++index)
                if ((walker->GetPosition() - points[index]).Length() < 1.0f &&
                    (reached.empty() || reached.back() != index))
                    reached.push_back(index);
        });
    EXPECT_EQ(reached, (std::vector<int>{1, 2, 0, 1, 2}));
    EXPECT_TRUE(HasCommand(walker));
    EXPECT_EQ(Status(walker), 3);
}

// The magic missile of the registry, at the level the player knows it: a walk into its
// range, the cast spending one charge, and the missile's hit.
TEST_F(BehaviourScenario, ThePlayerWalksIntoRangeOfTheScientistAndCastsAtIt) {
    constexpr uint32_t kMagicMissile = 2112;
    const Vector stand(36.5f, 30.5f, 0), far(62.5f, 30.5f, 0);
    SoldierEntity* player = CreateCreature(*m_manager, "if_idyl_player_tutorial", stand, 2);
    SoldierEntity* scientist = CreateCreature(*m_manager, "scimale_hostile", far, 6);
    ASSERT_TRUE(player && scientist);
    SpellMgr& known = Creature::Of(player)->GetData().GetSpellMgr();
    const int ready = known.CountCharges(kMagicMissile, true);
    ASSERT_GT(ready, 0) << "the player knows it";
    const SpellAbility* missile = m_spells.GetAbility(kMagicMissile, player);
    ASSERT_NE(missile, nullptr);
    const float hitPoints = scientist->GetCreature()->GetHitPoints();

    player->IssueCommand(Command::kSpellTarget, missile, scientist, 1);
    bool cast = false;
    EXPECT_TRUE(RunUntil(
        1500,
        [&] { return !HasCommand(player) && scientist->GetCreature()->GetHitPoints() < hitPoints; },
        [&] { cast = cast || player->IsInState(SoldierEntity::kStateCasting); }));
    EXPECT_TRUE(cast);
    EXPECT_EQ(Status(player), 1);
    EXPECT_LT((player->GetPosition() - stand).Length(), (far - stand).Length());
    EXPECT_EQ(known.CountCharges(kMagicMissile, true), ready - 1);
}

} // namespace
