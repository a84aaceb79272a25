// New maps built from generated layer images, and the editor's save that writes them back.
#include "Library/world/tile_map.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/image_files.h"
#include "Library/graphics/layout_guard.h"
#include "tile_map_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kImageWidth = 70; // 4 x 3 cells, with ragged edges the cells do not cover
constexpr int kImageHeight = 40;
constexpr int kColumns = 4;
constexpr int kRows = 3;
constexpr uint16_t kGround = 0x1234;
constexpr uint16_t kGreen = 0x03E0; // 5-5-5
constexpr uint16_t kMagenta = 0x7C1F;

std::vector<Colour> TypeColours() { // index i holds the colour of type 11 - i
    std::vector<Colour> palette;
    for (int type = 11; type >= 0; --type) {
        Colour colour;
        colour.ByIndex(type);
        palette.push_back(colour);
    }
    palette.push_back(Colour(10, 20, 30)); // nearest to no type's colour
    return palette;
}

std::vector<uint8_t> CellIndices(const std::function<int(int x, int y)>& index) {
    std::vector<uint8_t> indices;
    for (int y = 0; y < kRows; ++y)
        for (int x = 0; x < kColumns; ++x)
            indices.push_back(static_cast<uint8_t>(index(x, y)));
    return indices;
}

std::string Bmp8(const std::vector<Colour>& palette, const std::vector<uint8_t>& indices,
                 int width = kColumns, int height = kRows) {
    return MakeBmp(width, height, 8, palette, static_cast<uint32_t>(palette.size()), indices);
}

std::string Tga16(const std::function<uint16_t(int x, int y)>& pixel) {
    std::vector<uint16_t> pixels;
    for (int y = 0; y < kImageHeight; ++y)
        for (int x = 0; x < kImageWidth; ++x)
            pixels.push_back(pixel(x, y));
    return MakeTga(kImageWidth, kImageHeight, 16, pixels);
}

// The ground with water pixels placed to test each rule; see WaterFollowsTheMapImage.
uint16_t MapPixel(int x, int y) {
    if ((x == 16 && y == 12) || (x == 33 && y == 12) || (x == 66 && y == 0) || (x == 0 && y == 38))
        return kGreen;
    if (x == 48 && y == 12)
        return kGreen | 1;
    if (x == 0 && y == 24)
        return kGreen | 0x8000; // the top bit is no colour
    return kGround;
}

bool ClipPixel(int x, int y) {
    return (x == 5 && y >= 10 && y <= 20) || x == 6 || (x == 7 && (y == 3 || y == 5 || y == 6)) ||
           (x == 69 && y < 2);
}

class MapLayers : public testsupport::MapDataRoot, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        ASSERT_TRUE(Graphic::InitScratch());
        WriteMapFile("demo.tga", Tga16(MapPixel));
        WriteMapFile("demo_clip.tga",
                     Tga16([](int x, int y) { return ClipPixel(x, y) ? kGround : kMagenta; }));
        WriteMapFile("Demo_SR.BMP", Bmp8(TypeColours(), CellIndices([](int x, int y) {
                                             return 11 - (x + 4 * y);
                                         })));
        std::vector<Colour> heights, lights;
        for (int i = 0; i < 12; ++i) {
            heights.push_back(Colour(static_cast<uint8_t>(i * 20), 7, 9));
            lights.push_back(Colour(static_cast<uint8_t>(255 - i), static_cast<uint8_t>(100 + i),
                                    static_cast<uint8_t>(i)));
        }
        const std::vector<uint8_t> byCell = CellIndices([](int x, int y) { return x + 4 * y; });
        WriteMapFile("demo_HT.bmp", Bmp8(heights, byCell));
        WriteMapFile("demo_LM.bmp", Bmp8(lights, byCell));
    }
    void TearDown() override { Graphic::FreeScratch(); }

    // Creates the map from "demo.tga"; the standard error output goes to errors.
    bool Create(std::string* errors = nullptr, const char* image = "demo.tga") {
        ::testing::internal::CaptureStderr();
        const bool created = m_map.CreateLayers(image);
        const std::string text = ::testing::internal::GetCapturedStderr();
        if (errors)
            *errors = text;
        return created;
    }
    void ExpectBuiltCells() const {
        for (int y = 0; y < kRows; ++y)
            for (int x = 0; x < kColumns; ++x) {
                const int cell = x + 4 * y;
                int type = -1, height = -1, l1 = 0, l2 = 0, l3 = 0;
                ASSERT_TRUE(m_map.GetTileType(x, y, type) && m_map.GetHeight(x, y, height) &&
                            m_map.GetLight(x, y, l1, l2, l3));
                EXPECT_EQ(type, cell);
                EXPECT_EQ(height, cell * 20);
                EXPECT_EQ(l1, -cell);
                EXPECT_EQ(l2, 100 + cell - 255);
                EXPECT_EQ(l3, cell - 255);
                EXPECT_EQ(m_map.GetGrid().At(x, y).words[2], 0u);
            }
    }

    LayoutGuard m_layout{GetParam()};
};

TEST_P(MapLayers, EveryLayerGivesItsPartOfTheCells) {
    ASSERT_TRUE(Create());
    EXPECT_EQ(m_map.GetWidth(), kColumns);
    EXPECT_EQ(m_map.GetHeight(), kRows);
    EXPECT_EQ(m_map.GetScrollBounds(), (Rect{0, 0, kImageWidth, kImageHeight}));
    EXPECT_STREQ(m_map.GetImageName(TileMap::kMapImage).c_str(), "demo.tga");
    EXPECT_STREQ(m_map.GetImageName(TileMap::kMinimapImage).c_str(), "demo_MM.bmp");
    EXPECT_STREQ(m_map.GetImageName(TileMap::kSearchImage).c_str(), "demo_SR.bmp");
    EXPECT_STREQ(m_map.GetImageName(TileMap::kHeightImage).c_str(), "demo_HT.bmp");
    EXPECT_STREQ(m_map.GetImageName(TileMap::kLightImage).c_str(), "demo_LM.bmp");
    EXPECT_TRUE(m_map.GetMapImage() && m_map.GetMapImage()->IsOpen());
    ExpectBuiltCells();
    EXPECT_FALSE(m_map.IsWalkable(0, 0)); // the walk flags come with the editor's save
}

TEST_P(MapLayers, WaterFollowsTheMapImage) {
    ASSERT_TRUE(Create());
    std::vector<std::pair<int, int>> water;
    for (int y = 0; y < kRows; ++y)
        for (int x = 0; x < kColumns; ++x)
            if (m_map.IsWater(x, y))
                water.push_back({x, y});
    // (16, 12) pure green on the checkerboard; (0, 24) likewise with its top bit set. Not:
    // green off the checkerboard (33, 12), nearly green (48, 12), beyond the cells (66, 0)
    // and (0, 38).
    EXPECT_EQ(water, (std::vector<std::pair<int, int>>{{1, 1}, {0, 2}}));

    // A water pixel read as a tile picture is the green key of the screen's layout, the
    // colour the water animation replaces.
    Graphic tile;
    ASSERT_TRUE(tile.LoadTgaRegion(MapFilePath("demo.tga").c_str(), Rect{16, 12, 32, 24}));
    EXPECT_EQ(tile.GetData()[0], g_secondColourKey);
    EXPECT_EQ(g_secondColourKey, GetParam() == kPixelFormat555 ? kGreen : Convert555To565(kGreen));
}

TEST_P(MapLayers, TheClipImageGivesTheSpans) {
    ASSERT_TRUE(Create());
    const ClipMap& clip = m_map.GetClipMap();
    EXPECT_EQ(clip.GetColumns(), 70u);
    EXPECT_EQ(clip.GetRows(), 40u);
    auto spans = [&clip](int column) {
        std::vector<std::vector<uint32_t>> out;
        for (const ClipSpan& span : clip.GetSpans(column))
            out.push_back({span.top, span.bottom, span.base});
        return out;
    };
    using Spans = std::vector<std::vector<uint32_t>>;
    EXPECT_EQ(spans(5), (Spans{{10, 20, 20}}));
    EXPECT_EQ(spans(6), (Spans{{0, 39, 39}}));
    EXPECT_EQ(spans(7), (Spans{{3, 3, 3}, {5, 6, 6}}));
    EXPECT_EQ(spans(69), (Spans{{0, 1, 1}}));
    EXPECT_EQ(clip.CountSpans(), 5);
}

// Two type colours sharing a palette entry: the earlier in the order 0, 1, 2, 7, 3, 5, 6, 8,
// 9, 10, 11, 4 wins.
TEST_P(MapLayers, SharedPaletteEntriesGoToTheEarlierType) {
    // Black is nearest to types 1 and 9, white to 0 and 2, the grey to every other type.
    const std::vector<Colour> palette = {{0, 0, 0}, {255, 255, 255}, {130, 130, 130}};
    WriteMapFile("demo_SR.bmp", Bmp8(palette, CellIndices([](int x, int) { return x % 3; })));
    ASSERT_TRUE(Create());
    int type = -1;
    for (auto [x, expected] : {std::pair{0, 1}, {1, 0}, {2, 7}, {3, 1}}) {
        ASSERT_TRUE(m_map.GetTileType(x, 2, type));
        EXPECT_EQ(type, expected) << x;
    }
}

TEST_P(MapLayers, MissingLayersGiveGroundUnlitAtTheDefaultHeight) {
    for (const char* layer : {"demo_SR.bmp", "demo_HT.bmp", "demo_LM.bmp"})
        std::filesystem::remove(MapFilePath(layer));
    std::filesystem::remove(MapFilePath("Demo_SR.BMP"));
    ASSERT_TRUE(Create());
    for (int y = 0; y < kRows; ++y)
        for (int x = 0; x < kColumns; ++x) {
            int type = -1, height = -1, l1 = 1, l2 = 1, l3 = 1;
            ASSERT_TRUE(m_map.GetTileType(x, y, type) && m_map.GetHeight(x, y, height) &&
                        m_map.GetLight(x, y, l1, l2, l3));
            EXPECT_EQ(type, 0);
            EXPECT_EQ(height, TileMap::kDefaultHeight);
            EXPECT_EQ(l1 | l2 | l3, 0);
        }
}

// Each broken or missing image fails with its message and leaves the map that was there.
TEST_P(MapLayers, BrokenLayersFailWithTheirMessage) {
    ASSERT_TRUE(Create());
    const std::string goodTypes = m_dir.ReadFile("art/graphic/map/Demo_SR.BMP");
    const std::string goodHeights = m_dir.ReadFile("art/graphic/map/demo_HT.bmp");
    struct Case {
        const char* what;
        const char* file;
        std::string bytes;
        const char* message;
    };
    const std::string types24 = MakeBmp(kColumns, kRows, 24, {}, 0);
    const Case cases[] = {
        {"types of 24 bits", "Demo_SR.BMP", types24, "Failed to create Search Map\n"},
        {"a colour of no type", "Demo_SR.BMP",
         Bmp8(TypeColours(), CellIndices([](int x, int y) { return x == 2 && y == 1 ? 12 : 0; })),
         "Failed to create Search Map\n"},
        {"heights smaller than the map", "demo_HT.bmp",
         Bmp8({{1, 2, 3}}, std::vector<uint8_t>(3 * 3), 3, 3), "Failed to create Height Map\n"},
        {"lights cut short", "demo_LM.bmp", goodHeights.substr(0, goodHeights.size() - 3),
         "Failed to create Light Map\n"},
        {"a clip image that is no image", "demo_clip.tga", "nothing",
         "Failed to create Clip Map\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string good = m_dir.ReadFile("art/graphic/map/" + std::string(c.file));
        WriteMapFile(c.file, c.bytes);
        std::string errors;
        EXPECT_FALSE(Create(&errors));
        EXPECT_NE(errors.find(c.message), std::string::npos) << errors;
        WriteMapFile(c.file, good);
        ExpectBuiltCells();
    }
    std::filesystem::remove(MapFilePath("demo_clip.tga"));
    std::string errors;
    EXPECT_FALSE(Create(&errors));
    EXPECT_NE(errors.find("Failed to create Clip Map\n"), std::string::npos);

    // A map image in a folder of its own: its water image is looked for without the folder.
    std::filesystem::create_directories(MapFilePath("maps"));
    std::filesystem::copy_file(MapFilePath("demo.tga"), MapFilePath("maps/other.tga"));
    EXPECT_FALSE(Create(&errors, "maps/other.tga"));
    EXPECT_NE(errors.find("Failed to create Clip Map\n"), std::string::npos);
    WriteMapFile("other_clip.tga", m_dir.ReadFile("art/graphic/map/demo.tga"));
    EXPECT_FALSE(Create(&errors, "maps/other.tga"));
    EXPECT_NE(errors.find("Failed to create Water Tiles\n"), std::string::npos);
    EXPECT_FALSE(Create(&errors, "missing.tga"));
    EXPECT_FALSE(Create(&errors, "demo_HT.bmp")); // smaller than one tile
    ExpectBuiltCells();
}

TEST_P(MapLayers, TheEditorsSaveWritesLayersThatBuildTheSameMap) {
    ASSERT_TRUE(Create());
    m_map.SetTileType(3, 2, 5);
    m_map.SetDoorCell(0, 0, true);
    m_map.SetExplored(1, 0, true);
    TestStream saved;
    ASSERT_TRUE(m_map.SaveFromEditor(saved));
    EXPECT_TRUE(m_map.IsWalkable(3, 2) && !m_map.IsWalkable(2, 2)); // walkable by type
    EXPECT_FALSE(m_map.IsDoorCell(0, 0) || m_map.IsExplored(1, 0));
    const TileGrid before = m_map.GetGrid();

    // The search image was written over the one the map was built from (found ignoring
    // case), with the twelve type colours as its palette.
    ASSERT_TRUE(Create());
    m_map.ResetCellStates();
    for (int y = 0; y < kRows; ++y)
        for (int x = 0; x < kColumns; ++x)
            for (int word = 0; word < 3; ++word)
                EXPECT_EQ(m_map.GetGrid().At(x, y).words[word], before.At(x, y).words[word]);
    EXPECT_FALSE(std::filesystem::exists(MapFilePath("demo_SR.bmp")));
    const std::string search = m_dir.ReadFile("art/graphic/map/Demo_SR.BMP");
    EXPECT_EQ(search.size(), 14u + 40 + 12 * 4 + kRows * 4);
}

TEST_P(MapLayers, TwentyFourBitWaterIsExactGreen) {
    std::string tga(18, '\0');
    tga[2] = 2;
    tga[12] = 32;
    tga[14] = 12;
    tga[16] = 24;
    for (int y = 11; y >= 0; --y)
        for (int x = 0; x < 32; ++x) {
            const bool top = y == 0;
            const uint8_t green = top && x == 0 ? 255 : top && x == 16 ? 254 : 90;
            tga += std::string{'\0', static_cast<char>(green), '\0'};
        }
    WriteMapFile("deep.tga", tga);
    WriteMapFile("deep_clip.tga", tga);
    ASSERT_TRUE(Create(nullptr, "deep.tga"));
    EXPECT_TRUE(m_map.IsWater(0, 0));
    EXPECT_FALSE(m_map.IsWater(1, 0)); // 254 packs to the same 5-5-5 green, yet is not pure
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, MapLayers,
                         ::testing::Values(kPixelFormat555, kPixelFormat565));

} // namespace
