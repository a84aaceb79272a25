// Drawing sprites through the clip map.
#include "Library/world/clip_map.h"

#include "Library/core/maths.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/encoded_rows.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/pixel_blend.h"
#include "Library/graphics/pixel_surface.h"
#include "Library/graphics/screen.h"
#include "Library/world/clip_sprite.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

namespace {

constexpr int kIndexCount = 256;
constexpr int8_t kNotDrawn = -1;
constexpr int8_t kWritten = 32; // the frame's colour as it is
constexpr int kKeptLevelAtFull = 15;
constexpr double kGlowThreshold = 0.5;

// How each palette index is drawn at one opacity: not at all, written, or blended at a
// level of 0-31.
struct Levels {
    int8_t level[kIndexCount];
};

bool IsKept(const ClipSprite& sprite, int index) {
    return sprite.keptIndex != sprite.transparentIndex &&
           static_cast<uint32_t>(index) == sprite.keptIndex;
}

Levels SpriteLevels(const ClipSprite& sprite, int opacity) {
    Levels levels;
    for (int index = 0; index < kIndexCount; ++index) {
        const bool kept = IsKept(sprite, index);
        levels.level[index] = static_cast<int8_t>(
            static_cast<uint32_t>(index) == sprite.transparentIndex ? kNotDrawn
            : opacity == ClipMap::kFullOpacity ? (kept ? kKeptLevelAtFull : kWritten)
            : kept                             ? opacity / 32
                                               : opacity / 8);
    }
    return levels;
}

// Brightness (max + min / 2) / 255 of the source colour; above half the index glows, blended
// by opacity / 255 x its brightness x 255, taken as a level of 32.
Levels GlowLevels(const ClipSprite& sprite, int opacity) {
    Levels levels;
    for (int index = 0; index < kIndexCount; ++index) {
        const SDL_Color& c = sprite.palette[index];
        const int max = std::max({c.r, c.g, c.b}), min = std::min({c.r, c.g, c.b});
        const double brightness = max + min / 2.0; // 0 to 382.5, before the / 255
        const bool glows = static_cast<uint32_t>(index) != sprite.transparentIndex &&
                           brightness / 255.0 > kGlowThreshold;
        const int value = std::clamp(static_cast<int>(opacity * brightness / 255.0), 0, 255);
        levels.level[index] = glows ? static_cast<int8_t>(value / 8) : kNotDrawn;
    }
    return levels;
}

// The part of the sprite inside the clip rectangle and the surface, and the shift of its
// screen pixels into map pixels.
struct Placement {
    long left = 0, right = 0, top = 0, bottom = 0; // screen pixels, right and bottom exclusive
    long shiftX = 0, shiftY = 0;                   // map pixel = screen pixel + shift
};

bool Place(const PixelSurface& surface, const MapView& view, int x, int y, int width, int height,
           Placement& out) {
    if (!surface.pixels || width <= 0 || height <= 0)
        return false;
    const PixelSurface::Area area = surface.Visible(g_clipRect);
    out.left = std::max<long>(x, area.x1);
    out.right = std::min<long>(static_cast<long>(x) + width, area.x2);
    out.top = std::max<long>(y, area.y1);
    out.bottom = std::min<long>(static_cast<long>(y) + height, area.y2);
    if (out.left >= out.right || out.top >= out.bottom)
        return false;
    const Vector offset = view.GetViewOffset();
    out.shiftX = ToIntWithin(static_cast<float>(out.left) + offset.x, INT_MIN, INT_MAX) - out.left;
    out.shiftY = ToIntWithin(static_cast<float>(out.top) + offset.y, INT_MIN, INT_MAX) - out.top;
    return true;
}

bool Place(const PixelSurface& surface, const MapView& view, const ClipSprite& sprite,
           Placement& out) {
    return sprite.pixels &&
           Place(surface, view, sprite.x, sprite.y, sprite.width, sprite.height, out);
}

long MapBaseOf(const MapView& view, int baseLine) {
    return ToIntWithin(static_cast<float>(baseLine) + view.GetViewOffset().y, INT_MIN, INT_MAX);
}

// Screen rows [from, to) of one column, the sprite's pixels through one level table.
template <int Format> struct ColumnPainter {
    const PixelSurface& surface;
    const ClipSprite& sprite;
    long column;

    void Paint(long from, long to, const Levels& levels) const {
        if (from >= to)
            return;
        const uint8_t* src = sprite.pixels + (from - sprite.y) * sprite.pitch + (column - sprite.x);
        uint16_t* dst = surface.pixels + from * surface.width + column;
        for (long row = from; row < to; ++row, src += sprite.pitch, dst += surface.width) {
            const int8_t level = levels.level[*src];
            if (level == kNotDrawn)
                continue;
            const uint16_t colour = sprite.colourTable[*src];
            *dst = level == kWritten
                       ? colour
                       : BlendPixel<Format>(colour, *dst, static_cast<uint32_t>(level));
        }
    }
};

// Screen rows [from, to) of one column of a 16-bit image at (x, y), rows width pixels apart:
// every pixel but the key (when keyed) written, or blended at a level of 0-31.
template <int Format> struct ImageColumnPainter {
    const PixelSurface& surface;
    const uint16_t* pixels;
    int x, y, width;
    bool keyed;
    long column;

    void Paint(long from, long to, int8_t level) const {
        if (from >= to)
            return;
        const uint16_t* src = pixels + (from - y) * width + (column - x);
        uint16_t* dst = surface.pixels + from * surface.width + column;
        for (long row = from; row < to; ++row, src += width, dst += surface.width) {
            if (keyed && *src == g_colourKey)
                continue;
            *dst = level == kWritten ? *src
                                     : BlendPixel<Format>(*src, *dst, static_cast<uint32_t>(level));
        }
    }
};

int8_t ImageLevel(int opacity) {
    return static_cast<int8_t>(opacity == ClipMap::kFullOpacity ? kWritten : opacity / 8);
}

// Each column runs down from the sprite's top: rows in the clear at the front levels, rows
// behind a span whose base is at or below the base line at the behind levels. A span's own
// last row is in the clear again.
template <class PainterAt, class Level>
void PaintThrough(const ClipMap& map, const Placement& at, long mapBase, PainterAt painterAt,
                  const Level& front, const Level& behind) {
    const long mapTop = at.top + at.shiftY, mapEnd = at.bottom + at.shiftY;
    for (long column = at.left; column < at.right; ++column) {
        const auto painter = painterAt(column);
        long row = mapTop;
        for (const ClipSpan& span : map.GetSpans(column + at.shiftX)) {
            const long top = span.top, bottom = span.bottom, base = span.base;
            if (top >= mapEnd)
                break;
            if (base < mapBase || bottom < mapTop)
                continue;
            const long hiddenFrom = std::max(row, std::max(top, mapTop));
            const long hiddenTo = std::max(hiddenFrom, std::min(bottom, mapEnd));
            painter.Paint(row - at.shiftY, hiddenFrom - at.shiftY, front);
            painter.Paint(hiddenFrom - at.shiftY, hiddenTo - at.shiftY, behind);
            row = hiddenTo;
        }
        painter.Paint(row - at.shiftY, mapEnd - at.shiftY, front);
    }
}

template <int Format>
void PaintSprite(const ClipMap& map, const PixelSurface& surface, const ClipSprite& sprite,
                 const Placement& at, long mapBase, const Levels& front, const Levels& behind) {
    PaintThrough(
        map, at, mapBase,
        [&](long column) {
            return ColumnPainter<Format>{surface, sprite, column};
        },
        front, behind);
}

void PaintInLayout(const ClipMap& map, const PixelSurface& surface, const ClipSprite& sprite,
                   const Placement& at, long mapBase, const Levels& front, const Levels& behind) {
    if (g_pixelFormat == kPixelFormat555)
        PaintSprite<kPixelFormat555>(map, surface, sprite, at, mapBase, front, behind);
    else
        PaintSprite<kPixelFormat565>(map, surface, sprite, at, mapBase, front, behind);
}

template <int Format>
void PaintImage(const ClipMap& map, const PixelSurface& surface, const Graphic& image,
                const uint16_t* pixels, bool keyed, const Placement& at, long mapBase,
                int opacity) {
    PaintThrough(
        map, at, mapBase,
        [&](long column) {
            return ImageColumnPainter<Format>{surface,          pixels, image.GetX(), image.GetY(),
                                              image.GetWidth(), keyed,  column};
        },
        ImageLevel(opacity), ImageLevel(opacity / 2));
}

// The player's current frame, its colours made fresh; false when it has none to show.
class FrameSprite {
public:
    explicit FrameSprite(AnimationMgr& frame) {
        const Animation* animation = frame.GetAnimation();
        m_surface = animation ? frame.BuildPaletteLookup() : nullptr;
        if (!m_surface || SDL_LockSurface(m_surface) != 0) {
            m_surface = nullptr;
            return;
        }
        m_sprite.pixels = static_cast<const uint8_t*>(m_surface->pixels);
        m_sprite.pitch = m_surface->pitch;
        m_sprite.x = frame.GetScreenX() + frame.GetCropX();
        m_sprite.y = frame.GetScreenY() + frame.GetCropY();
        m_sprite.width = std::min(frame.GetFrameWidth(), m_surface->w);
        m_sprite.height = std::min(frame.GetFrameHeight(), m_surface->h);
        m_sprite.colourTable = frame.GetColourTable();
        m_sprite.palette = animation->GetPalette();
        m_sprite.transparentIndex = frame.GetTransparentIndex();
        m_sprite.keptIndex = frame.GetKeptIndex();
    }
    ~FrameSprite() {
        if (m_surface)
            SDL_UnlockSurface(m_surface);
    }
    FrameSprite(const FrameSprite&) = delete;
    FrameSprite& operator=(const FrameSprite&) = delete;

    const ClipSprite* Get() const { return m_surface ? &m_sprite : nullptr; }

private:
    SDL_Surface* m_surface = nullptr;
    ClipSprite m_sprite;
};

} // namespace

void ClipMap::DrawSprite(const PixelSurface& surface, const MapView& view, const ClipSprite& sprite,
                         int baseLine, int opacity) const {
    Placement at;
    if (!Place(surface, view, sprite, at))
        return;
    opacity = std::clamp(opacity, 0, kFullOpacity);
    PaintInLayout(*this, surface, sprite, at, MapBaseOf(view, baseLine),
                  SpriteLevels(sprite, opacity), SpriteLevels(sprite, opacity / 2));
}

void ClipMap::DrawGlow(const PixelSurface& surface, const MapView& view,
                       const ClipSprite& sprite) const {
    Placement at;
    if (!Place(surface, view, sprite, at) || !sprite.palette)
        return;
    const long mapBase = at.bottom + at.shiftY; // the row below the cut sprite
    PaintInLayout(*this, surface, sprite, at, mapBase, GlowLevels(sprite, kFullOpacity),
                  GlowLevels(sprite, kGlowBehindOpacity));
}

void ClipMap::DrawClipped(const PixelSurface& surface, const MapView& view, AnimationMgr& frame,
                          int baseLine, int opacity) const {
    const FrameSprite sprite(frame);
    if (sprite.Get())
        DrawSprite(surface, view, *sprite.Get(), baseLine, opacity);
}

void ClipMap::DrawClipped2(const PixelSurface& surface, const MapView& view,
                           AnimationMgr& frame) const {
    const FrameSprite sprite(frame);
    if (sprite.Get())
        DrawGlow(surface, view, *sprite.Get());
}

// Run-length rows are laid out whole first, the gaps between their runs the key.
void ClipMap::DrawGraphicClipped(const PixelSurface& surface, const MapView& view,
                                 const Graphic& image, int baseLine, int opacity) const {
    Placement at;
    if (!image.GetData() ||
        !Place(surface, view, image.GetX(), image.GetY(), image.GetWidth(), image.GetHeight(), at))
        return;
    opacity = std::clamp(opacity, 0, kFullOpacity);
    const uint16_t* pixels = image.GetData();
    std::vector<uint16_t> decoded;
    if (image.IsEncoded()) {
        const int width = image.GetWidth();
        decoded.assign(static_cast<size_t>(width) * image.GetHeight(), g_colourKey);
        ForEachRun(image.GetData(), width, image.GetHeight(),
                   [&](int row, int x, const uint16_t* run, int count) {
                       std::copy(run, run + count, decoded.begin() + row * width + x);
                   });
        pixels = decoded.data();
    }
    const bool keyed = image.IsKeyed() || image.IsEncoded();
    const long mapBase = MapBaseOf(view, baseLine);
    if (g_pixelFormat == kPixelFormat555)
        PaintImage<kPixelFormat555>(*this, surface, image, pixels, keyed, at, mapBase, opacity);
    else
        PaintImage<kPixelFormat565>(*this, surface, image, pixels, keyed, at, mapBase, opacity);
}
