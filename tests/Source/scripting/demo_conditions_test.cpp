// A script on the demo map: the scientist turns round when it finds the player standing
// behind it, facing the way it faces.
#include "Source/creatures/demo_map_world.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/game_virtual_machine.h"
#include "tools/scriptbuilder/script_builder.h"

namespace {

constexpr int kNorth = 0;
constexpr int kSouth = 4;

using DemoMapConditions = testsupport::DemoMapWorld;

TEST_F(DemoMapConditions, TheScientistTurnsToThePlayerBehindItFacingItsWay) {
    const Vector behind(45.5f, 28.5f, 0);
    SoldierEntity* scientist =
        CreateCreature(*m_manager, "scimale_hostile", Vector(45.5f, 30.5f, 0), kSouth);
    SoldierEntity* player = CreateCreature(*m_manager, "if_idyl_player_tutorial", behind, kSouth);
    ASSERT_TRUE(scientist != nullptr && player != nullptr);
    ASSERT_EQ(player->GetPosition(), behind);
    EntityRef named, self;
    named.SetName(player->GetRef().GetName());
    self.AddToList(1);
    // Within three cells behind it, facing its way and alive; a draw that always holds and a
    // count that never does.
    ScriptBuilder script("turn");
    script.Call(kNativeCondition, 70, named, self, 3.0, 90)
        .Call(kNativeCondition, 49, 2, 1)
        .And()
        .Call(kNativeCondition, 37, named, 2)
        .Not()
        .And()
        .Call(kNativeCondition, 5, named)
        .And()
        .JumpIfFalse("end")
        .Call(kNativeAction, 10, kNorth)
        .Label("end")
        .End();
    GameVirtualMachine& machine = *GameVirtualMachine::Of(scientist->GetScriptSlot(0));
    ASSERT_TRUE(machine.SetProgram(script.GetHeaders(), script.GetInstructions()));
    machine.PostStartEvent();
    m_manager->Update(kFrameMs);
    EXPECT_EQ(scientist->GetDirection(), kNorth);
}

} // namespace
