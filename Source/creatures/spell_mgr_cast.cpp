// A creature's casts: a charge spent, then the spell's ability applied from where it stands.
#include "Source/creatures/spell_mgr.h"

#include "Library/core/vector.h"
#include "Source/creatures/spell_ability.h"
#include "Source/entities/entity.h"

bool SpellMgr::Cast(SpellAbility& ability, bool useCharge, float& actionTime) {
    return CastAt(ability, nullptr, Vector(), useCharge, actionTime);
}

bool SpellMgr::CastOnTarget(SpellAbility& ability, Entity* target, bool useCharge,
                            float& actionTime) {
    return CastAt(ability, target, target ? target->GetPosition() : Vector(), useCharge,
                  actionTime);
}

bool SpellMgr::CastAtPoint(SpellAbility& ability, const Vector& point, bool useCharge,
                           float& actionTime) {
    return CastAt(ability, nullptr, point, useCharge, actionTime);
}

bool SpellMgr::CastAt(SpellAbility& ability, Entity* target, const Vector& point, bool useCharge,
                      float& actionTime) {
    if (useCharge && !UseCharge(static_cast<uint32_t>(ability.GetId())))
        return false;
    const Vector from = m_owner ? m_owner->GetPosition() : Vector();
    if (!ability.ApplyToTarget(m_owner, from, target, point))
        return false;
    actionTime = ability.GetActionTime();
    return true;
}
