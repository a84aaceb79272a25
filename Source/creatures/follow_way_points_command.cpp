#include "Source/creatures/follow_way_points_command.h"

#include "Library/graphics/screen.h"
#include "Source/entities/soldier_entity.h"

FollowWayPointsCommand::FollowWayPointsCommand(SoldierEntity& owner)
    : CreatureCommand(owner, kFollowWayPoints), m_wayPoints(owner.GetWayPointMgr()) {}

bool FollowWayPointsCommand::Update() {
    return WalkStep(kPathingToDest, kStart, [this] {
        return m_wayPoints.Follow(Owner().GetPosition(), m_point) && PathAlongToPoint(m_point);
    });
}

void FollowWayPointsCommand::Describe(int x, int y, Screen& screen) const {
    screen.Printf(x, y, "FOLLOW_WAY_POINTS %f, %f", m_point.x, m_point.y);
    DescribeState(x, y, screen);
}
