// The demo world's scientists on its map answer what happens to them through their
// scripts: a start line, turning on an attacker, a last word told around, a greeting; and
// one made where another was freed, through its own scripts only.
#include "Library/geometry/directions.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_behaviour.h"
#include "Source/creatures/creature_command.h"
#include "Source/creatures/demo_map_world.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/script_machine.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/game_virtual_machine.h"
#include "Source/scripting/script_fakes.h"
#include "platform/win_rand.h"
#include "tools/scriptbuilder/script_builder.h"

#include <algorithm>

namespace {

class DemoCreatureScripts : public testsupport::DemoMapWorld {
protected:
    DemoCreatureScripts() : m_previousParts(&GetSoldierPartsFactory()) {
        SetSoldierPartsFactory(&m_parts);
    }
    ~DemoCreatureScripts() override { SetSoldierPartsFactory(m_previousParts); }

    // The fights' rolls are the test's own, not what the tests run before it in the program
    // left of the generator.
    void SetUp() override {
        DemoMapWorld::SetUp();
        platform::SeedRand(kSeed);
    }

    static const std::vector<std::string>& Said(SoldierEntity* soldier) {
        return static_cast<testsupport::FakeBubble&>(soldier->GetSpeechBubble()).said;
    }
    static bool Attacking(SoldierEntity* soldier) {
        const CreatureCommand* command =
            static_cast<CreatureBehaviour*>(soldier->GetBehaviour())->GetCommand();
        return command != nullptr && command->GetId() == kAttackCommand;
    }
    // Whom the creature was last attacked by.
    static const Stringc& AttackedBy(SoldierEntity* soldier) {
        return Creature::Of(soldier)->GetTargets().GetSlot(0).GetName();
    }
    static bool Has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

private:
    static constexpr uint32_t kAttackCommand = 3;
    static constexpr unsigned kSeed = 1;

    testsupport::SpeakingCreatureFactory m_parts;
    const SoldierPartsFactory* m_previousParts;
};

TEST_F(DemoCreatureScripts, TheScientistsAnswerTheirStartAttackDeathAndDialogue) {
    const Vector stand(60.5f, 26.5f, 0), close(61.5f, 26.5f, 0), near(63.5f, 27.5f, 0);
    SoldierEntity* player = CreateCreature(*m_manager, "if_idyl_player_tutorial", stand, 2);
    SoldierEntity* scientist = CreateCreature(*m_manager, "scimale_hostile", close, 6);
    SoldierEntity* bystander = CreateCreature(*m_manager, "scimale_neutral", near, 2);
    ASSERT_TRUE(player && scientist && bystander);
    RunUntil(5, [] { return false; });
    EXPECT_TRUE(Has(Said(scientist), "say Back to work."));
    EXPECT_TRUE(Has(Said(bystander), "say Back to work."));
    EXPECT_TRUE(Said(player).empty()) << "the player's character says nothing";

    // Spoken to, the bystander turns from the right to the one it met and greets.
    ASSERT_EQ(bystander->GetDirection(), 2);
    Creature::Of(bystander)->RecordContact(player->GetRef());
    for (int slot = 0; slot < SoldierEntity::kEventSlots; ++slot)
        bystander->GetScriptSlot(slot).PostDialogueEvent();
    RunUntil(2, [] { return false; });
    EXPECT_TRUE(Has(Said(bystander), "say Mind the experiments."));
    EXPECT_EQ(bystander->GetDirection(),
              AngleToDir8((player->GetPosition() - bystander->GetPosition()).Heading()));

    // Attacked, the scientist cries out and attacks its attacker; dying, it says its last
    // word and tells those around. Whatever the rolls, it outlasts the first blow (a sword's
    // doubled at most 18) and the player's character the fight.
    Creature::Of(scientist)->GetData().SetMaxHitPoints(40);
    Creature::Of(scientist)->GetData().AddHitPoints(40);
    Creature::Of(player)->GetData().SetMaxHitPoints(200);
    Creature::Of(player)->GetData().AddHitPoints(200);
    const auto strike = [&] {
        if (!player->HasPending() && !scientist->IsDead())
            player->OnEvent(SoldierEntity::kEventAttack, scientist, 0, 0);
    };
    EXPECT_FALSE(Attacking(scientist));
    ASSERT_TRUE(RunUntil(
        3000, [&] { return AttackedBy(scientist) == player->GetRef().GetName(); }, strike));
    EXPECT_TRUE(RunUntil(
        300,
        [&] { return Attacking(scientist) && AttackedBy(player) == scientist->GetRef().GetName(); },
        strike));
    EXPECT_TRUE(Has(Said(scientist), "say You will pay for that!"));
    EXPECT_TRUE(RunUntil(
        3000, [&] { return Has(Said(scientist), "say Aargh..."); }, strike));
    const EntityRef& toldOf = Creature::Of(bystander)->GetTargets().GetSlot(5); // shouts
    EXPECT_STREQ(toldOf.GetName().c_str(), scientist->GetRef().GetName().c_str());
}

// A scientist whose script in the slot that hears its hits and attack orders cries out is
// freed; another, made in its pool slot, has no script there: ordered to attack and struck,
// it says nothing of the first one's.
TEST_F(DemoCreatureScripts, OneMadeInAFreedSlotHearsItsHitsAndOrdersOnlyThroughItsOwnScripts) {
    const Vector stand(60.5f, 26.5f, 0), close(61.5f, 26.5f, 0);
    SoldierEntity* player = CreateCreature(*m_manager, "if_idyl_player_tutorial", stand, 2);
    SoldierEntity* first = CreateCreature(*m_manager, "scimale_hostile", close, 6);
    ASSERT_TRUE(player && first);
    ScriptBuilder cry("cry");
    cry.Call(kNativeAction, 3, "Not me!").End();
    ASSERT_TRUE(GameVirtualMachine::Of(first->GetScriptSlot(SoldierEntity::kEventSlot))
                    ->SetProgram(cry.GetHeaders(), cry.GetInstructions()));
    first->OnEvent(SoldierEntity::kEventAttack, player, 0, 0);
    ASSERT_TRUE(Has(Said(first), "say Not me!"));
    m_manager->ReleaseEntity(first);

    SoldierEntity* second = CreateCreature(*m_manager, "scimale_neutral", close, 6);
    ASSERT_EQ(second, first) << "made in the freed slot";
    second->OnEvent(SoldierEntity::kEventAttack, player, 0, 0);
    EXPECT_FALSE(Has(Said(second), "say Not me!")) << "ordered to attack";
    EXPECT_TRUE(RunUntil(
        3000, [&] { return AttackedBy(second) == player->GetRef().GetName(); },
        [&] {
            if (!player->HasPending())
                player->OnEvent(SoldierEntity::kEventAttack, second, 0, 0);
        }));
    EXPECT_FALSE(Has(Said(second), "say Not me!")) << "struck";
}

} // namespace
