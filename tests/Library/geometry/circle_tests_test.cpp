#include "Library/geometry/circle_tests.h"

#include "Library/geometry/box3.h"

#include <gtest/gtest.h>

namespace {

struct Disc {
    Vector position;
    float radius;
    const Vector& GetPosition() const { return position; }
    float GetRadius() const { return radius; }
};

// 3-4-5 apart, so the squared distance 25 is exact: at the limit nothing overlaps and
// nothing lies apart; z is ignored.
TEST(CircleTests, TouchingCirclesNeitherOverlapNorLieApart) {
    const Disc a{Vector(0.0f, 0.0f, 7.0f), 1.0f};
    const Disc b{Vector(3.0f, 4.0f, -9.0f), 2.0f};
    EXPECT_FALSE(CirclesOverlapMargin(a, 2.0f, b));
    EXPECT_EQ(CirclesOverlapMarginAlt(a, 2.0f, b), 0);
    EXPECT_TRUE(CirclesOverlapMargin(a, 2.01f, b));
    EXPECT_TRUE(CirclesOverlapLoose(a, 0.76f, b));
    EXPECT_FALSE(CirclesOverlapLoose(a, 0.75f, b));
    const Vector point(3.0f, 4.0f, 0.0f);
    EXPECT_FALSE(CircleNearPoint(a, 4.0f, point) || CircleFarFromPoint(a, 4.0f, point));
    EXPECT_FALSE(WithinDistance(a.position, 5.0f, point) || PointsApart(a.position, 5.0f, point));
    EXPECT_TRUE(PointNearCircle(point, 4.01f, a));
    EXPECT_FALSE(PointWithinCircleInner(a, point, 6.0f));
    EXPECT_FLOAT_EQ(CircleGap(a, Disc{Vector(3.0f, 4.0f, 0.0f), 1.5f}), 2.5f);
    EXPECT_EQ(CircleGap(a, Disc{Vector(1.0f, 0.0f, 0.0f), 1.0f}), 0.0f);
}

TEST(Box3, CellAgainstCircleCountsTheEdges) {
    const Box3 cell(Vector(2.5f, 3.5f, 0.0f), Vector(0.5f, 0.5f, 0.0f));
    EXPECT_TRUE(cell.IntersectsSphere(Vector(2.7f, 3.2f, 50.0f), 0.0f)); // inside, z ignored
    EXPECT_TRUE(cell.IntersectsSphere(Vector(4.0f, 3.5f, 0.0f), 1.0f));  // touching the side
    EXPECT_FALSE(cell.IntersectsSphere(Vector(4.0f, 3.5f, 0.0f), 0.99f));
    EXPECT_TRUE(cell.IntersectsSphere(Vector(6.0f, 8.0f, 0.0f), 5.0f)); // corner (3, 4) at 3-4-5
    EXPECT_FALSE(cell.IntersectsSphere(Vector(6.0f, 8.0f, 0.0f), 4.99f));
    EXPECT_FALSE(cell.IntersectsSphere3(Vector(2.7f, 3.2f, 50.0f), 1.0f));
}

} // namespace
