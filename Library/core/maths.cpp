#include "Library/core/maths.h"

#include "Library/core/vector.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kTiny = 1e-7f;

bool RangesOverlap(float a1, float a2, float b1, float b2) {
    return std::max(a1, a2) >= std::min(b1, b2) && std::max(b1, b2) >= std::min(a1, a2);
}

} // namespace

int16_t ToInt16(float value) {
    if (std::isnan(value))
        return 0;
    if (value <= INT16_MIN)
        return INT16_MIN;
    return value >= INT16_MAX ? INT16_MAX : static_cast<int16_t>(value);
}

int RoundToInt(double value) {
    if (std::isnan(value))
        return 0;
    const double rounded = value > 0 ? value + 0.5001 : value - 0.5001;
    if (rounded <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return rounded >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(rounded);
}

int ClampToInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

float AngleOf(float y, float x) {
    if (x > kTiny)
        return std::atan(y / x);
    if (x < -kTiny)
        return std::atan(y / x) + kPi;
    return y > 0.0f ? kPi / 2.0f : -kPi / 2.0f;
}

float PointLineDistance(float px, float py, float x1, float y1, float x2, float y2) {
    if (x1 == x2)
        return std::fabs(x1 - px);
    if (y1 == y2)
        return std::fabs(y1 - py);
    const float m = (y2 - y1) / (x2 - x1);
    return std::fabs(y1 - m * x1 + m * px - py) / std::sqrt(m * m + 1.0f);
}

bool RaySphereIntersection(const Vector& origin, const Vector& direction, const Vector& centre,
                           float radius, float& t) {
    const float a = direction.Dot(direction);
    if (a == 0.0f)
        return false;
    const Vector offset = origin - centre;
    const float b = offset.Dot(direction);
    const float c = offset.Dot(offset) - radius * radius;
    const float discriminant = b * b - a * c;
    if (discriminant < 0.0f) {
        t = -1.0f;
        return false;
    }
    const float s = std::sqrt(discriminant);
    if (-b > s) {
        t = (-b - s) / a;
        return true;
    }
    if (-b > -s) {
        t = (-b + s) / a;
        return true;
    }
    return false;
}

bool SegmentIntersection(const Vector& a1, const Vector& a2, const Vector& b1, const Vector& b2) {
    if (!RangesOverlap(a1.x, a2.x, b1.x, b2.x) || !RangesOverlap(a1.y, a2.y, b1.y, b2.y))
        return false;
    const Vector da = a2 - a1;
    const Vector db = b2 - b1;
    const float denominator = da.Cross2d(db);
    if (denominator == 0.0f)
        return false;
    const Vector start = b1 - a1;
    const float ta = start.Cross2d(db) / denominator;
    const float tb = start.Cross2d(da) / denominator;
    return ta >= 0.0f && ta <= 1.0f && tb >= 0.0f && tb <= 1.0f;
}

void EdgeNormal(const Vector& start, const Vector& end, Vector& normal, float& distance) {
    normal.Set(end.y - start.y, -(end.x - start.x), 0.0f);
    normal.Normalize();
    distance = normal.Dot(start);
}

bool LinePlaneParameter(const Vector& p, const Vector& dir, const Vector& n, float d, float& t) {
    const float denominator = n.Dot(dir);
    if (denominator == 0.0f)
        return false;
    t = (d - n.Dot(p)) / denominator;
    return t > 0.0f && t < 1.0f;
}

void ClosestPointOnSegment(const Vector& a, const Vector& b, const Vector& point, Vector& out) {
    const Vector along = b - a;
    const float projected = (point - a).Dot2d(along);
    if (projected <= 0.0f) {
        out = a;
        return;
    }
    const float lengthSquared = along.Dot2d(along);
    if (projected >= lengthSquared) {
        out = b;
        return;
    }
    out = a + along * (projected / lengthSquared);
}
