#pragma once
// How the uses of items and spells reach the world: projectile sets launched, spells cast
// from the registry, abilities applied to the region's entities, explosions started. Each
// collaborator is reached through the slot that holds it, read at every use (null: that
// delivery fails).

#include "Source/creatures/ability_delivery.h"

class EntityMgr;
class ExplosionMgr;
class LaunchedAbility;
class ProjectileLauncher;
class UniSpellMgr;

class WorldDelivery : public AbilityDelivery {
public:
    struct Services {
        EntityMgr* const& entities;
        ProjectileLauncher* const& launcher;
        ExplosionMgr* const& explosions;
        UniSpellMgr* const& spells;
    };

    explicit WorldDelivery(const Services& services) : m_services(services) {}

    bool Fire(int projectileKind, AbilityData& use) override;
    bool CastSpell(int spellId, int level, AbilityData& use) override;
    bool ApplyToTarget(AbilityData& use, Entity* target) override;
    bool ApplyToTargetByMode(AbilityData& use) override;
    bool ApplyToNearestInArea(AbilityData& use) override;
    bool ApplyInRadius(AbilityData& use) override;
    void SetAreaShape(const AbilityData& use) override;
    bool StartExplosion(int kind, const LaunchedAbility& use);

private:
    Services m_services;
};
