// A creature's scripts in the running game ready and reload a pistol from the bullets in its
// pack, and the pack's reloads beneath them: the demo's trader, who carries twenty clips,
// given a pistol with an empty magazine.
#include "Source/scripting/creature_item_functions.h"

#include "Source/creatures/action_timer.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/entities/container_entity.h"
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
    // rounds: what a clip has left, when not whole; it then stacks only with its like.
    ItemEntity* Give(const char* name, int rounds = 0) {
        ItemEntity* item = nullptr;
        ItemEntity* carried = nullptr;
        EXPECT_TRUE(Entity::AsItem(g_entityMgr->CreateEntity(0, 0, 0, Entity::kTypeItem), &item) &&
                    item->LoadByName(name))
            << name;
        if (rounds > 0)
            item->SetCount(rounds);
        EXPECT_TRUE(Inventory().AddItem(item, carried)) << name;
        return carried;
    }
    // The clips in the pack with this many rounds left.
    int ClipsWith(int rounds) {
        const ContainerEntity& pack = Inventory().GetBackpack();
        int clips = 0;
        for (int index = 0; index < pack.CountHeld(); ++index) {
            const ItemEntity* item = pack.GetItemAt(index);
            if (item->GetTemplateName() == "bullets" && item->GetCount() == rounds)
                clips += item->GetStackSize();
        }
        return clips;
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

// An opened clip goes back to the pack as a stack of its own, listed first: a reload spends
// it before a whole one. A full pistol takes nothing and costs no time.
TEST_F(ScriptedWeapons, AReloadSpendsTheOpenedClipFirstAndAFullPistolNoTime) {
    Give("bullets", 3);
    ASSERT_TRUE(m_trader->ChargeItemUseTime(m_pistol));
    EXPECT_EQ(m_pistol->GetCount(), 3);
    EXPECT_EQ(ClipsWith(3), 0);
    EXPECT_EQ(ClipsWith(10), 20);

    ASSERT_TRUE(m_trader->ChargeItemUseTime(m_pistol));
    ASSERT_TRUE(m_pistol->IsFull());
    EXPECT_EQ(ClipsWith(10), 19);
    EXPECT_EQ(ClipsWith(3), 1);
    const ActionTimer& timer = Creature::Of(m_trader)->GetData().GetTimer();
    const float charged = timer.GetSeconds();
    ASSERT_GT(charged, 0.0f);
    EXPECT_FALSE(m_trader->ChargeItemUseTime(m_pistol));
    EXPECT_EQ(timer.GetSeconds(), charged);
    EXPECT_EQ(ClipsWith(10), 19);
    EXPECT_EQ(ClipsWith(3), 1);
}

// Two half clips make a full pistol: the pack loads it until nothing more goes in.
TEST_F(ScriptedWeapons, ThePackLoadsAWeaponUntilNothingMoreGoesIn) {
    Give("bullets", 5);
    ASSERT_EQ(Give("bullets", 5)->GetStackSize(), 2);
    ContainerEntity& pack = Inventory().GetBackpack();
    EXPECT_TRUE(pack.MoveItemToB(m_pistol));
    EXPECT_TRUE(m_pistol->IsFull());
    EXPECT_EQ(ClipsWith(5), 0);
    EXPECT_EQ(ClipsWith(10), 20);
    EXPECT_FALSE(pack.MoveItemToB(m_pistol));
}

} // namespace
