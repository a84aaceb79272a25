#include "Library/geometry/segment.h"

#include "Library/core/maths.h"
#include "Library/geometry/map_view.h"

void Segment::Set(const Vector& start, const Vector& end) {
    m_start = start;
    m_end = end;
    EdgeNormal(start, end, m_normal, m_distance);
}

bool Segment::IntersectSegment(const Segment& other, float& t) const {
    return IntersectLine(other.m_start, other.m_end, t);
}

bool Segment::IntersectLine(const Vector& a, const Vector& b, float& t) const {
    return LinePlaneParameter(a, b - a, m_normal, m_distance, t);
}

void Segment::ClosestPoint(const Vector& point, float& x, float& y) const {
    Vector nearest;
    ClosestPointOnSegment(m_start, m_end, point, nearest);
    nearest.Get2d(x, y);
}

bool Segment::Read(Stream& stream) {
    Vector start;
    Vector end;
    if (!start.Read(stream) || !end.Read(stream))
        return false;
    Set(start, end);
    return true;
}

bool Segment::Write(Stream& stream) const {
    return m_start.Write(stream) && m_end.Write(stream);
}

void Segment::DebugDraw(Screen& screen, const MapView& view) const {
    constexpr float kNormalLength = 20.0f;
    DrawWorldLine(screen, view, m_start, m_end);
    const Vector middle = m_start + (m_end - m_start) / 2.0f;
    DrawWorldLine(screen, view, middle, middle + m_normal * kNormalLength);
}
