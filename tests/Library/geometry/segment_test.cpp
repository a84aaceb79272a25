#include "Library/geometry/segment.h"

#include "Library/core/test_stream_support.h"
#include "Library/geometry/sector.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(Segment, CrossesTheWholeLineAndClampsTheClosestPoint) {
    Segment segment;
    segment.Set(Vector(0.0f, 0.0f, 0.0f), Vector(4.0f, 0.0f, 0.0f));
    EXPECT_EQ(segment.GetNormal(), Vector(0.0f, -1.0f, 0.0f)); // up on screen
    float t = -5.0f;
    EXPECT_TRUE(segment.IntersectLine(Vector(9.0f, -1.0f, 0.0f), Vector(9.0f, 3.0f, 0.0f), t));
    EXPECT_FLOAT_EQ(t, 0.25f); // beyond the segment's extent
    EXPECT_FALSE(segment.IntersectLine(Vector(2.0f, 1.0f, 0.0f), Vector(2.0f, 3.0f, 0.0f), t));
    EXPECT_FLOAT_EQ(t, -0.5f); // written though outside 0..1
    Segment parallel;
    parallel.Set(Vector(0.0f, 1.0f, 0.0f), Vector(3.0f, 1.0f, 0.0f));
    t = 7.0f;
    EXPECT_FALSE(segment.IntersectSegment(parallel, t));
    EXPECT_EQ(t, 7.0f);

    float x = 0.0f, y = 0.0f;
    for (const auto& [from, expected] : {std::pair{-1.0f, 0.0f}, {5.0f, 4.0f}, {1.0f, 1.0f}}) {
        segment.ClosestPoint(Vector(from, 3.0f, 0.0f), x, y);
        EXPECT_FLOAT_EQ(x, expected) << from;
    }
}

TEST(Segment, StoredAsItsTwoEnds) {
    Segment segment;
    segment.Set(Vector(1.0f, 2.0f, 3.0f), Vector(1.0f, 5.0f, 0.0f));
    const Bytes bytes = StoredForm(segment);
    ASSERT_EQ(bytes.size(), 24u);
    Segment loaded;
    ExpectRoundTripAndTruncationsFail(bytes, loaded);
    EXPECT_EQ(loaded.GetNormal(), Vector(1.0f, 0.0f, 0.0f)); // recomputed from the ends
}

TEST(Sector, ContainsUpToItsEdgesAndArc) {
    Sector sector;
    sector.Set(Vector(1.0f, 1.0f, 0.0f), 0.0, 2.0f, kPi / 2.0);
    const auto at = [](double degrees, float distance) {
        const double radians = degrees * kPi / 180.0;
        return Vector(1.0f + distance * static_cast<float>(std::cos(radians)),
                      1.0f + distance * static_cast<float>(std::sin(radians)), 0.0f);
    };
    EXPECT_TRUE(sector.Contains(Vector(3.0f, 1.0f, 0.0f))); // on the arc
    EXPECT_FALSE(sector.Contains(Vector(3.01f, 1.0f, 0.0f)));
    EXPECT_TRUE(sector.Contains(at(44.0, 1.9f)) && sector.Contains(at(-44.0, 1.9f)));
    EXPECT_FALSE(sector.Contains(at(46.0, 1.0f)) || sector.Contains(at(-46.0, 1.0f)));
    EXPECT_TRUE(sector.IntersectsCircle(at(60.0, 1.5f), 0.5f)); // across edge B
    EXPECT_FALSE(sector.IntersectsCircle(at(90.0, 1.5f), 0.5f));
    EXPECT_FALSE(sector.IntersectsCircle(Vector(4.6f, 1.0f, 0.0f), 0.5f));
}

} // namespace
