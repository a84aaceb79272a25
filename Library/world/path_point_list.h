#pragma once
// The points of a found path on their way into Waypoints: up to 1000 cell centres as the
// search gave them, staircase steps merged into diagonals, then pulled tight along
// walkable lines into at most 20 points.

#include "Library/core/vector.h"

#include <array>

class TileMap;

class PathPointList {
public:
    static constexpr int kMaxRaw = 1000;
    static constexpr int kMaxSmoothed = 20;

    void Clear() { m_rawCount = m_smoothedCount = 0; }
    // Replaces the last point when p lies within one cell on each axis of both the last
    // two, else appends; nothing once 1000 points are held.
    void AddPoint(const Vector& p);
    void AddPointRaw(const Vector& p); // appends while fewer than 1000 are held
    // From the first point, each point replaces the last kept one while the line from the
    // anchor to it stays walkable; otherwise the last kept one becomes the anchor and the
    // point is kept. Stops when limit (at most 20) points are kept, dropping the rest.
    void Simplify(int limit, const TileMap& map);

    int GetRawCount() const { return m_rawCount; }
    const Vector& GetRaw(int index) const { return m_raw[index]; }
    int GetSmoothedCount() const { return m_smoothedCount; }
    const Vector& GetSmoothed(int index) const { return m_smoothed[index]; }

private:
    int m_rawCount = 0;
    int m_smoothedCount = 0;
    std::array<Vector, kMaxRaw> m_raw;
    std::array<Vector, kMaxSmoothed> m_smoothed;
};
