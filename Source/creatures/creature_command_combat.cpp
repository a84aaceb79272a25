// What the attack and guard commands share: the target, the weapon, the blow and the chase.
#include "Source/creatures/creature_command.h"

#include "Library/geometry/circle_tests.h"
#include "Source/entities/creature_parts.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/item_entity.h"
#include "Source/entities/soldier_entity.h"

namespace {

constexpr float kChaseMargin = 6.0f; // a target lost this close is chased where it is

} // namespace

void CreatureCommand::KeepCombatAlive() {
    EntityMgr* manager = Manager();
    if (manager != nullptr &&
        (m_state == kPathingToTarg || m_state == kPathingToLastTargPos || m_state == kAttacking))
        manager->StartCombatCountdown();
}

void CreatureCommand::TrackTarget(SoldierEntity* target) {
    if (target == nullptr)
        return;
    const CreatureParts* creature = m_owner.GetCreature();
    if (creature != nullptr && creature->CanSee(target->GetPosition())) {
        m_lastTargetPosition = target->GetPosition();
        if (m_state == kPathingToLastTargPos)
            m_state = kStart;
        return;
    }
    if (m_state == kPathingToLastTargPos || m_state == kAttacking || IsTimerRunning())
        return;
    if (CirclesOverlapMargin(m_owner, kChaseMargin, *target))
        m_lastTargetPosition = target->GetPosition();
    m_state = PathToPoint(m_lastTargetPosition) ? kPathingToLastTargPos : kEnd;
}

bool CreatureCommand::SetTarget(Entity* entity) {
    SoldierEntity* soldier = nullptr;
    if (!Entity::AsSoldier(entity, &soldier))
        return false;
    m_attackTarget = EntityHandle(soldier);
    m_lastTargetPosition = soldier->GetPosition();
    return true;
}

bool CreatureCommand::CheckWeapon() {
    TakeWeapon();
    const ItemEntity* weapon = GetItem();
    if (weapon != nullptr && !weapon->IsEmpty())
        return true;
    Fail();
    return false;
}

bool CreatureCommand::CanAttackTarget() {
    const EntityMgr* manager = Manager();
    const SoldierEntity* target = GetAttackTarget();
    return CheckWeapon() && target != nullptr && !target->IsDead() && manager != nullptr &&
           manager->IsSoldierLive(target);
}

void CreatureCommand::WatchPursuit() {
    if (!CanAttackTarget())
        m_state = kEnd;
    else if (!IsMoving())
        m_state = kStart;
}

bool CreatureCommand::StartAttack(SoldierEntity* target) {
    const ItemEntity* weapon = GetItem();
    if (target == nullptr || weapon == nullptr)
        return false;
    if (!weapon->CanReach(*target))
        return PathToTarget(target, weapon->GetRange());
    Stop();
    m_owner.OnEvent(SoldierEntity::kEventAttack, target, 0, 0);
    m_state = kAttacking;
    return true;
}
