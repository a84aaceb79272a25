#include "Source/creatures/go_to_dest_command.h"

#include "Library/graphics/screen.h"

bool GoToDestCommand::Update() {
    return WalkStep(kPathingToDest, kEnd, [this] { return PathToPoint(GetGoal()); });
}

void GoToDestCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "GO_TO_DEST %f, %f", m_point.x, m_point.y);
    DescribeState(x, y, screen);
}
