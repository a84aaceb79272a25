#pragma once
// What the attack preview reads of a weapon's item ability.

class AbilityUse;
class EffectList;
class Entity;

class WeaponAbility {
public:
    virtual bool RollsToHit() const = 0;
    // A use of the ability by the attacker against the target, their positions included.
    virtual const AbilityUse& PrepareUse(Entity& attacker, Entity& target) = 0;
    virtual const EffectList* GetEffects() const = 0; // null without effects

protected:
    ~WeaponAbility() = default;
};
