// The player's orders to the tutorial's character on the demo map: refusals in their order
// and with their texts, and the commands given through recorded creature functions.
#include "Library/geometry/map_view.h"
#include "Library/interface/mouse_mgr.h"
#include "Library/interface/mouse_position.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/spell_ability.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_fakes.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/scripting/game_virtual_machine.h"
#include "Source/world/demo_game.h"
#include "Source/world/party_cmd.h"
#include "Source/world/party_fakes.h"
#include "tools/scriptbuilder/script_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace testsupport;

constexpr uint32_t kSneak = 4001; // on the caster
constexpr Point kInventoryButton{465, 559};
constexpr Point kSecondHand{397, 298}; // on the inventory screen
constexpr Point kDone{720, 544};
constexpr Point kNextHand{594, 560};
constexpr Point kWeapon{548, 560}; // the held item's box

class PartyOrders : public DemoGame {
protected:
    void SetUp() override {
        DemoGame::SetUp();
        m_gameActions = g_partyActions;
        g_partyActions = &m_actions;
    }
    void TearDown() override {
        g_partyActions = nullptr;
        DemoGame::TearDown();
    }
    static SoldierEntity* Spawn(const char* name, const Vector& at) {
        SoldierEntity* soldier = CreateCreature(*g_entityMgr, name, at, 0);
        EXPECT_NE(soldier, nullptr) << name;
        return soldier;
    }
    static CreatureData& Data(SoldierEntity* soldier) { return Creature::Of(soldier)->GetData(); }
    // The message an order gave, or "" for none.
    std::string Said(const std::function<bool()>& order, bool expected) {
        const int before = MessageCount();
        EXPECT_EQ(order(), expected);
        return MessageCount() > before ? LastMessage() : "";
    }

    // The tutorial's pistol, dragged into a hand on the inventory screen and chosen with the
    // arrow beside the weapon's box.
    ItemEntity* TakePistolInHand() {
        ItemEntity* pistol = nullptr;
        EXPECT_TRUE(Data(Leader()).GetInventory().FindByName("pistol", pistol));
        Click(kInventoryButton);
        Frames(2);
        EXPECT_EQ(Mode(), kModeInventory);
        DragIcon(pistol->GetScreenRect(), kSecondHand);
        Frames(2);
        Click(kDone);
        Frames(2);
        EXPECT_EQ(Mode(), kModeAreaMap);
        Click(kNextHand);
        EXPECT_EQ(Leader()->GetCurrentItem(), pistol);
        return pistol;
    }
    // The weapon's box as drawn.
    std::vector<uint16_t> WeaponBox() const {
        std::vector<uint16_t> pixels;
        for (int y = 531; y < 588; ++y)
            for (int x = 511; x < 587; ++x)
                pixels.push_back(PixelAt(x, y));
        return pixels;
    }

    RecordingActions m_actions;
    PartyActions* m_gameActions = nullptr; // the running game's own
};

TEST_F(PartyOrders, AMemberThatCannotActRefusesEveryOrderWithoutAWord) {
    StartOnDemoMap();
    SoldierEntity* idyl = Leader();
    SoldierEntity* hostile = Spawn("scimale_hostile", Vector(49.5f, 50, 0));
    const std::vector<std::function<bool()>> orders = {
        [&] { return PartyCmd::ToggleRun(idyl); },
        [&] { return PartyCmd::Stop(idyl); },
        [&] { return PartyCmd::NextHand(idyl); },
        [&] { return PartyCmd::TurnPrev(idyl); },
        [&] { return PartyCmd::ReloadWeapon(idyl); },
        [&] { return PartyCmd::WalkToMouse(idyl); },
        [&] { return PartyCmd::Attack(idyl, hostile); },
        [&] { return PartyCmd::CastSpell(idyl, kSneak, nullptr, Vector()); },
        [&] { return PartyCmd::Open(idyl, hostile); },
        [&] { return PartyCmd::Talk(idyl, hostile, 5.0f); },
        [&] { return PartyCmd::UseItemOn(idyl, idyl->GetCurrentItem(), hostile); },
    };
    for (const bool gone : {true, false}) {
        if (gone)
            idyl->AddFlags(Entity::kFlagNeverSaved);
        else
            idyl->RemoveFlags(Entity::kFlagAlive | Entity::kFlagNeverSaved);
        for (size_t order = 0; order < orders.size(); ++order)
            EXPECT_EQ(Said(orders[order], false), "") << order;
    }
    EXPECT_TRUE(m_actions.done.empty());
}

// A right click on the held pistol's box loads one clip of the pack's bullets into it, a
// second finds it full.
TEST_F(PartyOrders, ARightClickOnTheHeldPistolLoadsAClipFromThePackAndASecondFindsItFull) {
    StartOnDemoMap();
    CreatureInventory& inventory = Data(Leader()).GetInventory();
    const auto clips = [&inventory] {
        ItemEntity* bullets = nullptr;
        return inventory.FindByName("bullets", bullets) ? bullets->GetStackSize() : 0;
    };
    ASSERT_EQ(clips(), 10);
    ItemEntity* pistol = TakePistolInHand();
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(pistol->IsEmpty());

    const int before = MessageCount();
    RightClick(kWeapon.x, kWeapon.y);
    EXPECT_EQ(MessageCount(), before) << LastMessage();
    EXPECT_TRUE(pistol->IsFull());
    EXPECT_EQ(clips(), 9);
    RightClick(kWeapon.x, kWeapon.y);
    EXPECT_EQ(LastMessage(), "This item is full.");
    EXPECT_EQ(clips(), 9);
}

// Loaded and shot at a creature with the attack key, the pistol plays its attack and at its
// trigger uses a round and launches its bullet; the weapon's box alone changed, and it shows
// the round gone. Nothing asks for an animation without a name.
TEST_F(PartyOrders, TheLoadedPistolShotAtACreatureUsesARoundAndLaunchesItsBullet) {
    StartOnDemoMap();
    g_partyActions = m_gameActions;
    ItemEntity* pistol = TakePistolInHand();
    ASSERT_FALSE(HasFatalFailure());
    RightClick(kWeapon.x, kWeapon.y);
    ASSERT_EQ(pistol->GetQuantity(), 10);
    SoldierEntity* hostile = Spawn("scimale_hostile", Leader()->GetPosition() + Vector(4, 0, 0));
    Frames(2);
    const std::vector<uint16_t> loaded = WeaponBox();

    testing::internal::CaptureStderr();
    Point at{};
    WorldToPixel(*g_tileMap, hostile->GetPosition(), at.x, at.y);
    MoveTo(at.x, at.y);
    Push(KeyUp(SDLK_a));
    const auto flying = [] {
        for (int slot = 0; slot < g_entityMgr->GetSlotCount(Entity::kTypeProjectile); ++slot)
            if (g_entityMgr->IsSlotUsed(Entity::kTypeProjectile, slot))
                return true;
        return false;
    };
    for (int frame = 0; frame < 100 && pistol->GetQuantity() == 10; ++frame)
        Frame();
    Frame();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(pistol->GetQuantity(), 9);
    EXPECT_TRUE(flying());
    EXPECT_TRUE(WeaponBox() != loaded) << "the box shows the round gone";
    EXPECT_EQ(said.find("/.ani"), std::string::npos) << said;
}

// Each obstacle taken away in turn uncovers the next refusal.
TEST_F(PartyOrders, RestIsRefusedForEachObstacleInItsOrderAndThenOpensTheRestScreen) {
    StartOnDemoMap();
    SoldierEntity* idyl = Leader();
    idyl->AddFlags(Entity::kFlagNeverSaved);
    g_gameMode->SetMode(kModeStoryPage);
    g_entityMgr->StartCombatCountdown();
    idyl->GetRef().SetLifeState(EntityRef::kLifeDead);
    // The map's enemies.
    Entity* hostile = g_entityMgr->FindByName(Entity::kTypeSoldier, "scimale_hostile");
    Entity* brute = g_entityMgr->FindByName(Entity::kTypeSoldier, "scimale_brute");
    ASSERT_NE(hostile, nullptr);
    ASSERT_NE(brute, nullptr);
    SoldierEntity* watcher = Spawn("scimale_neutral", Vector(49.5f, 50, 0));
    watcher->GetRef().SetLifeState(4); // away

    const std::vector<std::pair<const char*, std::function<void()>>> obstacles = {
        {"You cannot rest now.", [&] { idyl->RemoveFlags(Entity::kFlagNeverSaved); }},
        {"You can only rest when you are in a game play map.",
         [&] { g_gameMode->SetMode(kModeAreaMap); }},
        {"You cannot rest during combat.", [&] { g_entityMgr->StopCombatCountdown(); }},
        {"You cannot rest. There enemies in your area.",
         [&] {
             g_entityMgr->ReleaseEntity(hostile);
             g_entityMgr->ReleaseEntity(brute);
         }},
        {"You cannot rest. There are monsters in your area.",
         [&] { g_entityMgr->ReleaseEntity(watcher); }},
        {"You cannot rest. For you are dead.", [&] { idyl->GetRef().SetLifeState(1); }}, // living
    };
    for (const auto& [message, remove] : obstacles) {
        EXPECT_EQ(Said([&] { return PartyCmd::Rest(idyl); }, false), message);
        remove();
    }
    EXPECT_EQ(Said([&] { return PartyCmd::Rest(idyl); }, true), "");
    EXPECT_EQ(g_gameMode->GetPendingModeId(), kModeRest);
}

TEST_F(PartyOrders, AnAttackNeedsATargetFirstThenAWeaponThenAnAcceptedCommand) {
    StartOnDemoMap();
    SoldierEntity* idyl = Leader();
    SoldierEntity* hostile = Spawn("scimale_hostile", Vector(49.5f, 50, 0));
    ItemEntity* sword = idyl->GetCurrentItem();
    ASSERT_NE(sword, nullptr);
    ASSERT_TRUE(Data(idyl).GetInventory().RemoveItem(1, sword));
    EXPECT_EQ(Said([&] { return PartyCmd::Attack(idyl, nullptr); }, false),
              "You do not have a valid target.");
    const auto attack = [&] { return PartyCmd::Attack(idyl, hostile); };
    EXPECT_EQ(Said(attack, false), "You do not have a weapon equiped.");
    ItemEntity* held = nullptr;
    ASSERT_TRUE(Data(idyl).GetInventory().AddToCurrentHand(sword, held));
    m_actions.refused = {idyl};
    EXPECT_EQ(Said(attack, false), "You cannot attack that target.");
    EXPECT_EQ(g_mouseMgr->GetMode(), kCursorError);
    m_actions.refused.clear();
    EXPECT_EQ(Said(attack, true), "");
    EXPECT_EQ(m_actions.done.back(), "attack by Idyl");
}

// Through the play screen's keys "," and ".".
TEST_F(PartyOrders, TurningWrapsRoundTheEightFacings) {
    StartOnDemoMap();
    SoldierEntity* idyl = Leader();
    idyl->SetDirection(0);
    Release(SDLK_COMMA);
    EXPECT_EQ(idyl->GetDirection(), 7);
    Release(SDLK_PERIOD);
    EXPECT_EQ(idyl->GetDirection(), 0);
}

// The leader walks, whichever member was ordered; over the edge of the view nothing does.
TEST_F(PartyOrders, WalkingSendsTheLeaderToTheMouseInsideTheMapViewOnly) {
    StartOnDemoMap();
    SoldierEntity* follower = Spawn(DemoGame::kCharacter, Vector(52, 45, 0));
    ASSERT_TRUE(g_partyMgr->AddMember(follower));
    const Rect& view = g_tileMap->GetViewRect();
    g_mouseX = view.x2 + 1;
    g_mouseY = view.y1;
    EXPECT_FALSE(PartyCmd::WalkToMouse(follower));
    EXPECT_TRUE(m_actions.done.empty());
    g_mouseX = (view.x1 + view.x2) / 2;
    g_mouseY = (view.y1 + view.y2) / 2;
    EXPECT_TRUE(PartyCmd::WalkToMouse(follower));
    EXPECT_EQ(m_actions.done, std::vector<std::string>{"go by Idyl"});
    EXPECT_EQ(m_actions.destination, g_tileMap->MouseToWorld());
}

TEST_F(PartyOrders, AnOrderGivenWhilePausedTellsTheCharactersPlayerScript) {
    CallLog log;
    const RecordingScriptFactory scripts(log);
    StartOnDemoMap();
    SoldierEntity* hostile = Spawn("scimale_hostile", Vector(49.5f, 50, 0));
    const auto notices = [&log] {
        return std::count(log.begin(), log.end(), std::string("slot event 18 8"));
    };
    EXPECT_TRUE(PartyCmd::Attack(Leader(), hostile));
    EXPECT_EQ(notices(), 0);
    g_gameMode->SetPaused(true);
    EXPECT_TRUE(PartyCmd::Talk(Leader(), hostile, 5.0f));
    EXPECT_EQ(notices(), 1);
}

// A spell needs a ready charge and a delivery a command carries.
TEST_F(PartyOrders, ACastNeedsAReadyChargeAndAKnownDelivery) {
    StartOnDemoMap();
    SoldierEntity* idyl = Leader();
    const auto cast = [&] { return PartyCmd::CastSpell(idyl, kSneak, nullptr, Vector()); };
    EXPECT_EQ(Said(cast, false), "You don't have that spell memorised.");
    ASSERT_TRUE(Data(idyl).GetSpellMgr().Learn(kSneak, 1, 1, 1));
    EXPECT_EQ(Said(cast, true), "");
    EXPECT_EQ(m_actions.done, std::vector<std::string>{"cast by Idyl"});
    SpellAbility* sneak = g_uniSpellMgr->GetAbility(kSneak, idyl);
    sneak->Define(0, SpellAbility::kNoDelivery, kTargetLiving, 0, 0, 0.0f, 0.0f, 0.0,
                  SpellAbility::kNoProjectile, 0.0f);
    EXPECT_EQ(Said(cast, false), "");
    EXPECT_EQ(m_actions.done.size(), 1u);
}

// The party's conditions in a script reach the party itself: the leader turns when the
// party is it alone, with its sword.
TEST_F(PartyOrders, ScriptsAskThePartyItself) {
    StartOnDemoMap();
    SoldierEntity* idyl = Leader();
    idyl->SetDirection(0);
    constexpr int kMembersEqual = 22, kMemberNamed = 25, kMemberCarries = 30, kSetFacing = 10;
    for (const int members : {2, 1}) {
        ScriptBuilder script("party");
        script.Call(kNativeCondition, kMembersEqual, members)
            .Call(kNativeCondition, kMemberNamed, "if_idyl_player_tutorial.dat")
            .And()
            .Call(kNativeCondition, kMemberCarries, "sword")
            .And()
            .JumpIfFalse("end")
            .Call(kNativeAction, kSetFacing, 2)
            .Label("end")
            .End();
        GameVirtualMachine& machine = *GameVirtualMachine::Of(idyl->GetScriptSlot(0));
        ASSERT_TRUE(machine.SetProgram(script.GetHeaders(), script.GetInstructions()));
        machine.PostStartEvent();
        Frame();
        EXPECT_EQ(idyl->GetDirection(), members == 1 ? 2 : 0) << members;
    }
}

} // namespace
