// Party members freed by a script, their own or one naming them: the party forgets them as
// if they had left, without a word; a creature made next in a freed slot is a stranger to
// it, the oldest member left leads, and a map left with no member ends the game.
#include "Library/scripts/entity_ref.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/game_play_panel.h"
#include "demo_script_game.h"

using namespace testsupport;

namespace {

const char* const kNeutral = "scimale_neutral";
const char* const kHostile = "scimale_hostile";
constexpr int kEnoughFrames = 10;

class ReleasedMember : public DemoScriptGame {
protected:
    // A creature beside the leader that joins the party by its own script.
    static SoldierEntity* Joined() {
        SoldierEntity* soldier = CreateCreature(*g_entityMgr, kNeutral, Leader()->GetPosition(), 0);
        if (soldier != nullptr)
            Run(soldier->GetScriptSlot(0), 11);
        return soldier;
    }
    void FramesOnTheMap() {
        for (int frame = 0; frame < kEnoughFrames && Mode() == kModeAreaMap; ++frame)
            Frame();
    }
};

TEST_F(ReleasedMember, ThatFreesItselfIsOutOfThePartyAndItsSlotHoldsAStranger) {
    SoldierEntity* const leader = Leader();
    SoldierEntity* const freed = Joined();
    SoldierEntity* const other = Joined();
    ASSERT_EQ(g_partyMgr->GetCount(), 3);
    const int messages = MessageCount();

    Run(freed->GetScriptSlot(0), 85);
    ASSERT_FALSE(g_entityMgr->IsSoldierLive(freed));
    EXPECT_FALSE(g_partyMgr->IsMember(freed));
    EXPECT_EQ(g_partyMgr->GetCount(), 2);
    EXPECT_EQ(g_partyMgr->GetLeader(), leader);
    EXPECT_EQ(g_partyMgr->GetSlot(1), other);
    EXPECT_EQ(g_partyMgr->GetSlot(2), nullptr);
    EXPECT_EQ(MessageCount(), messages) << LastMessage();

    SoldierEntity* const enemy = CreateCreature(*g_entityMgr, kHostile, leader->GetPosition(), 0);
    ASSERT_EQ(enemy, freed) << "made in the freed slot";
    EXPECT_FALSE(g_partyMgr->IsMember(enemy));
    EXPECT_EQ(g_partyMgr->GetCount(), 2);
    FramesOnTheMap();
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_TRUE(g_partyMgr->IsMember(other));
}

// Freed by the region's script through a reference to the active member.
TEST_F(ReleasedMember, ALeaderFreedHandsTheLeadToTheOldestMemberLeftNotToANewcomer) {
    SoldierEntity* const leader = Leader();
    SoldierEntity* const first = Joined();
    SoldierEntity* const second = Joined();
    ASSERT_EQ(g_partyMgr->GetCount(), 3);
    EntityRef active;
    active.AddToList(3);

    Run(g_entityMgr->GetRegionScript(), 505, active);
    ASSERT_FALSE(g_entityMgr->IsSoldierLive(leader));
    EXPECT_FALSE(g_partyMgr->IsMember(leader));
    EXPECT_EQ(g_partyMgr->GetCount(), 2);
    EXPECT_EQ(g_partyMgr->GetLeader(), first);
    EXPECT_EQ(g_partyMgr->GetSlot(1), second);

    SoldierEntity* const newcomer = Joined();
    ASSERT_EQ(newcomer, leader) << "made in the freed slot";
    EXPECT_EQ(g_partyMgr->GetLeader(), first);
    EXPECT_EQ(g_partyMgr->GetSlot(2), newcomer);
    FramesOnTheMap();
    EXPECT_EQ(Mode(), kModeAreaMap);
}

// The level-up waiting to be spent on the freed leader's sheet goes with it.
TEST_F(ReleasedMember, ALeaderFreedTakesItsLevelUpWithIt) {
    Run(g_entityMgr->GetRegionScript(), 500, 100000);
    Frame();
    ASSERT_TRUE(PageAs<GamePlayPanel>()->IsLevelUpShown());
    SoldierEntity* const next = Joined();
    ASSERT_EQ(g_partyMgr->GetSlot(1), next);
    EntityRef active;
    active.AddToList(3);

    Run(g_entityMgr->GetRegionScript(), 505, active);
    ASSERT_EQ(g_partyMgr->GetLeader(), next);
    Frames(2);
    int slot = 0;
    EXPECT_FALSE(g_partyMgr->GetFirstLevelUpPending(slot)) << slot;
    EXPECT_FALSE(PageAs<GamePlayPanel>()->IsLevelUpShown());
}

// One script frees its creature and then has it join: the party does not take it, so the
// stranger made next in its slot is no member either.
TEST_F(ReleasedMember, ACreatureThatFreesItselfCannotJoinAfterwards) {
    SoldierEntity* const leader = Leader();
    SoldierEntity* const freed = CreateCreature(*g_entityMgr, kNeutral, leader->GetPosition(), 0);
    ASSERT_NE(freed, nullptr);
    ScriptBuilder script("free then join");
    script.Call(kNativeAction, 85).Call(kNativeAction, 11).End();
    RunProgram(freed->GetScriptSlot(0), script);
    ASSERT_FALSE(g_entityMgr->IsSoldierLive(freed));
    EXPECT_FALSE(g_partyMgr->IsMember(freed));
    EXPECT_EQ(g_partyMgr->GetCount(), 1);

    SoldierEntity* const enemy = CreateCreature(*g_entityMgr, kHostile, leader->GetPosition(), 0);
    ASSERT_EQ(enemy, freed) << "made in the freed slot";
    EXPECT_FALSE(g_partyMgr->IsMember(enemy));
    EXPECT_EQ(g_partyMgr->GetSlot(1), nullptr);
    FramesOnTheMap();
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(g_partyMgr->GetCount(), 1);
}

TEST_F(ReleasedMember, TheLastOneFreedEndsTheGame) {
    Run(Leader()->GetScriptSlot(0), 85);
    EXPECT_EQ(g_partyMgr->GetCount(), 0);
    EXPECT_EQ(g_partyMgr->GetLeader(), nullptr);
    FramesOnTheMap();
    EXPECT_EQ(Mode(), kModeGameOver);
}

} // namespace
