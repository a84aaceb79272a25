// The sea shown through the key pixels of water tiles: which picture, which block of it, and
// when the frames step, in both pixel layouts.
#include "Source/world/water_mgr.h"

#include "Library/files/data_paths.h"
#include "Library/files/file_stream.h"
#include "Library/graphics/layout_guard.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile.h"
#include "Source/game_events.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr uint16_t kUnder = 0x0421; // what the work image held before the water

class Water : public ::testing::TestWithParam<int> {
protected:
    Water() : m_layout(GetParam()) {
        Graphic::InitScratch();
        m_clock.SetTickSource(m_ticks);
    }
    ~Water() override { Graphic::FreeScratch(); }

    // Each picture's pixels tell its number and place, in a form the file keeps whole.
    static uint16_t PictureAt(int n, int x, int y) {
        const uint16_t stored = static_cast<uint16_t>(n << 11 | y << 5 | x % 32);
        return g_pixelFormat == kPixelFormat565 ? Convert555To565(stored) : stored;
    }
    void WritePictures() const {
        for (int n = 0; n < WaterMgr::kPictureCount; ++n) {
            Graphic picture;
            picture.Create(64, 36);
            for (int y = 0; y < 36; ++y)
                for (int x = 0; x < 64; ++x)
                    picture.SetPixel(x, y, PictureAt(n, x, y));
            const std::string path =
                m_dir.Path("art/graphic/map/misc/water_ocean_000" + std::to_string(n) + ".tga");
            std::filesystem::create_directories(std::filesystem::path(path).parent_path());
            FileStream::WriteReplacing(path.c_str(),
                                       [&picture](Stream& file) { return picture.WriteTga(file); });
        }
    }
    // Tile (5, 4): its source the water key wherever (x + 2y) mod 3 is not 0.
    void MakeTile() {
        m_tile.SetCell(5, 4);
        m_tile.GetSource().Create(16, 12);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 16; ++x)
                m_tile.GetSource().SetPixel(x, y, (x + 2 * y) % 3 ? g_secondColourKey : 0x7BEF);
        m_tile.GetWork().Fill(kUnder);
    }
    uint16_t WorkAt(int x, int y) const { return m_tile.GetWork().GetData()[y * 16 + x]; }
    bool Frame(uint32_t ms, WaterMgr& water) {
        m_ticks.now += ms;
        m_clock.UpdateFrameTime();
        return water.Animate();
    }

    LayoutGuard m_layout;
    testsupport::ScratchDir m_dir;
    DataPaths m_paths{m_dir.Root().c_str()};
    testsupport::ManualClock m_ticks;
    GameMode m_clock;
    Tile m_tile;
};

// Only the key pixels on the checkerboard take the water, from the block of column 5 mod 4
// and row 4 mod 3: (16, 12) of the calm sea's first picture, then of the next frame every
// 128 ms of unpaused time, and of the rough sea when the rain is at its full strength.
TEST_P(Water, TheKeyPixelsOfTheCheckerboardShowTheirBlockOfTheSea) {
    WritePictures();
    WaterMgr water(m_paths, nullptr, m_clock);
    MakeTile();
    water.Animate();
    water.BlitWaterTile(m_tile);
    int replaced = 0;
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool takes = (x + y) % 2 == 0 && (x + 2 * y) % 3 != 0;
            replaced += takes;
            EXPECT_EQ(WorkAt(x, y), takes ? PictureAt(6, 16 + x, 12 + y) : kUnder)
                << x << ", " << y;
        }
    EXPECT_EQ(replaced, 64);

    std::vector<bool> stepped;
    for (int frame = 0; frame < 4; ++frame)
        stepped.push_back(Frame(32, water));
    EXPECT_EQ(stepped, (std::vector<bool>{false, false, false, true}));
    m_clock.SetPaused(true);
    for (int frame = 0; frame < 10; ++frame)
        EXPECT_FALSE(Frame(32, water));
    m_clock.SetPaused(false);
    water.BlitWaterTile(m_tile);
    EXPECT_EQ(WorkAt(2, 0), PictureAt(7, 18, 12));
    water.SetState(1, 3);
    for (int frame = 0; frame < 8; ++frame)
        Frame(32, water);
    water.BlitWaterTile(m_tile);
    EXPECT_EQ(WorkAt(2, 0), PictureAt(0, 18, 12)); // frame 0 again
}

// Without its pictures the sea shows nothing and changes nothing.
TEST_P(Water, MissingPicturesDrawNothing) {
    testing::internal::CaptureStderr();
    WaterMgr water(m_paths, nullptr, m_clock);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("water_ocean_0008.tga"),
              std::string::npos);
    MakeTile();
    for (int frame = 0; frame < 5; ++frame) {
        Frame(33, water);
        water.BlitWaterTile(m_tile);
    }
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 16; ++x)
            EXPECT_EQ(WorkAt(x, y), kUnder);

    struct Weather {
        int kind, phase;
        WaterMgr::SeaState sea;
    };
    for (const Weather& w : {Weather{1, 3, WaterMgr::kRough}, Weather{1, 9, WaterMgr::kRough},
                             Weather{7, 0, WaterMgr::kRough}, Weather{1, 2, WaterMgr::kChoppy},
                             Weather{1, 1, WaterMgr::kCalm}, Weather{1, 4, WaterMgr::kChoppy},
                             Weather{0, 3, WaterMgr::kCalm}, Weather{2, 3, WaterMgr::kCalm},
                             Weather{1, 0, WaterMgr::kCalm}}) {
        water.SetState(w.kind, w.phase);
        EXPECT_EQ(water.GetState(), w.sea) << w.kind << ", " << w.phase;
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, Water, ::testing::Values(kPixelFormat555, kPixelFormat565));

} // namespace
