#include "tools/demoworld/creature_art.h"

#include "Library/graphics/animation.h"
#include "tools/demoworld/demo_output.h"
#include "tools/demoworld/paletted_frame.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979;
constexpr int kDirections = 8;
constexpr int kWidth = 40;
constexpr int kHeight = 56;
constexpr int kFootX = 20;
constexpr int kFootY = 52;

enum PaletteIndex : uint8_t {
    kKey,
    kOutline,
    kSkin,
    kTunic,
    kTrousers,
    kBoots,
    kHair,
    kShadow,
    kSteel,
    kHilt,
    kBlood,
    kDarkBlood,
};

// The colours every set shares, with its tunic, trousers and hair in their places.
struct Look {
    SDL_Color tunic;
    SDL_Color trousers;
    SDL_Color hair;
};

const Look kScientist = {{226, 226, 220, 0}, {60, 60, 68, 0}, {140, 140, 140, 0}};
const Look kPlayer = {{40, 90, 170, 0}, {96, 70, 40, 0}, {80, 52, 24, 0}};

enum class Painter { kBody, kSword, kPistol, kFootShadow, kFlatShadow, kSplash };
enum class Motion { kStand, kWalk, kWalkOpposite, kDie, kAttack, kAim, kStill };

struct Clip {
    const char* file;
    Motion motion;
    int frames;
    uint32_t durationMs;
};

const std::vector<Clip> kBodyClips = {
    {"s0", Motion::kStand, 4, 220},
    {"w0", Motion::kWalk, 6, 100},
    {"w1", Motion::kWalkOpposite, 6, 100},
    {"d0", Motion::kDie, 6, 110},
    {CreatureArt::kSwordArt, Motion::kAttack, 6, 90},
    {CreatureArt::kPistolArt, Motion::kAim, 6, 90},
};

// Where a figure's parts are in one frame.
struct Pose {
    double facing = 0.0; // radians, 0 up the screen, clockwise
    int stride = 0;      // of the legs, pixels
    double fall = 0.0;   // 0 standing to 1 lying
    double strike = -1;  // the sword arm's swing 0 to 1; below 0 at rest
};

constexpr double kArmStraightOut = 0.73; // the strike at which the arm points ahead

Pose PoseOf(Motion motion, int direction, int frame, int frames) {
    Pose pose;
    pose.facing = direction * kPi / 4;
    const double phase = frames > 1 ? static_cast<double>(frame) / (frames - 1) : 0.0;
    const double cycle = 2 * kPi * frame / frames;
    switch (motion) {
    case Motion::kWalk:
        pose.stride = static_cast<int>(std::lround(4 * std::sin(cycle)));
        break;
    case Motion::kWalkOpposite:
        pose.stride = static_cast<int>(std::lround(-4 * std::sin(cycle)));
        break;
    case Motion::kDie:
        pose.fall = phase;
        break;
    case Motion::kAttack:
        pose.strike = phase;
        break;
    case Motion::kAim:
        pose.strike = kArmStraightOut;
        break;
    default:
        break;
    }
    return pose;
}

// The sword hand and the way its blade points: hanging at the arm's end at rest, and
// through the swing raised behind the head and brought down in front, on the left side
// for figures facing left.
struct Grip {
    int x;
    int y;
    double bladeX;
    double bladeY;
};

Grip GripOf(const Pose& pose) {
    const int side = std::sin(pose.facing) < -0.1 ? -1 : 1;
    if (pose.strike < 0)
        return {kFootX + side * 10, 34, side * 0.35, 0.94};
    const double arm = -1.9 + 2.6 * pose.strike; // radians, 0 straight out, down positive
    const double dx = side * std::cos(arm), dy = std::sin(arm);
    return {kFootX + side * 9 + static_cast<int>(std::lround(12 * dx)),
            23 + static_cast<int>(std::lround(12 * dy)), dx, dy};
}

void PaintBody(PalettedFrame& figure, const Pose& pose) {
    if (pose.fall >= 0.5) { // lying on its side
        figure.Fill(9, 45, 31, 50, kTunic);
        figure.Fill(2, 46, 9, 50, kTrousers);
        figure.Ellipse(35, 47, 5, 4, kSkin);
        figure.Ellipse(37, 45, 4, 2, kHair);
        return;
    }
    const int sink = static_cast<int>(std::lround(pose.fall * 2 * 10));
    const int faceX = static_cast<int>(std::lround(4 * std::sin(pose.facing)));
    const int faceY = static_cast<int>(std::lround(-3 * std::cos(pose.facing)));
    const int s = pose.stride;
    figure.Fill(14, 36 + sink, 18, 48 - s, kTrousers);
    figure.Fill(22, 36 + sink, 26, 48 + s, kTrousers);
    figure.Fill(13, 49 - s, 19, 51 - s, kBoots);
    figure.Fill(21, 49 + s, 27, 51 + s, kBoots);
    figure.Fill(12, 20 + sink, 28, 37 + sink, kTunic);
    figure.Fill(8, 21 + sink + s, 11, 34 + sink + s, kSkin);
    if (pose.strike < 0) {
        figure.Fill(29, 21 + sink - s, 32, 34 + sink - s, kSkin);
    } else {
        const Grip grip = GripOf(pose);
        const int shoulder = grip.x < kFootX ? kFootX - 9 : kFootX + 9;
        for (int thick = 0; thick < 3; ++thick)
            figure.Line(shoulder + thick - 1, 23, grip.x + thick - 1, grip.y, kSkin);
    }
    figure.Ellipse(20, 11 + sink, 7, 8, kSkin);
    figure.Ellipse(20 - faceX / 2, 7 + sink - faceY / 2, 7, 4, kHair);
    figure.Fill(19 + faceX, 11 + sink + faceY, 20 + faceX, 12 + sink + faceY, kOutline);
}

// The weapon alone, its barrel or blade this many pixels long, in the hand of the same
// pose, or on the ground once its bearer fell.
void PaintCarried(PalettedFrame& figure, const Pose& pose, int length) {
    if (pose.fall >= 0.5) {
        figure.Line(30 - length - 8, 53, 30, 53, kSteel);
        figure.Fill(28, 52, 31, 54, kHilt);
        return;
    }
    const Grip grip = GripOf(pose);
    const int tipX = grip.x + static_cast<int>(std::lround(length * grip.bladeX));
    const int tipY = grip.y + static_cast<int>(std::lround(length * grip.bladeY));
    figure.Line(grip.x, grip.y, tipX, tipY, kSteel);
    figure.Line(grip.x + 1, grip.y, tipX + 1, tipY, kSteel);
    figure.Fill(grip.x - 2, grip.y - 1, grip.x + 2, grip.y + 1, kHilt);
}

// Drops flung out from the chest, spreading and thinning frame by frame.
void PaintSplash(PalettedFrame& figure, int kind, int frame) {
    const int spread = 3 + 4 * frame;
    for (int drop = 0; drop < 6 + kind; ++drop) {
        const double angle = drop * 2 * kPi / (6 + kind) + kind;
        const int x = kFootX + static_cast<int>(std::lround(spread * std::cos(angle)));
        const int y = 59 + static_cast<int>(std::lround(spread * 0.7 * std::sin(angle)));
        const int size = std::max(0, 2 - frame / 2);
        figure.Ellipse(x, y, size, size, frame < 3 ? kBlood : kDarkBlood);
    }
}

void Paint(PalettedFrame& figure, Painter painter, int kind, const Pose& pose, int frame) {
    switch (painter) {
    case Painter::kBody:
        PaintBody(figure, pose);
        break;
    case Painter::kSword:
        PaintCarried(figure, pose, 16);
        break;
    case Painter::kPistol:
        PaintCarried(figure, pose, 5);
        break;
    case Painter::kFootShadow:
        figure.Ellipse(kFootX, kFootY, 12, 3, kShadow);
        break;
    case Painter::kFlatShadow:
        figure.Ellipse(12, 4, 11, 3, kShadow);
        break;
    case Painter::kSplash:
        PaintSplash(figure, kind, frame);
        break;
    }
}

} // namespace

// One set: its folder under the animation directory, what it draws, its clips and its
// frames' size and offsets from the creature's foot, in pixels.
struct CreatureArt::SetArt {
    Stringc path;
    Painter painter;
    Look look;
    std::vector<Clip> clips;
    int directions;
    int width;
    int height;
    int footX;
    int footY;
    int kind; // the splash's
};

CreatureArt::CreatureArt(const Stringc& animDir, const Stringc& bitmapDir)
    : m_animDir(animDir), m_bitmapDir(bitmapDir) {}

bool CreatureArt::Write() const {
    const std::vector<Clip> flat = {{"misc_1", Motion::kStill, 1, 1000}};
    std::vector<SetArt> sets = {
        {"Creat/scimale", Painter::kBody, kScientist, kBodyClips, kDirections, kWidth, kHeight,
         kFootX, kFootY, 0},
        {"Char/chmf4", Painter::kBody, kPlayer, kBodyClips, kDirections, kWidth, kHeight, kFootX,
         kFootY, 0},
        {"Char/cshd", Painter::kFootShadow, kPlayer, kBodyClips, kDirections, kWidth, kHeight,
         kFootX, kFootY, 0},
        {Stringc("Item/") + kSwordArt, Painter::kSword, kPlayer, kBodyClips, kDirections, kWidth,
         kHeight, kFootX, kFootY, 0},
        {Stringc("Item/") + kPistolArt, Painter::kPistol, kPlayer, kBodyClips, kDirections, kWidth,
         kHeight, kFootX, kFootY, 0},
        {"Misc/shadow", Painter::kFlatShadow, kPlayer, flat, 1, 24, 8, 12, 4, 0},
    };
    for (int kind = 0; kind < 3; ++kind)
        sets.push_back({Stringc("Misc/blood") + Stringc(kind),
                        Painter::kSplash,
                        kPlayer,
                        {{"h0", Motion::kStill, 5, 70}},
                        1,
                        kWidth,
                        80,
                        kFootX,
                        kFootY,
                        kind});
    for (const SetArt& set : sets)
        if (!WriteSet(set))
            return false;
    return true;
}

// Named so that the directions follow one another in name order. The frames stand on the
// creature's foot; the attack lands on its trigger frame; a sword held while facing away
// goes behind the body.
bool CreatureArt::WriteSet(const SetArt& set) const {
    const SDL_Color palette[] = {{255, 0, 255, 0}, {20, 16, 16, 0},   {236, 188, 150, 0},
                                 set.look.tunic,   set.look.trousers, {70, 50, 30, 0},
                                 set.look.hair,    {30, 30, 30, 0},   {200, 205, 215, 0},
                                 {110, 70, 20, 0}, {200, 20, 20, 0},  {120, 10, 10, 0}};
    for (const Clip& clip : set.clips) {
        const Stringc bitmaps = m_bitmapDir + "/" + set.path + "/" + clip.file;
        for (int direction = 0; direction < set.directions; ++direction)
            for (int frame = 0; frame < clip.frames; ++frame) {
                const auto paint = [&](PalettedFrame& figure) {
                    Paint(figure, set.painter, set.kind,
                          PoseOf(clip.motion, direction, frame, clip.frames), frame);
                };
                if (!SavePaintedBitmap(FramePath(bitmaps, direction * clip.frames + frame),
                                       set.width, set.height, palette,
                                       static_cast<int>(std::size(palette)), paint))
                    return false;
            }
        const auto tune = [&](Animation& animation) {
            for (int frame = 0; frame < clip.frames; ++frame) {
                StandFrameOn(animation, frame, set.footX, set.footY);
                for (int direction : {0, 1, 7})
                    if (set.painter == Painter::kSword || set.painter == Painter::kPistol)
                        animation.SetFrameFlag(direction, frame, 1);
            }
            if (clip.motion == Motion::kAttack || clip.motion == Motion::kAim)
                animation.SetTriggerFrameA(kAttackTrigger);
        };
        if (!WriteAnimationFromBitmaps(bitmaps, set.directions, clip.frames, clip.durationMs,
                                       m_animDir + "/" + set.path + "/" + clip.file + ".ani", tune))
            return false;
    }
    return true;
}
