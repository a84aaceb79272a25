#include "tools/demoworld/item_art.h"

#include "tools/demoworld/demo_output.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

enum PaletteIndex : uint8_t { kKey, kOutline, kSteel, kDarkSteel, kWood, kGold, kRed, kGlass };

const SDL_Color kPalette[] = {{255, 0, 255, 0},   {25, 20, 20, 0},   {200, 205, 215, 0},
                              {110, 115, 130, 0}, {130, 80, 35, 0},  {235, 190, 40, 0},
                              {200, 30, 40, 0},   {170, 210, 235, 0}};

// Backpack lists set their icons one line apart, so an icon is no taller than a line.
constexpr int kIconWidth = 24;
constexpr int kIconHeight = 14;
constexpr int kMapWidth = 16;
constexpr int kMapHeight = 12;

bool Near(double value, double target, double width) {
    return std::fabs(value - target) <= width;
}

bool InEllipse(double u, double v, double cu, double cv, double ru, double rv) {
    const double du = (u - cu) / ru;
    const double dv = (v - cv) / rv;
    return du * du + dv * dv <= 1.0;
}

// A blade up the diagonal from a grip at the bottom left, with a cross guard.
uint8_t Sword(double u, double v) {
    const double along = (u + (1.0 - v)) / 2.0;
    const double across = u - (1.0 - v);
    if (along > 0.3 && along < 0.95 && Near(across, 0.0, 0.09))
        return Near(across, 0.0, 0.03) ? kDarkSteel : kSteel;
    if (Near(along, 0.28, 0.03) && Near(across, 0.0, 0.25))
        return kGold;
    return along > 0.08 && along <= 0.28 && Near(across, 0.0, 0.06) ? kWood : kKey;
}

// A barrel along the top and a grip down from its back.
uint8_t Pistol(double u, double v) {
    if (u > 0.15 && u < 0.92 && v > 0.25 && v < 0.45)
        return v < 0.29 || v > 0.41 ? kOutline : kDarkSteel;
    if (u > 0.18 && u < 0.4 && v >= 0.45 && v < 0.88 - (u - 0.18))
        return kWood;
    return kKey;
}

// Three rounds standing side by side.
uint8_t Bullets(double u, double v) {
    for (const double centre : {0.25, 0.5, 0.75}) {
        if (!Near(u, centre, 0.08))
            continue;
        if (v > 0.45 && v < 0.85)
            return kGold;
        if (v > 0.2 && v <= 0.45 && InEllipse(u, v, centre, 0.45, 0.08, 0.25))
            return kDarkSteel;
    }
    return kKey;
}

// A round shield: a rim, wood and a boss.
uint8_t Shield(double u, double v) {
    if (!InEllipse(u, v, 0.5, 0.5, 0.45, 0.45))
        return kKey;
    if (!InEllipse(u, v, 0.5, 0.5, 0.38, 0.38))
        return kDarkSteel;
    return InEllipse(u, v, 0.5, 0.5, 0.1, 0.1) ? kSteel : kWood;
}

// A long haft with a wide blade at its head.
uint8_t Greataxe(double u, double v) {
    if (v < 0.5 && u > 0.5 && InEllipse(u, v, 0.5, 0.25, 0.4, 0.22))
        return u > 0.82 ? kSteel : kDarkSteel;
    return Near(u, 0.5, 0.05) && v > 0.05 && v < 0.95 ? kWood : kKey;
}

// A small pile of coins.
uint8_t Gold(double u, double v) {
    for (const double top : {0.7, 0.55, 0.4}) {
        if (InEllipse(u, v, 0.5, top, 0.35, 0.12))
            return InEllipse(u, v, 0.5, top, 0.28, 0.07) ? kGold : kOutline;
    }
    return kKey;
}

// A round flask of red draught with a neck and a cork.
uint8_t Potion(double u, double v) {
    if (InEllipse(u, v, 0.5, 0.65, 0.3, 0.3))
        return v > 0.55 ? kRed : kGlass;
    if (Near(u, 0.5, 0.09) && v > 0.2 && v <= 0.4)
        return kGlass;
    return Near(u, 0.5, 0.1) && v > 0.08 && v <= 0.2 ? kWood : kKey;
}

// A curved limb down the left with its string, and an arrow laid across.
uint8_t Bow(double u, double v) {
    const double bend = 0.3 + 0.35 * std::sin(v * 3.14159265358979);
    if (v > 0.05 && v < 0.95 && Near(u, bend, 0.06))
        return kWood;
    if (v > 0.05 && v < 0.95 && Near(u, 0.3, 0.015))
        return kGlass;
    if (Near(v, 0.5, 0.03) && u > 0.2 && u < 0.95)
        return u > 0.85 ? kSteel : kWood;
    return kKey;
}

// Three arrows side by side, steel heads up, white fletching below.
uint8_t Arrows(double u, double v) {
    for (const double centre : {0.3, 0.5, 0.7}) {
        if (v > 0.05 && v < 0.2 && Near(u, centre, 0.05 * (v - 0.05) / 0.15 + 0.01))
            return kSteel;
        if (v >= 0.2 && v < 0.95 && Near(u, centre, 0.02))
            return v > 0.78 ? kGlass : kWood;
    }
    return kKey;
}

// A round iron body with a fuse at the top.
uint8_t Grenade(double u, double v) {
    if (InEllipse(u, v, 0.5, 0.6, 0.3, 0.32))
        return InEllipse(u, v, 0.42, 0.5, 0.08, 0.08) ? kSteel : kDarkSteel;
    if (Near(u, 0.5, 0.04) && v > 0.12 && v <= 0.3)
        return v < 0.18 ? kRed : kOutline;
    return kKey;
}

struct Shape {
    const char* name;
    uint8_t (*at)(double u, double v);
};

const Shape kShapes[] = {{"sword", Sword},    {"pistol", Pistol},     {"bullets", Bullets},
                         {"shield", Shield},  {"greataxe", Greataxe}, {"gold", Gold},
                         {"potion", Potion},  {"bow", Bow},           {"arrows", Arrows},
                         {"grenade", Grenade}};

const Shape* FindShape(const char* name) {
    for (const Shape& shape : kShapes)
        if (std::strcmp(shape.name, name) == 0)
            return &shape;
    return nullptr;
}

} // namespace

ItemArt::ItemArt(const Stringc& animDir, const Stringc& bitmapDir)
    : m_animDir(animDir), m_bitmapDir(bitmapDir) {}

bool ItemArt::Write(const char* name) const {
    if (FindShape(name) == nullptr) {
        std::fprintf(stderr, "demoworld: no item shape is called %s\n", name);
        return false;
    }
    // On the map the picture's middle lies on the item's point, so a click anywhere on it
    // sends the party within reach of the item.
    return WriteLook(Stringc(name), name, kIconWidth, kIconHeight) &&
           WriteLook(Stringc(name) + "_map", name, kMapWidth, kMapHeight,
                     [](Animation& look) { StandFrameOn(look, 0, kMapWidth / 2, kMapHeight / 2); });
}

bool ItemArt::WriteLook(const Stringc& set, const char* name, int width, int height,
                        const std::function<void(Animation&)>& place) const {
    const Shape* shape = FindShape(name);
    // The build names the animation after its bitmap folder, which is named after its file.
    const Stringc bitmaps = m_bitmapDir + "/" + set + "/misc_1";
    const auto at = [&](int x, int y) { return shape->at((x + 0.5) / width, (y + 0.5) / height); };
    return SaveShadedBitmap(bitmaps + "/f000.bmp", width, height, kPalette,
                            static_cast<int>(std::size(kPalette)), at) &&
           WriteAnimationFromBitmaps(bitmaps, 1, 1, 0, m_animDir + "/Icons/" + set + "/misc_1.ani",
                                     place);
}
