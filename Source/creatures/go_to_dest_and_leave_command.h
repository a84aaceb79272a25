#pragma once
// Walks to a point and leaves the map there; a creature that finds no path leaves at once.

#include "Source/creatures/go_to_dest_command.h"

class GoToDestAndLeaveCommand : public GoToDestCommand {
public:
    GoToDestAndLeaveCommand(SoldierEntity& owner, const Vector& point)
        : GoToDestCommand(owner, kGoToDestAndLeave, point) {}

    bool Update() override;
};
