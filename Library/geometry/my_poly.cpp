#include "Library/geometry/my_poly.h"

#include "Library/core/maths.h"
#include "Library/core/stream.h"
#include "Library/core/tracked_new.h"
#include "Library/geometry/map_view.h"
#include "Library/geometry/stored_vectors.h"

void MyPoly::Allocate(int count) {
    Free();
    if (count < 1)
        return;
    m_count = count;
    m_next.reset(NEW uint32_t[count]());
    m_vertices.reset(NEW Vector[count]());
    m_normals.reset(NEW Vector[count]());
    m_distances.reset(NEW float[count]());
    m_edges.reset(NEW PolyEdge[count]());
    for (int vertex = 0; vertex < count; ++vertex)
        m_next[vertex] = vertex + 1 < count ? vertex + 1 : 0;
    for (int edge = 0; edge < count; ++edge)
        m_edges[edge] = PolyEdge{&m_vertices[edge], &m_vertices[Next(edge)]};
}

void MyPoly::Free() {
    m_count = 0;
    m_next.reset();
    m_vertices.reset();
    m_normals.reset();
    m_distances.reset();
    m_edges.reset();
}

void MyPoly::ComputeEdges() {
    for (int edge = 0; edge < m_count; ++edge)
        EdgeNormal(*m_edges[edge].start, *m_edges[edge].end, m_normals[edge], m_distances[edge]);
}

void MyPoly::Centroid(Vector& out) const {
    if (m_count == 0)
        return;
    Vector sum;
    for (int edge = 0; edge < m_count; ++edge) {
        const Vector& a = *m_edges[edge].start;
        const Vector& b = *m_edges[edge].end;
        sum += a + (b - a) / 2.0f;
    }
    out = sum / static_cast<float>(m_count);
}

bool MyPoly::Read(Stream& stream) {
    if (stream.CheckOpen() != kStreamOk)
        return false;
    Free();
    uint32_t count = 0;
    if (!ReadStoredCount(stream, kStoredVectorBytes, "MyPoly vertices", count))
        return false;
    Allocate(static_cast<int>(count));
    return ReadVectors(stream, m_vertices.get(), m_count);
}

bool MyPoly::Write(Stream& stream) const {
    return stream.CheckOpen() == kStreamOk &&
           WriteCountedVectors(stream, m_vertices.get(), m_count);
}

void MyPoly::Draw(Screen& screen, const MapView& view) const {
    for (int edge = 0; edge < m_count; ++edge)
        DrawWorldLine(screen, view, *m_edges[edge].start, *m_edges[edge].end);
}

bool CrossesRightOf(const Vector& a, const Vector& b, const Vector& point) {
    return (a.y > point.y) != (b.y > point.y) &&
           point.x < (b.x - a.x) * (point.y - a.y) / (b.y - a.y) + a.x;
}

bool PointInPolygon(const MyPoly& polygon, const Vector& point) {
    if (polygon.GetCount() < 3)
        return false;
    bool inside = false;
    for (int vertex = 0; vertex < polygon.GetCount(); ++vertex)
        if (CrossesRightOf(polygon.GetVertex(vertex), polygon.GetVertex(polygon.Next(vertex)),
                           point))
            inside = !inside;
    return inside;
}
