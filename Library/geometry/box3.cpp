#include "Library/geometry/box3.h"

namespace {

// Squared distance from value to [centre - half, centre + half]; 0 inside.
float AxisGapSquared(float centre, float half, float value) {
    const float low = centre - half;
    const float high = centre + half;
    const float gap = value < low ? low - value : value > high ? value - high : 0.0f;
    return gap * gap;
}

} // namespace

bool Box3::IntersectsSphere(const Vector& point, float radius) const {
    return radius * radius >= AxisGapSquared(m_centre.x, m_half.x, point.x) +
                                  AxisGapSquared(m_centre.y, m_half.y, point.y);
}

bool Box3::IntersectsSphere3(const Vector& point, float radius) const {
    return radius * radius >= AxisGapSquared(m_centre.x, m_half.x, point.x) +
                                  AxisGapSquared(m_centre.y, m_half.y, point.y) +
                                  AxisGapSquared(m_centre.z, m_half.z, point.z);
}
