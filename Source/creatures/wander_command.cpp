#include "Source/creatures/wander_command.h"

#include "Library/graphics/screen.h"

bool WanderCommand::Update() {
    if (IsHeldByTimer())
        return true;
    if (GetState() == kStart && !PathToRandomPoint())
        SetState(kEnd);
    else if (GetState() == kPathingToDest && !IsMoving())
        SetState(kEnd);
    return IsRunning();
}

void WanderCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "WANDER");
    DescribeState(x, y, screen);
}
