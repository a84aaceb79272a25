// A creature's scripts in the running game ready and reload a pistol from the bullets in its
// pack: the demo's trader, who carries twenty clips, given a pistol with an empty magazine.
#include "Source/scripting/creature_item_functions.h"

#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"
#include "Source/scripting/game_virtual_machine.h"
#include "Source/world/demo_game.h"
#include "tools/scriptbuilder/script_builder.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

constexpr int kHandsEmptyOrItemEmpty = 56; // conditions
constexpr int kHasAmmunition = 57;
constexpr int kReadyWeaponFirst1 = 66; // an action

class ScriptedWeapons : public DemoGame {
protected:
    void SetUp() override {
        DemoGame::SetUp();
        StartOnDemoMap();
        m_trader = CreateCreature(*g_entityMgr, "trader", Vector(49.5f, 50, 0), 0);
        ASSERT_NE(m_trader, nullptr);
        ASSERT_EQ(Clips(), 20);
        m_pistol = Give("pistol");
        ASSERT_TRUE(m_pistol->IsEmpty());
    }
    CreatureInventory& Inventory() { return Creature::Of(m_trader)->GetData().GetInventory(); }
    ItemEntity* Give(const char* name) {
        ItemEntity* item = nullptr;
        ItemEntity* carried = nullptr;
        EXPECT_TRUE(Entity::AsItem(g_entityMgr->CreateEntity(0, 0, 0, Entity::kTypeItem), &item) &&
                    item->LoadByName(name) && Inventory().AddItem(item, carried))
            << name;
        return carried;
    }
    int Clips() {
        ItemEntity* bullets = nullptr;
        return Inventory().FindByName("bullets", bullets) ? bullets->GetStackSize() : 0;
    }
    // The script runs from the trader's first slot on its start event.
    void Run(const ScriptBuilder& script) {
        GameVirtualMachine& machine = *GameVirtualMachine::Of(m_trader->GetScriptSlot(0));
        ASSERT_TRUE(machine.SetProgram(script.GetHeaders(), script.GetInstructions()));
        machine.PostStartEvent();
        Frames(3);
    }

    SoldierEntity* m_trader = nullptr;
    ItemEntity* m_pistol = nullptr;
};

// Readied, the pistol is loaded with one clip and taken into a hand; once the pack holds no
// more bullets, the rounds in its magazine keep it ready, though a sword is carried too.
TEST_F(ScriptedWeapons, ACreatureReadiesItsPistolLoadedAndKeepsItWhileItHoldsRounds) {
    ScriptBuilder ready("ready");
    ready.Call(kNativeAction, kReadyWeaponFirst1).End();
    Run(ready);
    EXPECT_EQ(m_trader->GetCurrentItem(), m_pistol);
    EXPECT_TRUE(m_pistol->IsFull());
    EXPECT_EQ(Clips(), 19);

    ItemEntity* bullets = nullptr;
    ASSERT_TRUE(Inventory().FindByName("bullets", bullets));
    ASSERT_TRUE(Inventory().RemoveItem(bullets->GetStackSize(), bullets));
    g_entityMgr->ReleaseEntity(bullets);
    Give("sword");
    Run(ready);
    EXPECT_EQ(m_trader->GetCurrentItem(), m_pistol);
}

// The usual reload: the weapon in hand is empty and the pack holds what it takes.
TEST_F(ScriptedWeapons, AScriptReloadsTheEmptyPistolInHandFromThePack) {
    ItemEntity* held = nullptr;
    ASSERT_TRUE(Inventory().AddToSlot(m_pistol, 1, Inventory().GetCurrentHand(), held));
    ScriptBuilder reload("reload");
    reload.Call(kNativeCondition, kHandsEmptyOrItemEmpty)
        .Call(kNativeCondition, kHasAmmunition)
        .And()
        .JumpIfFalse("end")
        .Call(kNativeAction, kReadyWeaponFirst1)
        .Label("end")
        .End();
    Run(reload);
    EXPECT_EQ(m_trader->GetCurrentItem(), held);
    EXPECT_TRUE(held->IsFull());
    EXPECT_EQ(Clips(), 19);
}

} // namespace
