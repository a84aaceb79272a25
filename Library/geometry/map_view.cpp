#include "Library/geometry/map_view.h"

#include "Library/graphics/screen.h"

int RoundToPixel(float value) {
    constexpr float kLimit = 1e9f;
    if (!(value > -kLimit))
        return value != value ? 0 : -static_cast<int>(kLimit);
    if (value > kLimit)
        return static_cast<int>(kLimit);
    return static_cast<int>(value <= 0.0f ? value - 0.5001f : value + 0.5001f);
}

void WorldToPixel(const MapView& view, const Vector& world, int& x, int& y) {
    const Vector scale = view.GetPixelsPerUnit();
    const Vector offset = view.GetViewOffset();
    x = RoundToPixel(world.x * scale.x - offset.x);
    y = RoundToPixel(world.y * scale.y - offset.y);
}

void DrawWorldLine(Screen& screen, const MapView& view, const Vector& from, const Vector& to) {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    WorldToPixel(view, from, x1, y1);
    WorldToPixel(view, to, x2, y2);
    screen.DrawLine(x1, y1, x2, y2);
}
