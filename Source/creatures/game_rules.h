#pragma once
// Every numeric rule of play: the chance to hit, hit rolls with fumbles and criticals, shots,
// damage through threshold and resistance, chance and dice rolls, the conversions from
// attributes to derived values, experience per level and skill-point costs. The rules are
// stateless; the one GameRules object the set-up makes only carries the timers of the
// world-map checks. Every roll draws from the rules' random source.

#include "Library/core/random_timer.h"

#include <cstdint>
#include <memory>

class AbilityUse;
class CreatureData;
class Entity;
class EntityMgr;
class RandomSource;
class Stringc;
class Vector;
class WeaponAbility;

// What a hit roll found besides the hit, handed on to the damage rules.
struct AttackRoll {
    bool fumble = false;   // rolls 97 to 99: no damage at all
    bool critical = false; // the roll was at or below the critical chance: damage doubled
};

// What an ability may be aimed at.
enum TargetType : int {
    kTargetAny = 0,
    kTargetAnything = 1,
    kTargetLiving = 2,
    kTargetDead = 3,
    kTargetNothing = 4,
    kTargetMapPoint = 5,
    kTargetMapObject = 6,
};

class GameRules {
public:
    static constexpr int kMaxLevelRow = 21; // later levels add the "22+" step
    static constexpr int kMaxChance = 95;
    static constexpr int kFirstFumble = 97;

    GameRules(); // both timers at one second, from a random phase
    GameRules(const GameRules&) = delete;
    GameRules& operator=(const GameRules&) = delete;
    virtual ~GameRules();

    static RandomSource& Random();
    static void SetRandomSource(RandomSource* source); // null: the runtime generator

    // count < 1: bonus; else bonus + count rolls of a die of sides, each Int (1, sides),
    // so a die shows 1 to sides - 1 (1 for a single side).
    static int RollDice(int count, int sides, int bonus);
    // A percent roll of 0 to 99 at most percent: percent + 1 chances in 100; never below 1.
    static bool Chance(int percent);
    static bool CoinFlip(); // a percent roll above 50: 49 chances in 100

    // Attack resolution. The attacker's chance and rolls need a creature; the target may be
    // any entity (one that is not a creature has no armour, threshold or resistance).
    // 0 to 95: the skill of the attack kind less 3 per whole unit beyond the range less the
    // target's armour class.
    static int ToHitChance(Entity* attacker, const AbilityUse& ability, Entity* target);
    // An ability that rolls no hit or has a radius always hits; otherwise a percent roll of
    // 97 or more fumbles, one above the chance misses, one at or below the attacker's
    // critical chance is critical.
    static bool HitRoll(Entity* attacker, const AbilityUse& ability, Entity* target,
                        AttackRoll& roll);
    // One hit roll per shot when the attacker sees the target's position; the roll is the
    // last one's. True when any shot hit.
    static bool RollShots(Entity* attacker, const AbilityUse& ability, Entity* target,
                          AttackRoll& roll, int& hits);
    // The ability's source's effect bonus, weapon and ammunition damage (both doubled on a
    // critical), through the target's threshold and resistance; true when at least 1.
    static bool DamageOneHit(Entity* attacker, const AbilityUse& ability, Entity* target,
                             const AttackRoll& roll, int& damage);
    // The same summed over the hits (the effect bonus looked up once, added for each) with
    // threshold and resistance applied once to the sum.
    static bool DamageHits(Entity* attacker, const AbilityUse& ability, Entity* target, int hits,
                           const AttackRoll& roll, int& damage);
    // The play screen's chance to hit a living creature with a weapon: the weapon's effects
    // are put on the target as a preview while the chance is worked out, then taken off.
    static bool EvaluateAttack(Entity* attacker, WeaponAbility* weapon, Entity* target,
                               int& chance);
    // damage - threshold, less the resistance's percent of that rounded down (the percent
    // taken as a single-precision 0.01); below 1 is no damage. Effects of kinds 157 and 158
    // for the type make threshold and resistance 0.
    static int ApplyThresholdResistance(int damage, uint32_t damageType, Entity* target);
    // A creature resists with a chance of its other resistance for the flag plus the bonus.
    static bool ResistRoll(Entity* entity, uint32_t flag, int bonus);
    static bool IsValidTarget(int targetType, Entity* entity, const Vector& point);
    // The target suits the type and lies within range of the caster: the target's circle,
    // or without one the point, within range of the caster's circle, or without a caster
    // of its position.
    static bool InRange(Entity* caster, const Vector& casterPosition, int targetType, float range,
                        Entity* target, const Vector& targetPosition);
    static int EffectDamageBonus(Entity* source, Entity* target);
    static int WeaponDamage(Entity* source, const AbilityUse& ability, Entity* target,
                            bool critical);
    static int WeaponDamage2(Entity* source, const AbilityUse& ability, Entity* target,
                             bool critical);
    static int EntityDamageResistance(Entity* entity, uint32_t damageType);
    static int EntityDamageThreshold(Entity* entity, uint32_t damageType);

    // World map travel, once a second of frame time while the creature acts and no town
    // lies under it: a chance of the region table's percent for its place; on success the
    // other region table's entry for the place.
    bool TryWorldEncounter(Entity* creature, uint32_t frameMs, Stringc& encounter);
    static bool WorldEncounterAt(Entity* creature, Stringc& encounter); // no roll, no timer
    // World map travel, once a second of frame time while the creature acts: every town of
    // its region tries to be found by it; true when one was found now.
    bool TryDiscoverTowns(Entity* creature, uint32_t frameMs);

    // Resting: healed when the creature cannot heal, is dead or is at its maximum.
    static bool IsHealed(const CreatureData& creature);
    static bool AllMembersHealed(EntityMgr& manager); // every party member of the region

    static int MeleeDamageFor(int strength);
    static int ReachFor(int attribute);
    static int HealingRateFor(int endurance);
    static int SpeedFor(int agility);
    // The "XP_REQUIRED" of the level's row of "LevelProgression.2DA", past row 21 that of
    // row 21 plus a "22+" step per level; 0 below level 1 or when a lookup fails.
    static int XpRequired(int level);
    static int SkillPointCost(int value);
    static int SkillGainPerPoint(int gain, bool tagged) { return tagged ? gain * 2 : gain; }

    static constexpr int TaggedSkillBonus() { return 20; }
    static constexpr float ActionTimeFactor() { return 5.0f; }
    static constexpr int MaxTaggedSpells() { return 3; }
    static constexpr double TenthFactor() { return 0.1; }
    static constexpr float UnitFactor() { return 1.0f; }

private:
    static constexpr int kCheckPeriodMs = 1000;

    std::unique_ptr<RandomTimer> m_encounterTimer;
    std::unique_ptr<RandomTimer> m_discoveryTimer;
};

// Made by the game's set-up.
extern GameRules* g_gameRules;
