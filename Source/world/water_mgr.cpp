#include "Source/world/water_mgr.h"

#include "Library/files/data_paths.h"
#include "Library/graphics/pixel_format.h"
#include "Library/world/game_mode.h"
#include "Library/world/tile.h"

#include <cstdio>

WaterMgr* g_waterMgr = nullptr;

namespace {

// The first picture of each sea state's three.
int FirstPicture(WaterMgr::SeaState state) {
    switch (state) {
    case WaterMgr::kRough:
        return 0;
    case WaterMgr::kChoppy:
        return 3;
    default:
        return 6;
    }
}

} // namespace

WaterMgr::WaterMgr(const DataPaths& paths, ResFileMgr* archive, const GameMode& clock)
    : m_clock(clock) {
    for (int n = 0; n < kPictureCount; ++n) {
        char name[48];
        std::snprintf(name, sizeof name, "/Misc/water_ocean_%04d.tga", n);
        const Stringc path = paths.GetMapGraphicDir() + name;
        Graphic& picture = m_pictures[n];
        if (picture.Load(&paths, archive, path.c_str(), false) &&
            (picture.GetWidth() < kPictureWidth || picture.GetHeight() < kPictureHeight)) {
            std::fprintf(stderr, "%s: %d x %d pixels, less than the water's 64 x 36\n",
                         path.c_str(), picture.GetWidth(), picture.GetHeight());
            picture.Clear();
        }
    }
    m_shown = &m_pictures[FirstPicture(m_state)];
}

void WaterMgr::SetState(int kind, int phase) {
    constexpr int kStorm = 0, kRain = 1, kSnow = 2;
    if (kind == kStorm || kind == kSnow) {
        m_state = kCalm;
    } else if (kind == kRain) {
        static constexpr SeaState kByPhase[] = {kCalm, kCalm, kChoppy, kRough, kChoppy};
        if (phase >= 0 && phase < 5)
            m_state = kByPhase[phase];
    }
}

bool WaterMgr::Animate() {
    bool stepped = false;
    if (!m_clock.IsPaused()) {
        m_time += m_clock.GetFrameMs();
        if (m_time >= kFrameMs) {
            m_time = 0;
            m_frame = (m_frame + 1) % kFrameCount;
            stepped = true;
        }
    }
    m_shown = &m_pictures[FirstPicture(m_state) + static_cast<int>(m_frame)];
    return stepped;
}

void WaterMgr::BlitWaterTile(Tile& tile) {
    const uint16_t* water = m_shown->GetData();
    const uint16_t* source = tile.GetSource().GetData();
    uint16_t* work = tile.GetWork().GetSurface().pixels;
    if (!water || !source || !work || tile.GetSource().GetWidth() != Tile::kWidth ||
        tile.GetSource().GetHeight() != Tile::kHeight)
        return;
    const uint16_t key = g_secondColourKey;
    const int pitch = m_shown->GetWidth();
    const int blockX = tile.GetColumn() % 4 * Tile::kWidth;
    const int blockY = tile.GetRow() % 3 * Tile::kHeight;
    for (int y = 0; y < Tile::kHeight; ++y) {
        const uint16_t* block = water + static_cast<long>(blockY + y) * pitch + blockX;
        for (int x = y % 2; x < Tile::kWidth; x += 2) {
            const int at = y * Tile::kWidth + x;
            if (source[at] == key)
                work[at] = block[x];
        }
    }
}
