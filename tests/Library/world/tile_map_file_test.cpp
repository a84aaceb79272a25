// The ".map" file: byte-exact form, loading from loose files and archives, and refusal of
// cut or forged data.
#include "Library/world/tile_map.h"

#include "Library/core/test_stream_support.h"
#include "Library/files/data_tree_support.h"
#include "Library/files/file_stream.h"
#include "Library/files/res_file_mgr.h"
#include "Library/graphics/image_files.h"
#include "tile_map_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <limits>
#include <string>

namespace {

using testsupport::AppendValue;

// Typed from the format: a map of 2 x 1 cells.
const Bytes kGolden = {
    0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, // width 2, height 1
    0x00, 0x00, 0x00, 0x00, 0x20, 0x00, 0x0C, 0x00, // scroll bounds 0, 0, 32, 12
    0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0x20, 0x40, // view origin 1.0, 2.5
    0x06, 0x00, 'm', '.', 't', 'g', 'a', 0x00,      // map image
    0x00, 0x00,                                     // no minimap
    0x06, 0x00, 's', '.', 'b', 'm', 'p', 0x00,      // search image
    0x00, 0x00,                                     // no height image
    0x06, 0x00, 'l', '.', 'b', 'm', 'p', 0x00,      // light image
    // Cell (0, 0): type 3, height 0x84, lights 0xFF, 0x10, bits 28-31 0xA; light 3 0x7F,
    // walkable, explored, bits 20 and 31 that nothing names; word 2 0xDEADBEEF.
    0x43, 0xF8, 0x0F, 0xA1, 0x7F, 0x11, 0x10, 0x80, 0xEF, 0xBE, 0xAD, 0xDE,
    // Cell (1, 0): type 11.
    0x0B, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
    // Clip map: 2 columns, 12 rows; column 0 one span 2 to 5 with base 9; column 1 none.
    0x02, 0x00, 0x00, 0x00, 0x0C, 0x00, 0x00, 0x00, //
    0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x09, 0x00, 0x00,
    0x00,                   //
    0x00, 0x00, 0x00, 0x00, //
};
constexpr size_t kWidthAt = 0, kHeightAt = 4, kMapNameAt = 24, kCell0Word1At = 56;
constexpr size_t kClipColumnsAt = 76, kClipRowsAt = 80, kSpanCountAt = 84, kSpanTopAt = 88,
                 kSpanBottomAt = 92;

class MapFile : public testsupport::MapDataRoot {
protected:
    bool Read(const Bytes& bytes) {
        TestStream stream(bytes);
        return m_map.Read(stream, "test.map");
    }
    void ExpectGoldenMap() const {
        EXPECT_EQ(m_map.GetWidth(), 2);
        EXPECT_EQ(m_map.GetHeight(), 1);
        int type = -1, height = -1;
        EXPECT_TRUE(m_map.GetTileType(0, 0, type) && m_map.GetHeight(0, 0, height));
        EXPECT_EQ(type, 3);
        EXPECT_EQ(height, 0x84);
        EXPECT_EQ(m_map.GetClipMap().CountSpans(), 1);
    }
};

TEST_F(MapFile, TheTypedFormReadsAndWritesBackByteForByte) {
    ASSERT_TRUE(Read(kGolden));
    ExpectGoldenMap();
    const Rect& bounds = m_map.GetScrollBounds();
    EXPECT_EQ(bounds, (Rect{0, 0, 32, 12}));
    EXPECT_EQ(m_map.GetViewOrigin(), Vector(1.0f, 2.5f, 0.0f));
    EXPECT_STREQ(m_map.GetImageName(TileMap::kSearchImage).c_str(), "s.bmp");
    EXPECT_STREQ(m_map.GetImageName(TileMap::kLightImage).c_str(), "l.bmp");
    EXPECT_EQ(m_map.GetGraphicPath(), m_paths.GetMapGraphicDir() + "/");
    EXPECT_EQ(m_map.GetMapImagePath(), m_paths.GetMapGraphicDir() + "/m.tga");
    EXPECT_TRUE(m_map.GetMapImage() && m_map.GetMapImage()->IsOpen());
    EXPECT_TRUE(m_map.IsWalkable(0, 0) && m_map.IsExplored(0, 0));
    EXPECT_FALSE(m_map.IsSeeThrough(1, 0));
    int light1 = 0, light2 = 0, light3 = 0;
    EXPECT_TRUE(m_map.GetLight(0, 0, light1, light2, light3));
    EXPECT_EQ(light1, 0);
    EXPECT_EQ(light2, 0x10 - 255);
    EXPECT_EQ(light3, 0x7F - 255);
    EXPECT_TRUE(m_map.NeedsRefreshAll());
    EXPECT_EQ(StoredForm(m_map), kGolden);
}

TEST_F(MapFile, ReadingClearsWhatIsInViewAndKeepsWhatWasExplored) {
    // In view and on the in-view edge (bits 13 and 15) as a saved map never should be.
    ASSERT_TRUE(Read(With(kGolden, kCell0Word1At + 1, uint8_t{0x11 | 0x20 | 0x80})));
    EXPECT_FALSE(m_map.IsInView(0, 0));
    EXPECT_TRUE(m_map.IsExplored(0, 0));
    EXPECT_EQ(StoredForm(m_map), kGolden);
}

TEST_F(MapFile, EveryCutFailsAndLeavesTheLoadedMap) {
    ASSERT_TRUE(Read(kGolden));
    for (size_t size = 0; size < kGolden.size(); ++size) {
        EXPECT_FALSE(Read(Bytes(kGolden.begin(), kGolden.begin() + size))) << size;
        ExpectGoldenMap();
    }
}

TEST_F(MapFile, ForgedSizesAndCountsFailBeforeAnythingIsMade) {
    ASSERT_TRUE(Read(kGolden));
    struct Forgery {
        const char* what;
        Bytes bytes;
    };
    const Forgery forgeries[] = {
        {"no columns", With(kGolden, kWidthAt, uint32_t{0})},
        {"no rows", With(kGolden, kHeightAt, uint32_t{0})},
        {"a size whose cell bytes overflow",
         With(With(kGolden, kWidthAt, uint32_t{0xFFFFFFFF}), kHeightAt, uint32_t{0xFFFFFFFF})},
        {"more cells than the data holds", With(kGolden, kWidthAt, uint32_t{60000})},
        {"a name running past the end", With(kGolden, kMapNameAt, uint16_t{0xFFFF})},
        {"clip columns past the end", With(kGolden, kClipColumnsAt, uint32_t{0x40000000})},
        {"clip spans past the end", With(kGolden, kSpanCountAt, uint32_t{0xFFFFFFF0})},
        {"more spans than rows", With(kGolden, kClipRowsAt, uint32_t{0})},
        {"a span ending above its top", With(kGolden, kSpanTopAt, uint32_t{6})},
        {"a span ending below the rows", With(kGolden, kSpanBottomAt, uint32_t{12})},
    };
    for (const Forgery& forgery : forgeries) {
        EXPECT_FALSE(Read(forgery.bytes)) << forgery.what;
        ExpectGoldenMap();
    }
    Bytes climbing = kGolden; // the search image's name becomes "../mp"
    std::copy_n("../", 3, climbing.begin() + kMapNameAt + 12);
    EXPECT_FALSE(Read(climbing));
    ExpectGoldenMap();
    TestStream closed(kGolden);
    closed.Close();
    EXPECT_FALSE(m_map.Read(closed));
}

TEST_F(MapFile, TheMapImageIsFoundIgnoringCaseAndMustBeThere) {
    Bytes upper = kGolden;
    for (size_t at = kMapNameAt + 2; at < kMapNameAt + 7; ++at)
        upper[at] = static_cast<uint8_t>(std::toupper(upper[at]));
    EXPECT_TRUE(Read(upper));
    std::filesystem::remove(MapFilePath("m.tga"));
    EXPECT_FALSE(Read(kGolden));
    EXPECT_STREQ(m_map.GetImageName(TileMap::kMapImage).c_str(), "M.TGA"); // unchanged
}

TEST_F(MapFile, AStoredOriginThatIsNoNumberPutsTheViewAtTheCorner) {
    ASSERT_TRUE(Read(With(With(kGolden, 16, std::numeric_limits<float>::quiet_NaN()), 20,
                          std::numeric_limits<float>::infinity())));
    EXPECT_EQ(m_map.GetViewOrigin(), Vector());
}

TEST_F(MapFile, AnEmptyMapIsNotWritten) {
    TestStream stream;
    EXPECT_FALSE(m_map.Write(stream));
    EXPECT_TRUE(stream.GetBytes().empty());
}

// Loads take the tile map directory, from the loose file or, in archive mode, the archive.
TEST_F(MapFile, LoadsFromTheLooseFileOrTheArchive) {
    const std::string bytes(kGolden.begin(), kGolden.end());
    m_dir.WriteFile("Data/TileMap/town.map", bytes);
    EXPECT_TRUE(m_map.Load("Town"));
    EXPECT_FALSE(m_map.Load("village"));

    const std::string archivePath = m_dir.Path("general.rsc");
    testsupport::WriteArchive(archivePath, {{"data/tilemap/harbour.map", bytes}});
    ResFileMgr archive;
    ASSERT_TRUE(archive.Open(archivePath.c_str(), ResFileMgr::kRead));
    TileMap fromArchive(m_paths, &archive);
    m_paths.SetUseResourceFiles(true);
    EXPECT_TRUE(fromArchive.Load("Harbour"));
    EXPECT_EQ(fromArchive.GetWidth(), 2);
    EXPECT_FALSE(fromArchive.Load("town")); // only loose
    TileMap noArchive(m_paths, nullptr);
    EXPECT_FALSE(noArchive.Load("Harbour"));
}

} // namespace
