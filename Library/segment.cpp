#include "Library/segment.h"

#include "Library/map_view.h"

void Segment::Set(const Vector& start, const Vector& end) {
    m_start = start;
    m_end = end;
    m_normal.Set(end.y - start.y, -(end.x - start.x), 0.0f);
    m_normal.Normalize();
    m_distance = m_normal.Dot(start);
}

bool Segment::Intersect(const Vector& start, const Vector& direction, float& t) const {
    const float denominator = m_normal.Dot(direction);
    if (denominator == 0.0f)
        return false;
    t = (m_distance - m_normal.Dot(start)) / denominator;
    return t > 0.0f && t < 1.0f;
}

bool Segment::IntersectSegment(const Segment& other, float& t) const {
    return Intersect(other.m_start, other.m_end - other.m_start, t);
}

bool Segment::IntersectLine(const Vector& a, const Vector& b, float& t) const {
    return Intersect(a, b - a, t);
}

void Segment::ClosestPoint(const Vector& point, float& x, float& y) const {
    const Vector along = m_end - m_start;
    const float fromStart = (point - m_start).Dot2d(along);
    const float fromEnd = (m_start - m_end).Dot2d(point - m_end);
    Vector nearest = m_end;
    if (fromStart <= 0.0f)
        nearest = m_start;
    else if (fromEnd > 0.0f)
        nearest = m_start + along * (fromStart / (fromStart + fromEnd));
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
