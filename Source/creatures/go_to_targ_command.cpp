#include "Source/creatures/go_to_targ_command.h"

#include "Library/graphics/screen.h"

GoToTargCommand::GoToTargCommand(SoldierEntity& owner, Entity* target, float range)
    : CreatureCommand(owner, kGoToTarg) {
    SetTargetEntity(target);
    SetParameter(range);
}

bool GoToTargCommand::Update() {
    return WalkStep(kPathingToTarg, kEnd,
                    [this] { return PathToTarget(GetTarget(), GetParameter()); });
}

void GoToTargCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "GO_TO_TARG");
    DescribeState(x, y, screen);
}
