#include "Source/creatures/creature_data.h"

#include "Library/core/test_stream_support.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/effect_mgr.h"
#include "Source/creatures/game_rules.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_bytes.h"
#include "Source/entities/item_entity.h"
#include "rule_tables_support.h"

#include <gtest/gtest.h>

namespace {

using testsupport::ScopedRuleTables;
using namespace testsupport;

constexpr int kGroupBPairs = 41;

// Every base i + 1 and every bonus 50 + i of group B, so each sum is its own.
int16_t GroupBBase(int pair) {
    return static_cast<int16_t>(pair + 1);
}
int16_t GroupBBonus(int pair) {
    return static_cast<int16_t>(50 + pair);
}

// Offsets the record's layout fixes: five colour modifications of 324 bytes, two texts of
// 11 bytes, then attributes to group A and the experience.
constexpr size_t kGroupBAt = 8 + 5 * 324 + 3 + 2 * 11 + 14 + 2 + 8 + 2 * 18 + 14;

struct Golden {
    TypedBytes bytes;
    size_t spellsAt = 0;
    size_t inventoryAt = 0;
    size_t effectsAt = 0;
};

// A creature whose every value differs from every other, field by field in stored order.
Golden TypedCreature() {
    Golden golden;
    TypedBytes& b = golden.bytes;
    b.U32(0x01020304).U16(0x0A0B).U16(0x0C0D);
    for (uint16_t mod = 1; mod <= 5; ++mod)
        b.U16(mod).Zeros(322); // each colour modification's flags, the rest cleared
    b.U8(0x11).U8(0x22).U8(0x33);
    b.Text("Text one").Text("Text two");
    for (int16_t attribute = 1; attribute <= 7; ++attribute)
        b.I16(attribute);
    b.I16(8).F32(30.5f).F32(40.25f);
    b.I16(11).F32(13.5f).I16(15).I16(17).F32(19.25f).F32(21.5f); // group A bases
    b.I16(12).F32(14.5f).I16(16).I16(18).F32(20.25f).F32(22.5f); // group A bonuses
    b.U32(1000).U32(2000).U32(300).U16(77);
    for (int pair = 0; pair < kGroupBPairs; ++pair)
        b.I16(GroupBBase(pair));
    for (int pair = 0; pair < kGroupBPairs; ++pair)
        b.I16(GroupBBonus(pair));
    for (int skill = 0; skill < 21; ++skill)
        b.U8(skill % 2);
    for (const char* script : {"s0", "s1", "s2", "s3", "s4", "s5", "talk"})
        b.Text(script);
    b.Text("greet").U32(0xDEADBEEF).U8(0).Text("Town");
    golden.spellsAt = b.Size();
    b.U32(10).U32(11).U32(1).U32(5).U32(2).U32(2).U32(5).U8(1).U32(5).U8(0);
    golden.inventoryAt = b.Size();
    b.U32(12);
    const uint32_t carried = Entity::kFlagShown | Entity::kFlagHidden;
    Bytes sword = ItemRecord(ItemLayout());
    PutFieldAt(sword.data(), kFlagsAt, carried);
    ItemLayout boltsLayout;
    boltsLayout.itemClass = ItemEntity::kClassAmmunition;
    boltsLayout.quantity = 6;
    Bytes bolts = ItemRecord(boltsLayout);
    PutFieldAt(bolts.data(), kFlagsAt, carried);
    for (int slot = 0; slot < 17; ++slot) {
        if (slot != 11) {
            b.U32(0xFFFFFFFF);
            continue;
        }
        b.U32(1);
        for (const uint8_t byte : sword)
            b.U8(byte);
    }
    for (const uint8_t byte : ContainerRecord({bolts}, Entity::kFlagHidden))
        b.U8(byte);
    golden.effectsAt = b.Size();
    EffectRecord(b.U32(1), 3);
    b.F32(1.5f).F32(2.5f);
    return golden;
}

Bytes Saved(const CreatureData& data) {
    return WrittenBy([&](Stream& stream) { return data.Save(stream); });
}

bool Load(CreatureData& data, const Bytes& bytes) {
    TestStream stream(bytes);
    return data.Load(stream);
}

// A creature's record read for a soldier of an entity manager, which makes its items.
class CreatureRecord : public ::testing::Test {
protected:
    int LiveItems() const {
        int live = 0;
        for (int slot = 0; slot < m_manager.GetSlotCount(Entity::kTypeItem); ++slot)
            live += m_manager.IsSlotUsed(Entity::kTypeItem, slot);
        return live;
    }

    EntityMgr m_manager;
    Entity* m_soldier = m_manager.CreateEntity(0, 0, 0, Entity::kTypeSoldier);
    CreatureData m_data{nullptr, m_soldier};
};

TEST_F(CreatureRecord, StoredFieldByFieldWithBasesBeforeBonusesAndWhatItCarries) {
    const Golden golden = TypedCreature();
    const Bytes& bytes = golden.bytes.Get();
    CreatureData& data = m_data;
    ASSERT_TRUE(Load(data, bytes));
    EXPECT_EQ(Saved(data), bytes);

    // Every field where its table puts it, read back through its own getter.
    EXPECT_TRUE(data.HasFlag(0x01000000) && data.HasFlag(0x04) && !data.HasFlag(0x08));
    EXPECT_EQ(data.GetBodyType(), 0x0C0D); // the override, over the base
    EXPECT_EQ(data.GetDisplayBits(), 1);   // the first colour modification's fade state
    EXPECT_EQ(data.GetColour().red, 0x11);
    EXPECT_EQ(data.GetColour().blue, 0x33);
    EXPECT_STREQ(data.GetText(0).c_str(), "Text one");
    EXPECT_STREQ(data.GetText(1).c_str(), "Text two");
    for (int attribute = 0; attribute < 7; ++attribute)
        EXPECT_EQ(data.GetAttribute(attribute), attribute + 1);
    EXPECT_EQ(data.GetLevel(), 8);
    EXPECT_FLOAT_EQ(data.GetHitPoints(), 30.5f);
    EXPECT_FLOAT_EQ(data.GetMaxHitPoints(), 40.25f);
    EXPECT_EQ(data.GetMeleeDamage(), 15 + 16);
    EXPECT_EQ(data.GetHealingRate(), 17 + 18);
    EXPECT_FLOAT_EQ(data.GetRangedReach(), 19.25f + 20.25f);
    EXPECT_EQ(data.GetExperience(), 1000u);
    EXPECT_EQ(data.GetNextLevelExperience(), 2000u);
    EXPECT_EQ(data.GetKillExperience(), 300u);
    EXPECT_EQ(data.GetSpareValue(), 77);
    EXPECT_EQ(data.GetSecondPerception(), 51);
    EXPECT_EQ(data.GetCriticalChance(), 55);
    EXPECT_STREQ(data.GetScript(0).c_str(), "s0");
    EXPECT_STREQ(data.GetScript(5).c_str(), "s5");
    EXPECT_STREQ(data.GetDialogueStartLabel().c_str(), "greet");
    EXPECT_EQ(data.GetDialogueValue(), 0xDEADBEEFu);
    EXPECT_FALSE(data.WillTrade());
    EXPECT_STREQ(data.GetDeathVariableScope().c_str(), "Town");
    EXPECT_FLOAT_EQ(data.GetTimer().GetSeconds(), 1.5f);
    EXPECT_EQ(data.GetArmourClass(), 11 + 12);
    EXPECT_FLOAT_EQ(data.GetCarryWeight(), 13.5f + 14.5f);
    EXPECT_FLOAT_EQ(data.GetThrowReach(), 21.5f + 22.5f);
    // Group B: pair i sums to 51 + 2i.
    EXPECT_EQ(data.GetSpeed(), 53);
    for (int index = 0; index < 6; ++index) {
        EXPECT_EQ(data.GetDamageResistance(2u << index), 57 + 2 * index);
        EXPECT_EQ(data.GetDamageThreshold(2u << index), 69 + 2 * index);
    }
    for (int index = 0; index < 5; ++index)
        EXPECT_EQ(data.GetOtherResistance(128u << index), 81 + 2 * index);
    for (int skill = 0; skill < 21; ++skill) {
        EXPECT_EQ(data.GetSkill(skill), 91 + 2 * skill);
        EXPECT_EQ(data.IsSkillTagged(skill), skill % 2 == 1);
    }
    EXPECT_TRUE(data.IsScript(CreatureData::kDialogueScript, "TALK"));
    EXPECT_EQ(data.GetInventory().GetCurrentHand(), 12);
    EXPECT_EQ(data.GetInventory().GetSlot(11)->GetOwner(), m_soldier);
    EXPECT_FLOAT_EQ(data.GetInventory().GetTotalWeight(), 12.0f + 2.5f + 6 * 12.0f);
    EXPECT_EQ(data.GetSpellMgr().GetLevel(5), 2u);
    EXPECT_TRUE(data.GetSpellMgr().HasReadyCharge(5));
    EXPECT_EQ(data.GetEffectMgr().CountRunning(), 1);
    EXPECT_FLOAT_EQ(data.GetTimer().GetMaximum(), 2.5f);
    ASSERT_TRUE(Load(data, bytes)); // read again: what it carried before is released
    EXPECT_EQ(LiveItems(), 2);

    // The passes of group B where the layout puts them.
    const Bytes saved = Saved(data);
    EXPECT_EQ(FieldAt<int16_t>(saved.data(), kGroupBAt + 2), 2); // speed, second of the pass
    EXPECT_EQ(FieldAt<int16_t>(saved.data(), kGroupBAt + 82 + 2), 51);
}

TEST_F(CreatureRecord, ACutOrRefusedRecordChangesNothingAndReleasesWhatItMade) {
    const Golden golden = TypedCreature();
    const Bytes& bytes = golden.bytes.Get();
    CreatureData& data = m_data;
    data.SetDialogueStartLabel("kept");
    data.SetSkill(5, kBonus, 9);
    const Bytes before = Saved(data);
    for (size_t size = 0; size < bytes.size(); ++size)
        ASSERT_FALSE(Load(data, Bytes(bytes.begin(), bytes.begin() + size))) << size;
    EXPECT_EQ(Saved(data), before);
    EXPECT_EQ(LiveItems(), 0);

    struct Forgery {
        const char* what;
        size_t at;
        uint32_t word;
    };
    const Forgery forgeries[] = {
        {"more known spells than bytes", golden.spellsAt + 8, 0x10000000},
        {"a hand that is no hand", golden.inventoryAt, 10},
        {"a soldier in slot 3", golden.inventoryAt + 4 + 3 * 4, Entity::kTypeSoldier},
        {"more running effects than bytes", golden.effectsAt, 0x10000000},
    };
    for (const Forgery& forgery : forgeries) {
        SCOPED_TRACE(forgery.what);
        Bytes forged = bytes;
        PutFieldAt(forged.data(), static_cast<long>(forgery.at), forgery.word);
        EXPECT_FALSE(Load(data, forged));
        EXPECT_EQ(Saved(data), before);
        EXPECT_EQ(LiveItems(), 0);
    }
}

TEST(CreatureData, ValuesAreHeldWithinTheirRangesAndStrayIndicesIgnored) {
    CreatureData data(nullptr);
    data.SetWillTrade(false);
    data.Reset();
    EXPECT_STREQ(data.GetDialogueStartLabel().c_str(), "start");
    EXPECT_TRUE(data.WillTrade());
    EXPECT_EQ(data.GetTimerPercent(), 0);
    EXPECT_EQ(data.GetHitPointsPercent(), 0);

    data.SetDamageResistance(kDamageNormal, kBase, 100);
    data.SetDamageResistance(kDamageNormal, kBonus, 30);
    data.SetDamageThreshold(kDamageLaser, kBase, -10);
    data.SetDamageResistance(3, kBase, 50); // not a damage type
    data.SetSkill(4, 2, 7);                 // neither half
    EXPECT_EQ(data.GetDamageResistance(kDamageNormal), 100);
    EXPECT_EQ(data.GetDamageThreshold(kDamageLaser), 0);
    EXPECT_EQ(data.GetDamageResistance(3), 0);
    EXPECT_EQ(data.GetSkill(4), 0);
    const Bytes before = Saved(data);
    EXPECT_FALSE(data.SetSkill(21, kBase, 5));
    EXPECT_EQ(data.GetSkill(21), 0);
    EXPECT_EQ(Saved(data), before);
    data.SetArmourClass(kBonus, 32767);
    data.AddArmourClass(kBonus, 1); // wraps as 16 bits
    EXPECT_EQ(data.GetArmourClass(), -32768);

    data.SetMaxHitPoints(40.0f);
    data.AddHitPoints(30.0f);
    data.AddHitPoints(-50.0f);
    EXPECT_EQ(data.GetHitPoints(), 0.0f);
    data.AddHitPoints(50.0f);
    EXPECT_EQ(data.GetHitPoints(), 40.0f);
}

TEST(CreatureData, TheActionTimerRunsOnlyOnTheAreaMapAndAlwaysEnds) {
    CreatureData data(nullptr);
    data.SetSpeed(kBase, 5);
    data.AddTimer(1.0f, false);
    EXPECT_EQ(data.GetTimer().GetSeconds(), 0.0f);
    data.AddTimer(1.0f, true);
    data.AddTimer(1.0f, true);
    EXPECT_FLOAT_EQ(data.GetTimer().GetSeconds(), 2.0f);
    EXPECT_FLOAT_EQ(data.GetTimer().GetMaximum(), 2.0f);
    data.Update(1000);
    EXPECT_EQ(data.GetTimerPercent(), 50);
    data.Update(1010);
    EXPECT_NEAR(data.GetTimer().GetSeconds(), -0.01f, 1e-6); // below 0 for the frame
    data.Update(33);
    EXPECT_EQ(data.GetTimer().GetSeconds(), 0.0f);
    for (int16_t speed : {0, -4}) { // no speed still waits a finite time, as at speed 1
        data.SetSpeed(kBase, speed);
        data.AddTimer(1.0f, true);
        EXPECT_FLOAT_EQ(data.GetTimer().GetSeconds(), 5.0f) << speed;
        EXPECT_FLOAT_EQ(data.GetTimer().GetMaximum(), 5.0f) << "a wait ended at 0 is over";
        data.Update(5000); // to exactly 0
    }
}

TEST(CreatureData, LevelsFollowTheTableAndKeepTheShareOfHitPoints) {
    const ScopedRuleTables tables;
    ASSERT_TRUE(tables.Loaded());
    CreatureData data(nullptr);
    data.SetAttribute(kEndurance, 6);
    data.SetLevel(3);
    data.SetMaxHitPoints(30.0f);
    data.AddHitPoints(15.0f);
    data.SetExperience(1599);
    EXPECT_FALSE(data.LevelUp());
    data.SetExperience(1600);
    ASSERT_TRUE(data.LevelUp());
    EXPECT_EQ(data.GetLevel(), 4);
    EXPECT_EQ(data.GetMaxHitPoints(), 36.0f);
    EXPECT_EQ(data.GetHitPoints(), 18.0f);
    EXPECT_EQ(data.GetNextLevelExperience(), 2500u);

    // Derived values: every base from the attributes and the level.
    const int16_t attributes[] = {8, 6, 7, 5, 9, 4, 3}; // S P E C I A L
    for (int index = 0; index < kAttributeCount; ++index)
        data.SetAttribute(index, attributes[index]);
    data.SetLevel(2);
    data.SetSkill(20, kBase, 44);
    data.SetSkill(5, kBonus, 100);
    data.SetSkillTagged(5, true);
    data.ComputeDerivedStats();
    EXPECT_EQ(data.GetMaxHitPoints(), 8 + 14 + 15 + 6.0f); // one level of 7 / 2 + 3
    EXPECT_EQ(data.GetMeleeDamage(), 3);
    EXPECT_EQ(data.GetExperience(), 400u);
    EXPECT_EQ(data.GetSpeed(), 7);
    EXPECT_EQ(data.GetSkill(5), 2 * 12 + 20 + 20 + 100); // tagged, the bonus kept
    EXPECT_EQ(data.GetSkill(19), 2 * (9 + 7));
    EXPECT_EQ(data.GetSkill(20), 44);
    EXPECT_EQ(data.GetOtherResistance(kResistPoison), 35);
}

TEST(CreatureData, SkillPointsGoToTaggedSkillsFirstAtTheirCost) {
    CreatureData data(nullptr);
    data.SetAttribute(kIntelligence, 5); // 15 points
    data.SetSkill(3, kBase, 123);
    data.SetSkillTagged(3, true);
    data.SetSkill(7, kBase, 124);
    data.SetSkillTagged(0, true);
    data.AutoSpendSkillPoints();
    // Skill 3 grows by 2 a point: 124 costs 2, 126 to 134 cost 3 each; after 133 one point
    // is left, which the first untagged skill at 0 takes.
    EXPECT_EQ(data.GetSkill(3), 133);
    EXPECT_EQ(data.GetSkill(1), 1);
    EXPECT_EQ(data.GetSkill(7), 124); // 125 would cost 2
    EXPECT_EQ(data.GetSkill(0), 0);   // never raised
}

TEST_F(CreatureRecord, AScriptNameLeadingOutOfTheScriptFolderChangesNothing) {
    const Bytes bytes = TypedCreature().bytes.Get();
    ASSERT_TRUE(Load(m_data, bytes));
    EXPECT_FALSE(Load(m_data, WithText(bytes, "talk", "../../talk")));
    EXPECT_FALSE(Load(m_data, WithText(bytes, "s3", "/s3")));
    EXPECT_EQ(Saved(m_data), bytes);
    EXPECT_EQ(LiveItems(), 2);
}

// Colour records found at rest are passed over until a change may reach them: through
// GetColourMod, or a fade started toward the other state.
TEST(CreatureData, ColourRecordsAtRestWaitForAChangeOrAFadeTheOtherWay) {
    CreatureData data(nullptr);
    const CreatureData& seen = data;
    data.Update(33);
    data.FadeColours(false); // nothing to fade out
    EXPECT_EQ(data.GetDisplayBits(), 0);
    data.FadeColours(true);
    EXPECT_EQ(data.GetDisplayBits(), 3);
    for (int frame = 0; frame < 61; ++frame)
        data.Update(33);
    EXPECT_EQ(data.GetDisplayBits(), 1);
    EXPECT_EQ(seen.GetColourMod(4).GetFadeAmount(), 255.0f);
    data.FadeColours(true); // already in
    EXPECT_EQ(data.GetDisplayBits(), 1);

    data.GetColourMod(2).SetTargetLevel(10, 0, 0);
    data.Update(33);
    EXPECT_EQ(seen.GetColourMod(2).GetLevel(0), 4);
    EXPECT_EQ(seen.GetColourMod(1).GetLevel(0), 0);
    data.FadeColours(false);
    EXPECT_EQ(data.GetDisplayBits(), 2);
    data.Update(33);
    EXPECT_LT(seen.GetColourMod(3).GetFadeAmount(), 255.0f);

    data.Reset();
    data.FadeColours(true); // the cleared records start from state 0
    EXPECT_EQ(data.GetDisplayBits(), 3);
}

} // namespace
