#pragma once
// The path a creature follows: up to six points from the path finder, the start and goal as
// they were asked, and the arrival radius of each point (set by the path follower).

#include "Library/core/vector.h"

class Screen;
class TileMap;

class Waypoints {
public:
    static constexpr int kMaxPoints = 6;

    bool Add(const Vector& point); // false when six are held
    void Clear() { m_count = 0; }
    // Cuts the path at its first point on a cell that is not walkable: that point becomes
    // the goal and the points before it stay. May leave no points at all.
    void TruncateAtFirstBlocked(const TileMap& map);
    // Over the map's view: the start's cell in blue, each point's in green, the goal's in red.
    void DebugDraw(Screen& screen, const TileMap& map) const;

    int GetCount() const { return m_count; }
    const Vector& GetPoint(int index) const { return m_points[index]; } // index < count
    float GetRadius(int index) const { return m_radii[index]; }
    void SetRadius(int index, float radius) { m_radii[index] = radius; }
    const Vector& GetStart() const { return m_start; }
    void SetStart(const Vector& start) { m_start = start; }
    const Vector& GetGoal() const { return m_goal; }
    void SetGoal(const Vector& goal) { m_goal = goal; }

private:
    Vector m_start;
    Vector m_goal;
    int m_count = 0;
    Vector m_points[kMaxPoints];
    float m_radii[kMaxPoints] = {};
};
