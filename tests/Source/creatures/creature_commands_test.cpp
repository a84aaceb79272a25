// The commands' own decisions, one behaviour step at a time: those that end at once, the
// one-round attack against the attack that goes on, the guard's radius, taking or using
// an item once within reach, and casting once within the spell's range.
#include "Source/creatures/creature_behaviour.h"
#include "Source/creatures/spell.h"
#include "Source/creatures/spell_ability.h"
#include "Source/entities/container_map_entity.h"

#include "behaviour_world.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Command = CreatureCommand;
constexpr uint32_t kLiving = 1;

class CreatureCommandsTest : public testsupport::BehaviourWorld {
protected:
    void SetUp() override {
        BehaviourWorld::SetUp();
        m_owner = Placed(10.5f, 10.5f);
        m_weapon = Arm(m_owner);
    }
    SoldierEntity* m_owner = nullptr;
    ItemEntity* m_weapon = nullptr;
};

// Each is done on its first step, successfully, having started no walk and no blow.
TEST_F(CreatureCommandsTest, CommandsWithNothingToDoEndOnTheirFirstStep) {
    struct Case {
        const char* name;
        Vector other; // a creature of the player's side standing there
        std::function<void(SoldierEntity* owner, SoldierEntity* other, ItemEntity* weapon)> issue;
    };
    const Case cases[] = {
        {"WAIT no time", Vector(20.5f, 10.5f, 0),
         [](SoldierEntity* owner, SoldierEntity*, ItemEntity*) {
             owner->IssueCommand(Command::kWait, 0.0f);
         }},
        {"EVADE_TARG out of sight range", Vector(50.5f, 10.5f, 0),
         [](SoldierEntity* owner, SoldierEntity* other, ItemEntity*) {
             owner->IssueCommand(Command::kEvadeTarg, other, 30.0f);
         }},
        {"GO_TO_TARG already in range", Vector(12.0f, 10.5f, 0),
         [](SoldierEntity* owner, SoldierEntity* other, ItemEntity*) {
             owner->IssueCommand(Command::kGoToTarg, other, 1.0f);
         }},
        {"FOLLOW_WAY_POINTS without any", Vector(20.5f, 10.5f, 0),
         [](SoldierEntity* owner, SoldierEntity*, ItemEntity*) {
             owner->IssueCommand(Command::kFollowWayPoints);
         }},
        {"ATTACK_REEVALUATE no time", Vector(11.5f, 10.5f, 0),
         [](SoldierEntity* owner, SoldierEntity* other, ItemEntity*) {
             owner->IssueCommand(Command::kAttackReevaluate, other, 0.0f);
         }},
        {"OPEN_TARG while its change is pending", Vector(11.5f, 10.5f, 0),
         [](SoldierEntity* owner, SoldierEntity* other, ItemEntity*) {
             other->AddFlags(Entity::kFlagChanging);
             owner->IssueCommand(Command::kOpenTarg, other, 0);
         }},
        {"COLLECT_ITEM_TARG carried already", Vector(20.5f, 10.5f, 0),
         [](SoldierEntity* owner, SoldierEntity* other, ItemEntity* weapon) {
             owner->IssueCommand(Command::kCollectItemTarg, weapon, other);
         }},
    };
    for (const Case& c : cases) {
        SoldierEntity* other = Placed(c.other.x, c.other.y, kPlayerSide);
        c.issue(m_owner, other, m_weapon);
        EXPECT_EQ(Status(m_owner), 3) << c.name;
        Step(m_owner);
        EXPECT_EQ(State(m_owner), kNoCommand) << c.name;
        EXPECT_EQ(Status(m_owner), 1) << c.name;
        EXPECT_FALSE(m_owner->HasPending()) << c.name;
        m_manager.ReleaseEntity(other);
    }
}

// A blow is over once the attack action has left the creature's queue.
TEST_F(CreatureCommandsTest, OneRoundStrikesOnceWhereTheAttackStrikesUntilTheTargetDies) {
    SoldierEntity* target = Placed(11.5f, 10.5f, kPlayerSide);
    for (int id : {Command::kAttackOneRound, Command::kAttack}) {
        m_owner->IssueCommand(id, target);
        int blows = 0;
        for (int step = 0; step < 6; ++step) {
            Step(m_owner);
            if (m_owner->HasEventOfKind(SoldierEntity::kEventAttack)) {
                ++blows;
                m_owner->ClearAll();
            }
        }
        EXPECT_EQ(blows, id == Command::kAttack ? 3 : 1) << id;
        EXPECT_EQ(State(m_owner),
                  id == Command::kAttack ? static_cast<int>(Command::kStart) : kNoCommand)
            << id;
    }
    target->GetRef().SetLifeState(EntityRef::kLifeDead);
    Step(m_owner);
    EXPECT_EQ(State(m_owner), kNoCommand);
    EXPECT_EQ(Status(m_owner), 1);
}

// Only a guard standing within its radius of the point goes for the enemy, however far
// away that is; otherwise it goes back to the point, or stays when it is there already.
TEST_F(CreatureCommandsTest, AGuardAttacksFromWithinTheRadiusOfItsPoint) {
    const Vector point(30.5f, 30.5f, 0);
    SoldierEntity* enemy = Placed(30.5f, 50.5f, kPlayerSide);
    struct Case {
        Vector guard;
        float radius;
        bool enemyAbout;
        int state;
    };
    const Case cases[] = {
        {point, 2.0f, true, Command::kPathingToTarg},
        {Vector(30.5f, 35.5f, 0), 2.0f, true, Command::kReturningToTarg},
        {Vector(30.5f, 35.5f, 0), 6.0f, true, Command::kPathingToTarg},
        {Vector(30.5f, 30.9f, 0), 2.0f, false, Command::kStart},
    };
    for (const Case& c : cases) {
        enemy->GetRef().SetLifeState(c.enemyAbout ? kLiving : EntityRef::kLifeDead);
        SoldierEntity* guard = Placed(c.guard.x, c.guard.y);
        Arm(guard);
        guard->IssueCommand(Command::kProtectPoint, point, c.radius);
        Step(guard);
        EXPECT_EQ(State(guard), c.state) << c.guard.y << " " << c.radius;
        if (c.state == Command::kReturningToTarg) {
            EXPECT_EQ(guard->GetPath().GetGoal(), point);
        }
        m_manager.ReleaseEntity(guard);
    }
}

// The item leaves a creature's inventory or a chest for the collector's; one the holder
// no longer holds fails the command.
TEST_F(CreatureCommandsTest, CollectingFromAHolderMovesTheItemIntoTheCollectorsInventory) {
    enum Holder { kCreature, kChest, kNeither };
    for (Holder holder : {kCreature, kChest, kNeither}) {
        const float y = 20.5f + 5.0f * holder;
        SoldierEntity* collector = Placed(10.5f, y);
        ItemEntity* item = Make("club");
        ItemEntity* placed = nullptr;
        Entity* from = nullptr;
        if (holder == kChest) {
            auto* chest = static_cast<ContainerMapEntity*>(
                m_manager.CreateEntity(11.5f, y, 0, Entity::kTypeContainerMap));
            ASSERT_TRUE(chest->AddItem(item, placed));
            from = chest;
        } else {
            SoldierEntity* other = Placed(11.5f, y, kPlayerSide);
            if (holder == kCreature) {
                ASSERT_TRUE(DataOf(other).GetInventory().AddItem(item, placed));
            }
            from = other;
        }
        collector->IssueCommand(Command::kCollectItemTarg, item, from);
        Step(collector);
        EXPECT_EQ(Status(collector), holder == kNeither ? 0 : 1) << holder;
        EXPECT_EQ(DataOf(collector).GetInventory().Contains(item), holder != kNeither) << holder;
        EXPECT_FALSE(holder == kChest ? static_cast<ContainerMapEntity*>(from)->HasItem(item)
                                      : DataOf(from).GetInventory().Contains(item))
            << holder;
    }
}

// The item's ability is applied at the point; a use that fails fails the command.
TEST_F(CreatureCommandsTest, AnItemUsedAtAPointAppliesItsAbilityThere) {
    for (bool works : {true, false}) {
        m_delivery.calls.clear();
        m_delivery.result = works;
        m_owner->IssueCommand(Command::kUseItemPoint, m_weapon, Vector(12.5f, 10.5f, 0));
        Step(m_owner);
        EXPECT_EQ(m_delivery.calls, (std::vector<std::string>{"apply"})) << works;
        EXPECT_EQ(Status(m_owner), works ? 1 : 0);
    }
}

// Once within the spell's range of its point or target the creature casts; further away it
// walks there first. A spell for a map object fails at once without one to aim at, or
// with one without a zone.
TEST_F(CreatureCommandsTest, SpellsAreCastOnceWithinRangeOfWhatTheyAimAt) {
    constexpr float kRange = 3.0f;
    constexpr int kCreatureType = 2, kPointType = 5, kMapObjectType = 6;
    Spell spell;
    spell.SetId(7);
    const Vector near(12.5f, 10.5f, 0), far(30.5f, 10.5f, 0);
    struct Case {
        const char* name;
        int id;
        int targetType;
        Vector at; // the point, and where the target stands
        bool chest;
        int state;
        int cast; // the event posted, 0 for none
    };
    const Case cases[] = {
        {"plain", Command::kSpell, kCreatureType, far, false, Command::kCastingSpell,
         SoldierEntity::kEventCast},
        {"on a creature in range", Command::kSpellTarget, kCreatureType, near, false,
         Command::kCastingSpell, SoldierEntity::kEventCastOnTarget},
        {"on a creature out of range", Command::kSpellTarget, kCreatureType, far, false,
         Command::kPathingToTarg, 0},
        {"at a point in range", Command::kSpellPoint, kPointType, near, false,
         Command::kCastingSpell, SoldierEntity::kEventCastAtPoint},
        {"at a point out of range", Command::kSpellPoint, kPointType, far, false,
         Command::kPathingToDest, 0},
        {"at a creature in range", Command::kSpellPoint, kCreatureType, near, false,
         Command::kCastingSpell, SoldierEntity::kEventCastOnTarget},
        {"at a creature out of range", Command::kSpellPoint, kCreatureType, far, false,
         Command::kPathingToTarg, 0},
        {"at a creature's map object", Command::kSpellPoint, kMapObjectType, near, false,
         kNoCommand, 0},
        {"at a chest without a zone", Command::kSpellPoint, kMapObjectType, far, true, kNoCommand,
         0},
    };
    for (const Case& c : cases) {
        SpellAbility ability;
        ability.Define(0, SpellAbility::kOnTarget, static_cast<uint8_t>(c.targetType), 0, 0, kRange,
                       0.0f, 0.0, SpellAbility::kNoProjectile, 1.0f);
        ability.SetSpell(&spell);
        Entity* target = c.chest
                             ? m_manager.CreateEntity(c.at.x, c.at.y, 0, Entity::kTypeContainerMap)
                             : Placed(c.at.x, c.at.y, kPlayerSide);
        m_owner->IssueCommand(c.id, &ability, c.id == Command::kSpell ? CommandArg(4) : target,
                              c.id == Command::kSpellTarget ? CommandArg(4) : c.at, 1);
        Step(m_owner);
        EXPECT_EQ(State(m_owner), c.state) << c.name;
        EXPECT_EQ(m_owner->HasEventOfKind(c.cast), c.cast != 0) << c.name;
        if (c.state == kNoCommand) {
            EXPECT_EQ(Status(m_owner), 0) << c.name;
            EXPECT_FALSE(m_owner->HasPending()) << c.name;
        }
        if (c.cast != 0) { // the creature never casts here: the cast is over at once
            Step(m_owner);
            EXPECT_EQ(Status(m_owner), 1) << c.name;
        }
        m_owner->ClearCommand();
        m_manager.ReleaseEntity(target);
    }
}

} // namespace
