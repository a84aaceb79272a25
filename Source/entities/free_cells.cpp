#include "Source/entities/free_cells.h"

#include "Library/geometry/circle_tests.h"
#include "Source/entities/cell_stamps.h"

#include <algorithm>
#include <cmath>

// Row by row, each row's points left to right: only the two runs of the row that can lie
// in the band are looked at.
bool FreeCells::Collect(const Vector& centre, float radius) {
    m_points.clear();
    if (!(radius > 0.0f) || !IsWithinCellRange(centre, radius))
        return false;
    const float inner = (radius - 1.0f) * (radius - 1.0f), outer = radius * radius;
    const auto keep = [&](long x, long y) {
        const Vector point(static_cast<float>(x), static_cast<float>(y), 0.0f);
        const float d2 = DistanceSquared2d(point, centre);
        if (inner < d2 && d2 <= outer)
            m_points.push_back(point);
    };
    const auto y1 = static_cast<long>(std::floor(centre.y - radius));
    const auto y2 = static_cast<long>(std::ceil(centre.y + radius));
    for (long y = y1; y <= y2; ++y) {
        const float dy2 = (y - centre.y) * (y - centre.y);
        if (dy2 > outer)
            continue;
        const float reach = std::sqrt(outer - dy2);
        const float hole = dy2 < inner ? std::sqrt(inner - dy2) : 0.0f;
        const auto left = static_cast<long>(std::floor(centre.x - reach));
        const auto right = static_cast<long>(std::ceil(centre.x + reach));
        const auto holeLeft = static_cast<long>(std::ceil(centre.x - hole));
        const auto holeRight = static_cast<long>(std::floor(centre.x + hole));
        for (long x = left; x <= right; ++x) {
            if (hole > 0.0f && x > holeLeft && x < holeRight)
                x = holeRight;
            keep(x, y);
        }
    }
    return !m_points.empty();
}

template <class Earlier>
bool FreeCells::TakeFirstFree(const TileMap& map, float radius, Earlier earlier, Vector& out) {
    std::stable_sort(m_points.begin(), m_points.end(), earlier);
    for (const Vector& point : m_points)
        if (IsCircleOnPassableCells(map, point, radius)) {
            out = point;
            m_points.clear();
            return true;
        }
    m_points.clear();
    return false;
}

// Nearest the reference first, the earliest collected of equally near ones first.
bool FreeCells::FindFreeSpot(const TileMap& map, const Vector& reference, float radius,
                             Vector& out) {
    return TakeFirstFree(
        map, radius,
        [&](const Vector& a, const Vector& b) {
            return DistanceSquared2d(a, reference) < DistanceSquared2d(b, reference);
        },
        out);
}

bool FreeCells::FindFreeSpotFarthestFirst(const TileMap& map, const Vector& reference,
                                          float radius, Vector& out) {
    m_points.erase(std::remove_if(m_points.begin(), m_points.end(),
                                  [&](const Vector& point) {
                                      return !(DistanceSquared2d(point, reference) > 0.0f);
                                  }),
                   m_points.end());
    return TakeFirstFree(
        map, radius,
        [&](const Vector& a, const Vector& b) {
            return DistanceSquared2d(a, reference) > DistanceSquared2d(b, reference);
        },
        out);
}
