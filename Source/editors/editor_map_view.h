#pragma once
// What the graphic offset editor needs of the map view it works over, beyond where world
// points fall on the screen: the world point under the mouse and the overlay that marks
// the tile under a world point.

#include "Library/geometry/map_view.h"

class Screen;

class EditorMapView : public MapView {
public:
    virtual Vector MouseToWorld() const = 0;
    virtual void DrawTileOverlay(Screen& screen, const Vector& point) = 0;
};
