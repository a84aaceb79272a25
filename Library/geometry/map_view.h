#pragma once
// Where the map view puts world points on the screen: pixel = world x pixels per unit
// - offset, the offset being the view origin less the view's screen position. The tile
// map's view implements it; debug drawings of world shapes go through it.

#include "Library/core/vector.h"

class Screen;

class MapView {
public:
    virtual ~MapView() = default;
    virtual Vector GetPixelsPerUnit() const = 0; // 16 x 12 on the area map
    virtual Vector GetViewOffset() const = 0;    // in pixels
};

// Halves away from zero with a bias of 0.0001, so 0.4999 still rounds up; NaN gives 0
// and values beyond a billion are held there.
int RoundToPixel(float value);

void WorldToPixel(const MapView& view, const Vector& world, int& x, int& y);
// A screen line between two world points, in the screen's drawing colour.
void DrawWorldLine(Screen& screen, const MapView& view, const Vector& from, const Vector& to);
