#pragma once
// The drawing transform of every world object: screen = world x pixels per unit - offset,
// the offset being the tile map's view origin less the view's screen position.

#include "Library/core/vector.h"
#include "Library/geometry/map_view.h"
#include "Library/world/tile_grid.h"

#include <cstdint>

class ViewScale : public MapView {
public:
    static constexpr uint32_t kAreaMap = 0; // 16 x 12 pixels per world unit: one tile
    static constexpr uint32_t kPixels = 1;  // world units are pixels

    ViewScale() { Set(kAreaMap, Vector()); }

    // Any other mode leaves the transform as it was.
    void Set(uint32_t mode, const Vector& offset);

    uint32_t GetMode() const { return m_mode; }
    Vector GetPixelsPerUnit() const override { return Vector(m_scaleX, m_scaleY, 0.0f); }
    Vector GetViewOffset() const override { return m_offset; }

private:
    uint32_t m_mode = kAreaMap;
    float m_scaleX = TileGrid::kTileWidth;
    float m_scaleY = TileGrid::kTileHeight;
    Vector m_offset;
};

// Holds the area map's transform with no offset before any map is loaded.
extern ViewScale g_viewScale;
