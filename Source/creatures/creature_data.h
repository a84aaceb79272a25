#pragma once
// The rules record of one creature: its seven attributes, level and hit points, the derived
// values as base and bonus pairs, experience, resistances, skills, the names of its
// scripts, its dialogue values and its action timer. It owns the creature's spells, what it
// carries and the effects on it. Values come from the creature's definition and from saved
// games through one stored form.

#include "Library/core/stringc.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/colour_mod.h"
#include "Source/creatures/action_timer.h"
#include "Source/creatures/stat_pair.h"

#include <cstdint>
#include <memory>

class CreatureInventory;
class CreatureOwner;
class EffectMgr;
class Entity;
class SpellMgr;
class Stream;

enum Attribute : int {
    kStrength,
    kPerception,
    kEndurance,
    kCharisma,
    kIntelligence,
    kAgility,
    kLuck,
    kAttributeCount,
};

// Damage types and the other resistances are bit values.
enum DamageType : uint32_t {
    kDamageNormal = 2,
    kDamageType4 = 4,
    kDamageType8 = 8,
    kDamageLaser = 16,
    kDamageType32 = 32,
    kDamageType64 = 64,
};
enum OtherResistance : uint32_t {
    kResistPoison = 128,
    kResistOther256 = 256,
    kResistOther512 = 512,
    kResistOther1024 = 1024,
    kResistOther2048 = 2048,
};

class CreatureData {
public:
    static constexpr int kColourModCount = 5;
    static constexpr int kTextCount = 2;
    static constexpr int kDamageTypeCount = 6;
    static constexpr int kOtherResistanceCount = 5;
    static constexpr int kSkillCount = 21;
    static constexpr int kScriptCount = 7; // 0 to 5 the script slots, 6 the dialogue
    static constexpr int kIdleScript = 4;
    static constexpr int kDialogueScript = 6;
    static constexpr int kSightRange = 20; // cells of the vision grid, for every creature

    // What reloads its scripts and look, and the creature's entity, whose manager makes the
    // items it carries; neither owned, either null for a record on its own.
    explicit CreatureData(CreatureOwner* owner, Entity* self = nullptr);
    CreatureData(const CreatureData&) = delete;
    CreatureData& operator=(const CreatureData&) = delete;
    virtual ~CreatureData();

    void Reset();
    // Stored form, little-endian: u32 flags; u16 body type, u16 override; the five colour
    // modifications; the colour; two texts; 7 x i16 attributes; i16 level; f32 hit points,
    // f32 maximum; group A twice, first the bases, then the bonuses (i16 armour class, f32
    // carry weight, i16 melee damage, i16 healing rate, f32 ranged reach, f32 throw reach);
    // u32 experience, u32 next level's, u32 kill experience, u16 spare value; group B
    // twice, bases then bonuses (41 x i16: second perception, speed, critical chance, six
    // resistances, six thresholds, five other resistances, 21 skills); 21 x u8 skill tags;
    // seven script names; the dialogue start label; u32 dialogue value; u8 will trade; the
    // death variable scope; the spells, the inventory and the effects in their own forms;
    // f32 action timer, f32 its maximum. A record cut short or refused by a part changes
    // nothing: the items made for it are released. A record read whole replaces what was
    // carried, which is released.
    bool Load(Stream& stream);
    bool Save(Stream& stream) const;
    // Once per frame: the action timer counts down, then the effects and the five colour
    // modifications advance. True.
    bool Update(uint32_t frameMs);

    // Action timer. Actions add their time only on the area map.
    void AddTimer(float amount, bool onAreaMap) { m_timer.Add(amount, GetSpeed(), onAreaMap); }
    int GetTimerPercent() const { return m_timer.GetPercent(); }
    const ActionTimer& GetTimer() const { return m_timer; }

    int GetHitPointsPercent() const; // 0 without hit points or maximum
    static constexpr int GetSightRange() { return kSightRange; }

    // Getters: effective values are base + bonus; an index or flag outside the listed
    // ones gives 0 (false).
    int GetAttribute(int index) const;
    int GetLevel() const { return m_level; }
    float GetHitPoints() const { return m_hitPoints; }
    float GetMaxHitPoints() const { return m_maxHitPoints; }
    int GetArmourClass() const { return m_armourClass.Effective(); }
    int GetMeleeDamage() const { return m_meleeDamage.Effective(); }
    int GetHealingRate() const { return m_healingRate.Effective(); }
    int GetSpeed() const { return m_groupB[kSpeedPair].Effective(); }
    int GetCriticalChance() const { return m_groupB[kCriticalChancePair].Effective(); }
    float GetCarryWeight() const { return m_carryWeight.Effective(); }
    float GetRangedReach() const { return m_rangedReach.Effective(); }
    float GetThrowReach() const { return m_throwReach.Effective(); }
    uint32_t GetExperience() const { return m_experience; }
    uint32_t GetNextLevelExperience() const { return m_nextLevelExperience; }
    uint32_t GetKillExperience() const { return m_killExperience; } // shared by the killers
    uint16_t GetSpareValue() const { return m_spareValue; }
    int GetSecondPerception() const { return m_groupB[kSecondPerceptionPair].Effective(); }
    int GetDamageResistance(uint32_t type) const; // held within 0..100
    int GetDamageThreshold(uint32_t type) const;  // held within 0..100
    int GetOtherResistance(uint32_t flag) const;  // held within 0..100
    int GetSkill(int index) const;                // not held within bounds
    bool IsSkillTagged(int index) const;
    int GetBodyType() const { return m_bodyTypeOverride != 0 ? m_bodyTypeOverride : m_bodyType; }
    bool HasFlag(uint32_t mask) const { return (m_flags & mask) != 0; }
    bool IsScript(int index, const char* name) const;
    const Stringc& GetScript(int index) const; // "" outside 0 to 6
    const Stringc& GetText(int index) const;   // "" outside 0 and 1
    const Colour& GetColour() const { return m_colour; }
    // The first colour modification's fade state: 0 the creature is not drawn.
    int GetDisplayBits() const { return m_colourMods[0].GetFlags() & ColourMod::kFadeStateMask; }
    // 0 to 4. Whoever may change a record ends what Update knew of its rest.
    ColourMod& GetColourMod(int index) {
        m_restingColours &= static_cast<uint8_t>(~(1u << index));
        return m_colourMods[index];
    }
    const ColourMod& GetColourMod(int index) const { return m_colourMods[index]; }
    // Every colour record starts fading in (or out); those at rest that are already faded
    // in (out) are not even read.
    void FadeColours(bool in);
    const Stringc& GetDialogueStartLabel() const { return m_dialogueStartLabel; }
    uint32_t GetDialogueValue() const { return m_dialogueValue; }
    bool WillTrade() const { return m_willTrade != 0; }
    const Stringc& GetDeathVariableScope() const { return m_deathVariableScope; }

    Entity* GetEntity() const { return m_self; }
    // Through the owner; nothing without one.
    void ReloadArtSet();
    void RefreshLook();

    SpellMgr& GetSpellMgr() { return *m_spellMgr; }
    const SpellMgr& GetSpellMgr() const { return *m_spellMgr; }
    const CreatureInventory& GetInventory() const { return *m_inventory; }
    CreatureInventory& GetInventory() { return *m_inventory; }
    // The way in for anyone who may add an effect: Update looks at the effects again.
    EffectMgr& GetEffectMgr() {
        m_noEffects = false;
        return *m_effectMgr;
    }

    // Setters store and adders add; "which" is 0 for the base, 1 for the bonus; 16-bit
    // values wrap. An index, type or flag outside the listed ones changes nothing.
    void SetFlag(uint32_t mask, bool on);
    void SetBodyType(int which, uint16_t value); // 1 sets the override
    void SetAttribute(int index, int16_t value);
    void AddAttribute(int index, int16_t delta);
    void SetLevel(int16_t value); // also the next level's experience
    void AddLevel(int16_t delta);
    void AddHitPoints(float delta); // held within 0 .. maximum
    void SetMaxHitPoints(float value) { m_maxHitPoints = value; }
    void AddMaxHitPoints(float delta) { m_maxHitPoints += delta; }
    void SetArmourClass(int which, int16_t value) { m_armourClass.Set(which, value); }
    void AddArmourClass(int which, int16_t delta) { m_armourClass.Add(which, delta); }
    void SetCarryWeight(int which, float value) { m_carryWeight.Set(which, value); }
    void AddCarryWeight(int which, float delta) { m_carryWeight.Add(which, delta); }
    void SetMeleeDamage(int which, int16_t value) { m_meleeDamage.Set(which, value); }
    void AddMeleeDamage(int which, int16_t delta) { m_meleeDamage.Add(which, delta); }
    void SetHealingRate(int which, int16_t value) { m_healingRate.Set(which, value); }
    void AddHealingRate(int which, int16_t delta) { m_healingRate.Add(which, delta); }
    void SetRangedReach(int which, float value) { m_rangedReach.Set(which, value); }
    void AddRangedReach(int which, float delta) { m_rangedReach.Add(which, delta); }
    void SetThrowReach(int which, float value) { m_throwReach.Set(which, value); }
    void AddThrowReach(int which, float delta) { m_throwReach.Add(which, delta); }
    void SetExperience(uint32_t value) { m_experience = value; }
    void AddExperience(uint32_t delta) { m_experience += delta; }
    void SetKillExperience(uint32_t value) { m_killExperience = value; }
    void AddKillExperience(uint32_t delta) { m_killExperience += delta; }
    void SetSpareValue(uint16_t value) { m_spareValue = value; }
    void AddSpareValue(uint16_t delta) {
        m_spareValue = static_cast<uint16_t>(m_spareValue + delta);
    }
    void SetSecondPerception(int which, int16_t value) {
        m_groupB[kSecondPerceptionPair].Set(which, value);
    }
    void AddSecondPerception(int which, int16_t delta) {
        m_groupB[kSecondPerceptionPair].Add(which, delta);
    }
    void SetSpeed(int which, int16_t value) { m_groupB[kSpeedPair].Set(which, value); }
    void AddSpeed(int which, int16_t delta) { m_groupB[kSpeedPair].Add(which, delta); }
    void SetCriticalChance(int which, int16_t value) {
        m_groupB[kCriticalChancePair].Set(which, value);
    }
    void AddCriticalChance(int which, int16_t delta) {
        m_groupB[kCriticalChancePair].Add(which, delta);
    }
    void SetDamageResistance(uint32_t type, int which, int16_t value);
    void AddDamageResistance(uint32_t type, int which, int16_t delta);
    void SetDamageThreshold(uint32_t type, int which, int16_t value);
    void AddDamageThreshold(uint32_t type, int which, int16_t delta);
    void SetOtherResistance(uint32_t flag, int which, int16_t value);
    void AddOtherResistance(uint32_t flag, int which, int16_t delta);
    bool SetSkill(int index, int which, int16_t value); // false for an index of 21 or more
    bool AddSkill(int index, int which, int16_t delta);
    bool SetSkillTagged(int index, bool tagged);
    // Stores the name and has the owner reload that script; false outside 0 to 6 or
    // without an owner, else whether it loaded.
    bool SetScript(int index, const char* name);
    void SetText(int index, const char* text); // 0 or 1
    void SetColour(const Colour& colour) { m_colour = colour; }
    void SetDialogueStartLabel(const char* label) { m_dialogueStartLabel = label; }
    void SetDialogueValue(uint32_t value) { m_dialogueValue = value; }
    void SetWillTrade(bool willTrade) { m_willTrade = willTrade ? 1 : 0; }
    void SetDeathVariableScope(const char* scope) { m_deathVariableScope = scope; }

    // Derived values: every base from the attributes and the level (bonuses untouched).
    void ComputeDerivedStats();
    int GetHitPointsPerLevel() const; // Endurance / 2 rounded down, plus 3
    int GetSkillPointsPerLevel() const { return 2 * GetAttribute(kIntelligence) + 5; }
    bool CanLevelUp() const;
    // One level up with the same share of hit points; false, changing nothing, when the
    // experience is not there yet. Experience is kept and no skill points are granted.
    bool LevelUp();
    // Spends the skill points of one level: tagged skills first, then the others, each in
    // repeated sweeps over skills 1 to 20; left-over points are lost.
    void AutoSpendSkillPoints();

private:
    // The 16-bit pairs after the experience, in stored order.
    enum GroupB : int {
        kSecondPerceptionPair,
        kSpeedPair,
        kCriticalChancePair,
        kFirstResistancePair,
        kFirstThresholdPair = kFirstResistancePair + kDamageTypeCount,
        kFirstOtherResistancePair = kFirstThresholdPair + kDamageTypeCount,
        kFirstSkillPair = kFirstOtherResistancePair + kOtherResistanceCount,
        kGroupBCount = kFirstSkillPair + kSkillCount,
    };

    CreatureData& operator=(CreatureData&& other) = default; // the whole record, for Load
    // Hands every stored field to io in stored order (the reader or the writer of Load and
    // Save); false at the first it refuses.
    template <class Self, class Io> static bool Transfer(Self& self, Io& io);
    // The pair of group B's first + index, for an index below count; null otherwise.
    ShortPair* PairAt(int first, int count, int index);
    const ShortPair* PairAt(int first, int count, int index) const;
    // Sweeps over skills 1 to 20 of the given tagging until one raises none.
    void SpendSkillPoints(int& points, bool tagged);

    CreatureOwner* m_owner;
    Entity* m_self;
    uint32_t m_flags = 0;
    uint16_t m_bodyType = 0;
    uint16_t m_bodyTypeOverride = 0;
    // Bit i: colour record i was at rest when Update last saw it and nobody may have changed
    // it since, so Update passes it over unread; m_fadedInColours then holds its fade
    // state's low bit (1 faded in, 0 none).
    uint8_t m_restingColours = 0;
    uint8_t m_fadedInColours = 0;
    // The effects were found empty by Update and nobody has asked for them since, so
    // Update leaves them unread.
    bool m_noEffects = false;
    // Looked at every frame (is the creature dead?) beside the fields above.
    float m_hitPoints = 0.0f;
    float m_maxHitPoints = 0.0f;
    // Read every frame with the colour records that follow.
    std::unique_ptr<SpellMgr> m_spellMgr;
    std::unique_ptr<CreatureInventory> m_inventory;
    std::unique_ptr<EffectMgr> m_effectMgr;
    ActionTimer m_timer;
    ColourMod m_colourMods[kColourModCount];
    Colour m_colour;
    Stringc m_texts[kTextCount];
    int16_t m_attributes[kAttributeCount] = {};
    int16_t m_level = 0;
    ShortPair m_armourClass;
    FloatPair m_carryWeight;
    ShortPair m_meleeDamage;
    ShortPair m_healingRate;
    FloatPair m_rangedReach;
    FloatPair m_throwReach;
    uint32_t m_experience = 0;
    uint32_t m_nextLevelExperience = 0;
    uint32_t m_killExperience = 0;
    uint16_t m_spareValue = 0;
    ShortPair m_groupB[kGroupBCount];
    uint8_t m_skillTags[kSkillCount] = {};
    Stringc m_scripts[kScriptCount];
    Stringc m_dialogueStartLabel;
    uint32_t m_dialogueValue = 0;
    uint8_t m_willTrade = 1;
    Stringc m_deathVariableScope;
};
