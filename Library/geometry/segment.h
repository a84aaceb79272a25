#pragma once

#include "Library/core/vector.h"

class MapView;
class Screen;
class Stream;

// A line segment in the map plane with its unit normal (end - start turned a quarter
// clockwise on screen) and the normal's distance from the origin, ready for line tests.
class Segment {
public:
    void Set(const Vector& start, const Vector& end);

    const Vector& GetStart() const { return m_start; }
    const Vector& GetEnd() const { return m_end; }
    const Vector& GetNormal() const { return m_normal; }
    float GetDistance() const { return m_distance; }

    // Where the other segment's line meets this segment's whole line, as t along the
    // other from its start: true for 0 < t < 1. t is left alone when they are parallel.
    bool IntersectSegment(const Segment& other, float& t) const;
    bool IntersectLine(const Vector& a, const Vector& b, float& t) const; // the line a-b
    // The point of the segment nearest to point, in x and y.
    void ClosestPoint(const Vector& point, float& x, float& y) const;

    // Stored as start then end, three floats each; the rest is recomputed. A failed
    // read leaves the segment as it was.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    // The segment and, from its middle, its normal 20 units long.
    void DebugDraw(Screen& screen, const MapView& view) const;

private:
    Vector m_start;
    Vector m_end;
    Vector m_normal;
    float m_distance = 0.0f;
};
