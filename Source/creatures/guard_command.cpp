#include "Source/creatures/guard_command.h"

#include "Source/entities/soldier_entity.h"

GuardCommand::GuardCommand(SoldierEntity& owner, Id id) : CreatureCommand(owner, id) {
    TakeWeapon();
}

bool GuardCommand::LostEntity() {
    if (IsAttackTargetLost()) {
        ClearAttackTarget();
        SetState(kStart);
    }
    return CreatureCommand::LostEntity();
}

bool GuardCommand::Update() {
    KeepCombatAlive();
    TrackTarget(GetAttackTarget());
    switch (GetState()) {
    case kStart:
        ClearAttackTarget();
        if (!IsTimerRunning())
            Decide();
        break;
    case kPathingToTarg:
    case kPathingToLastTargPos:
        WatchPursuit();
        break;
    case kReturningToTarg:
        if (!KeepsReturning())
            SetState(kStart);
        break;
    case kAttacking:
        if (!IsAttackPending())
            SetState(kStart);
        break;
    default:
        break;
    }
    return IsRunning();
}
