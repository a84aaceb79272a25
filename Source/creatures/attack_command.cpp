#include "Source/creatures/attack_command.h"

#include "Library/graphics/screen.h"
#include "Source/entities/soldier_entity.h"

AttackCommand::AttackCommand(SoldierEntity& owner, Id id, Entity* target)
    : CreatureCommand(owner, id) {
    SetTarget(target);
    TakeWeapon();
}

bool AttackCommand::Update() {
    KeepCombatAlive();
    TrackTarget(GetAttackTarget());
    CountTime();
    switch (GetState()) {
    case kStart:
        if (IsTimerRunning())
            break;
        if (IsTimeUp() || !CanAttackTarget() || !StartAttack(GetAttackTarget()))
            SetState(kEnd);
        break;
    case kPathingToTarg:
    case kPathingToLastTargPos:
        WatchPursuit();
        break;
    case kAttacking:
        if (!IsAttackPending())
            SetState(AfterBlow());
        break;
    default:
        break;
    }
    return IsRunning();
}

void AttackCommand::DescribeTarget(int x, int y, Screen& screen, const char* name) const {
    const SoldierEntity* target = GetAttackTarget();
    screen.Printf(x, y, "%s: %s", name, target ? target->GetDisplayName().c_str() : "");
}

void AttackCommand::Describe(int x, int y, Screen& screen) const {
    DescribeTarget(x, y, screen, "ATTACK");
    DescribeState(x, y, screen);
}
