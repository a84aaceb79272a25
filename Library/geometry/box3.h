#pragma once

#include "Library/core/vector.h"

// An axis-aligned box given by its centre and half-extents; a tile cell is the box
// (x + 0.5, y + 0.5) with half-extents (0.5, 0.5).
class Box3 {
public:
    Box3() = default;
    Box3(const Vector& centre, const Vector& halfExtent) : m_centre(centre), m_half(halfExtent) {}

    // In x and y only; a box edge touching the circle counts.
    bool IntersectsSphere(const Vector& point, float radius) const;
    bool IntersectsSphere3(const Vector& point, float radius) const; // in x, y and z

private:
    Vector m_centre;
    Vector m_half;
};
