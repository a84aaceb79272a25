#include "Source/creatures/wander_command.h"

#include "Library/graphics/screen.h"

bool WanderCommand::Update() {
    return WalkStep(kPathingToDest, kEnd, [this] { return PathToRandomPoint(); });
}

void WanderCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "WANDER");
    DescribeState(x, y, screen);
}
