#include "tools/demoworld/map_art.h"

#include "Library/files/data_paths.h"
#include "tools/demoworld/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kTileWidth = 16, kTileHeight = 12;
constexpr int kWaterWidth = 64, kWaterHeight = 36;
constexpr float kTau = 6.2831853f;
const Colour kFog(18, 18, 28);
const Colour kFogGrain(26, 26, 38);

// An ordered dither threshold of 0..15 for the pixel.
int Bayer4(int x, int y) {
    static constexpr int kMatrix[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return kMatrix[y & 3][x & 3];
}

Colour FogAt(int x, int y) {
    return (x * 7 + y * 3) % 5 == 0 ? kFogGrain : kFog;
}

// Direction 0 is up on the screen, then clockwise in eighths.
void DirectionOf(int dir, float& dx, float& dy) {
    const float angle = static_cast<float>(dir) * kTau / 8.0f;
    dx = std::sin(angle);
    dy = -std::cos(angle);
}

// How much of the sea's light a pixel of frame `frame` catches: two wave trains crossing,
// each a whole number of waves across the picture so that it repeats without a seam.
float Swell(int x, int y, int frame) {
    const float u = static_cast<float>(x) / kWaterWidth, v = static_cast<float>(y) / kWaterHeight;
    const float phase = static_cast<float>(frame) * kTau / 3.0f;
    return std::sin(kTau * (2 * u + v) + phase) + 0.5f * std::sin(kTau * (u - 2 * v) - phase);
}

struct Sea {
    Colour deep;
    float height; // of the swell, in colour steps
    float caps;   // swell above which the crests break white
};

// Pictures 0-2 the rough sea, 3-5 the choppy sea, 6-8 the calm sea.
const Sea kSeas[3] = {{Colour(18, 46, 100), 34.0f, 1.0f},
                      {Colour(24, 66, 132), 22.0f, 1.35f},
                      {Colour(32, 84, 156), 12.0f, 9.0f}};

Colour WaterAt(const Sea& sea, int x, int y, int frame) {
    const float swell = Swell(x, y, frame);
    if (swell > sea.caps)
        return Colour(220, 232, 240);
    const auto lit = [&](uint8_t channel, float weight) {
        return static_cast<uint8_t>(
            std::clamp(channel + swell * sea.height * weight, 0.0f, 255.0f));
    };
    return Colour(lit(sea.deep.red, 0.6f), lit(sea.deep.green, 0.9f), lit(sea.deep.blue, 1.0f));
}

} // namespace

MapArt::MapArt(const DataPaths& paths) : m_directory(paths.GetMapGraphicDir() + "/misc/") {}

bool MapArt::Write() const {
    return WriteFog() && WriteWater();
}

// An edge fades from the fog on the unexplored side to nothing toward its direction,
// dithered through the transparent key.
bool MapArt::WriteFog() const {
    Canvas unexplored(kTileWidth, kTileHeight, kFog);
    for (int y = 0; y < kTileHeight; ++y)
        for (int x = 0; x < kTileWidth; ++x)
            unexplored.Fill(x, y, 1, 1, FogAt(x, y));
    if (!unexplored.SaveTga(m_directory + "fow_unexplored.tga"))
        return false;
    for (int dir = 0; dir < 8; ++dir) {
        float dx = 0, dy = 0;
        DirectionOf(dir, dx, dy);
        Canvas edge(kTileWidth, kTileHeight, Canvas::kTransparent);
        for (int y = 0; y < kTileHeight; ++y)
            for (int x = 0; x < kTileWidth; ++x) {
                const float across =
                    ((x + 0.5f) / kTileWidth - 0.5f) * dx + ((y + 0.5f) / kTileHeight - 0.5f) * dy;
                const float density = std::clamp(0.5f - 1.6f * across, 0.0f, 1.0f);
                if (Bayer4(x, y) < density * 16.0f)
                    edge.Fill(x, y, 1, 1, FogAt(x, y));
            }
        char name[40];
        std::snprintf(name, sizeof name, "fow_unexplored_edge_%d.tga", dir);
        if (!edge.SaveTga(m_directory + name))
            return false;
    }
    return true;
}

bool MapArt::WriteWater() const {
    for (int picture = 0; picture < 9; ++picture) {
        const Sea& sea = kSeas[picture / 3];
        Canvas water(kWaterWidth, kWaterHeight, sea.deep);
        for (int y = 0; y < kWaterHeight; ++y)
            for (int x = 0; x < kWaterWidth; ++x)
                water.Fill(x, y, 1, 1, WaterAt(sea, x, y, picture % 3));
        char name[40];
        std::snprintf(name, sizeof name, "water_ocean_%04d.tga", picture);
        if (!water.SaveTga(m_directory + name))
            return false;
    }
    return true;
}
