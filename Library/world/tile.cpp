#include "Library/world/tile.h"

#include "Library/graphics/blit_state.h"
#include "Library/graphics/pixel_surface.h"
#include "Library/world/fog_images.h"
#include "Library/world/tile_water.h"

namespace {

constexpr int kCopyMode = 0;
constexpr int kTintMode = 2;
constexpr int kQuarterMode = 8; // a quarter of the image over the ground

} // namespace

Tile::Tile() {
    m_work.Create(kWidth, kHeight);
    m_work.Fill(0);
}

void Tile::SetCell(int column, int row) {
    m_column = column;
    m_row = row;
}

// A source that could not be read is drawn black, not as the cell the tile last showed.
void Tile::DrawTinted(const TileRecord& cell, const ColourOffset& tint, TileWater* water) {
    if (m_source.GetData() == nullptr) {
        m_work.Fill(0);
        return;
    }
    g_graphicClipRect = m_work.WholeArea();
    Graphic::SetBlitModeColour(kTintMode, tint);
    m_source.Draw(m_work.GetSurface(), 0, 0);
    if (water && cell.Has(TileRecord::kWater))
        water->BlitWaterTile(*this);
}

void Tile::Overlay(const Graphic& image, int blitMode) {
    g_graphicClipRect = m_work.WholeArea();
    Graphic::SetBlitMode(blitMode);
    image.Draw(m_work.GetSurface(), 0, 0);
}

void Tile::Render(const TileRecord& cell, const ColourOffset& tint, TileWater* water) {
    m_fog = FogOf(cell);
    DrawTinted(cell, tint, water);
}

//   explored, in view                       the ground
//   explored, not in view                   the ground, a quarter of the fog (or of the
//                                           in-view edge's image) over it
//   not explored, off the explored edge     the fog alone
//   not explored, on the explored edge      the ground, a quarter of the fog over it unless
//                                           in view or on its edge, then the edge's image
void Tile::RenderFog(const TileRecord& cell, const ColourOffset& tint, TileWater* water,
                     const FogImages& fog) {
    m_fog = FogOf(cell);
    const bool inView = cell.Has(TileRecord::kInView);
    const bool inViewEdge = cell.Has(TileRecord::kInViewEdge);
    const Graphic& edge = fog.Edge(cell.GetEdgeDir());
    if (cell.Has(TileRecord::kExplored)) {
        DrawTinted(cell, tint, water);
        if (!inView)
            Overlay(inViewEdge ? edge : fog.Unexplored(), kQuarterMode);
        return;
    }
    if (!cell.Has(TileRecord::kExploredEdge)) {
        m_work.Fill(0);
        Overlay(fog.Unexplored(), kCopyMode);
        return;
    }
    DrawTinted(cell, tint, water);
    if (!inView && !inViewEdge)
        Overlay(fog.Unexplored(), kQuarterMode);
    Overlay(edge, kCopyMode);
}

void Tile::Draw(const PixelSurface& surface, int x, int y) const {
    m_work.Draw(surface, x, y);
}
