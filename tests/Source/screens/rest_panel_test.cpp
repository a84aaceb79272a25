// The rest screen opened from the play screen's "rest" on the second map, with the
// tutorial's character wounded, driven through the main loop.
#include "Source/screens/rest_panel.h"

#include "Library/interface/gt_window.h"
#include "Library/interface/text_block.h"
#include "Source/creatures/creature.h"
#include "Source/creatures/creature_data.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/soldier_entity.h"
#include "Source/world/demo_game.h"
#include "Source/world/game_clock.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

constexpr Point kPlayRestButton{31, 559};
constexpr Point kRestButton{583, 547};
constexpr Point kStopButton{653, 547};
constexpr Point kDoneButton{723, 547};

class RestScreen : public DemoGame {
protected:
    void SetUp() override {
        DemoGame::SetUp();
        ASSERT_TRUE(g_partyMgr->AddCharacterByName(kCharacter));
        g_loadSaveMgr->RequestPageToMap("demo2", "road");
        Frame();
        ASSERT_EQ(Mode(), kModeAreaMap);
        // The clock is set first: the healing catches up with the days it jumps.
        SetClock(8, 0, 0, 0);
        Frames(2);
        CreatureData& data = Data();
        data.SetMaxHitPoints(20.0f);
        data.AddHitPoints(-data.GetHitPoints() + 5.0f);
        Click(kPlayRestButton);
        Frame();
        ASSERT_EQ(Mode(), kModeRest);
        ASSERT_NE(Rest(), nullptr);
    }

    static CreatureData& Data() { return Creature::Of(Leader())->GetData(); }
    static int HealPeriod() { return Creature::Of(Leader())->GetHealTimer().GetPeriod(); }
    RestPanel* Rest() const { return PageAs<RestPanel>(); }
    static void SetClock(int hours, int minutes, int seconds, int milliseconds, int day = 10) {
        g_gameClock->SetDateTime(milliseconds, seconds, minutes, hours, day, 5, 2001);
    }
    static const DateTime& Now() { return g_gameClock->GetDateTime(); }

    void ChooseLine(int id) {
        const GtWindow& list = Rest()->GetDurations().GetWindow();
        const ScreenPos& at = list.GetBlock(id - RestPanel::kOneMinute).GetPosition();
        Click(at.x + 4, at.y + 4);
    }
    // Chooses the line, rests and runs frames until the rest ends; false if it never does.
    bool RestFor(int id, int maxFrames = 400) {
        ChooseLine(id);
        Click(kRestButton);
        for (int frame = 0; frame < maxFrames && Rest()->IsResting(); ++frame)
            Frame();
        return !Rest()->IsResting();
    }
    static DateTime At(int hours, int minutes, int day) {
        DateTime date;
        date.Set(0, 0, minutes, hours, day, 5, 2001);
        return date;
    }
};

TEST_F(RestScreen, RestWithoutALineDoesNothingAndTheHealPeriodIsShortWhileTheScreenIsOpen) {
    EXPECT_EQ(HealPeriod(), RestPanel::kRestHealHours);
    const DateTime before = Now();
    Click(kRestButton);
    Frames(3);
    EXPECT_FALSE(Rest()->IsResting());
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(HealPeriod(), RestPanel::kRestHealHours);

    Click(kDoneButton);
    Frame();
    EXPECT_EQ(Mode(), kModeAreaMap);
    EXPECT_EQ(HealPeriod(), RestPanel::kNormalHealHours);
}

TEST_F(RestScreen, FixedRestsEndExactlyAtTheirTime) {
    SetClock(13, 0, 0, 0);
    ASSERT_TRUE(RestFor(RestPanel::kOneMinute));
    EXPECT_EQ(Now(), At(13, 1, 10));
    EXPECT_EQ(Rest()->GetChosenLine(), RestPanel::kNoLine);

    ASSERT_TRUE(RestFor(RestPanel::kUntilMidnight));
    EXPECT_EQ(Now(), At(0, 0, 11));
}

TEST_F(RestScreen, UntilMorningEndsAtOnceAtEightAndOtherwiseTheNextMorning) {
    SetClock(8, 0, 0, 0);
    ChooseLine(RestPanel::kUntilMorning);
    Click(kRestButton);
    Frame();
    EXPECT_FALSE(Rest()->IsResting());
    EXPECT_EQ(Now(), At(8, 0, 10));

    SetClock(8, 0, 1, 0);
    ASSERT_TRUE(RestFor(RestPanel::kUntilMorning, 2000));
    EXPECT_EQ(Now(), At(8, 0, 11));
}

TEST_F(RestScreen, UntilHealedStopsAtOnceForAHealedPartyAndOtherwiseHealsEveryone) {
    const DateTime wounded = Now();
    ASSERT_TRUE(RestFor(RestPanel::kUntilHealed, 4000));
    EXPECT_EQ(Data().GetHitPoints(), Data().GetMaxHitPoints());
    EXPECT_GT(Now(), wounded);

    const DateTime healed = Now();
    ChooseLine(RestPanel::kUntilHealed);
    Click(kRestButton);
    Frame();
    EXPECT_FALSE(Rest()->IsResting());
    EXPECT_EQ(Now(), healed);
}

TEST_F(RestScreen, TheListIgnoresClicksWhileRestingAndStopEndsTheRest) {
    ChooseLine(RestPanel::kTwelveHours);
    Click(kRestButton);
    ASSERT_TRUE(Rest()->IsResting());
    ChooseLine(RestPanel::kOneMinute);
    EXPECT_EQ(Rest()->GetChosenLine(), RestPanel::kTwelveHours);
    EXPECT_EQ(Rest()->GetDurations().PeekClickedLine(), RestPanel::kTwelveHours);

    Click(kStopButton);
    EXPECT_FALSE(Rest()->IsResting());
    const DateTime stopped = Now();
    Frames(3);
    EXPECT_EQ(Now(), stopped);
}

// The character's spells, spent, are ready again at the first healing a day or more after
// they last were: within the third 12-hour rest, and not in the first.
TEST_F(RestScreen, SpentSpellsAreReadyAgainWithinADaysRestAndAHealingPeriod) {
    constexpr uint32_t kFireball = 2213;
    SpellMgr& spells = Data().GetSpellMgr();
    const int charges = spells.CountCharges(kFireball, true);
    ASSERT_GT(charges, 0) << "the character knows it";
    while (spells.UseCharge(kFireball)) {
    }
    ASSERT_TRUE(RestFor(RestPanel::kTwelveHours, 2000));
    EXPECT_FALSE(spells.HasReadyCharge(kFireball));
    ASSERT_TRUE(RestFor(RestPanel::kTwelveHours, 2000));
    ASSERT_TRUE(RestFor(RestPanel::kTwelveHours, 2000));
    EXPECT_EQ(spells.CountCharges(kFireball, true), charges);
}

} // namespace
