#include "Source/creatures/protect_target_command.h"

#include "Library/graphics/screen.h"
#include "Source/creatures/creature.h"
#include "Source/entities/entity_mgr.h"
#include "Source/entities/entity_queries.h"
#include "Source/entities/sight_tests.h"
#include "Source/entities/soldier_entity.h"

ProtectTargetCommand::ProtectTargetCommand(SoldierEntity& owner, Entity* guarded)
    : GuardCommand(owner, kProtectTarget) {
    SetTargetEntity(guarded);
    Creature* self = Creature::Of(&owner);
    Creature* other = Creature::Of(guarded);
    if (self != nullptr && other != nullptr) {
        self->GetTargets().SetCommandTarget(guarded->GetRef());
        other->GetTargets().SetCommandedBy(owner.GetRef());
    }
}

SoldierEntity* ProtectTargetCommand::Guarded() const {
    SoldierEntity* guarded = nullptr;
    return Entity::AsSoldier(GetTarget(), &guarded) ? guarded : nullptr;
}

// Whoever attacked it, while that one is still about; else the nearest enemy.
bool ProtectTargetCommand::ChooseEnemy(SoldierEntity& guarded) {
    EntityRef attacker;
    int32_t number = 0;
    Creature* creature = Creature::Of(&guarded);
    if (creature != nullptr && creature->GetTargets().GetAttackedBy(attacker, number) &&
        attacker.GetEntity() != nullptr && !IsGone(attacker.GetEntity()) &&
        SetTarget(attacker.GetEntity()))
        return true;
    Entity* enemy = nullptr;
    EntityMgr* manager = Manager();
    return manager != nullptr &&
           FindNearestEnemy(*manager, &Owner(), Owner().GetPosition(), enemy) && SetTarget(enemy);
}

void ProtectTargetCommand::Decide() {
    SoldierEntity* guarded = Guarded();
    if (!CheckWeapon() || guarded == nullptr || guarded->IsDead()) {
        SetState(kEnd);
        return;
    }
    if (ChooseEnemy(*guarded)) {
        if (!StartAttack(GetAttackTarget()))
            SetState(kEnd);
        return;
    }
    const EntityMgr* manager = Manager();
    if (CanSeeEntity(Owner(), *guarded, manager ? manager->GetTileMap() : nullptr))
        return;
    SetState(PathToTarget(guarded, kReturnRange) ? kReturningToTarg : kEnd);
}

bool ProtectTargetCommand::KeepsReturning() {
    const SoldierEntity* guarded = Guarded();
    return CheckWeapon() && guarded != nullptr && !guarded->IsDead() && IsMoving();
}

void ProtectTargetCommand::Describe(int x, int y, Screen& screen) const {
    const SoldierEntity* guarded = Guarded();
    screen.Printf(x, y, "PROTECT_TARGET: %s", guarded ? guarded->GetDisplayName().c_str() : "");
    DescribeState(x, y, screen);
}
