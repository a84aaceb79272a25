#include "Library/geometry/directions.h"

#include "Library/core/vector.h"

#include <array>
#include <cmath>

namespace {

constexpr double kDegreesPerRadian = 57.2957795132;

// Values outside [0, 360] come into [0, 360); a negative multiple of 360 gives 360.
double WrapDegrees(double degrees) {
    if (degrees > 360.0)
        return std::fmod(degrees, 360.0);
    if (degrees < 0.0)
        return std::fmod(degrees - 360.0, 360.0) + 360.0;
    return degrees;
}

// Screen-clockwise degrees, 0 along +x.
double ClockwiseDegrees(double angle) {
    return WrapDegrees(angle * -kDegreesPerRadian);
}

// The direction angles as turned through the same conversions as AngleToDir, so that every
// index survives the round trip.
template <int kCount> std::array<double, kCount> BuildDirAngles() {
    std::array<double, kCount> angles{};
    for (int dir = 0; dir < kCount; ++dir) {
        const double screen = WrapDegrees(90.0 - dir * (360.0 / kCount)) * kRadiansPerDegree;
        angles[dir] = ClockwiseDegrees(screen) * kRadiansPerDegree;
    }
    return angles;
}

const std::array<double, 8> kDir8Angles = BuildDirAngles<8>();
const std::array<double, 16> kDir16Angles = BuildDirAngles<16>();

// Sector k of kCount covers clockwise degrees [width * (k - 1/2), width * (k + 1/2)), the
// last one wrapping past 360; the sector at 0 degrees is direction kRight.
template <int kCount, int kRight> int DegreesToDir(double degrees) {
    constexpr double kWidth = 360.0 / kCount;
    if (!(degrees >= 0.0 && degrees <= 360.0))
        return kRight; // NaN or infinite heading
    int sector = static_cast<int>((degrees + kWidth / 2.0) * (1.0 / kWidth));
    // The estimate may be one off at a sector edge; the exact limits decide.
    if (sector < kCount && degrees >= kWidth / 2.0 + kWidth * sector)
        ++sector;
    else if (sector > 0 && degrees < kWidth / 2.0 + kWidth * (sector - 1))
        --sector;
    return (kRight - sector) & (kCount - 1);
}

} // namespace

int WrapDir8(int dir) {
    return dir & 7;
}

int WrapDir16(int dir) {
    return dir & 15;
}

double Dir8ToAngle(int dir) {
    return dir >= 0 && dir < 8 ? kDir8Angles[dir] : 0.0;
}

double Dir16ToAngle(int dir) {
    return dir >= 0 && dir < 16 ? kDir16Angles[dir] : 0.0;
}

int AngleToDir8(double angle) {
    return DegreesToDir<8, 2>(ClockwiseDegrees(angle));
}

int AngleToDir16(double angle) {
    return DegreesToDir<16, 4>(ClockwiseDegrees(angle));
}

void PointAtAngle(const Vector& origin, float distance, double angle, Vector& out) {
    Vector offset;
    offset.SetSpherical(distance, static_cast<float>(angle), 0.0f);
    out = origin + offset;
}
