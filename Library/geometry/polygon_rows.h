#pragma once
// A polygon's edges filed by the horizontal rows of its height that they span, for testing
// many points against one polygon: a point meets only the edges of its own row, and gets
// PointInPolygon's answer. Kept between fillings, it keeps its storage.

#include "Library/geometry/my_poly.h"

#include <vector>

class PolygonRows {
public:
    PolygonRows() = default;
    PolygonRows(const PolygonRows&) = delete;
    PolygonRows& operator=(const PolygonRows&) = delete;

    // Until the next filling, which the polygon must outlive unchanged.
    void File(const MyPoly& polygon);
    bool Contains(const Vector& point) const; // false before any filling

private:
    bool Index();             // false when the rows cannot be told apart
    int RowOf(float y) const; // never decreasing in y; only for y within the polygon's height

    const MyPoly* m_polygon = nullptr;
    bool m_indexed = false; // false below 3 vertices or with a y not finite: PointInPolygon
    float m_top = 0.0f;     // the least vertex y
    float m_bottom = 0.0f;
    float m_rowHeight = 0.0f;
    // The edges, by their first vertex, whose height meets each row (one row per vertex):
    // those of row r from m_edges[m_rowStarts[r]] up to m_edges[m_rowStarts[r + 1]].
    std::vector<int> m_rowStarts;
    std::vector<int> m_edges;
};
