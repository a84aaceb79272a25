#pragma once
// What the tile map's drawing asks of the water of the current region: whether its
// animation moved on this frame, and the water shown through a water tile's key pixels.

class Tile;

class TileWater {
public:
    virtual ~TileWater() = default;
    // Once per drawn frame, before any tile is recomposed; true when the water moved on, so
    // that the water tiles in view are recomposed.
    virtual bool Animate() = 0;
    // Over the tile's work image, just drawn from its source.
    virtual void BlitWaterTile(Tile& tile) = 0;
};
