#pragma once
// What the combat rules read of one use of an item's or a spell's ability.

#include <cstdint>

class Entity;

// Attack kinds, each also the index of the attacker's skill that sets its chance.
enum AttackKind : int {
    kAttackPlain = 0, // no range test
    kAttackRanged1 = 1,
    kAttackRanged2 = 2,
    kAttackRanged3 = 3,
    kAttackMelee4 = 4,
    kAttackMelee5 = 5,
    kAttackThrown = 6,
};

class AbilityUse {
public:
    virtual Entity* GetSource() const = 0; // the user; null when none
    virtual int GetAttackKind() const = 0;
    virtual bool RollsToHit() const = 0; // false: the use always hits
    virtual float GetRadius() const = 0; // above 0 the use also always hits
    virtual float GetRange() const = 0;  // the weapon's, in world units
    virtual int GetShots() const = 0;
    virtual uint32_t GetDamageType() const = 0;
    // Its damage dice and bonus, rolled by the rules.
    virtual int RollDice() const = 0;
    // The dice of the loaded round and of the loaded ammunition, each rolled; 0 for a spell.
    virtual int AmmunitionDamage() const = 0;

protected:
    ~AbilityUse() = default;
};
