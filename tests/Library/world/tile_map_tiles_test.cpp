// The tile pictures of the cells in view: read piecewise from the map image, composed with
// the fog of war, the tint and the water, and door overlays drawn into them; on memory
// surfaces in both pixel layouts.
#include "Library/world/tile_map.h"

#include "Library/core/test_stream_support.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/layout_guard.h"
#include "Library/graphics/span.h"
#include "tile_map_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using testsupport::WriteImage;

constexpr int kSurfaceWidth = 800, kSurfaceHeight = 600;
constexpr uint32_t kExplored = TileRecord::kExplored, kInView = TileRecord::kInView;
constexpr uint32_t kExploredEdge = TileRecord::kExploredEdge;
constexpr uint32_t kInViewEdge = TileRecord::kInViewEdge;
constexpr uint32_t kNone[3] = {0, 0, 0}; // cells of no type, flags or light

// Greens of 8k + 4, k > 0, survive the 5-5-5 form of the files in either layout.
uint16_t Packed(int r, int g, int b) {
    return PackPixelIn(g_pixelFormat, r, g, b);
}

// A map on a scratch data root whose image gives every cell a colour of its own, and fog
// pictures of plain colours: the unexplored ground, and edges whose left half is
// transparent and whose right half has a colour for each direction.
class TileDrawing : public ::testing::TestWithParam<int> {
protected:
    TileDrawing() : m_layout(GetParam()), m_pixels(kSurfaceWidth * kSurfaceHeight, 0) {
        m_surface = PixelSurface{m_pixels.data(), kSurfaceWidth, kSurfaceHeight, kSurfaceWidth};
        Graphic::InitScratch();
        const std::string misc = m_dir.Path("art/graphic/map/misc/");
        WriteImage(misc + "fow_unexplored.tga", 16, 12, [](int, int) { return Unexplored(); });
        for (int dir = 0; dir < 8; ++dir)
            WriteImage(misc + "fow_unexplored_edge_" + std::to_string(dir) + ".tga", 16, 12,
                       [dir](int x, int) { return x < 8 ? g_colourKey : Edge(dir); });
        m_map = std::make_unique<TileMap>(m_paths, nullptr);
        g_graphicClipRect = Rect{0, 0, kSurfaceWidth, kSurfaceHeight};
    }
    ~TileDrawing() override { Graphic::FreeScratch(); }

    static uint16_t Ground(int column, int row) {
        return Packed(8 * (column % 32), 12, 8 * (row % 26) + 40);
    }
    static uint16_t Unexplored() { return Packed(16, 20, 24); }
    static uint16_t Edge(int dir) { return Packed(240, 228, 8 * dir); }

    // width x height cells with the words, each of its own ground colour, the view the
    // smallest at the map's corner.
    void Load(int width, int height, const uint32_t words[3],
              uint16_t (*ground)(int, int) = Ground) {
        WriteImage(m_dir.Path("art/graphic/map/m.tga"), width * 16, height * 12,
                   [ground](int x, int y) { return ground(x / 16, y / 12); });
        TestStream stream(testsupport::MapBytes(width, height, words));
        ASSERT_TRUE(m_map->Read(stream));
        m_map->SetViewSize(0);
        m_map->SetViewOrigin(Vector());
    }
    // The pixel (x, y) of a cell as last drawn.
    uint16_t At(int column, int row, int x = 0, int y = 0) const {
        int left = 0, top = 0;
        WorldToPixel(*m_map, Vector(static_cast<float>(column), static_cast<float>(row), 0), left,
                     top);
        return m_pixels[static_cast<size_t>((top + y) * kSurfaceWidth + left + x)];
    }
    void Draw(TileMap::Fog fog) { ASSERT_TRUE(m_map->DrawTiles(m_surface, fog)); }
    // Reading a map puts every cell out of view.
    void SeeEverything() {
        for (int y = 0; y < m_map->GetHeight(); ++y)
            for (int x = 0; x < m_map->GetWidth(); ++x)
                m_map->SetCellFlags(x, y, kExplored | kInView, true);
    }

    LayoutGuard m_layout;
    testsupport::ScratchDir m_dir;
    DataPaths m_paths{m_dir.Root().c_str()};
    std::unique_ptr<TileMap> m_map;
    std::vector<uint16_t> m_pixels;
    PixelSurface m_surface;
};

uint16_t Quarter(uint16_t ground, uint16_t fog) {
    uint16_t blended = ground;
    (g_pixelFormat == kPixelFormat565 ? BlendSpanQuarter565 : BlendSpanQuarter555)(&blended, &fog,
                                                                                   1);
    return blended;
}

// Each state of a cell's fog bits, in the left (edge transparent) and right half of its
// picture; with no fog every cell shows its ground.
TEST_P(TileDrawing, EachFogStateComposesItsBlend) {
    Load(6, 1, kNone);
    const uint16_t u = Unexplored(), e = Edge(5);
    struct State {
        uint32_t bits;
        uint16_t left, right;
    };
    const auto g = [](int column) { return Ground(column, 0); };
    const State states[] = {
        {kExplored | kInView, g(0), g(0)},
        {kExplored, Quarter(g(1), u), Quarter(g(1), u)},
        {kExplored | kInViewEdge, g(2), Quarter(g(2), e)},
        {0, u, u},
        {kExploredEdge, Quarter(g(4), u), e},
        {kExploredEdge | kInView, g(5), e},
    };
    for (int column = 0; column < 6; ++column) {
        m_map->SetCellFlags(column, 0, states[column].bits, true);
        m_map->SetEdgeDir(column, 0, 5);
    }
    Draw(TileMap::kNoFog);
    for (int column = 0; column < 6; ++column)
        EXPECT_EQ(At(column, 0, 12, 6), g(column)) << column;
    Draw(TileMap::kFogOfWar); // the read asked for every picture to be recomposed
    for (int column = 0; column < 6; ++column) {
        EXPECT_EQ(At(column, 0, 2, 3), states[column].left) << column;
        EXPECT_EQ(At(column, 0, 12, 9), states[column].right) << column;
    }
}

// At the largest view 52 x 42 cells have pictures, past the pool's first 1300 slots. A
// scroll by one cell reads the cells that came into view alone, keeps a border round the
// view and lets go of the cells beyond it.
TEST_P(TileDrawing, TheViewReadsOnlyTheCellsThatComeIntoIt) {
    Load(60, 50, kNone);
    m_map->SetViewSize(TileMap::kLargestView);
    m_map->SetViewOrigin(Vector());
    Draw(TileMap::kNoFog);
    EXPECT_EQ(m_map->CountTiles(), 52 * 42);
    EXPECT_EQ(m_map->GetTileCapacity(), 1300 + 50 * 18);

    // The image changes under the open file: only what is read again shows it.
    const uint16_t changed = 0x1234;
    {
        std::fstream image(m_dir.Path("art/graphic/map/m.tga"),
                           std::ios::in | std::ios::out | std::ios::binary);
        image.seekp(18);
        const std::vector<uint16_t> row(960 * 600, changed);
        image.write(reinterpret_cast<const char*>(row.data()), 960 * 600 * 2);
    }
    const uint16_t read = g_pixelFormat == kPixelFormat565 ? Convert555To565(changed) : changed;
    const auto source = [this](int column, int row) {
        const Tile* tile = m_map->GetTile(column, row);
        return tile ? tile->GetSource().GetData()[0] : uint16_t{0};
    };
    m_map->SetViewOrigin(Vector(1, 0, 0));
    Draw(TileMap::kNoFog);
    EXPECT_EQ(m_map->CountTiles(), 53 * 42);
    EXPECT_EQ(source(52, 41), read);
    EXPECT_EQ(source(51, 41), Ground(51, 41));
    EXPECT_EQ(source(0, 0), Ground(0, 0)); // the border on the left

    m_map->SetViewOrigin(Vector(3, 0, 0)); // columns 3-54 in view, 2 and 55-56 the border
    Draw(TileMap::kNoFog);
    EXPECT_EQ(m_map->GetTile(1, 0), nullptr);
    EXPECT_EQ(source(2, 0), Ground(2, 0));
    EXPECT_EQ(source(54, 0), read);
    EXPECT_EQ(m_map->CountTiles(), 53 * 42);
}

// Off the area map a new tint waits for the pictures' next recomposition; on it, a new tint
// recomposes them all at once.
TEST_P(TileDrawing, ATintOffTheAreaMapWaitsForTheNextRecomposition) {
    Load(4, 4, kNone);
    SeeEverything();
    Draw(TileMap::kNoFog);
    m_map->SetTint(ColourOffset{-4, -4, -4});
    Draw(TileMap::kNoFog);
    EXPECT_EQ(At(1, 1, 3, 3), Ground(1, 1));
    m_map->FlagStaticObjects();
    Draw(TileMap::kNoFog);
    EXPECT_EQ(At(1, 1, 3, 3), Packed(0, 0, 16)); // (8, 12, 48) less 4 of each 5-bit step
    m_map->SetTint(ColourOffset{});
    Draw(TileMap::kFogOfWar);
    EXPECT_EQ(At(1, 1, 3, 3), Ground(1, 1));
}

// Door overlays on a map of 4 x 4 cells: a closed gate of 2 x 2 cells at its corner, whose
// open picture shows only its left edge; the same pictures half a cell in, near the far
// corner. The map's pixels show through the transparent ones, never an earlier picture.
TEST_P(TileDrawing, DoorOverlaysDrawIntoTheCellsTheyCover) {
    const uint16_t closed = Packed(200, 36, 36), open = Packed(36, 36, 200);
    const std::string doors = m_dir.Path("art/graphic/map/TileGraphic/");
    WriteImage(doors + "closed.tga", 32, 24, [closed](int, int) { return closed; });
    WriteImage(doors + "open.tga", 32, 24,
               [open](int x, int) { return x < 4 ? open : g_colourKey; });
    Load(4, 4, kNone);
    Draw(TileMap::kNoFog);
    EXPECT_EQ(m_map->LoadTileGraphics(nullptr, "missing.tga", "open.tga", 0, 0), nullptr);

    TileGraphic* gate = m_map->LoadTileGraphics(nullptr, "closed.tga", "open.tga", 0, 0);
    ASSERT_NE(gate, nullptr);
    m_map->DrawTile(gate, false);
    Draw(TileMap::kNoFog);
    EXPECT_EQ(At(0, 0, 5, 5), closed);
    EXPECT_EQ(At(1, 1, 15, 11), closed);
    EXPECT_EQ(At(2, 1), Ground(2, 1));
    m_map->DrawTile(gate, true);
    Draw(TileMap::kNoFog);
    EXPECT_EQ(At(0, 0, 1, 1), open);
    EXPECT_EQ(At(0, 0, 8, 5), Ground(0, 0));

    // The same pictures at the same place keep the overlay as it is drawn; others put the
    // map's own cells back first, their fog as it was.
    EXPECT_EQ(m_map->LoadTileGraphics(gate, "closed.tga", "open.tga", 0, 0), gate);
    Draw(TileMap::kNoFog);
    EXPECT_EQ(At(0, 0, 1, 1), open);
    EXPECT_EQ(m_map->LoadTileGraphics(gate, "open.tga", "closed.tga", 0, 0), gate);
    Draw(TileMap::kNoFog);
    EXPECT_EQ(At(0, 0, 1, 1), Ground(0, 0));
    EXPECT_FALSE(m_map->IsExplored(0, 0) || m_map->IsInView(0, 0));

    TileGraphic* inset = m_map->LoadTileGraphics(nullptr, "closed.tga", "open.tga", 40, 30);
    m_map->DrawTile(inset, false);
    Draw(TileMap::kNoFog);
    EXPECT_EQ(At(2, 2, 7, 5), Ground(2, 2));
    EXPECT_EQ(At(2, 2, 8, 6), closed);
    EXPECT_EQ(At(3, 3, 15, 11), closed);

    // Given back, an overlay leaves the map's own cells where it was drawn.
    m_map->ReleaseTileGraphics(inset);
    Draw(TileMap::kNoFog);
    EXPECT_EQ(At(2, 2, 8, 6), Ground(2, 2));
    EXPECT_EQ(At(3, 3, 15, 11), Ground(3, 3));
}

// A door that closes while its cells sit in the border kept left of the view shows closed
// as soon as a one-cell scroll brings it into view, though no new picture is made then.
TEST_P(TileDrawing, ADoorChangedInTheBorderShowsItsNewPictureWhenScrolledIn) {
    const uint16_t closed = Packed(200, 36, 36);
    const std::string doors = m_dir.Path("art/graphic/map/TileGraphic/");
    WriteImage(doors + "closed.tga", 32, 24, [closed](int, int) { return closed; });
    WriteImage(doors + "open.tga", 32, 24, [closed](int, int) { return closed; });
    Load(60, 50, kNone);
    SeeEverything();
    Draw(TileMap::kFogOfWar);
    m_map->SetViewOrigin(Vector(1, 0, 0)); // column 0 kept as the border
    Draw(TileMap::kFogOfWar);
    m_map->DrawTile(m_map->LoadTileGraphics(nullptr, "closed.tga", "open.tga", 0, 0), false);
    Draw(TileMap::kFogOfWar);
    m_map->SetViewOrigin(Vector());
    Draw(TileMap::kFogOfWar);
    EXPECT_EQ(At(0, 0, 5, 5), closed);
}

// Two doors half a cell apart share the cell (1, 0): it shows both, the one drawn into it
// last or not, and read again when a scroll brings it back into view.
TEST_P(TileDrawing, ACellSharedByTwoDoorsShowsBoth) {
    const uint16_t red = Packed(200, 36, 36), blue = Packed(36, 36, 200);
    const std::string doors = m_dir.Path("art/graphic/map/TileGraphic/");
    WriteImage(doors + "red.tga", 24, 12, [red](int, int) { return red; });
    WriteImage(doors + "blue.tga", 24, 12, [blue](int, int) { return blue; });
    Load(60, 50, kNone);
    Draw(TileMap::kNoFog);
    TileGraphic* right = m_map->LoadTileGraphics(nullptr, "blue.tga", "blue.tga", 24, 0);
    TileGraphic* left = m_map->LoadTileGraphics(nullptr, "red.tga", "red.tga", 0, 0);
    m_map->DrawTile(right, false);
    m_map->DrawTile(left, true);
    const auto shared = [this] {
        Draw(TileMap::kNoFog);
        return std::vector<uint16_t>{At(0, 0), At(1, 0, 7, 11), At(1, 0, 8, 0), At(3, 0)};
    };
    const std::vector<uint16_t> both = {red, red, blue, Ground(3, 0)};
    EXPECT_EQ(shared(), both);
    m_map->SetViewOrigin(Vector(3, 0, 0)); // column 1 released
    Draw(TileMap::kNoFog);
    ASSERT_EQ(m_map->GetTile(1, 0), nullptr);
    m_map->SetViewOrigin(Vector());
    EXPECT_EQ(shared(), both);
    m_map->ReleaseTileGraphics(right);
    EXPECT_EQ(shared(), (std::vector<uint16_t>{red, red, Ground(1, 0), Ground(3, 0)}));
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, TileDrawing,
                         ::testing::Values(kPixelFormat555, kPixelFormat565));

} // namespace
