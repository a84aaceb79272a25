#include "Source/entities/view_transform.h"

#include "Library/geometry/map_view.h"
#include "Library/world/game_mode.h"

namespace {

constexpr float kTileWidth = 16.0f;
constexpr float kTileHeight = 12.0f;

} // namespace

void WorldToScreen(const Vector& world, int& x, int& y) {
    x = RoundToPixel(world.x * kTileWidth);
    y = RoundToPixel(world.y * kTileHeight);
}

Vector ScreenToWorld(int x, int y) {
    return Vector(x / kTileWidth, y / kTileHeight, 0.0f);
}

int CurrentModeId() {
    return g_gameMode ? g_gameMode->GetModeId() : 0;
}

int CurrentPulse() {
    return g_gameMode ? g_gameMode->GetPulse() : 0;
}
