#pragma once
// Walks the creature's way points as a loop, leg after leg, from the point after the one
// nearest it; ends when it has none or a leg cannot be planned.

#include "Source/creatures/creature_command.h"

class WayPointMgr;

class FollowWayPointsCommand : public CreatureCommand {
public:
    explicit FollowWayPointsCommand(SoldierEntity& owner);

    bool Update() override;
    void Describe(int x, int y, Screen& screen) const override;

private:
    Vector m_point; // the way point walked to
    const WayPointMgr& m_wayPoints;
};
