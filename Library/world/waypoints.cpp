#include "Library/world/waypoints.h"

#include "Library/graphics/colour.h"
#include "Library/graphics/screen.h"
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

void Waypoints::DebugDraw(Screen& screen, const TileMap& map) const {
    const uint16_t saved = screen.GetDrawColour();
    screen.SetDrawColour(Colour(0, 0, 255).Pack16());
    map.DrawTileOverlay(screen, m_start);
    screen.SetDrawColour(Colour(0, 255, 0).Pack16());
    for (int i = 0; i < m_count; ++i)
        map.DrawTileOverlay(screen, m_points[i]);
    screen.SetDrawColour(Colour(255, 0, 0).Pack16());
    map.DrawTileOverlay(screen, m_goal);
    screen.SetDrawColour(saved);
}
