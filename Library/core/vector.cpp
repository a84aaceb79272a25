#include "Library/core/vector.h"

#include "Library/core/maths.h"
#include "Library/core/random.h"
#include "Library/core/stream.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr float kTiny = 1e-7f;

// A point level with the eye projects infinitely far out, toward the sign of the scaled value.
int16_t ProjectCoordinate(float scaled, float divisor) {
    if (divisor == 0.0f)
        return scaled > 0.0f ? INT16_MAX : scaled < 0.0f ? INT16_MIN : 0;
    return ToInt16(scaled / divisor);
}

} // namespace

float Vector::operator[](int index) const {
    switch (index) {
    case 0:
        return x;
    case 1:
        return y;
    case 2:
        return z;
    default:
        return 0.0f;
    }
}

float Vector::Length() const {
    return std::sqrt(LengthSquared());
}

void Vector::Normalize() {
    const float length = Length();
    if (length <= 0.0f) {
        Zero();
        return;
    }
    *this *= 1.0f / length;
}

float Vector::Heading() const {
    return AngleOf(y, x + kTiny);
}

void Vector::ToSpherical(float& length, float& heading, float& elevation) const {
    length = Length();
    heading = Heading();
    elevation = std::asin(z / (length + kTiny));
}

void Vector::SetSpherical(float length, float heading, float elevation) {
    const float flat = length * std::cos(elevation);
    Set(flat * std::cos(heading), flat * std::sin(heading), length * std::sin(elevation));
}

void Vector::Project(int16_t& outX, int16_t& outY, float d) const {
    outX = ProjectCoordinate(x * d, d - z);
    outY = ProjectCoordinate(y * d, d - z);
}

void Vector::Randomise(float maximum) {
    x = RandomSignedFloat(kTiny, maximum);
    y = RandomSignedFloat(kTiny, maximum);
    z = RandomSignedFloat(kTiny, maximum);
}

void Vector::Floor() {
    Set(std::floor(x), std::floor(y), std::floor(z));
}
void Vector::Ceil() {
    Set(std::ceil(x), std::ceil(y), std::ceil(z));
}

bool Vector::Read(Stream& stream) {
    return stream.ReadValue(x) && stream.ReadValue(y) && stream.ReadValue(z);
}

bool Vector::Write(Stream& stream) const {
    return stream.WriteValue(x) && stream.WriteValue(y) && stream.WriteValue(z);
}

Vector VectorCross(const Vector& a, const Vector& b) {
    return Vector(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x);
}

Vector VectorNormalized(const Vector& v) {
    Vector result = v;
    result.Normalize();
    return result;
}

Vector VectorTruncate(const Vector& v, float maximum) {
    // A standing creature's forces and velocity are zero: no root is needed to keep them.
    if (v.x == 0.0f && v.y == 0.0f && v.z == 0.0f && !(maximum < 0.0f))
        return v;
    return v.Length() > maximum ? VectorNormalized(v) * maximum : v;
}

Vector VectorFloored(const Vector& v) {
    Vector result = v;
    result.Floor();
    return result;
}

Vector VectorCeiled(const Vector& v) {
    Vector result = v;
    result.Ceil();
    return result;
}

void BuildAxes(const Vector& heading, const Vector& up, Vector& outHeading, Vector& outUp,
               Vector& outSide) {
    outHeading = VectorNormalized(heading);
    outSide = VectorNormalized(VectorCross(up, outHeading));
    outUp = VectorCross(outHeading, outSide);
}

void PointToLocalSpace(const Vector& axisX, const Vector& axisY, const Vector& axisZ,
                       const Vector& origin, const Vector& point, Vector& out) {
    const Vector offset = point - origin;
    out.Set(offset.Dot(axisX), offset.Dot(axisY), offset.Dot(axisZ));
}

void PointToWorldSpace(const Vector& axisX, const Vector& axisY, const Vector& axisZ,
                       const Vector& origin, const Vector& local, Vector& out) {
    out = axisX * local.x + axisY * local.y + axisZ * local.z + origin;
}
