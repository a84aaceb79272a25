#include "Library/geometry/directions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegreesPerRadian = 57.2957795132; // the conversion the directions use

// The smallest angle (nearest zero from below) whose screen-clockwise degrees reach d.
double AngleReaching(double degrees) {
    double angle = degrees / -kDegreesPerRadian;
    while (angle * -kDegreesPerRadian < degrees)
        angle = std::nextafter(angle, -10.0);
    while (std::nextafter(angle, 10.0) * -kDegreesPerRadian >= degrees)
        angle = std::nextafter(angle, 10.0);
    return angle;
}

TEST(Directions, EveryIndexSurvivesTheRoundTripAndIndicesWrap) {
    for (int dir = 0; dir < 8; ++dir)
        EXPECT_EQ(AngleToDir8(Dir8ToAngle(dir)), dir);
    for (int dir = 0; dir < 16; ++dir)
        EXPECT_EQ(AngleToDir16(Dir16ToAngle(dir)), dir);
    EXPECT_NEAR(Dir8ToAngle(0), 3.0 * kPi / 2.0, 1e-9); // index 0 is up the screen
    EXPECT_EQ(Dir8ToAngle(8), 0.0);
    EXPECT_EQ(WrapDir8(-9), 7);
    EXPECT_EQ(WrapDir16(-17), 15);
}

TEST(Directions, AngleToDirAtTheExactSectorLimits) {
    // Limit k is where the screen-clockwise degrees reach it: below it the earlier sector.
    for (int k = 0; k < 8; ++k) {
        const double limit = 22.5 + 45.0 * k;
        const double at = AngleReaching(limit);
        EXPECT_EQ(AngleToDir8(at), WrapDir8(1 - k)) << limit;
        EXPECT_EQ(AngleToDir8(std::nextafter(at, 10.0)), WrapDir8(2 - k)) << limit;
    }
    for (int k = 0; k < 16; ++k) {
        const double limit = 11.25 + 22.5 * k;
        const double at = AngleReaching(limit);
        EXPECT_EQ(AngleToDir16(at), WrapDir16(3 - k)) << limit;
        EXPECT_EQ(AngleToDir16(std::nextafter(at, 10.0)), WrapDir16(4 - k)) << limit;
    }
}

TEST(Directions, AngleToDirWrapsAndSurvivesOddAngles) {
    EXPECT_EQ(AngleToDir8(kPi / 2.0 + 4.0 * kPi), 4);
    EXPECT_EQ(AngleToDir8(-kPi / 2.0 - 6.0 * kPi), 0);
    EXPECT_EQ(AngleToDir8(2.0 * kPi / kDegreesPerRadian * kDegreesPerRadian), 2);
    EXPECT_EQ(AngleToDir8(std::nan("")), 2);
    EXPECT_EQ(AngleToDir16(INFINITY), 4);
}

} // namespace
