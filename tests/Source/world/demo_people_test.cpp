// The demo map's people as a player meets them in the running game: each told by Examine,
// the dead scientist's pack worth searching, the character's skills and idle script, and the
// character sheet describing each line the pointer rests on.
#include "Library/interface/info_panel.h"
#include "Library/interface/text_block.h"
#include "Library/world/mode_record.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/container_entity.h"
#include "Source/entities/creature_placement.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/map_object.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/party_cmd_orders.h"
#include "Source/screens/select_player_script_panel.h"
#include "Source/world/demo_game.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>

namespace {

using namespace testsupport;

using DemoPeople = DemoGame;

TEST_F(DemoPeople, EachIsDescribedAndTheHostileOneCarriesSomethingToFind) {
    StartOnDemoMap();
    PartyCmdOrders orders(*g_partyMgr);
    std::set<std::string> told;
    for (const char* name : {"scimale_hostile", "scimale_neutral", "trader"}) {
        Entity* person = g_entityMgr->FindByName(Entity::kTypeSoldier, name);
        ASSERT_NE(person, nullptr) << name;
        const int lines = MessageCount();
        ASSERT_TRUE(orders.Examine(person));
        EXPECT_EQ(MessageCount(), lines + 1) << name;
        told.insert(LastMessage());
    }
    ASSERT_TRUE(orders.Examine(Leader()));
    told.insert(LastMessage());
    EXPECT_EQ(told.size(), 4u) << "each its own";

    Entity* hostile = g_entityMgr->FindByName(Entity::kTypeSoldier, "scimale_hostile");
    const ContainerEntity& pack = Creature::Of(hostile)->GetData().GetInventory().GetBackpack();
    EXPECT_NE(pack.FindItemByName("gold"), nullptr);
}

// A talk reaches the listener's script, which opens its dialogue: the scientist answers the
// one who came, and the pond's sign, which has no one to answer, the party's active member.
TEST_F(DemoPeople, TheScientistAndTheSignOpenTheirDialoguesWhenTalkedTo) {
    StartOnDemoMap();
    PartyCmdOrders orders(*g_partyMgr);
    const struct {
        Entity* listener;
        Vector near;
    } talks[] = {
        {g_entityMgr->FindByName(Entity::kTypeSoldier, "scimale_neutral"), Vector(62.5f, 28.5f, 0)},
        {g_entityMgr->GetEntity(Entity::kTypeTrigger, 0), Vector(37.5f, 61.5f, 0)}};
    for (const auto& talk : talks) {
        ASSERT_NE(talk.listener, nullptr);
        ASSERT_TRUE(TeleportEntity(*Leader(), talk.near));
        ASSERT_TRUE(orders.Talk(Leader(), talk.listener, 5.0f));
        for (int frame = 0; frame < 200 && Mode() != kModeDialogue; ++frame)
            Frame();
        ASSERT_EQ(Mode(), kModeDialogue) << talk.near.x;
        EXPECT_EQ(g_gameMode->GetCurrentMode().GetEntity<Entity>(), talk.listener);
        g_gameMode->SetMode(kModeAreaMap);
        Frames(2);
    }
}

// The play screen's lock and trap commands cast what the character knows, with charges.
TEST_F(DemoPeople, TheCharacterKnowsTheLockAndTrapSkillsAndHasTheDefaultIdleScript) {
    StartOnDemoMap();
    CreatureData& data = Creature::Of(Leader())->GetData();
    for (uint32_t skill : {4004u, 4005u, 4007u}) {
        EXPECT_GT(data.GetSpellMgr().GetLevel(skill), 0u) << skill;
        EXPECT_GT(data.GetSpellMgr().CountCharges(skill, true), 1) << skill;
    }
    EXPECT_TRUE(data.IsScript(CreatureData::kIdleScript, SelectPlayerScriptPanel::kScriptNames[0]));
}

// The lock and trap commands roll against the character's skills for them, one thief's hand
// above what he is not trained in: over a seeded run of tries at the yard chest's trap he
// disarms it clearly more often than an untrained hand would.
TEST_F(DemoPeople, TheCharacterDisarmsTheChestsTrapWithHisThiefsHand) {
    StartOnDemoMap();
    const CreatureData& data = Creature::Of(Leader())->GetData();
    const int hand = data.GetSkill(MapObject::kSkillLockPicking);
    int untrained = hand;
    for (int skill = 0; skill < CreatureData::kSkillCount; ++skill)
        untrained = std::min(untrained, data.GetSkill(skill));
    EXPECT_GT(hand, untrained);
    EXPECT_EQ(data.GetSkill(MapObject::kSkillTraps), hand);

    MapObject* chest = nullptr;
    ASSERT_TRUE(Entity::GetMapObject(g_entityMgr->GetEntity(Entity::kTypeContainerMap, 0), &chest));
    MapObject::Settings& settings = chest->EditSettings();
    const int difficulty = static_cast<int>(settings.disarmDifficulty);
    const auto share = [difficulty](int skill) { return std::clamp(skill - difficulty, 0, 100); };
    constexpr int kTries = 200;
    platform::SeedRand(5);
    int disarmed = 0;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        settings.trapArmed = settings.trapFound = 1;
        chest->UseSkill(*Leader(), MapObject::kSkillTraps, 0);
        disarmed += settings.trapArmed == 0;
    }
    EXPECT_GT(disarmed, kTries * (share(hand) + share(untrained)) / 200)
        << "nearer the trained hand's " << kTries * share(hand) / 100 << " than the untrained's "
        << kTries * share(untrained) / 100;
}

// The sheet's description script has a line for every rectangle the pointer can report.
TEST_F(DemoPeople, TheCharacterSheetDescribesEachLineUnderThePointer) {
    StartOnDemoMap();
    g_gameMode->SetMode(kModeCharacterSheet);
    Frames(2);
    ASSERT_EQ(Mode(), kModeCharacterSheet);
    const struct {
        int area, x, y; // a point inside the area, from the sheet's corner
    } areas[] = {{0, 20, 90},   {1, 40, 106},  {3, 40, 120},  {5, 40, 133},
                 {6, 40, 147},  {7, 20, 30},   {8, 40, 44},   {9, 30, 59},
                 {10, 220, 30}, {11, 220, 44}, {12, 220, 59}, {13, 220, 100},
                 {19, 390, 44}, {20, 390, 58}, {21, 390, 71}, {22, 390, 87}};
    std::set<std::string> texts;
    for (const auto& area : areas) {
        MoveTo(72 + area.x, 73 + area.y);
        Frame();
        const GtWindow& panel = g_infoPanel3->GetWindow();
        ASSERT_GT(panel.GetBlockCount(), 0) << area.area;
        texts.insert(panel.GetBlock(panel.GetBlockCount() - 1).GetText().c_str());
    }
    EXPECT_EQ(texts.size(), std::size(areas));
}

} // namespace
