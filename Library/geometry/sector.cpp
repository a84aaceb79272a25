#include "Library/geometry/sector.h"

#include "Library/core/maths.h"
#include "Library/geometry/circle_tests.h"
#include "Library/geometry/map_view.h"

#include <cmath>

namespace {

float Distance2d(const Vector& a, const Vector& b) {
    return std::sqrt(DistanceSquared2d(a, b));
}

} // namespace

void Sector::Set(const Vector& origin, double direction, float radius, double width) {
    m_origin = origin;
    m_direction = direction;
    m_radius = radius;
    m_edgeA.SetSpherical(radius, static_cast<float>(direction - width / 2.0), 0.0f);
    m_edgeB.SetSpherical(radius, static_cast<float>(direction + width / 2.0), 0.0f);
}

bool Sector::Contains(const Vector& point) const {
    return Distance2d(m_origin, point) <= m_radius &&
           m_edgeA.Cross2d(point - (m_origin + m_edgeA)) >= 0.0f &&
           m_edgeB.Cross2d(point - (m_origin + m_edgeB)) <= 0.0f;
}

bool Sector::IntersectsCircle(const Vector& centre, float radius) const {
    if (Distance2d(m_origin, centre) > m_radius + radius)
        return false;
    float t = 0.0f;
    return Contains(centre) || RaySphereIntersection(m_origin, m_edgeA, centre, radius, t) ||
           RaySphereIntersection(m_origin, m_edgeB, centre, radius, t);
}

void Sector::DebugDraw(Screen& screen, const MapView& view) const {
    if (m_radius == 0.0f)
        return;
    const Vector endA = m_origin + m_edgeA;
    const Vector endB = m_origin + m_edgeB;
    DrawWorldLine(screen, view, m_origin, endA);
    DrawWorldLine(screen, view, m_origin, endB);
    DrawWorldLine(screen, view, endA, endB);
}
