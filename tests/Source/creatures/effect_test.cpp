// Effects: their record, bonuses put on once and taken off at their end, damage, healing and
// poison, and the running effects of a creature.
#include "Source/creatures/effect.h"

#include "Library/core/test_stream_support.h"
#include "Source/creatures/effect_list.h"
#include "Source/creatures/effect_mgr.h"
#include "Source/entities/item_bytes.h"
#include "item_world.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

using namespace testsupport;

// A creature that notes the damage events it is sent.
class HitSoldier : public SoldierEntity {
public:
    void OnEvent(int kind, EventArg p1, EventArg p2, EventArg) override {
        hits.push_back({kind, p1.AsInt(), p2.AsInt()});
    }
    std::vector<std::vector<int>> hits;
};

Effect Definition(uint16_t kind, uint8_t unit, double duration, int32_t amount,
                  int32_t parameterA = 0, uint32_t parameterB = 0) {
    Effect effect;
    effect.Define(kind, unit, duration, amount, parameterA, parameterB);
    return effect;
}

class EffectTest : public ItemWorld {
protected:
    void SetUp() override {
        ItemWorld::SetUp();
        m_soldier.Init();
        m_soldier.GetRef().Set(kPlayerSide, 1, 0, 0, 0, 0, 0);
        m_soldier.SetDisplayName("Ann");
        m_creature = Creature::Of(&m_soldier);
        Data().SetMaxHitPoints(40.0f);
        Data().AddHitPoints(40.0f);
    }
    CreatureData& Data() { return m_creature->GetData(); }
    EffectMgr& Effects() { return Data().GetEffectMgr(); }
    void Put(const Effect& effect) {
        EffectList list;
        list.Add(effect);
        Effects().ApplyItemEffects(nullptr, &list);
    }
    // Frames of the game clock passing the seconds each.
    void Pass(double seconds, int frames = 1) {
        m_services.seconds = seconds;
        for (int frame = 0; frame < frames; ++frame)
            Effects().Update();
        m_services.seconds = 0.0;
    }

    HitSoldier m_soldier;
    Creature* m_creature = nullptr; // the soldier's own
};

TEST_F(EffectTest, AnEffectIsStoredFieldByField) {
    TypedBytes b;
    b.U8(1).U16(26).U8(3).U8(4).I32(-5).I32(6).U32(7).U8(1).U8(2).F64(2.5).U8(90);
    b.Text("Ouch").U16(2).U16(6).U8(128).U8(2).U8(10).U8(1).F64(1.25).F64(0.5);
    Effect effect;
    ExpectRoundTripAndTruncationsFail(b.Get(), effect);
    EXPECT_EQ(effect.GetKind(), kEffectPoison);
    EXPECT_TRUE(effect.IsRoundLimited());
    EXPECT_DOUBLE_EQ(effect.GetElapsed(), 1.25);

    const Bytes listed = Concat({{1, 0, 0, 0}, b.Get()});
    EffectList effects;
    TestStream stream(listed);
    ASSERT_TRUE(effects.Load(stream));
    EXPECT_EQ(WrittenBy([&](Stream& out) { return effects.Save(out); }), listed);
    TestStream forged(Bytes{0xFF, 0xFF, 0xFF, 0x0F, 0x01});
    EXPECT_FALSE(effects.Load(forged));
    EXPECT_EQ(effects.Count(), 0);
}

TEST_F(EffectTest, TimedBonusesGoOnOnceAndComeOffWhenTheirTimeRunsOut) {
    struct Case {
        const char* what;
        Effect effect;
        std::function<int(CreatureData&)> value;
    };
    const Case cases[] = {
        {"armour", Definition(kEffectArmourClass, kUnitSeconds, 2.5, 3),
         [](CreatureData& d) { return d.GetArmourClass(); }},
        {"threshold", Definition(kEffectThreshold, kUnitRounds, 0.25, 3, kDamageLaser, 1),
         [](CreatureData& d) { return d.GetDamageThreshold(kDamageLaser); }},
        {"resistance", Definition(kEffectResistance, kUnitMinutes, 2.5 / 60, 3, kDamageNormal, 1),
         [](CreatureData& d) { return d.GetDamageResistance(kDamageNormal); }},
        {"other resistance",
         Definition(kEffectOtherResistance, kUnitSeconds, 2.5, 3, kResistPoison, 1),
         [](CreatureData& d) { return d.GetOtherResistance(kResistPoison); }},
        {"skill", Definition(kEffectSkill, kUnitHours, 2.5 / 3600, 3, 4),
         [](CreatureData& d) { return d.GetSkill(4); }},
        {"delayed armour", Definition(kEffectArmourClass, kUnitDelayed, 1.0, 3),
         [](CreatureData& d) { return d.GetArmourClass(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Effects().Clear();
        Put(c.effect);
        EXPECT_EQ(c.value(Data()), 3);
        Pass(1.0, 2); // two whole units: no drift
        EXPECT_EQ(c.value(Data()), 3);
        Pass(1.0);
        const bool lasts = c.effect.GetTimeUnit() == kUnitDelayed;
        EXPECT_EQ(c.value(Data()), lasts ? 3 : 0);
        EXPECT_EQ(Effects().CountRunning(), lasts ? 1 : 0);
        Effects().RemoveKind(c.effect.GetKind());
        EXPECT_EQ(c.value(Data()), 0);
    }
}

TEST_F(EffectTest, PoisonTicksUntilItsEndAndOnceMoreWhenCured) {
    const Effect poison = Definition(kEffectPoison, kUnitSeconds, 3.0, 0, 2, 2);
    Put(poison);
    Put(poison); // the same poison: its first tick, then refused
    EXPECT_EQ(Data().GetHitPoints(), 36.0f);
    EXPECT_EQ(Effects().CountRunning(), 1);
    Pass(1.0, 2);
    EXPECT_EQ(Data().GetHitPoints(), 32.0f);
    EXPECT_EQ(m_services.messages.back(), "Ann has been poisoned.");
    Put(Definition(kEffectCurePoison, kUnitSeconds, 0.0, 0));
    EXPECT_EQ(Data().GetHitPoints(), 30.0f); // stopping deals one more tick
    Pass(1.0, 3);
    EXPECT_EQ(Data().GetHitPoints(), 30.0f);

    // Spread over the duration as a share of the maximum; a duration of 0 deals it at once.
    Put(Definition(kEffectPoison, kUnitSeconds, 0.0, 0, 25, 1));
    EXPECT_EQ(Data().GetHitPoints(), 20.0f);
}

TEST_F(EffectTest, DamageAndHealingActOnceThroughTheirRules) {
    ScriptedRandom random({3}); // the resistance roll: resisted, so halved
    Data().SetOtherResistance(kResistPoison, kBase, 50);
    Effect halved = Definition(kEffectDamage, kUnitSeconds, 0.0, 7, 0, kDamageNormal);
    halved.SetResistance(kResistPoison, 2);
    Put(halved);
    Put(Definition(kEffectDamage, kUnitSeconds, 0.0, 0, 0, kDamageNormal)); // no dice: nothing
    EXPECT_EQ(m_soldier.hits, (std::vector<std::vector<int>>{{19, 3, kDamageNormal}}));
    EXPECT_EQ(Effects().CountRunning(), 2);
    Pass(0.0);
    EXPECT_EQ(Effects().CountRunning(), 0); // one-time kinds end themselves

    Data().AddHitPoints(-30.0f);
    Put(Definition(kEffectHealing, kUnitSeconds, 0.0, 50, 0, 2)); // half the maximum
    EXPECT_EQ(Data().GetHitPoints(), 30.0f);
}

TEST_F(EffectTest, TakingOffOneOfTwoEqualItemsLeavesTheOthersEffect) {
    EffectList ring;
    ring.Add(Definition(kEffectArmourClass, kUnitWhileWorn, 0.0, 2));
    Effects().ApplyItemEffects(nullptr, &ring);
    Effects().ApplyItemEffects(nullptr, &ring);
    EXPECT_EQ(Data().GetArmourClass(), 4);
    Effects().RemoveUnequipEffects(&ring);
    EXPECT_EQ(Data().GetArmourClass(), 2);
    EXPECT_EQ(Effects().CountRunning(), 1);
}

TEST(EffectComparison, TheSecondComparisonLeavesOutOnlyTheDuration) {
    const Effect hour = Definition(kEffectArmourClass, kUnitWhileWorn, 60.0, 2);
    const Effect day = Definition(kEffectArmourClass, kUnitWhileWorn, 1440.0, 2);
    EXPECT_FALSE(hour.Equals(day));
    EXPECT_TRUE(hour.EqualsWithoutDuration(day));
    EXPECT_FALSE(
        hour.EqualsWithoutDuration(Definition(kEffectArmourClass, kUnitWhileWorn, 60.0, 3)));
    Effect named = day;
    named.SetText("Blessed");
    EXPECT_FALSE(hour.EqualsWithoutDuration(named));
}

// A resistance roll that halves an effect marks the running copy, not its definition: the
// item taken off or the attack ended still takes it away.
TEST_F(EffectTest, AnEffectHalvedByItsResistanceComesOffWithItsItemOrAttack) {
    Data().SetOtherResistance(128, 0, 100); // every roll resists
    for (const uint8_t unit : {kUnitWhileWorn, kUnitAttack}) {
        SCOPED_TRACE(static_cast<int>(unit));
        EffectList list;
        Effect definition = Definition(kEffectArmourClass, unit, 0.0, 2);
        definition.SetResistance(128, 2);
        list.Add(definition);
        if (unit == kUnitWhileWorn) {
            Effects().ApplyItemEffects(nullptr, &list);
            ASSERT_EQ(Effects().CountRunning(), 1);
            Effects().RemoveUnequipEffects(&list);
        } else {
            Effects().ApplyEffectList(&list, true);
            ASSERT_EQ(Effects().CountRunning(), 1);
            Effects().ApplyEffectList(&list, false);
        }
        EXPECT_EQ(Data().GetArmourClass(), 0);
        EXPECT_EQ(Effects().CountRunning(), 0);
    }
}

} // namespace

namespace {

TEST_F(EffectTest, ADefinitionComesFromItsFileAndEndsByItsRoundsOrItsUnit) {
    TypedBytes b; // poison, four rounds, round-limited, by the minute
    b.U8(0).U16(26).U8(3).U8(4).I32(-5).I32(6).U32(7).U8(1).U8(2).F64(2.5).U8(90);
    b.Text("Ouch").U16(2).U16(6).U8(128).U8(2).U8(10).U8(1).F64(0.0).F64(0.0);
    const std::string directory = g_dataPaths->GetEffectDir().c_str();
    std::filesystem::create_directories(directory);
    const auto write = [&](const Bytes& bytes) {
        std::ofstream(directory + "/sting.dat", std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    };
    write(b.Get());
    Effect sting;
    ASSERT_TRUE(sting.LoadDefinition("sting.eff"));
    EXPECT_EQ(sting.GetKind(), kEffectPoison);
    ASSERT_TRUE(sting.IsRoundLimited());
    write(Bytes(b.Get().begin(), b.Get().end() - 3));
    Effect cut = Definition(kEffectArmourClass, kUnitSeconds, 1.0, 3);
    EXPECT_FALSE(cut.LoadDefinition("sting"));
    EXPECT_EQ(cut.GetKind(), kEffectArmourClass) << "a cut file changes nothing";
    EXPECT_FALSE(cut.LoadDefinition("missing"));

    Put(sting);
    Put(Definition(kEffectArmourClass, kUnitUntilEnded, 0.0, 3));
    ASSERT_EQ(Effects().CountRunning(), 2);
    Effects().EndRounds(nullptr); // round 0 of 4
    EXPECT_EQ(Effects().CountRunning(), 2);
    Effects().EndRounds(&m_soldier); // a creature's round 7
    EXPECT_EQ(Effects().CountRunning(), 1);
    EXPECT_EQ(Data().GetArmourClass(), 3);
    Effects().EndUnit8();
    EXPECT_EQ(Effects().CountRunning(), 0);
    EXPECT_EQ(Data().GetArmourClass(), 0);
}

// A creature's round is the seventh: an effect of seven rounds ends on it, one of eight
// outlasts it.
TEST_F(EffectTest, ARoundLimitedEffectEndsOnceTheCreaturesRoundReachesItsRounds) {
    for (const uint8_t rounds : {6, 7, 8}) {
        TypedBytes b; // poison, round-limited, by the minute
        b.U8(0).U16(26).U8(3).U8(rounds).I32(-5).I32(6).U32(7).U8(1).U8(2).F64(2.5).U8(90);
        b.Text("Ouch").U16(2).U16(6).U8(128).U8(2).U8(10).U8(1).F64(0.0).F64(0.0);
        Effect sting;
        TestStream stream(b.Get());
        ASSERT_TRUE(sting.Read(stream));
        Put(sting);
        ASSERT_EQ(Effects().CountRunning(), 1) << int{rounds};
        Effects().EndRounds(&m_soldier);
        EXPECT_EQ(Effects().CountRunning(), rounds <= 7 ? 0 : 1) << int{rounds};
        Effects().RemoveKind(kEffectPoison);
    }
}

// A creature's update leaves effects it found empty unread until someone may have added one:
// through GetEffectMgr, or by loading a record that carries one. What is saved shows
// whether the one-time effect was looked at (and so ended).
TEST_F(EffectTest, EffectsFoundEmptyAreLookedAtAgainOnceOneMayHaveBeenAdded) {
    const auto saved = [this] {
        return WrittenBy([this](Stream& stream) { return Data().Save(stream); });
    };
    Data().Update(0);
    const Bytes empty = saved();
    Put(Definition(kEffectDamage, kUnitSeconds, 0.0, 0, 0, kDamageNormal));
    const Bytes carrying = saved();
    ASSERT_NE(carrying, empty);
    Data().Update(0);
    EXPECT_EQ(saved(), empty);

    Data().Update(0); // found empty again
    TestStream stream(carrying);
    ASSERT_TRUE(Data().Load(stream));
    ASSERT_EQ(saved(), carrying);
    Data().Update(0);
    EXPECT_EQ(saved(), empty);
}

} // namespace
