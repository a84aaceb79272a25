#pragma once
// The candidate points of one ring of a placement search: the grid points (whole x and y)
// of the band of width 1 just inside a radius around a centre, taken nearest first from a
// reference point until one leaves room enough on walkable cells.

#include "Library/core/vector.h"

#include <vector>

class TileMap;

class FreeCells {
public:
    // Every grid point with (radius - 1)^2 < d^2 <= radius^2 from the centre, so radius 0
    // gives none; false when none was found.
    bool Collect(const Vector& centre, float radius);
    // Points nearest the reference first (the earliest collected of equally near ones)
    // until one whose circle lies on walkable cells; the ring is used up either way.
    bool FindFreeSpot(const TileMap& map, const Vector& reference, float radius, Vector& out);
    // The same with the points farthest from the reference first; a point on the reference
    // itself is never tried.
    bool FindFreeSpotFarthestFirst(const TileMap& map, const Vector& reference, float radius,
                                   Vector& out);

    int Count() const { return static_cast<int>(m_points.size()); }

private:
    // The points in the order given, until one leaves room enough; the ring is used up.
    template <class Earlier>
    bool TakeFirstFree(const TileMap& map, float radius, Earlier earlier, Vector& out);

    std::vector<Vector> m_points;
};
