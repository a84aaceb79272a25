#include "tools/demoworld/projectile_art.h"

#include "Library/graphics/animation.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/paletted_frame.h"

#include <cmath>
#include <functional>
#include <iterator>

namespace {

constexpr double kPi = 3.14159265358979;
constexpr int kFlightSide = 24;
constexpr int kBurstSide = 32;

enum PaletteIndex : uint8_t {
    kKey,
    kWhite,
    kShaft,
    kSteel,
    kFlameCore,
    kFlame,
    kEmber,
    kSpark,
    kGlowCore,
    kGlow,
    kGasCore,
    kGas,
    kGasEdge,
    kStone,
};

const SDL_Color kPalette[] = {
    {255, 0, 255, 0},   {255, 255, 255, 0}, {235, 200, 140, 0}, {210, 220, 235, 0},
    {255, 250, 170, 0}, {255, 170, 40, 0},  {240, 90, 30, 0},   {255, 230, 90, 0},
    {230, 250, 255, 0}, {120, 200, 255, 0}, {220, 255, 150, 0}, {150, 230, 80, 0},
    {110, 190, 60, 0},  {200, 200, 185, 0},
};

enum class Shape { kArrow, kBall, kStone };

} // namespace

struct ProjectileArt::Flight {
    const char* name;
    Shape shape;
    uint8_t core;
    uint8_t rim;
    int radius; // of a ball
};

struct ProjectileArt::Burst {
    const char* name;
    uint8_t core;
    uint8_t rim;
    int firstRadius; // of the first frame's disc
    int growth;      // per frame, pixels; negative shrinks
    int frames;
    uint32_t durationMs;
};

namespace {

// Along the direction (0 up the screen, clockwise in 16 steps), from the centre.
void Along(int direction, double distance, int& x, int& y) {
    const double angle = direction * 2 * kPi / ProjectileArt::kDirections;
    x = kFlightSide / 2 + static_cast<int>(std::lround(distance * std::sin(angle)));
    y = kFlightSide / 2 - static_cast<int>(std::lround(distance * std::cos(angle)));
}

// An arrow: a shaft with a steel head ahead and white fletching behind; the second frame's
// fletching flutters.
void PaintArrow(PalettedFrame& frame, int direction, int step) {
    int tailX, tailY, headX, headY, tipX, tipY;
    Along(direction, -8, tailX, tailY);
    Along(direction, 5, headX, headY);
    Along(direction, 9, tipX, tipY);
    frame.Line(tailX, tailY, headX, headY, kShaft);
    frame.Line(headX, headY, tipX, tipY, kSteel);
    for (int side : {-1, 1}) {
        int featherX, featherY;
        Along((direction + side * (7 - step) + ProjectileArt::kDirections) %
                  ProjectileArt::kDirections,
              3, featherX, featherY);
        frame.Line(tailX, tailY, tailX + featherX - kFlightSide / 2,
                   tailY + featherY - kFlightSide / 2, kWhite);
    }
}

// A glowing ball with its trail behind it, the trail one step longer in the second frame.
void PaintBall(PalettedFrame& frame, int direction, int step, uint8_t core, uint8_t rim,
               int radius) {
    for (int puff = 3 + step; puff >= 1; --puff) {
        int x, y;
        Along(direction, -2.5 * puff, x, y);
        frame.Ellipse(x, y, radius - 1 > 0 ? radius - 1 : 1, radius - 1 > 0 ? radius - 1 : 1, rim);
    }
    frame.Ellipse(kFlightSide / 2, kFlightSide / 2, radius, radius, rim);
    frame.Ellipse(kFlightSide / 2, kFlightSide / 2, radius / 2, radius / 2, core);
}

bool WriteFrame(const Stringc& path, int side, const std::function<void(PalettedFrame&)>& paint) {
    return SavePaintedBitmap(path, side, side, kPalette, static_cast<int>(std::size(kPalette)),
                             paint);
}

// Every frame of a square side wide stands on the entity's position with its middle.
std::function<void(Animation&)> Centred(int side, int frames) {
    return [side, frames](Animation& animation) {
        for (int frame = 0; frame < frames; ++frame)
            StandFrameOn(animation, frame, side / 2, side / 2);
    };
}

} // namespace

ProjectileArt::ProjectileArt(const Stringc& animDir, const Stringc& bitmapDir)
    : m_animDir(animDir), m_bitmapDir(bitmapDir) {}

bool ProjectileArt::Write() const {
    const Flight flights[] = {
        {"arrow", Shape::kArrow, kSteel, kShaft, 0},
        {"fireball", Shape::kBall, kFlameCore, kFlame, 5},
        {"magic_missile", Shape::kBall, kGlowCore, kGlow, 3},
        {"stinking_cloud", Shape::kBall, kGasCore, kGas, 5},
        {"grenade", Shape::kStone, kStone, kStone, 3},
    };
    const Burst bursts[] = {
        {"fire_centre", kFlameCore, kFlame, 3, 3, 6, 80},
        {"fire_spark", kSpark, kFlame, 2, 0, 2, 60},
        {"fire_flame", kFlameCore, kFlame, 6, 1, 4, 120},
        {"fire_embers", kFlame, kEmber, 6, -1, 4, 150},
        {"gas_centre", kGasCore, kGas, 3, 3, 6, 90},
        {"gas_puff", kGasCore, kGas, 2, 0, 2, 80},
        {"gas_cloud", kGas, kGasEdge, 8, 1, 4, 160},
        {"gas_fade", kGasEdge, kGasEdge, 8, -2, 4, 160},
    };
    for (const Flight& flight : flights)
        if (!WriteFlight(flight))
            return false;
    for (const Burst& burst : bursts)
        if (!WriteBurst(burst))
            return false;
    return true;
}

bool ProjectileArt::WriteFlight(const Flight& flight) const {
    constexpr int kFrames = 2;
    // An animation is named after the bitmap folder it is built from.
    const Stringc folder = m_bitmapDir + "/Projectile/" + flight.name + "/misc_1";
    for (int direction = 0; direction < kDirections; ++direction)
        for (int step = 0; step < kFrames; ++step) {
            const auto paint = [&](PalettedFrame& frame) {
                if (flight.shape == Shape::kArrow)
                    PaintArrow(frame, direction, step);
                else // a stone's trail does not flicker
                    PaintBall(frame, direction, flight.shape == Shape::kBall ? step : 0,
                              flight.core, flight.rim, flight.radius);
            };
            if (!WriteFrame(FramePath(folder, direction * kFrames + step), kFlightSide, paint))
                return false;
        }
    return WriteAnimationFromBitmaps(folder, kDirections, kFrames, 90,
                                     m_animDir + "/Projectile/" + flight.name + "/misc_1.ani",
                                     Centred(kFlightSide, kFrames));
}

// A disc growing or shrinking frame by frame, its core flickering from side to side.
bool ProjectileArt::WriteBurst(const Burst& burst) const {
    const Stringc folder = m_bitmapDir + "/Misc/" + burst.name + "/misc_1";
    for (int index = 0; index < burst.frames; ++index) {
        const auto paint = [&](PalettedFrame& frame) {
            const int radius = burst.firstRadius + burst.growth * index;
            const int inner = radius / 2 > 0 ? radius / 2 : 1;
            const int centre = kBurstSide / 2;
            frame.Ellipse(centre, centre, radius, radius, burst.rim);
            frame.Ellipse(centre + (index % 2 ? 1 : -1), centre, inner, inner, burst.core);
        };
        if (!WriteFrame(FramePath(folder, index), kBurstSide, paint))
            return false;
    }
    return WriteAnimationFromBitmaps(folder, 1, burst.frames, burst.durationMs,
                                     m_animDir + "/Misc/" + burst.name + "/misc_1.ani",
                                     Centred(kBurstSide, burst.frames));
}
