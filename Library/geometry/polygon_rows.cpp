#include "Library/geometry/polygon_rows.h"

#include <algorithm>
#include <cmath>

void PolygonRows::File(const MyPoly& polygon) {
    m_polygon = &polygon;
    m_indexed = Index();
}

bool PolygonRows::Index() {
    const MyPoly& polygon = *m_polygon;
    const int count = polygon.GetCount();
    m_rowStarts.clear();
    m_edges.clear();
    if (count < 3)
        return false;
    m_top = m_bottom = polygon.GetVertex(0).y;
    for (int vertex = 0; vertex < count; ++vertex) {
        const float y = polygon.GetVertex(vertex).y;
        if (!std::isfinite(y))
            return false;
        m_top = std::min(m_top, y);
        m_bottom = std::max(m_bottom, y);
    }
    if (m_bottom == m_top) // flat: no point is within its height, and none inside
        return true;
    m_rowHeight = (m_bottom - m_top) / static_cast<float>(count);
    if (!(m_rowHeight > 0.0f) || !std::isfinite(m_rowHeight))
        return false;
    m_rowStarts.assign(static_cast<size_t>(count) + 1, 0);
    // A level edge is never crossed, and is filed nowhere.
    const auto forEachFiling = [&](auto file) {
        for (int edge = 0; edge < count; ++edge) {
            const float a = polygon.GetVertex(edge).y;
            const float b = polygon.GetVertex(polygon.Next(edge)).y;
            if (a != b)
                for (int row = RowOf(std::min(a, b)); row <= RowOf(std::max(a, b)); ++row)
                    file(edge, static_cast<size_t>(row));
        }
    };
    // Each row's count, then where it ends, then, filled from its end, where it starts.
    forEachFiling([&](int, size_t row) { ++m_rowStarts[row]; });
    for (size_t row = 1; row < m_rowStarts.size(); ++row)
        m_rowStarts[row] += m_rowStarts[row - 1];
    m_edges.resize(static_cast<size_t>(m_rowStarts.back()));
    forEachFiling(
        [&](int edge, size_t row) { m_edges[static_cast<size_t>(--m_rowStarts[row])] = edge; });
    return true;
}

int PolygonRows::RowOf(float y) const {
    const float row = (y - m_top) / m_rowHeight;
    const int last = m_polygon->GetCount() - 1;
    return row < static_cast<float>(last) ? static_cast<int>(row) : last;
}

// An edge is crossed only at a height from its lower end up to, not including, its upper
// one: outside the polygon's height none is, and within it only those filed in the row.
bool PolygonRows::Contains(const Vector& point) const {
    if (m_polygon == nullptr)
        return false;
    if (!m_indexed)
        return PointInPolygon(*m_polygon, point);
    if (!(point.y >= m_top && point.y < m_bottom))
        return false;
    const int row = RowOf(point.y);
    bool inside = false;
    for (int slot = m_rowStarts[static_cast<size_t>(row)];
         slot < m_rowStarts[static_cast<size_t>(row) + 1]; ++slot) {
        const int edge = m_edges[static_cast<size_t>(slot)];
        if (CrossesRightOf(m_polygon->GetVertex(edge), m_polygon->GetVertex(m_polygon->Next(edge)),
                           point))
            inside = !inside;
    }
    return inside;
}
