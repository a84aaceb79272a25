#pragma once
// The water of the area maps: an animated picture shown through the key pixels of the water
// tiles. Nine pictures of 64 x 36 pixels (4 x 3 tiles, so the pattern repeats every four
// columns and three rows of cells): 0-2 the rough sea, 3-5 the choppy sea, 6-8 the calm sea,
// three frames each, stepped every 128 ms of unpaused time. The weather sets the sea state.

#include "Library/graphics/graphic.h"
#include "Library/world/tile_water.h"

#include <cstdint>

class DataPaths;
class GameMode;
class ResFileMgr;

class WaterMgr : public TileWater {
public:
    enum SeaState : uint32_t { kCalm = 0, kChoppy = 1, kRough = 2 };
    static constexpr int kPictureCount = 9;
    static constexpr int kFrameCount = 3;
    static constexpr uint32_t kFrameMs = 128;
    static constexpr int kPictureWidth = 64;
    static constexpr int kPictureHeight = 36;

    // Loads "Misc/water_ocean_000N.tga" of the map graphic directory; one that cannot be
    // loaded, or is smaller than 64 x 36, is reported and its frames show nothing. The clock
    // gives the frame time and the pause; it must outlive the manager.
    WaterMgr(const DataPaths& paths, ResFileMgr* archive, const GameMode& clock);
    WaterMgr(const WaterMgr&) = delete;
    WaterMgr& operator=(const WaterMgr&) = delete;

    // The weather's kind (0 storm, 1 rain, 2 snow) and its state (0-4): rain rising or
    // falling makes the sea choppy, rain at its full strength rough, anything else calm.
    // A kind or state outside these leaves the sea as it is.
    void SetState(int kind, int phase);
    SeaState GetState() const { return m_state; }
    int GetFrame() const { return static_cast<int>(m_frame); }

    bool Animate() override;
    // On the checkerboard of the tile (pixels whose x + y is even), where the source is the
    // water key (pure green), the work image takes the shown picture's pixel: the block of
    // the tile's column mod 4 and row mod 3.
    void BlitWaterTile(Tile& tile) override;

private:
    const GameMode& m_clock;
    SeaState m_state = kCalm;
    uint32_t m_time = 0; // ms since the last step
    uint32_t m_frame = 0;
    Graphic m_pictures[kPictureCount];
    const Graphic* m_shown = nullptr;
};

// The current region's, made by the region manager; the tile map draws through it.
extern WaterMgr* g_waterMgr;
