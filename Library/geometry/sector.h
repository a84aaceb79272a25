#pragma once

#include "Library/core/vector.h"

class MapView;
class Screen;

// A circular sector in the map plane: the view and attack arcs of creatures. The edges are
// offsets from the origin to the two ends of the arc.
class Sector {
public:
    // direction and width in radians; the arc spans direction -/+ width / 2.
    void Set(const Vector& origin, double direction, float radius, double width);
    void Clear() { *this = Sector(); }

    bool Contains(const Vector& point) const; // the edges and the arc count as inside
    bool IntersectsCircle(const Vector& centre, float radius) const;
    // Both edges and the chord between their ends; nothing for a radius of 0.
    void DebugDraw(Screen& screen, const MapView& view) const;

    const Vector& GetOrigin() const { return m_origin; }
    double GetDirection() const { return m_direction; }
    float GetRadius() const { return m_radius; }
    const Vector& GetEdgeA() const { return m_edgeA; }
    const Vector& GetEdgeB() const { return m_edgeB; }

private:
    Vector m_origin;
    double m_direction = 0.0;
    float m_radius = 0.0f;
    Vector m_edgeA;
    Vector m_edgeB;
};
