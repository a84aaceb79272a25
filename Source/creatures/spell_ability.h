#pragma once
// One level of power of a spell or skill: what it does at that level, to what, how far, and
// how it is delivered: on the caster, on a target creature, by a delivery mode (by target
// type, the nearest in an area, a projectile) or to everything in a radius. Casting fills
// the ability's own use record and hands it on.
//
// Record, little-endian: u8 attack kind, u8 delivery, u8 target type, u8 delivery mode, u16
// word A, u16 minimum level, f32 range, f32 radius, f64 area angle, u16 projectile kind, f32
// action time, then the effect list (u32 count and the effect records).

#include "Library/core/vector.h"
#include "Source/creatures/ability_data.h"
#include "Source/creatures/effect_list.h"

#include <cstdint>

class Entity;
class Spell;
class Stream;

class SpellAbility {
public:
    enum Delivery : uint8_t {
        kOnCaster = 0,
        kOnTarget = 1,
        kByMode = 2,
        kInRadius = 3,
        kNoDelivery = 255,
    };
    enum DeliveryMode : uint8_t {
        kModeByTargetType = 1,
        kModeNearestInArea = 2,
        kModeProjectile = 3,
    };
    static constexpr uint16_t kNoProjectile = 65535;
    static constexpr int kMinStoredBytes = 34; // with an empty effect list

    SpellAbility() { Reset(); }
    SpellAbility(const SpellAbility&) = delete;
    SpellAbility& operator=(const SpellAbility&) = default;
    virtual ~SpellAbility() = default;

    void Reset();
    // A failed read leaves the ability as it was.
    bool LoadEffects(Stream& stream);
    bool SaveEffects(Stream& stream) const;

    const Spell* GetSpell() const { return m_spell; }
    void SetSpell(const Spell* spell) { m_spell = spell; }
    int GetId() const; // the spell's; 0 without one
    // -1 for a spell that is not offensive or delivered on the caster; 1 on a target; 2 by
    // mode or in a radius; 0 otherwise.
    int GetCursorKind() const;

    // The point, or the target's circle, suits the target type and lies within range of the
    // caster (its circle when it has one).
    bool InRange(Entity* caster, const Vector& casterPosition, Entity* target,
                 const Vector& targetPosition) const;
    bool ApplyToTarget(Entity* caster, const Vector& casterPosition, Entity* target,
                       const Vector& targetPosition); // with the spell's sound at the caster
    bool ApplyToPoint(Entity* caster, const Vector& casterPosition, Entity* target,
                      const Vector& targetPosition);
    // The use record filled from this ability, then delivered; the delivery's result.
    bool Apply(Entity* caster, const Vector& casterPosition, Entity* target,
               const Vector& targetPosition);

    // Content authors fill an ability.
    void Define(uint8_t attackKind, uint8_t delivery, uint8_t targetType, uint8_t deliveryMode,
                uint16_t minimumLevel, float range, float radius, double areaAngle,
                uint16_t projectileKind, float actionTime);

    int GetAttackKind() const { return m_attackKind; }
    int GetDelivery() const { return m_delivery; }
    int GetTargetType() const { return m_targetType; }
    int GetDeliveryMode() const { return m_deliveryMode; }
    int GetMinimumLevel() const { return m_minimumLevel; }
    float GetRange() const { return m_range; }
    float GetRadius() const { return m_radius; }
    double GetAreaAngle() const { return m_areaAngle; }
    int GetProjectileKind() const { return m_projectileKind; }
    float GetActionTime() const { return m_actionTime; }
    EffectList& GetEffects() { return m_effects; }
    const EffectList& GetEffects() const { return m_effects; }
    const AbilityData& GetUse() const { return m_use; }

private:
    bool Deliver();

    const Spell* m_spell;
    uint8_t m_attackKind;
    uint8_t m_delivery;
    uint8_t m_targetType;
    uint8_t m_deliveryMode;
    uint16_t m_wordA; // kept; nothing reads it
    uint16_t m_minimumLevel;
    float m_range;
    float m_radius;
    double m_areaAngle;
    uint16_t m_projectileKind;
    float m_actionTime;
    EffectList m_effects;
    AbilityData m_use;
};
