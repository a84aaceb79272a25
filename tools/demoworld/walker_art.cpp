#include "tools/demoworld/walker_art.h"

#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/paletted_frame.h"

#include <cmath>
#include <iterator>

namespace {

constexpr double kPi = 3.14159265358979;

enum PaletteIndex : uint8_t { kKey, kOutline, kSkin, kTunic, kTrousers, kBoots, kHair, kShadow };

const SDL_Color kPalette[] = {{255, 0, 255, 0}, {20, 16, 16, 0},  {236, 188, 150, 0},
                              {178, 40, 36, 0}, {48, 70, 140, 0}, {96, 60, 30, 0},
                              {80, 52, 24, 0},  {60, 60, 60, 0}};

} // namespace

WalkerArt::WalkerArt(const Stringc& animDir) : m_setDir(animDir + "/" + kSet) {}

bool WalkerArt::Write() const {
    return WriteAnimation("walk", kWalkFrames) && WriteAnimation("stand", kStandFrames);
}

// Named so that the directions follow one another in name order.
bool WalkerArt::WriteAnimation(const char* name, int frames) const {
    for (int direction = 0; direction < kDirections; ++direction)
        for (int frame = 0; frame < frames; ++frame) {
            const auto paint = [&](PalettedFrame& figure) {
                Paint(figure, direction, frame, frames);
            };
            if (!SavePaintedBitmap(FramePath(m_setDir + "/" + name, direction * frames + frame),
                                   kWidth, kHeight, kPalette, static_cast<int>(std::size(kPalette)),
                                   paint))
                return false;
        }
    return true;
}

// Direction 0 faces up the screen, the others clockwise from it; the head turns that way
// and the legs and arms swing through the walk.
void WalkerArt::Paint(PalettedFrame& figure, int direction, int frame, int frames) {
    const double swing = frames > 1 ? std::sin(2 * kPi * frame / frames) : 0.0;
    const int stride = static_cast<int>(std::lround(4 * swing));
    const double angle = direction * kPi / 4;
    const int faceX = static_cast<int>(std::lround(4 * std::sin(angle)));
    const int faceY = static_cast<int>(std::lround(-3 * std::cos(angle)));

    figure.Ellipse(20, 52, 12, 3, kShadow);
    figure.Fill(14, 36, 18, 48 - stride, kTrousers);
    figure.Fill(22, 36, 26, 48 + stride, kTrousers);
    figure.Fill(13, 49 - stride, 19, 51 - stride, kBoots);
    figure.Fill(21, 49 + stride, 27, 51 + stride, kBoots);
    figure.Fill(12, 20, 28, 37, kTunic);
    figure.Fill(8, 21 + stride, 11, 34 + stride, kSkin);
    figure.Fill(29, 21 - stride, 32, 34 - stride, kSkin);
    figure.Ellipse(20, 11, 7, 8, kSkin);
    figure.Ellipse(20 - faceX / 2, 7 - faceY / 2, 7, 4, kHair);
    figure.Fill(19 + faceX, 11 + faceY, 20 + faceX, 12 + faceY, kOutline);
}
