#include "Source/entities/way_point_mgr.h"

#include <gtest/gtest.h>

namespace {

// The route is a loop: the point after the one nearest the creature, the first after the
// last; an empty route gives nothing.
TEST(WayPointMgrTest, FollowGivesThePointAfterTheNearestRoundTheLoop) {
    WayPointMgr route;
    Vector next(-1, -1, 0);
    EXPECT_FALSE(route.Follow(Vector(0, 0, 0), next));
    EXPECT_FALSE(route.HasWayPoints());

    const Vector a(10, 10, 0), b(20, 10, 0), c(20, 20, 0);
    for (const Vector& point : {a, b, c})
        route.Add(point);
    struct Case {
        Vector at;
        Vector next;
    };
    const Case cases[] = {{Vector(9, 9, 0), b}, {b, c}, {Vector(21, 22, 0), a}};
    for (const Case& step : cases) {
        EXPECT_TRUE(route.Follow(step.at, next));
        EXPECT_EQ(next, step.next) << step.at.x << ", " << step.at.y;
    }
    route.Clear();
    EXPECT_FALSE(route.HasWayPoints());
}

} // namespace
