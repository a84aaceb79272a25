#include "tools/demoworld/map_entity_art.h"

#include "tools/demoworld/demo_output.h"

#include <cmath>
#include <cstdlib>
#include <iterator>

namespace {

enum PaletteIndex : uint8_t { kKey, kOutline, kWood, kYellow, kOrange, kRed, kWall, kRoof };

const SDL_Color kPalette[] = {{255, 0, 255, 0},   {25, 20, 15, 0},   {110, 70, 35, 0},
                              {255, 230, 90, 0},  {245, 140, 30, 0}, {200, 40, 30, 0},
                              {215, 200, 160, 0}, {150, 60, 40, 0}};

// A post with a flame on it whose tongues rise higher in every other frame.
uint8_t Torch(int x, int y, int frame) {
    if (x >= 5 && x <= 6 && y >= 12)
        return kWood;
    const int lift = frame % 2 == 0 ? 0 : 2;
    const double across = (x - 5.5 + (frame == 2 ? 0.5 : 0.0)) / 4.0;
    const double up = (y - 9.0) / (7.0 + lift);
    const double reach = across * across + up * up;
    if (y > 12 || reach > 1.0)
        return kKey;
    return reach < 0.25 ? kYellow : reach < 0.6 ? kOrange : kRed;
}

// Two houses under red roofs, with a banner on a pole that swings between its frames.
uint8_t Town(int x, int y, int frame) {
    const bool leftHouse = x >= 1 && x <= 11 && y >= 14 && y <= 23;
    const bool rightHouse = x >= 12 && x <= 22 && y >= 16 && y <= 23;
    if (leftHouse || rightHouse)
        return y == 23 || x == 1 || x == 22 ? kOutline : kWall;
    const int roofBase = x <= 11 ? 14 : 16;
    const int peak = x <= 11 ? 6 : 17;
    if (y < roofBase && y >= roofBase - 6 + std::abs(x - peak))
        return kRoof;
    if (x == 20 && y >= 2 && y <= 15)
        return kOutline;
    const int wave = frame == 0 ? 0 : (x % 2);
    if (x >= 14 && x < 20 && y >= 2 + wave && y <= 5 + wave)
        return kRed;
    return kKey;
}

} // namespace

MapEntityArt::MapEntityArt(const Stringc& animDir, const Stringc& bitmapDir)
    : m_animDir(animDir), m_bitmapDir(bitmapDir) {}

bool MapEntityArt::Write() const {
    return WriteAnimation(kTorchSet, 12, 24, 4, 120, Torch) &&
           WriteAnimation(kTownSet, 24, 24, 2, 400, Town);
}

// Folder "<set>/misc_1" of the scratch, so that the animation is named "misc_1".
template <class Draw>
bool MapEntityArt::WriteAnimation(const char* set, int width, int height, int frames,
                                  uint32_t durationMs, Draw draw) const {
    const Stringc bitmaps = m_bitmapDir + "/" + set + "/misc_1";
    for (int frame = 0; frame < frames; ++frame) {
        if (!SaveShadedBitmap(FramePath(bitmaps, frame), width, height, kPalette,
                              static_cast<int>(std::size(kPalette)),
                              [&](int x, int y) { return draw(x, y, frame); }))
            return false;
    }
    return WriteAnimationFromBitmaps(bitmaps, 1, frames, durationMs,
                                     m_animDir + "/" + set + "/misc_1.ani");
}
