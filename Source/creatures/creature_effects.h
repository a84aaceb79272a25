#pragma once
// What the combat rules ask of the effects on a creature.

#include <cstdint>

class Entity;
class EffectList;

// Effect kinds the rules look for.
enum RuleEffectKind : int {
    kEffectNoThreshold = 157,  // with parameter B 0: the threshold for its type counts 0
    kEffectNoResistance = 158, // the same for the resistance
};

class CreatureEffects {
public:
    // An active effect of the kind for the damage type whose parameter B is 0.
    virtual bool HasEffect(int kind, uint32_t damageType) const = 0;
    // What the creature's active damage-bonus effects add to its damage against the target.
    virtual int SumDamageBonus(const Entity* target) const = 0;
    // A preview's effects put on (apply) or taken off again: only the kinds that change the
    // creature's values act; damage, healing, poison and messages never do.
    virtual void ApplyPreviewList(const EffectList* list, bool apply) = 0;

protected:
    ~CreatureEffects() = default;
};
