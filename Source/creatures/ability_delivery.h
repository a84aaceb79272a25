#pragma once
// How a use of an ability reaches the world beyond the creatures' rules: projectiles
// launched, spells cast from the registry, the ability applied to entities, and the user's
// area shape. The projectiles and spells install theirs; without it nothing is delivered
// and every use that needs it fails.

class AbilityData;
class Entity;

class AbilityDelivery {
public:
    virtual ~AbilityDelivery() = default;

    // The projectile set of the kind, launched from the use's source toward its target.
    virtual bool Fire(int projectileKind, AbilityData& use) = 0;
    // The registry's spell of the id at the level, applied from the use's source to its
    // target; false when no spell has the id.
    virtual bool CastSpell(int spellId, int level, AbilityData& use) = 0;
    virtual bool ApplyToTarget(AbilityData& use, Entity* target) = 0;
    virtual bool ApplyToTargetByMode(AbilityData& use) = 0;
    virtual bool ApplyToNearestInArea(AbilityData& use) = 0;
    // Everything fitting the use's target type within its radius of its source position.
    virtual bool ApplyInRadius(AbilityData& use) = 0;
    // A use with a spread makes its source's area a cone toward the target.
    virtual void SetAreaShape(const AbilityData& use) = 0;
};

AbilityDelivery* GetAbilityDelivery(); // null until installed
void SetAbilityDelivery(AbilityDelivery* delivery);
