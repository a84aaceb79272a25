// The character sheet through the main loop: opened from the play screen with and without a
// level-up to spend, its skill buttons and the question on leaving with points left.
#include "Source/screens/character_panel.h"

#include "Library/interface/interface_object.h"
#include "Library/interface/message_box.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile_map.h"
#include "Source/creatures/creature.h"
#include "Source/entities/soldier_entity.h"
#include "Source/screens/demo_map_party.h"
#include "Source/world/party_mgr.h"
#include "Source/world/region_mgr.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

constexpr Point kCharacterButton{31, 538};
constexpr Point kLevelUpButton{400, 510};
constexpr Point kDone{720, 544};
constexpr Point kYes{358, 356};
constexpr Point kNo{436, 356};
constexpr Point kRaiseGuns{614, 114};
constexpr Point kLowerGuns{614, 121};
constexpr Point kRaiseMelee{614, 142};
constexpr int kGuns = 1;  // tagged in the demo's kit
constexpr int kMelee = 5; // not tagged

class CharacterSheet : public DemoMapParty {
protected:
    CreatureData& Data() const { return Creature::Of(g_partyMgr->GetLeader())->GetData(); }
    CharacterPanel& Sheet() const { return *PageAs<CharacterPanel>(); }
    // A level earned with the skill at the value, and the sheet opened on it.
    void OpenLevelUp(int skill, int16_t value) {
        g_partyMgr->AddExperienceTo(g_partyMgr->GetLeader(), 1000);
        Data().SetSkill(skill, 0, value);
        Frames(2);
        Click(kLevelUpButton);
        Frame();
        ASSERT_EQ(Mode(), kModeCharacterSheet);
        ASSERT_TRUE(Sheet().IsLevelling());
    }
};

TEST_F(CharacterSheet, WithoutALevelUpItShowsTheLeaderAndDoneLeavesAtOnce) {
    Click(kCharacterButton);
    Frame();
    ASSERT_EQ(Mode(), kModeCharacterSheet);
    EXPECT_EQ(Sheet().GetCharacter(), g_partyMgr->GetLeader());
    EXPECT_FALSE(Sheet().IsLevelling());
    EXPECT_EQ(Sheet().GetWindow()->FindChild(CharacterPanel::kFirstSkillButton), nullptr);
    const int guns = Data().GetSkill(kGuns);
    Click(kRaiseGuns);
    EXPECT_EQ(Data().GetSkill(kGuns), guns);
    Click(kDone);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
}

// A tagged skill moves by two for the price of one step, and lowering it gives back what
// raising it took: raise and lower at 99 leave skill and points as they were.
TEST_F(CharacterSheet, ALevelUpIsSpentStepByStepAndLeavingWithPointsLeftAsksFirst) {
    ASSERT_NO_FATAL_FAILURE(OpenLevelUp(kGuns, 99));
    EXPECT_EQ(Data().GetLevel(), 2);
    const int points = 2 * Data().GetAttribute(kIntelligence) + 5;
    EXPECT_EQ(Sheet().GetPoints(), points);

    Click(kRaiseGuns);
    EXPECT_EQ(Data().GetSkill(kGuns), 101);
    EXPECT_EQ(Sheet().GetPoints(), points - 1);
    Click(kLowerGuns);
    EXPECT_EQ(Data().GetSkill(kGuns), 99);
    EXPECT_EQ(Sheet().GetPoints(), points);
    Click(kLowerGuns); // never below the value at entry
    EXPECT_EQ(Data().GetSkill(kGuns), 99);
    EXPECT_EQ(Sheet().GetPoints(), points);
    const int melee = Data().GetSkill(kMelee);
    Click(kRaiseMelee);
    EXPECT_EQ(Data().GetSkill(kMelee), melee + 1);
    EXPECT_EQ(Sheet().GetPoints(), points - 1);

    Click(kDone);
    ASSERT_EQ(Sheet().GetState(), CharacterPanel::kConfirming);
    EXPECT_STREQ(Sheet().GetConfirmation().GetText().c_str(), CharacterPanel::kUnspentQuestion);
    Click(kNo);
    EXPECT_EQ(Sheet().GetState(), CharacterPanel::kSheet);
    EXPECT_EQ(Mode(), kModeCharacterSheet);
    Click(kDone);
    Click(kYes);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
    int slot = 0;
    EXPECT_FALSE(g_partyMgr->GetFirstLevelUpPending(slot)); // the points went with the sheet
}

// Every point can be spent, the last as well, and a sheet with none left leaves at once.
TEST_F(CharacterSheet, TheLastPointIsSpentAndNothingThenIsAsked) {
    ASSERT_NO_FATAL_FAILURE(OpenLevelUp(kMelee, 10));
    const int points = Sheet().GetPoints();
    ASSERT_GT(points, 0);
    for (int click = 0; click <= points; ++click)
        Click(kRaiseMelee);
    EXPECT_EQ(Sheet().GetPoints(), 0);
    EXPECT_EQ(Data().GetSkill(kMelee), 10 + points);
    Click(kDone);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
}

} // namespace
