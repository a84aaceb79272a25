#include "Source/creatures/world_delivery.h"

#include "Source/creatures/ability_application.h"
#include "Source/creatures/ability_data.h"
#include "Source/creatures/ability_in_flight.h"
#include "Source/creatures/explosion_mgr.h"
#include "Source/creatures/uni_spell_mgr.h"
#include "Source/entities/projectile_launcher.h"
#include "Source/entities/soldier_entity.h"

bool WorldDelivery::Fire(int projectileKind, AbilityData& use) {
    return m_services.launcher != nullptr &&
           m_services.launcher->Fire(projectileKind, AbilityInFlight(use, *this));
}

bool WorldDelivery::CastSpell(int spellId, int level, AbilityData& use) {
    Spell* spell = m_services.spells ? m_services.spells->FindSpell(spellId) : nullptr;
    if (spell == nullptr)
        return false;
    spell->SelectAbility(level);
    return spell->ApplyToTarget(use.GetSource(), use.GetSourcePosition(), use.GetTarget(),
                                use.GetTargetPosition());
}

bool WorldDelivery::ApplyToTarget(AbilityData& use, Entity* target) {
    return ApplyAbilityToTarget(use, target);
}

bool WorldDelivery::ApplyToTargetByMode(AbilityData& use) {
    return ApplyAbilityToTargetByMode(use);
}

bool WorldDelivery::ApplyToNearestInArea(AbilityData& use) {
    return m_services.entities != nullptr && ApplyAbilityToNearestInArea(*m_services.entities, use);
}

bool WorldDelivery::ApplyInRadius(AbilityData& use) {
    return m_services.entities != nullptr && ApplyAbilityInRadius(*m_services.entities, use);
}

void WorldDelivery::SetAreaShape(const AbilityData& use) {
    SoldierEntity* source = nullptr;
    if (use.GetSpread() > 0.0 && Entity::AsSoldier(use.GetSource(), &source))
        source->SetAreaShape(use.GetSourcePosition(), use.GetTargetPosition(), use.GetRange(),
                             use.GetSpread());
}

bool WorldDelivery::StartExplosion(int kind, const LaunchedAbility& use) {
    return m_services.explosions != nullptr && m_services.explosions->Create(kind, use);
}
