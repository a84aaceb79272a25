#include "Source/creatures/ability_in_flight.h"

#include "Source/creatures/creature.h"
#include "Source/creatures/creature_inventory.h"
#include "Source/creatures/world_delivery.h"

AbilityInFlight::AbilityInFlight(const AbilityData& use, WorldDelivery& world) : m_world(world) {
    m_use = use;
}

std::unique_ptr<LaunchedAbility> AbilityInFlight::Clone() const {
    return std::make_unique<AbilityInFlight>(m_use, m_world);
}

void AbilityInFlight::ForgetTarget() {
    m_use.SetSourceTarget(m_use.GetSource(), m_use.GetSourcePosition(), nullptr,
                          m_use.GetTargetPosition());
}

void AbilityInFlight::SetOrigin(const Vector& point) {
    m_use.SetSourceTarget(m_use.GetSource(), point, m_use.GetTarget(), m_use.GetTargetPosition());
}

void AbilityInFlight::SetTargetPoint(const Vector& point) {
    m_use.SetSourceTarget(m_use.GetSource(), m_use.GetSourcePosition(), m_use.GetTarget(), point);
}

bool AbilityInFlight::ReturnToHand(ItemEntity& item) {
    Creature* creature = Creature::Of(m_use.GetSource());
    ItemEntity* held = nullptr;
    return creature != nullptr && creature->GetData().GetInventory().AddToCurrentHand(&item, held);
}

bool AbilityInFlight::StartExplosion(int kind) {
    return m_world.StartExplosion(kind, *this);
}

bool AbilityInFlight::ApplyInRadius() {
    return m_world.ApplyInRadius(m_use);
}

bool AbilityInFlight::ApplyToTarget(Entity* target) {
    return m_world.ApplyToTarget(m_use, target);
}
