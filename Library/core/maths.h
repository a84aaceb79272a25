#pragma once
// Angles, distances and intersection tests of the engine; angles in radians.

#include <algorithm>
#include <cmath>
#include <cstdint>

class Vector;

// Truncated toward zero and held within 16 bits; NaN gives 0.
int16_t ToInt16(float value);
// Truncated toward zero and held within low..high; NaN gives 0 (held within the bounds).
// Inline: every creature's frame asks for its cell.
inline int ToIntWithin(float value, int low, int high) {
    if (std::isnan(value))
        return std::clamp(0, low, high);
    if (value <= static_cast<float>(low))
        return low;
    return value >= static_cast<float>(high) ? high : static_cast<int>(value);
}
// The nearest integer as the rules count: 0.5001 added to a value above 0 or taken from any
// other, then truncated toward zero; held within an int, NaN gives 0.
int RoundToInt(double value);
// Held within an int: sums of content values (dice, steps) stop at its ends.
int ClampToInt(long long value);

// atan(y / x) in the right half-plane, + pi in the left; near x = 0, pi/2 for y > 0
// and -pi/2 otherwise.
float AngleOf(float y, float x);

// Distance from (px, py) to the infinite line through (x1, y1) and (x2, y2).
float PointLineDistance(float px, float py, float x1, float y1, float x2, float y2);

// Nearest t >= 0 with |origin + t * direction - centre| = radius, when the sphere lies
// ahead of the ray; t becomes -1 when the ray's line misses it.
bool RaySphereIntersection(const Vector& origin, const Vector& direction, const Vector& centre,
                           float radius, float& t);

// Whether segments a1-a2 and b1-b2 cross in x and y, end points included.
bool SegmentIntersection(const Vector& a1, const Vector& a2, const Vector& b1, const Vector& b2);

// The unit normal of the edge start-end (the edge turned a quarter clockwise on screen, in x
// and y) and the normal's distance from the origin, ready for LinePlaneParameter.
void EdgeNormal(const Vector& start, const Vector& end, Vector& normal, float& distance);

// t = (d - n.p) / (n.dir) where the line p + t * dir meets the plane n.x = d; true only
// for 0 < t < 1. t is left alone when the line is parallel to the plane.
bool LinePlaneParameter(const Vector& p, const Vector& dir, const Vector& n, float d, float& t);

// The point of segment a-b nearest to point, measured in x and y.
void ClosestPointOnSegment(const Vector& a, const Vector& b, const Vector& point, Vector& out);
