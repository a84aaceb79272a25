#pragma once
// A timed or lasting change to a creature: a bonus to armour, a skill, a threshold or a
// resistance; damage or healing once; poison at every tick; a colour or body change; a
// message. Lists carry effects as definitions; applying one copies it, binds the copy to a
// creature and starts it, and the creature's effect manager runs it from then on.

#include "Library/core/stringc.h"

#include <cstdint>

class CreatureData;
class Entity;
class Stream;

enum EffectKind : uint16_t {
    kEffectArmourClass = 1,
    kEffectColourSlot1 = 8,
    kEffectColourSlot3 = 9,
    kEffectColourSlot2 = 10,
    kEffectCurePoison = 12,
    kEffectDamage = 13,
    kEffectHealing = 18,
    kEffectNone21 = 21,
    kEffectPoison = 26,
    kEffectColourTint = 52,
    kEffectColourLock = 53,
    kEffectBodyType = 54,
    kEffectColourFade = 64,
    kEffectMessage = 137,
    kEffectNone154 = 154,
    kEffectDamageBonus = 155,
    kEffectNone156 = 156,
    kEffectThreshold = 157,
    kEffectResistance = 158,
    kEffectOtherResistance = 159,
    kEffectSkill = 160,
    kEffectSkillUse = 161,
};

enum EffectTimeUnit : uint8_t {
    kUnitSeconds = 0,
    kUnitRounds = 1,
    kUnitMinutes = 2,
    kUnitHours = 3,
    kUnitLasting = 4,
    kUnitWhileWorn = 5, // removed with the list that brought it
    kUnitDelayed = 6,   // acts once the duration (seconds) has run
    kUnit7 = 7,         // never applied
    kUnitUntilEnded = 8,
    kUnit9 = 9,       // never applied
    kUnitAttack = 10, // only while one attack is evaluated
};

class Effect {
public:
    enum Phase : int { kPhaseStart = 0, kPhaseEnd = 1 };
    static constexpr int kMinStoredBytes = 54; // the fixed fields and an empty text

    Effect() { Reset(); }
    Effect(const Effect&) = default; // every field, target and source included
    Effect& operator=(const Effect&) = default;
    virtual ~Effect() = default;

    void Reset();
    void SetTarget(Entity* target, Entity* source);
    Entity* GetTarget() const { return m_target; }

    // The target rule, the chance and the resistance roll, then the start phase.
    bool Start();
    void Apply(int phase);
    // Advances a timed effect by the game time of the clock's last tick. A bonus or a
    // colour is put on once when started and taken off when its time runs out; only
    // damage, healing and poison act again at each whole unit.
    void Update();
    void Stop();               // when active: inactive, then the end phase
    void EndRounds(int round); // Stop once the round reaches the effect's rounds
    // A definition from its file under the effect directory (extension dropped, ".dat"),
    // from the archive or the loose file; a file that fails changes nothing.
    bool LoadDefinition(const char* name);

    bool IsActive() const { return m_active != 0; }
    void SetActive(bool active) { m_active = active ? 1 : 0; }
    uint16_t GetKind() const { return m_kind; }
    uint8_t GetTimeUnit() const { return m_timeUnit; }
    int32_t GetParameterA() const { return m_parameterA; }
    uint32_t GetParameterB() const { return m_parameterB; }
    int32_t GetAmount() const { return m_amount; }
    double GetElapsed() const { return m_elapsed; }
    bool IsRoundLimited() const { return m_durationRule == 1 || m_durationRule == 3; }
    bool BypassesThreshold() const { return m_durationRule == 0 || m_durationRule == 3; }
    // Kinds that change the creature's values or looks while they last.
    bool IsModifier() const;

    // Everything but target, source, active flag, elapsed time and accumulator; the text
    // ignoring case.
    bool Equals(const Effect& other) const;
    // Equals with the duration left out as well.
    bool EqualsWithoutDuration(const Effect& other) const;
    // Equal but for the halved byte, which starting sets by its resistance roll: whether this
    // running effect was started from the definition, so that taking it off finds it.
    bool IsStartedFrom(const Effect& definition) const;

    // Content authors fill a definition.
    void Define(uint16_t kind, uint8_t timeUnit, double duration, int32_t amount,
                int32_t parameterA, uint32_t parameterB);
    void SetDice(uint16_t count, uint16_t sides);
    void SetText(const Stringc& text) { m_text = text; }
    void SetResistance(uint8_t flag, uint8_t mode) {
        m_resistanceFlag = flag;
        m_resistMode = mode;
    }

    // Stored form, little-endian: u8 active, u16 kind, u8 target rule, u8 rounds, i32 amount,
    // i32 parameter A, u32 parameter B, u8 duration rule, u8 time unit, f64 duration, u8
    // chance, Stringc text, u16 dice count, u16 dice sides, u8 resistance flag, u8 resist
    // mode, u8 resistance bonus, u8 halved, f64 elapsed, f64 tick accumulator. A record
    // read whole leaves the effect unbound; one cut short changes nothing.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

private:
    bool MatchesDefinition(const Effect& other, bool withDuration) const;
    CreatureData* TargetData() const; // null for a target that is no creature
    bool ApplyToCreature(CreatureData& data, int phase);
    void ApplyModifier(CreatureData& data, int phase);
    void ApplyColour(CreatureData& data, int phase);
    void ApplyDamage();
    void ApplyHealing(CreatureData& data);
    void ApplyPoison(CreatureData& data);
    double StepOfUnit() const;

    Entity* m_target;
    Entity* m_source;
    uint8_t m_active;
    uint16_t m_kind;
    uint8_t m_targetRule;
    uint8_t m_rounds;
    int32_t m_amount;
    int32_t m_parameterA;
    uint32_t m_parameterB;
    uint8_t m_durationRule;
    uint8_t m_timeUnit;
    double m_duration;
    uint8_t m_chance;
    Stringc m_text;
    uint16_t m_diceCount;
    uint16_t m_diceSides;
    uint8_t m_resistanceFlag;
    uint8_t m_resistMode;
    uint8_t m_resistanceBonus;
    uint8_t m_halved;
    double m_elapsed;
    double m_accumulator;
    double m_lastStep;
};
