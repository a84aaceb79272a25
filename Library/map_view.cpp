#include "Library/map_view.h"

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
