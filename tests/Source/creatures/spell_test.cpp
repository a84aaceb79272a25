// Spells: their file and ability records, the level in force, how each delivery hands the use
// on, and the registry of the game's nine definitions.
#include "Source/creatures/spell.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/data_tree_support.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/animation_support.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Source/creatures/ability_delivery.h"
#include "Source/creatures/spell_mgr.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/entity.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace testsupport;

// The spell's file form through Read and Write, for the round-trip helpers.
struct SpellFile {
    Spell spell;
    bool Read(Stream& stream) { return spell.ReadFields(stream); }
    bool Write(Stream& stream) const { return spell.WriteFields(stream); }
};

TypedBytes AbilityRecord(uint16_t minimumLevel) {
    TypedBytes record;
    record.U8(6).U8(2).U8(2).U8(3).U16(9).U16(minimumLevel);
    record.F32(12.0f).F32(2.5f).F64(0.75).U16(11).F32(1.5f);
    record.U32(0); // no effects
    return record;
}

// "wizard_fireball", id 4005, level 4, offensive, with abilities of the minimum levels.
Bytes FireballFile(std::initializer_list<uint16_t> levels, const char* art = "Spells/fire",
                   const char* sound = "whoosh.wav") {
    TypedBytes file;
    file.U32(1).U32(2).Text("Fireball").Text("fire").U16(4005).U8(3).U8(4).U8(1);
    for (uint16_t word = 1; word <= 8; ++word)
        file.U16(word);
    file.Text(art).Text("").Text(sound);
    file.U32(0); // no effects
    file.U32(static_cast<uint32_t>(levels.size()));
    Bytes bytes = file.Get();
    for (uint16_t level : levels) {
        const Bytes record = AbilityRecord(level).Get();
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

// Read at its level 4, the abilities of minimum levels 1, 3, 3 and 5 have the second 3 in
// force; level 0 falls back to the first, and none is in force without abilities.
TEST(SpellFile, IsTheHeaderTheEffectsAndEachAbilityRecordAndACutOneChangesNothing) {
    SpellFile file;
    ExpectRoundTripAndTruncationsFail(FireballFile({1, 3, 3, 5}), file);
    const SpellAbility* selected = file.spell.GetSelectedAbility();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->GetSpell(), &file.spell);
    file.spell.SelectAbility(3);
    EXPECT_EQ(file.spell.GetSelectedAbility(), selected) << "the later of the equal ones";
    file.spell.SelectAbility(0);
    EXPECT_EQ(file.spell.GetSelectedAbility()->GetMinimumLevel(), 1);

    Bytes forged = FireballFile({});
    forged[forged.size() - 4] = 0xFF; // a count no bytes follow
    EXPECT_FALSE(ReadFrom(file, forged));
    ASSERT_TRUE(ReadFrom(file, FireballFile({})));
    EXPECT_EQ(file.spell.GetSelectedAbility(), nullptr);
}

// The art set and the sound name files: one that leads out of its folder refuses the spell.
TEST(SpellFile, ANameLeadingOutOfItsFolderRefusesTheSpell) {
    SpellFile file;
    ASSERT_TRUE(ReadFrom(file, FireballFile({1})));
    testing::internal::CaptureStderr();
    EXPECT_FALSE(ReadFrom(file, FireballFile({}, "../fire")));
    EXPECT_FALSE(ReadFrom(file, FireballFile({}, "Spells/fire", "/whoosh.wav")));
    testing::internal::GetCapturedStderr();
    EXPECT_NE(file.spell.GetSelectedAbility(), nullptr) << "the spell read before stays";
}

// Notes each delivery with what the use names: its source, its target and its radius.
class RecordingDelivery : public AbilityDelivery {
public:
    bool Fire(int kind, AbilityData& use) override {
        return Note("fire " + std::to_string(kind), use);
    }
    bool CastSpell(int, int, AbilityData& use) override { return Note("cast", use); }
    bool ApplyToTarget(AbilityData& use, Entity* target) override {
        return Note(std::string("target ") + Name(target), use);
    }
    bool ApplyToTargetByMode(AbilityData& use) override { return Note("by mode", use); }
    bool ApplyToNearestInArea(AbilityData& use) override { return Note("nearest", use); }
    bool ApplyInRadius(AbilityData& use) override { return Note("radius", use); }
    void SetAreaShape(const AbilityData&) override {}

    std::vector<std::string> calls;

private:
    static const char* Name(const Entity* entity) {
        return entity ? entity->GetTemplateName().c_str() : "-";
    }
    bool Note(const std::string& what, const AbilityData& use) {
        calls.push_back(what + " from " + Name(use.GetSource()) + " at " + Name(use.GetTarget()));
        return true;
    }
};

// A caster and a goblin, and a delivery that notes what it is handed.
class SpellTest : public ::testing::Test {
protected:
    SpellTest() {
        SetAbilityDelivery(&m_delivery);
        m_caster.SetTemplateName("caster");
        m_goblin.SetTemplateName("goblin");
    }
    ~SpellTest() override { SetAbilityDelivery(nullptr); }
    // A spell of the id with one ability of the delivery and mode, taking 2.5 seconds.
    void Define(uint8_t delivery, uint8_t mode, uint16_t id = 0) {
        m_spell.SetId(id);
        SpellAbility ability;
        ability.Define(0, delivery, 2, mode, 1, 10.0f, 3.0f, 0.0, 7, 2.5f);
        m_spell.AddAbility(ability);
    }

    RecordingDelivery m_delivery;
    Entity m_caster;
    Entity m_goblin;
    Spell m_spell;
};

TEST_F(SpellTest, EachDeliveryHandsTheUseOnItsWay) {
    struct Case {
        uint8_t delivery;
        uint8_t mode;
        bool applied;
        std::string call;
    };
    const Case cases[] = {
        {SpellAbility::kOnCaster, 0, true, "target caster from caster at caster"},
        {SpellAbility::kOnTarget, 0, true, "target goblin from caster at goblin"},
        {SpellAbility::kByMode, SpellAbility::kModeByTargetType, true,
         "by mode from caster at goblin"},
        {SpellAbility::kByMode, SpellAbility::kModeNearestInArea, true,
         "nearest from caster at goblin"},
        {SpellAbility::kByMode, SpellAbility::kModeProjectile, true,
         "fire 7 from caster at goblin"},
        {SpellAbility::kByMode, 0, false, ""},
        {SpellAbility::kInRadius, 0, true, "radius from caster at -"},
        {9, 0, false, ""},
    };
    for (const Case& c : cases) {
        m_delivery.calls.clear();
        m_spell.Reset();
        Define(c.delivery, c.mode);
        EXPECT_EQ(m_spell.ApplyToTarget(&m_caster, Vector(), &m_goblin, Vector()), c.applied)
            << int{c.delivery} << " " << int{c.mode};
        EXPECT_EQ(m_delivery.calls,
                  c.call.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.call});
    }
}

// The cursor follows the level in force: an offensive spell's delivery picks it, a harmless
// spell or one cast on its caster has none, and a spell without abilities answers 0.
TEST_F(SpellTest, TheCursorKindIsTheSelectedAbilitysAndNoneWithoutOne) {
    EXPECT_EQ(m_spell.GetCursorKind(), 0);
    const std::pair<uint8_t, int> offensive[] = {{SpellAbility::kOnCaster, -1},
                                                 {SpellAbility::kOnTarget, 1},
                                                 {SpellAbility::kByMode, 2},
                                                 {SpellAbility::kInRadius, 2},
                                                 {9, 0}};
    for (const auto& [delivery, kind] : offensive) {
        m_spell.Reset();
        m_spell.SetOffensive(true);
        Define(delivery, 0);
        EXPECT_EQ(m_spell.GetCursorKind(), kind) << int{delivery};
    }
    m_spell.SetOffensive(false);
    EXPECT_EQ(m_spell.GetCursorKind(), -1);
    m_spell.Reset();
    m_spell.SetOffensive(true);
    SpellAbility onCaster;
    onCaster.Define(1, SpellAbility::kOnCaster, 2, 0, 0, 10.0f, 3.0f, 0.0, 7, 2.5f);
    m_spell.AddAbility(onCaster);
    Define(SpellAbility::kOnTarget, 0);
    m_spell.SelectAbility(0);
    EXPECT_EQ(m_spell.GetCursorKind(), -1) << "the level in force, not the last added";
    m_spell.SelectAbility(1);
    EXPECT_EQ(m_spell.GetCursorKind(), 1);
}

TEST_F(SpellTest, ACastSpendsAReadyChargeFirstAndWithoutOneNothingHappens) {
    Define(SpellAbility::kOnTarget, 0, 2112);
    SpellAbility& ability = *m_spell.GetSelectedAbility();
    SpellMgr spells(&m_caster);
    ASSERT_TRUE(spells.Learn(2112, 1, 1, 1));
    float time = 0.0f;
    EXPECT_TRUE(spells.CastOnTarget(ability, &m_goblin, true, time));
    EXPECT_FLOAT_EQ(time, 2.5f);
    EXPECT_FALSE(spells.CastOnTarget(ability, &m_goblin, true, time = 0.0f));
    EXPECT_FLOAT_EQ(time, 0.0f);
    EXPECT_TRUE(spells.Cast(ability, false, time)) << "no charge asked";
    EXPECT_EQ(m_delivery.calls, (std::vector<std::string>{"target goblin from caster at goblin",
                                                          "target - from caster at -"}));
}

TEST(SpellRegistry, KeepsEveryDefinitionThatLoadsAndAnswersNonCreaturesAtLevelOne) {
    ScopedDataRoot root;
    for (int index = 0; index < UniSpellMgr::kDefinitionCount; ++index) {
        Spell spell;
        spell.SetId(static_cast<uint16_t>(4000 + index));
        for (uint16_t minimum : {1, 2}) {
            SpellAbility ability;
            ability.Define(0, SpellAbility::kOnTarget, 0, 0, minimum, 1.0f, 0.0f, 0.0, 0, 1.0f);
            spell.AddAbility(ability);
        }
        MemStream out(kStreamWriteBinary);
        ASSERT_TRUE(spell.WriteFields(out));
        const std::string name = UniSpellMgr::kDefinitions[index];
        root.WriteFile("Data/Spell/" + name + ".dat", index == 4 ? "broken" : BytesOf(out));
    }
    UniSpellMgr registry;
    EXPECT_FALSE(registry.LoadAll()) << "one was left out";
    EXPECT_EQ(registry.CountSpells(), UniSpellMgr::kDefinitionCount - 1);
    EXPECT_EQ(registry.FindSpell(4004), nullptr);
    EXPECT_NE(registry.FindSpell(4008), nullptr);
    Entity door;
    const SpellAbility* ability = registry.GetAbility(4007, &door);
    ASSERT_NE(ability, nullptr);
    EXPECT_EQ(ability->GetMinimumLevel(), 1);
    EXPECT_EQ(registry.GetAbility(4004, &door), nullptr);
}

// The player takes "misc_1" of the spell's set from the shared pool and lets it go on a
// reset.
TEST(SpellAnimation, IsMisc1OfTheSetFromThePoolUntilAReset) {
    ScopedDataRoot root;
    WriteAni(root, "Spells/fire", "misc_1", 4, 1, 50);
    UniAnimationMgr pool;
    SpellFile file;
    ASSERT_TRUE(ReadFrom(file, FireballFile({1})));
    Spell& spell = file.spell;
    ASSERT_TRUE(spell.LoadAnimation(pool));
    const AnimationMgr& player = spell.GetAnimationPlayer();
    EXPECT_STREQ(player.GetAnimationName().c_str(), "Spells/fire");
    EXPECT_STREQ(player.GetName().c_str(), "misc_1");
    EXPECT_EQ(pool.CountUsed(), 1);
    spell.Reset();
    EXPECT_EQ(player.GetAnimation(), nullptr);
    EXPECT_STREQ(player.GetAnimationName().c_str(), "");
}

} // namespace
