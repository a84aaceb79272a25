#include "Source/creatures/evade_targ_command.h"

#include "Library/graphics/screen.h"
#include "Source/entities/entity.h"
#include "Source/entities/sight_tests.h"
#include "Source/entities/soldier_entity.h"

EvadeTargCommand::EvadeTargCommand(SoldierEntity& owner, Entity* target, float seconds)
    : EvadeCommand(owner, kEvadeTarg, seconds) {
    SetSecondTarget(target);
}

bool EvadeTargCommand::IsOutOfDanger() const {
    const Entity* target = GetSecondTarget();
    return target == nullptr || target->IsDeadSoldier() || !IsInSightRange(Owner(), *target);
}

bool EvadeTargCommand::FleeOnce() {
    return FleeFromTarget(*GetSecondTarget(), kFleeDistance);
}

void EvadeTargCommand::Describe(int x, int y, Screen& screen) const {
    const Entity* target = GetSecondTarget();
    screen.Printf(x, y, "EVADE_TARG: %s : %f", target ? target->GetDisplayName().c_str() : "",
                  GetSecondsLeft());
    DescribeState(x, y, screen);
}
