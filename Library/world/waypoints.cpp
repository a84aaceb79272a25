#include "Library/world/waypoints.h"

#include "Library/world/tile_map.h"

bool Waypoints::Add(const Vector& point) {
    if (m_count >= kMaxPoints)
        return false;
    m_points[m_count++] = point;
    return true;
}

void Waypoints::TruncateAtFirstBlocked(const TileMap& map) {
    for (int i = 0; i < m_count; ++i) {
        if (!map.IsWalkableAt(m_points[i])) {
            m_goal = m_points[i];
            m_count = i;
            return;
        }
    }
}
