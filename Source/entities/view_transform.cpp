#include "Source/entities/view_transform.h"

#include "Library/geometry/map_view.h"
#include "Library/world/game_mode.h"
#include "Library/world/view_scale.h"

void WorldToScreen(const Vector& world, int& x, int& y) {
    WorldToPixel(g_viewScale, world, x, y);
}

// The offset's whole pixels, as the view keeps its origin.
Vector ScreenToWorld(int x, int y) {
    const Vector scale = g_viewScale.GetPixelsPerUnit();
    const Vector offset = g_viewScale.GetViewOffset();
    return Vector((static_cast<int>(offset.x) + x) / scale.x,
                  (static_cast<int>(offset.y) + y) / scale.y, 0.0f);
}

int CurrentModeId() {
    return g_gameMode ? g_gameMode->GetModeId() : 0;
}

int CurrentPulse() {
    return g_gameMode ? g_gameMode->GetPulse() : 0;
}
