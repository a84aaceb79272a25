// Drawing sprites through the clip map.
#include "Library/world/clip_map.h"

#include "Library/core/maths.h"
#include "Library/geometry/map_view.h"
#include "Library/graphics/animation.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/pixel_blend.h"
#include "Library/graphics/pixel_surface.h"
#include "Library/graphics/screen.h"
#include "Library/world/clip_sprite.h"

#include <algorithm>
#include <climits>
#include <cmath>

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

bool Place(const PixelSurface& surface, const MapView& view, const ClipSprite& sprite,
           Placement& out) {
    if (!surface.pixels || !sprite.pixels || sprite.width <= 0 || sprite.height <= 0)
        return false;
    const PixelSurface::Area area = surface.Visible(g_clipRect);
    out.left = std::max<long>(sprite.x, area.x1);
    out.right = std::min<long>(static_cast<long>(sprite.x) + sprite.width, area.x2);
    out.top = std::max<long>(sprite.y, area.y1);
    out.bottom = std::min<long>(static_cast<long>(sprite.y) + sprite.height, area.y2);
    if (out.left >= out.right || out.top >= out.bottom)
        return false;
    const Vector offset = view.GetViewOffset();
    out.shiftX = ToIntWithin(static_cast<float>(out.left) + offset.x, INT_MIN, INT_MAX) - out.left;
    out.shiftY = ToIntWithin(static_cast<float>(out.top) + offset.y, INT_MIN, INT_MAX) - out.top;
    return true;
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

// Each column runs down from the sprite's top: rows in the clear at the front levels, rows
// behind a span whose base is at or below the base line at the behind levels. A span's own
// last row is in the clear again.
template <int Format>
void PaintThrough(const ClipMap& map, const PixelSurface& surface, const ClipSprite& sprite,
                  const Placement& at, long mapBase, const Levels& front, const Levels& behind) {
    const long mapTop = at.top + at.shiftY, mapEnd = at.bottom + at.shiftY;
    for (long column = at.left; column < at.right; ++column) {
        const ColumnPainter<Format> painter{surface, sprite, column};
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

void PaintInLayout(const ClipMap& map, const PixelSurface& surface, const ClipSprite& sprite,
                   const Placement& at, long mapBase, const Levels& front, const Levels& behind) {
    if (g_pixelFormat == kPixelFormat555)
        PaintThrough<kPixelFormat555>(map, surface, sprite, at, mapBase, front, behind);
    else
        PaintThrough<kPixelFormat565>(map, surface, sprite, at, mapBase, front, behind);
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
    const long mapBase =
        ToIntWithin(static_cast<float>(baseLine) + view.GetViewOffset().y, INT_MIN, INT_MAX);
    PaintInLayout(*this, surface, sprite, at, mapBase, SpriteLevels(sprite, opacity),
                  SpriteLevels(sprite, opacity / 2));
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
