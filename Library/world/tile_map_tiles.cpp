// The tile pictures near the view, read piecewise from the map image and recomposed with the
// fog of war, the tint and the water; and the door overlays drawn into them.
#include "Library/world/tile_map.h"

#include "Library/files/file_stream.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/colour.h"
#include "Library/world/tile_water.h"

#include <algorithm>

namespace {

constexpr int kTileWidth = TileGrid::kTileWidth;
constexpr int kTileHeight = TileGrid::kTileHeight;
constexpr int kAllButColourMode = 5;

int FloorDiv(int value, int divisor) {
    return value >= 0 ? value / divisor : -((divisor - 1 - value) / divisor);
}

Rect CellPixels(int x, int y) {
    return Rect::Make(x * kTileWidth, y * kTileHeight, (x + 1) * kTileWidth, (y + 1) * kTileHeight);
}

} // namespace

Tile*& TileMap::TileAt(int x, int y) {
    return m_cellTiles[static_cast<size_t>(y) * GetWidth() + x];
}

const Tile* TileMap::GetTile(int x, int y) const {
    return m_map.grid.Contains(x, y) ? m_cellTiles[static_cast<size_t>(y) * GetWidth() + x]
                                     : nullptr;
}

bool TileMap::BuildVisibleTiles() {
    if (m_cellTiles.empty())
        return false;
    const CellRange range = VisibleRange();
    bool made = false;
    for (int row = range.firstRow; row < range.lastRow; ++row)
        for (int column = range.firstColumn; column < range.lastColumn; ++column) {
            Tile*& tile = TileAt(column, row);
            if (tile)
                continue;
            tile = m_tiles.Alloc();
            tile->SetCell(column, row);
            tile->MarkStale();
            FillTile(*tile);
            made = true;
        }
    if (made) {
        m_refreshVisible = true;
        ReleaseTilesOutside(range);
    }
    return true;
}

// A border of one cell on the left and top, two on the right and bottom (the range's ends
// being exclusive), keeps its pictures.
void TileMap::ReleaseTilesOutside(const CellRange& range) {
    for (int slot = 0; slot < m_tiles.GetCount(); ++slot) {
        if (!m_tiles.IsUsed(slot))
            continue;
        const Tile& tile = *m_tiles.Get(slot);
        const int column = tile.GetColumn(), row = tile.GetRow();
        if (column < range.firstColumn - 1 || column > range.lastColumn + 1 ||
            row < range.firstRow - 1 || row > range.lastRow + 1) {
            TileAt(column, row) = nullptr;
            m_tiles.Free(slot);
        }
    }
}

// Without the fog every recomposition is plain, and a tint change waits for the next one.
void TileMap::UpdateTiles(Fog fog) {
    if (m_cellTiles.empty())
        return;
    const bool waterMoved = m_water && m_water->Animate();
    const BlitStateScope saved;
    const auto any = [](const Tile&, const TileRecord&) { return true; };
    const auto water = [](const Tile&, const TileRecord& cell) {
        return cell.Has(TileRecord::kWater);
    };
    if (fog == kNoFog) {
        if (m_refreshVisible) {
            m_refreshVisible = false;
            RecomposeVisible(fog, any);
        } else if (waterMoved) {
            RecomposeVisible(fog, water);
        }
        return;
    }
    if (m_refreshAll) {
        m_refreshAll = false;
        for (int slot = 0; slot < m_tiles.GetCount(); ++slot)
            if (m_tiles.IsUsed(slot))
                Recompose(*m_tiles.Get(slot), fog);
    } else if (m_refreshVisible) {
        m_refreshVisible = false;
        RecomposeVisible(
            fog, [](const Tile& tile, const TileRecord& cell) { return tile.FogDiffers(cell); });
    } else if (waterMoved) {
        RecomposeVisible(fog, water);
    }
}

template <class Test> void TileMap::RecomposeVisible(Fog fog, Test test) {
    const CellRange range = VisibleRange();
    for (int row = range.firstRow; row < range.lastRow; ++row)
        for (int column = range.firstColumn; column < range.lastColumn; ++column) {
            Tile* tile = TileAt(column, row);
            if (tile && test(*tile, m_map.grid.At(column, row)))
                Recompose(*tile, fog);
        }
}

void TileMap::Recompose(Tile& tile, Fog fog) {
    const TileRecord& cell = m_map.grid.At(tile.GetColumn(), tile.GetRow());
    if (fog == kFogOfWar)
        tile.RenderFog(cell, m_tint, m_water, m_fog);
    else
        tile.Render(cell, m_tint, m_water);
}

// Read afresh, so no earlier picture shows through a transparent pixel; then every door's
// picture over the cell but the one left out, so none is lost to another's change beside it.
bool TileMap::FillTile(Tile& tile, const TileGraphic* leftOut) {
    const Rect cell = CellPixels(tile.GetColumn(), tile.GetRow());
    if (!ReadTileFromMap(tile, cell))
        return false;
    for (int slot = 0; slot < m_overlays.GetCount(); ++slot) {
        const TileGraphic* overlay = m_overlays.IsUsed(slot) ? m_overlays.Get(slot) : nullptr;
        if (overlay && overlay != leftOut && overlay->GetCurrent() &&
            Rect::Intersects(cell, overlay->GetRect()))
            CompositeTileGraphic(tile, cell, *overlay);
    }
    return true;
}

bool TileMap::ReadTileFromMap(Tile& tile, const Rect& rect) {
    tile.MarkStale();
    Graphic& source = tile.GetSource();
    source.SetFileName(m_map.graphicPath.c_str()); // for the message when it cannot be read
    FileStream* image = m_map.mapImage.get();
    return image && source.LoadTgaRegionFromStream(*image, rect);
}

// Transparent pixels are never drawn: the tile's own pixels show through them.
void TileMap::CompositeTileGraphic(Tile& tile, const Rect& cell, const TileGraphic& overlay) {
    const Graphic* image = overlay.GetCurrent();
    const Rect& area = overlay.GetRect();
    const int dx = cell.x1 < area.x1 ? area.x1 - cell.x1 : 0;
    const int dy = cell.y1 < area.y1 ? area.y1 - cell.y1 : 0;
    const int x1 = std::clamp(cell.x1, area.x1, area.x2) - area.x1;
    const int x2 = std::clamp(cell.x2, area.x1, area.x2) - area.x1;
    const int y1 = std::clamp(cell.y1, area.y1, area.y2) - area.y1;
    const int y2 = std::clamp(cell.y2, area.y1, area.y2) - area.y1;
    Graphic& source = tile.GetSource();
    const BlitStateScope saved;
    g_graphicClipRect = source.WholeArea();
    Graphic::SetBlitModeRgb(kAllButColourMode, Colour(255, 0, 255));
    image->DrawRegion(source.GetSurface(), x1, y1, x2 - x1, y2 - y1, dx, dy);
}

// Each cell the overlay reaches is filled afresh, leaving out the overlay or not, and
// recomposed at once: a tile in the border round the view is not recomposed when a scroll
// brings it into view. Only the tiles' own copies of the fog bits are touched.
void TileMap::RefillOverlayCells(const TileGraphic& overlay, const TileGraphic* leftOut) {
    const BlitStateScope saved;
    ForEachOverlayCell(overlay, [this, leftOut](Tile& tile) {
        if (!FillTile(tile, leftOut))
            return false;
        Recompose(tile, m_composeFog);
        return true;
    });
}

void TileMap::RemoveTileGraphic(const TileGraphic& overlay) {
    RefillOverlayCells(overlay, &overlay);
}

// The cells of the current image's rectangle and a margin of one cell round it that lie
// on the map and have a picture, while visit returns true.
template <class Visit> void TileMap::ForEachOverlayCell(const TileGraphic& overlay, Visit visit) {
    const Graphic* image = overlay.GetCurrent();
    if (!image)
        return;
    const Rect& area = overlay.GetRect();
    for (int dy = -kTileHeight; dy < image->GetHeight() + kTileHeight; dy += kTileHeight)
        for (int dx = -kTileWidth; dx < image->GetWidth() + kTileWidth; dx += kTileWidth) {
            const int x = FloorDiv(area.x1 + dx, kTileWidth);
            const int y = FloorDiv(area.y1 + dy, kTileHeight);
            if (!m_map.grid.Contains(x, y) || !TileAt(x, y))
                continue;
            if (!visit(*TileAt(x, y)))
                return;
        }
}

TileGraphic* TileMap::LoadTileGraphics(TileGraphic* old, const char* name0, const char* name1,
                                       int x, int y) {
    name0 = name0 ? name0 : "";
    name1 = name1 ? name1 : "";
    TileGraphic* overlay = nullptr;
    if (old && m_overlays.IsUsed(old)) {
        if (old->Matches(name0, name1, x, y))
            return old;
        RemoveTileGraphic(*old);
        overlay = old;
    } else {
        overlay = m_overlays.Alloc();
    }
    if (overlay->Load(m_paths, m_archive, name0, name1, x, y))
        return overlay;
    m_overlays.Free(m_overlays.SlotOf(overlay));
    return nullptr;
}

void TileMap::DrawTile(TileGraphic* overlay, bool open) {
    if (!overlay || !m_overlays.IsUsed(overlay))
        return;
    overlay->SetCurrent(open);
    RefillOverlayCells(*overlay, nullptr);
}

void TileMap::ReleaseTileGraphics(TileGraphic* overlay) {
    if (!overlay || !m_overlays.IsUsed(overlay))
        return;
    RemoveTileGraphic(*overlay);
    m_overlays.Free(m_overlays.SlotOf(overlay));
}
