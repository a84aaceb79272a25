#pragma once
// The picture of one map cell near the view: its pixels as read from the map image, with
// any door overlay drawn in (the source), and the work image drawn each frame. The work
// image is recomposed from the source with the tint, the water and the fog of war only when
// the cell's fog bits or the tint change, or the water moves on.

#include "Library/graphics/colour_offset.h"
#include "Library/graphics/graphic.h"
#include "Library/world/tile_record.h"

#include <cstdint>

class FogImages;
class TileWater;
struct PixelSurface;

class Tile {
public:
    static constexpr int kWidth = 16; // pixels, a cell of the map image
    static constexpr int kHeight = 12;

    Tile();
    Tile(const Tile&) = delete;
    Tile& operator=(const Tile&) = delete;
    virtual ~Tile() = default;

    void SetCell(int column, int row);
    int GetColumn() const { return m_column; }
    int GetRow() const { return m_row; }
    Graphic& GetSource() { return m_source; }
    const Graphic& GetSource() const { return m_source; }
    Graphic& GetWork() { return m_work; }
    const Graphic& GetWork() const { return m_work; }

    // The next recomposition that compares fog bits takes this tile, whatever its cell's.
    void MarkStale() { m_fog = kStale; }
    bool FogDiffers(const TileRecord& cell) const { return m_fog != FogOf(cell); }

    // The source tinted, with the water over a water cell.
    void Render(const TileRecord& cell, const ColourOffset& tint, TileWater* water);
    // The same with the cell's fog of war over it (or in its place, on unexplored ground).
    void RenderFog(const TileRecord& cell, const ColourOffset& tint, TileWater* water,
                   const FogImages& fog);
    void Draw(const PixelSurface& surface, int x, int y) const; // the work image, copied

private:
    static constexpr uint32_t kStale = ~0u; // never the fog bits of a cell
    static uint32_t FogOf(const TileRecord& cell) { return cell.words[1] & TileRecord::kFogBits; }

    void DrawTinted(const TileRecord& cell, const ColourOffset& tint, TileWater* water);
    void Overlay(const Graphic& image, int blitMode);

    Graphic m_source;
    Graphic m_work;
    uint32_t m_fog = kStale; // the fog bits of the cell when last composed
    int m_column = 0;
    int m_row = 0;
};
