#include "Library/core/maths.h"

#include "Library/core/vector.h"

#include <gtest/gtest.h>

namespace {

constexpr float kPi = 3.14159265358979f;

TEST(Maths, AngleOfCoversEveryQuadrantAndTheAxis) {
    const float cases[][3] = {{1.0f, 0.0f, kPi / 2.0f},
                              {0.0f, 0.0f, -kPi / 2.0f},
                              {0.0f, -1.0f, kPi},
                              {-1.0f, -1.0f, 5.0f * kPi / 4.0f},
                              {-1.0f, 1.0f, -kPi / 4.0f}};
    for (const auto& c : cases)
        EXPECT_NEAR(AngleOf(c[0], c[1]), c[2], 1e-6f) << c[0] << "," << c[1];
}

TEST(Maths, RaySphereIntersectionTakesTheFirstHitAhead) {
    const Vector centre(10.0f, 0.0f, 0.0f), along(1.0f, 0.0f, 0.0f);
    float t = 99.0f;
    EXPECT_TRUE(RaySphereIntersection(Vector(), along * 2.0f, centre, 2.0f, t));
    EXPECT_FLOAT_EQ(t, 4.0f);
    EXPECT_TRUE(RaySphereIntersection(Vector(9.0f, 0.0f, 0.0f), along, centre, 2.0f, t));
    EXPECT_FLOAT_EQ(t, 3.0f); // from inside: the far side
    EXPECT_FALSE(RaySphereIntersection(Vector(), -along, centre, 2.0f, t));
    EXPECT_FLOAT_EQ(t, 3.0f); // behind the ray: unchanged
}

TEST(Maths, SegmentsPlanesAndClosestPoints) {
    const Vector a(0.0f, 0.0f, 0.0f), b(4.0f, 4.0f, 0.0f);
    EXPECT_TRUE(SegmentIntersection(a, b, Vector(0.0f, 4.0f, 0.0f), Vector(4.0f, 0.0f, 0.0f)));
    EXPECT_TRUE(SegmentIntersection(a, b, b, Vector(6.0f, 0.0f, 0.0f))); // touching ends
    EXPECT_FALSE(SegmentIntersection(a, b, Vector(1.0f, 0.0f, 0.0f), Vector(5.0f, 4.0f, 0.0f)));
    const Vector normal(1.0f, 0.0f, 0.0f);
    float t = 99.0f;
    EXPECT_TRUE(LinePlaneParameter(Vector(), Vector(4.0f, 1.0f, 0.0f), normal, 1.0f, t));
    EXPECT_FLOAT_EQ(t, 0.25f);
    EXPECT_FALSE(LinePlaneParameter(Vector(), Vector(0.0f, 1.0f, 0.0f), normal, 1.0f, t));
    Vector out;
    ClosestPointOnSegment(a, Vector(4.0f, 0.0f, 0.0f), Vector(-3.0f, 2.0f, 0.0f), out);
    EXPECT_EQ(out, a);
    ClosestPointOnSegment(a, Vector(4.0f, 0.0f, 0.0f), Vector(1.0f, 5.0f, 0.0f), out);
    EXPECT_EQ(out, Vector(1.0f, 0.0f, 0.0f));
}

} // namespace
