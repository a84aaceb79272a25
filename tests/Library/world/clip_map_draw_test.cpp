// Sprites drawn through the clip map, in both pixel layouts.
#include "Library/world/clip_map.h"

#include "Library/geometry/map_view.h"
#include "Library/graphics/animation_mgr.h"
#include "Library/graphics/animation_support.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/layout_guard.h"
#include "Library/graphics/pixel_fields.h"
#include "Library/graphics/pixel_surface.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/uni_animation_mgr.h"
#include "Library/world/clip_sprite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kSurfaceSide = 40;
constexpr int kSpriteX = 10, kSpriteY = 5; // screen
constexpr int kSpriteWidth = 3, kSpriteHeight = 12;
constexpr uint8_t kTransparent = 0, kPlain = 1, kKept = 2;

class FixedView : public MapView {
public:
    explicit FixedView(Vector offset) : m_offset(offset) {}
    Vector GetPixelsPerUnit() const override { return Vector(16, 12, 0); }
    Vector GetViewOffset() const override { return m_offset; }

private:
    Vector m_offset;
};

// Sprite colours here are never darker than the ground in any channel, so each blended
// field is ground + (colour - ground) x level / 32, rounded down.
uint16_t Blended(uint16_t colour, uint16_t ground, int level, int format) {
    const PixelFields s = SplitPixel(format, colour), d = SplitPixel(format, ground);
    auto mix = [level](int sf, int df) { return df + (sf - df) * level / 32; };
    return JoinPixel(format, {mix(s.r, d.r), mix(s.g, d.g), mix(s.b, d.b)});
}

class ClipDrawing : public ::testing::TestWithParam<int> {
protected:
    ClipDrawing() : m_format(GetParam()), m_pixels(kSurfaceSide * kSurfaceSide) {
        m_ground = JoinPixel(m_format, {2, 3, 1});
        m_colours[kPlain] = JoinPixel(m_format, {20, 40, 10});
        m_colours[kKept] = JoinPixel(m_format, {31, 9, 30});
        m_surface.pixels = m_pixels.data();
        m_surface.width = m_surface.height = m_surface.pitch = kSurfaceSide;
        std::fill(m_pixels.begin(), m_pixels.end(), m_ground);
        g_clipRect = Rect{0, 0, kSurfaceSide, kSurfaceSide};

        // Screen (10, 5) is map pixel (100, 25): the sprite covers map columns 100-102 and
        // rows 25-36.
        m_map.AllocRows(200, 100);
        Span(100, 30, 33, 40); // in front of base lines up to 40
        Span(101, 30, 33, 34); // behind a base line of 35
        Span(102, 10, 20, 99); // wholly above the sprite
        Span(102, 40, 50, 99); // wholly below it

        m_indices.assign(kSpriteWidth * kSpriteHeight, kPlain);
        m_indices[0] = kTransparent; // row 0 of column 0
        m_indices[1 * kSpriteWidth] = kKept;
        m_indices[6 * kSpriteWidth] = kKept;
        m_sprite.pixels = m_indices.data();
        m_sprite.pitch = kSpriteWidth;
        m_sprite.x = kSpriteX;
        m_sprite.y = kSpriteY;
        m_sprite.width = kSpriteWidth;
        m_sprite.height = kSpriteHeight;
        m_sprite.colourTable = m_colours;
        m_sprite.palette = m_palette;
        m_sprite.transparentIndex = kTransparent;
        m_sprite.keptIndex = kKept;
    }
    ~ClipDrawing() override { g_clipRect = Rect{}; }

    void Span(uint32_t column, uint32_t top, uint32_t bottom, uint32_t base) {
        ClipSpan* span = m_map.AddSpan(column, top);
        span->bottom = bottom;
        span->base = base;
    }
    uint16_t At(int x, int y) const { return m_pixels[y * kSurfaceSide + x]; }
    uint16_t Blend(uint8_t index, int level) const {
        return Blended(m_colours[index], m_ground, level, m_format);
    }
    // The column of the sprite at screen x, top row first.
    std::vector<uint16_t> Column(int x) const {
        std::vector<uint16_t> column;
        for (int y = kSpriteY; y < kSpriteY + kSpriteHeight; ++y)
            column.push_back(At(x, y));
        return column;
    }
    // front for rows in the clear, behind for rows 5-7 of the sprite (map rows 30-32).
    std::vector<uint16_t> Expected(uint16_t front, uint16_t keptFront, uint16_t behind,
                                   uint16_t keptBehind, bool hidden) const {
        std::vector<uint16_t> column(kSpriteHeight, front);
        column[0] = m_ground;
        column[1] = keptFront;
        if (hidden) {
            column[5] = column[7] = behind;
            column[6] = keptBehind;
        } else {
            column[6] = keptFront;
        }
        return column;
    }

    LayoutGuard m_layout{GetParam()};
    int m_format;
    std::vector<uint16_t> m_pixels;
    PixelSurface m_surface;
    uint16_t m_ground = 0;
    uint16_t m_colours[256] = {};
    SDL_Color m_palette[256] = {};
    std::vector<uint8_t> m_indices;
    ClipSprite m_sprite;
    ClipMap m_map;
    FixedView m_view{Vector(90, 20, 0)};
};

// At full opacity: rows above the span written, rows behind it blended at level 15, the
// span's own last row written again; the kept index at level 15 in front and 3 behind.
TEST_P(ClipDrawing, SpansInFrontOfTheBaseLineShowTheSpriteFaintly) {
    m_map.DrawSprite(m_surface, m_view, m_sprite, 15, 255); // base line: map row 35
    const uint16_t plain = m_colours[kPlain];
    EXPECT_EQ(Column(10),
              Expected(plain, Blend(kKept, 15), Blend(kPlain, 15), Blend(kKept, 3), true));
    const std::vector<uint16_t> whole = Expected(plain, Blend(kKept, 15), 0, 0, false);
    std::vector<uint16_t> plainColumn(kSpriteHeight, plain);
    EXPECT_EQ(Column(11), plainColumn); // the span's base lies above the base line
    EXPECT_EQ(Column(12), plainColumn); // spans above and below the sprite
    EXPECT_EQ(At(9, 10), m_ground);
    EXPECT_EQ(At(13, 10), m_ground);
    EXPECT_EQ(At(10, kSpriteY + kSpriteHeight), m_ground);

    // A base line below every span's base: drawn whole.
    std::fill(m_pixels.begin(), m_pixels.end(), m_ground);
    m_map.DrawSprite(m_surface, m_view, m_sprite, 21, 255); // map row 41
    EXPECT_EQ(Column(10), whole);
}

TEST_P(ClipDrawing, OtherOpacitiesBlendEveryPixel) {
    m_map.DrawSprite(m_surface, m_view, m_sprite, 15, 100); // 12 and 3; behind 6 and 1
    EXPECT_EQ(Column(10), Expected(Blend(kPlain, 12), Blend(kKept, 3), Blend(kPlain, 6),
                                   Blend(kKept, 1), true));
    // A kept index that is the transparent one gets no treatment: it is never drawn.
    std::fill(m_pixels.begin(), m_pixels.end(), m_ground);
    m_sprite.keptIndex = kTransparent;
    m_map.DrawSprite(m_surface, m_view, m_sprite, 15, 255);
    EXPECT_EQ(Column(10)[1], m_colours[kKept]);
}

// Sprites off the map's left or right edge, or with the view before the map's corner, find
// no spans in those columns.
TEST_P(ClipDrawing, ColumnsOutsideTheMapHaveNoSpans) {
    const std::vector<uint16_t> whole = Expected(m_colours[kPlain], Blend(kKept, 15), 0, 0, false);
    for (Vector offset : {Vector(-100, 20, 0), Vector(-11, 20, 0), Vector(189, 20, 0),
                          Vector(1e9f, 20, 0), Vector(NAN, NAN, 0)}) {
        std::fill(m_pixels.begin(), m_pixels.end(), m_ground);
        m_map.DrawSprite(m_surface, FixedView(offset), m_sprite, 15, 255);
        EXPECT_EQ(Column(10), whole) << offset.x;
    }
}

TEST_P(ClipDrawing, OnlyTheClipRectangleIsDrawn) {
    g_clipRect = Rect{11, 8, 40, 40};
    m_map.DrawSprite(m_surface, m_view, m_sprite, 15, 255);
    EXPECT_EQ(At(10, 9), m_ground);
    EXPECT_EQ(At(11, 7), m_ground);
    // The cut sprite still meets the span at the same map rows.
    EXPECT_EQ(At(11, 9), m_colours[kPlain]);
    g_clipRect = Rect{11, 8, 40, 40};
    std::fill(m_pixels.begin(), m_pixels.end(), m_ground);
    m_map.DrawGlow(m_surface, m_view, m_sprite);
    EXPECT_EQ(At(10, 9), m_ground);

    g_clipRect = Rect{20, 0, 40, 40}; // wholly outside
    std::fill(m_pixels.begin(), m_pixels.end(), m_ground);
    m_map.DrawSprite(m_surface, m_view, m_sprite, 15, 255);
    EXPECT_EQ(std::count(m_pixels.begin(), m_pixels.end(), m_ground), kSurfaceSide * kSurfaceSide);
}

// The glow draws only colours brighter than half, (max + min / 2) / 255, blended by that
// brightness; a quarter as strong behind spans in front of the sprite's bottom edge.
TEST_P(ClipDrawing, TheGlowDrawsBrightColoursByTheirBrightness) {
    m_palette[kPlain] = SDL_Color{100, 100, 100, 0}; // 150 / 255: level 18, behind 37 / 8
    m_palette[kKept] = SDL_Color{80, 80, 80, 0};     // 120 / 255: not drawn
    m_map.DrawGlow(m_surface, m_view, m_sprite);
    std::vector<uint16_t> column(kSpriteHeight, Blend(kPlain, 18));
    column[0] = column[1] = column[6] = m_ground;
    column[5] = column[7] = Blend(kPlain, 4);
    EXPECT_EQ(Column(10), column); // the span's base 40 is at or below the bottom edge, 37
    EXPECT_EQ(Column(11), std::vector<uint16_t>(kSpriteHeight, Blend(kPlain, 18))); // base 34

    m_palette[kPlain] = SDL_Color{255, 255, 250, 0}; // 380 / 255: held at 255, level 31
    std::fill(m_pixels.begin(), m_pixels.end(), m_ground);
    m_map.DrawGlow(m_surface, m_view, m_sprite);
    EXPECT_EQ(At(11, 6), Blend(kPlain, 31));
}

// The player's frame goes where its own drawing puts it, in the colours of its table.
TEST_P(ClipDrawing, AnAnimationFrameIsDrawnWhereThePlayerDrawsIt) {
    if (m_format != kPixelFormat565)
        GTEST_SKIP() << "compared with SDL's 5-6-5 blit";
    testsupport::ScopedDataRoot root;
    testsupport::WriteAni(root, "Hero", "walk", 24, 8, 100);
    UniAnimationMgr pool;
    AnimationMgr player;
    player.SetAnimationName("Hero");
    ASSERT_TRUE(player.SetAnimation("walk", pool));
    player.SetSequence(1);
    player.SetFrame(1);
    ASSERT_TRUE(player.Update());
    player.SetScreenPosition(3, 2);

    ClipMap empty;
    SurfacePtr target(SDL_CreateRGBSurface(SDL_SWSURFACE, kSurfaceSide, kSurfaceSide, 16, 0xF800,
                                           0x07E0, 0x001F, 0));
    SDL_FillRect(target.get(), nullptr, m_ground);
    player.DrawSurface(target.get(), 3, 2);
    std::fill(m_pixels.begin(), m_pixels.end(), m_ground);
    empty.DrawClipped(m_surface, m_view, player, 0, 255);
    int drawn = 0;
    for (int y = 0; y < kSurfaceSide; ++y)
        for (int x = 0; x < kSurfaceSide; ++x) {
            const uint16_t expected =
                static_cast<const uint16_t*>(target->pixels)[y * target->pitch / 2 + x];
            ASSERT_EQ(At(x, y), expected) << x << ", " << y;
            drawn += expected != m_ground;
        }
    EXPECT_GT(drawn, 10);

    AnimationMgr none;
    empty.DrawClipped(m_surface, m_view, none, 0, 255); // nothing to show
    empty.DrawClipped2(m_surface, m_view, none);
}

// A 16-bit image at the sprite's place meets the same spans, whether its pixels are plain
// or run-length rows; its key colour is never drawn.
TEST_P(ClipDrawing, AnImageIsDrawnThroughTheSpansAtItsOwnPlace) {
    Graphic image;
    ASSERT_TRUE(image.Create(kSpriteWidth, kSpriteHeight));
    image.ClearToKey();
    for (int y = 0; y < kSpriteHeight; ++y)
        for (int x = 0; x < kSpriteWidth; ++x)
            if (x || y)
                image.SetPixel(x, y, m_colours[kPlain]);
    image.SetPosition(kSpriteX, kSpriteY);
    std::vector<uint16_t> column(kSpriteHeight, m_colours[kPlain]);
    column[0] = m_ground;
    column[5] = column[6] = column[7] = Blend(kPlain, 15);
    for (bool encoded : {false, true}) {
        ASSERT_TRUE(!encoded || image.Encode());
        std::fill(m_pixels.begin(), m_pixels.end(), m_ground);
        m_map.DrawGraphicClipped(m_surface, m_view, image, 15, 255);
        EXPECT_EQ(Column(10), column) << encoded;
        EXPECT_EQ(Column(11), std::vector<uint16_t>(kSpriteHeight, m_colours[kPlain]));
    }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, ClipDrawing,
                         ::testing::Values(kPixelFormat555, kPixelFormat565));

} // namespace
