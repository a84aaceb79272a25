// Healing over game hours, and the daily restoring of spells.
#include "Source/creatures/heal_timer.h"

#include "Library/core/test_stream_support.h"
#include "Source/creatures/spell_mgr.h"
#include "item_world.h"

#include <gtest/gtest.h>

namespace {

using namespace testsupport;

class HealTimerTest : public ItemWorld {
protected:
    void SetUp() override {
        ItemWorld::SetUp();
        m_services.now.Set(0, 0, 0, 8, 1, 5, 2001);
        m_patient = Soldier(5, 5, kPlayerSide);
        Data().SetHealingRate(kBase, 2);
        Data().SetMaxHitPoints(40.0f);
        Data().AddHitPoints(10.0f);
    }
    CreatureData& Data() { return DataOf(m_patient); }
    HealTimer& Timer() { return Creature::Of(m_patient)->GetHealTimer(); }
    void Jump(double hours) {
        m_services.now.AddMinutes(static_cast<int>(hours * 60));
        Creature::Of(m_patient)->UpdateFrame(0);
    }

    SoldierEntity* m_patient = nullptr;
};

TEST_F(HealTimerTest, TheRecordIsThePeriodAndTwoDates) {
    TypedBytes b;
    b.I32(6).U32(2001).U32(4).U32(30).U32(23).U32(59).U32(58).U32(999);
    b.U32(2001).U32(5).U32(1).U32(0).U32(0).U32(0).U32(0);
    TestStream stream(b.Get());
    ASSERT_TRUE(Timer().Load(stream));
    EXPECT_EQ(WrittenBy([&](Stream& out) { return Timer().Save(out); }), b.Get());
}

TEST_F(HealTimerTest, ACreatureHealsForAllTheHoursPassedOnceAPeriodHasPassed) {
    Jump(23.5);
    EXPECT_EQ(Data().GetHitPoints(), 10.0f);
    Jump(6.5); // 30 hours since the timer started
    EXPECT_FLOAT_EQ(Data().GetHitPoints(), 12.5f);
    Timer().SetPeriod(12);
    EXPECT_EQ(Timer().GetPeriod(), 24);
    Timer().SetPeriod(6);
    Jump(6.0);
    EXPECT_FLOAT_EQ(Data().GetHitPoints(), 14.5f);

    m_patient->GetRef().Set(kPlayerSide, EntityRef::kLifeDead, 0, 0, 0, 0, 0);
    Jump(48.0);
    EXPECT_FLOAT_EQ(Data().GetHitPoints(), 14.5f);
    m_patient->GetRef().Set(kPlayerSide, 1, 0, 0, 0, 0, 0);
    Data().AddHitPoints(20.0f);
    Jump(0.0); // the dead hours count once alive again, up to the maximum
    EXPECT_FLOAT_EQ(Data().GetHitPoints(), 40.0f);
}

TEST_F(HealTimerTest, SpellsAreRestoredAtMostOnceADayEvenWhileResting) {
    SpellMgr& spells = Data().GetSpellMgr();
    ASSERT_TRUE(spells.Learn(4, 1, 1, 0));
    Timer().SetPeriod(6);
    std::vector<bool> ready;
    for (int rest = 0; rest < 6; ++rest) {
        Jump(6.0);
        ready.push_back(spells.HasReadyCharge(4));
        spells.UseCharge(4);
    }
    EXPECT_EQ(ready, (std::vector<bool>{false, false, false, true, false, false}));
}

// The hours are counted from the last heal as loaded, not as the timer had it before.
TEST_F(HealTimerTest, ALoadedLastHealIsWhereTheHoursAreCountedFrom) {
    TypedBytes b;
    b.I32(24).U32(2001).U32(4).U32(30).U32(2).U32(0).U32(0).U32(0); // 30 hours ago
    b.U32(2001).U32(5).U32(1).U32(8).U32(0).U32(0).U32(0);
    TestStream stream(b.Get());
    ASSERT_TRUE(Timer().Load(stream));
    Jump(0.0);
    EXPECT_FLOAT_EQ(Data().GetHitPoints(), 12.5f);
    Jump(23.5); // the heal just now starts the next period
    EXPECT_FLOAT_EQ(Data().GetHitPoints(), 12.5f);
}

} // namespace
