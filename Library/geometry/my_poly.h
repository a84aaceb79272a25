#pragma once

#include "Library/core/vector.h"
#include "Library/geometry/poly_edge.h"

#include <cstdint>
#include <memory>

class MapView;
class Screen;
class Stream;

// A closed polygon in world units: vertex i is followed by i + 1 and the last by vertex 0.
// Each edge runs from a vertex to the next and carries its unit normal (the edge turned a
// quarter clockwise on screen) and the normal's distance from the origin, which
// ComputeEdges fills from the vertices.
class MyPoly {
public:
    MyPoly() = default;
    explicit MyPoly(int count) { Allocate(count); }
    MyPoly(const MyPoly&) = delete;
    MyPoly& operator=(const MyPoly&) = delete;
    virtual ~MyPoly() = default;

    void Allocate(int count); // zero vertices joined in a ring; a count below 1 is empty
    void Free();

    int GetCount() const { return m_count; }
    int Next(int vertex) const { return static_cast<int>(m_next[vertex]); }
    const Vector& GetVertex(int vertex) const { return m_vertices[vertex]; }
    void SetVertex(int vertex, const Vector& point) { m_vertices[vertex] = point; }
    const Vector& GetNormal(int edge) const { return m_normals[edge]; }
    float GetDistance(int edge) const { return m_distances[edge]; }
    const PolyEdge& GetEdge(int edge) const { return m_edges[edge]; }

    void ComputeEdges();
    void Centroid(Vector& out) const; // mean of the edge midpoints; out untouched when empty

    // u32 vertex count, then each vertex as three 4-byte floats. Normals and distances are
    // not stored: the owner recomputes them. A failed read leaves the polygon empty or with
    // the vertices after the failure zero.
    bool Read(Stream& stream);
    bool Write(Stream& stream) const;

    void Draw(Screen& screen, const MapView& view) const; // the outline

private:
    int m_count = 0;
    std::unique_ptr<uint32_t[]> m_next;
    std::unique_ptr<Vector[]> m_vertices;
    std::unique_ptr<Vector[]> m_normals;
    std::unique_ptr<float[]> m_distances;
    std::unique_ptr<PolyEdge[]> m_edges;
};

// Crossing-number test in x and y over the polygon's vertex ring; false below 3 vertices.
bool PointInPolygon(const MyPoly& polygon, const Vector& point);
// Whether the edge from a to b is one that test counts: it spans the point's height, from
// its lower end up to, not including, its upper one, and passes to the point's right.
bool CrossesRightOf(const Vector& a, const Vector& b, const Vector& point);
