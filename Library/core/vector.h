#pragma once

#include <cstdint>

class Stream;

// Position, velocity or direction in world units (z is the height). A plain value
// with public components, like the maths vectors of most engines.
class Vector {
public:
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    Vector() = default;
    Vector(float ax, float ay, float az) : x(ax), y(ay), z(az) {}

    void Zero() { x = y = z = 0.0f; }
    void Set(float ax, float ay, float az) { x = ax, y = ay, z = az; }
    void Set(const Vector& other) { *this = other; }
    void Get(float& outX, float& outY, float& outZ) const { outX = x, outY = y, outZ = z; }
    void Get2d(float& outX, float& outY) const { outX = x, outY = y; }
    void CopyTo(Vector& out) const { out = *this; }

    Vector operator+(const Vector& b) const { return Vector(x + b.x, y + b.y, z + b.z); }
    Vector operator-(const Vector& b) const { return Vector(x - b.x, y - b.y, z - b.z); }
    Vector operator-() const { return Vector(-x, -y, -z); }
    Vector operator*(float s) const { return Vector(x * s, y * s, z * s); }
    Vector operator/(float s) const { return Vector(x / s, y / s, z / s); }
    Vector& operator+=(const Vector& b) { return *this = *this + b; }
    Vector& operator-=(const Vector& b) { return *this = *this - b; }
    Vector& operator*=(float s) { return *this = *this * s; }
    Vector& operator/=(float s) { return *this = *this / s; }
    bool operator==(const Vector& b) const { return x == b.x && y == b.y && z == b.z; }
    bool operator!=(const Vector& b) const { return !(*this == b); }
    float operator[](int index) const; // 0 for an index other than 0, 1, 2

    float LengthSquared() const { return x * x + y * y + z * z; }
    float Length() const;
    float Dot(const Vector& b) const { return x * b.x + y * b.y + z * b.z; }
    float Dot2d(const Vector& b) const { return x * b.x + y * b.y; }
    float Cross2d(const Vector& b) const { return x * b.y - y * b.x; }
    bool IsOrthogonal(const Vector& b) const { return Dot(b) == 0.0f; }
    bool IsSame(const Vector& b) const { return (*this - b).Length() == 0.0f; }

    void Normalize();      // a zero vector stays zero
    float Heading() const; // radians from +x toward +y
    void ToSpherical(float& length, float& heading, float& elevation) const;
    void SetSpherical(float length, float heading, float elevation);
    // Perspective projection for a viewer at distance d, clamped to 16 bits (a point at
    // z = d goes to the limits).
    void Project(int16_t& outX, int16_t& outY, float d) const;
    void Randomise(float maximum); // each component of random sign, 1e-7 to maximum
    void Floor();
    void Ceil();

    // Stored as three little-endian 4-byte floats.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;
};

Vector VectorCross(const Vector& a, const Vector& b);
Vector VectorNormalized(const Vector& v);
Vector VectorTruncate(const Vector& v, float maximum); // scaled down to at most maximum long
Vector VectorFloored(const Vector& v);
Vector VectorCeiled(const Vector& v);

// A right-handed frame from a heading: heading normalised, up made perpendicular to
// it, side = up x heading.
void BuildAxes(const Vector& heading, const Vector& up, Vector& outHeading, Vector& outUp,
               Vector& outSide);
void PointToLocalSpace(const Vector& axisX, const Vector& axisY, const Vector& axisZ,
                       const Vector& origin, const Vector& point, Vector& out);
void PointToWorldSpace(const Vector& axisX, const Vector& axisY, const Vector& axisZ,
                       const Vector& origin, const Vector& local, Vector& out);
