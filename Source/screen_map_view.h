#pragma once
// The area map's scale of 16 x 12 pixels per world unit with the view at the world's
// origin and no tiles to mark, which the graphic offset editor works over until the game
// has a tile map.

#include "Source/editors/editor_map_view.h"

class ScreenMapView : public EditorMapView {
public:
    Vector GetPixelsPerUnit() const override;
    Vector GetViewOffset() const override;
    Vector MouseToWorld() const override;
    void DrawTileOverlay(Screen& screen, const Vector& point) override;
};
