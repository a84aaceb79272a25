#include "Library/geometry/zone.h"

#include "Library/core/maths.h"
#include "Library/geometry/circle_tests.h"
#include "Library/geometry/segment.h"

#include <cfloat>

namespace {

float NearestOnEdgeSquared(const PolyEdge& edge, const Vector& point, Vector& nearest) {
    ClosestPointOnSegment(*edge.start, *edge.end, point, nearest);
    return DistanceSquared2d(nearest, point);
}

} // namespace

void Zone::BuildPolygon(const MemMgr<Vector>& points) {
    const int used = points.CountUsed();
    if (used == 0)
        return;
    m_polygon.Allocate(used);
    int vertex = 0;
    for (int slot = 0; slot < points.GetCount(); ++slot) {
        if (points.IsUsed(slot))
            m_polygon.SetVertex(vertex++, *points.Get(slot));
    }
    m_polygon.ComputeEdges();
}

bool Zone::Contains(const Vector& point) const {
    return PointInPolygon(m_polygon, point);
}

void Zone::Centre(Vector& out) const {
    const int count = m_polygon.GetCount();
    if (count == 0)
        return;
    Vector sum;
    for (int vertex = 0; vertex < count; ++vertex)
        sum += m_polygon.GetVertex(vertex);
    out = sum / static_cast<float>(count);
}

bool Zone::Read(Stream& stream) {
    if (!m_polygon.Read(stream))
        return false;
    m_polygon.ComputeEdges();
    return true;
}

bool Zone::Write(Stream& stream) const {
    return m_polygon.Write(stream);
}

bool Zone::NearestBoundaryPoint(const Vector& point, Vector& out) const {
    if (m_polygon.GetCount() == 0)
        return false;
    float best = FLT_MAX;
    for (int edge = 0; edge < m_polygon.GetCount(); ++edge) {
        Vector nearest;
        const float distance = NearestOnEdgeSquared(m_polygon.GetEdge(edge), point, nearest);
        if (edge == 0 || distance < best) {
            best = distance;
            out = nearest;
        }
    }
    return true;
}

bool Zone::Crosses(int edge, const Vector& from, const Vector& to, float& t) const {
    const PolyEdge& ends = m_polygon.GetEdge(edge);
    return SegmentIntersection(from, to, *ends.start, *ends.end) &&
           LinePlaneParameter(from, to - from, m_polygon.GetNormal(edge),
                              m_polygon.GetDistance(edge), t);
}

bool Zone::FirstCrossing(const Vector& from, const Vector& to, Segment& out,
                         float& distance) const {
    if (m_polygon.GetCount() == 0)
        return false;
    distance = FLT_MAX;
    int first = -1;
    for (int edge = 0; edge < m_polygon.GetCount(); ++edge) {
        float t = 0.0f;
        if (Crosses(edge, from, to, t) && t < distance) {
            distance = t;
            first = edge;
        }
    }
    if (first < 0)
        return false;
    const PolyEdge& ends = m_polygon.GetEdge(first);
    out.Set(*ends.start, *ends.end);
    return true;
}

bool Zone::SegmentClear(const Vector& from, const Vector& to) const {
    if (m_polygon.GetCount() == 0)
        return false;
    for (int edge = 0; edge < m_polygon.GetCount(); ++edge) {
        float t = 0.0f;
        if (Crosses(edge, from, to, t))
            return false;
    }
    return true;
}

bool Zone::EdgesWithin(const Vector& point, float radius, EdgePool& pool) const {
    for (int edge = 0; edge < m_polygon.GetCount(); ++edge) {
        const PolyEdge& record = m_polygon.GetEdge(edge);
        Vector nearest;
        if (NearestOnEdgeSquared(record, point, nearest) < radius * radius && !pool.IsUsed(&record))
            pool.Add(&record);
    }
    return HasEdges(pool);
}

void MakeSegmentBox(const Vector& from, const Vector& to, float halfWidth, Vector& c1, Vector& c2,
                    Vector& c3, Vector& c4) {
    Vector normal;
    float distance = 0.0f;
    EdgeNormal(from, to, normal, distance);
    const Vector offset = normal * halfWidth;
    c1 = from + offset;
    c2 = to + offset;
    c3 = to - offset;
    c4 = from - offset;
}

bool NearestEdgeWithin(const Vector& point, float radius, const EdgePool& pool,
                       const PolyEdge*& out) {
    float best = FLT_MAX;
    const PolyEdge* chosen = nullptr;
    const int slots = pool.GetCount();
    for (int slot = 0; slot < slots; ++slot) {
        const PolyEdge* record = pool.Get(slot);
        if (record == nullptr)
            continue;
        Vector nearest;
        const float distance = NearestOnEdgeSquared(*record, point, nearest);
        if (distance < best && distance < radius * radius) {
            best = distance;
            chosen = record;
        }
    }
    if (chosen == nullptr)
        return false;
    out = chosen;
    return true;
}

bool HasEdges(const EdgePool& pool) {
    return pool.CountUsed() > 0;
}
