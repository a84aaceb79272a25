#include "Source/creatures/go_to_dest_and_leave_command.h"

bool GoToDestAndLeaveCommand::Update() {
    bool walking = true;
    if (GetState() == kStart) {
        if (IsTimerRunning())
            return true;
        walking = PathToPoint(GetPoint());
    } else if (GetState() == kPathingToDest) {
        walking = IsMoving();
    }
    if (!walking)
        ReleaseOwner();
    return IsRunning();
}
