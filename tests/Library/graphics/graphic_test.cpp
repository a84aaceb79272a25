#include "Library/graphics/graphic.h"

#include "Library/graphics/blit_state.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/colour_offset.h"
#include "Library/graphics/encoded_rows.h"
#include "Library/graphics/pixel_format.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/tinted_graphic.h"
#include "layout_guard.h"
#include "platform/win_rand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// A memory surface standing in for the screen.
struct Canvas {
    Canvas(int width, int height, uint16_t fill)
        : pixels(static_cast<size_t>(width) * height, fill) {
        surface.pixels = pixels.data();
        surface.width = surface.pitch = width;
        surface.height = height;
    }
    uint16_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * surface.width + x]; }
    std::vector<uint16_t> pixels;
    PixelSurface surface;
};

std::vector<uint16_t> Encoded(const std::vector<uint16_t>& row) {
    const int width = static_cast<int>(row.size());
    long length = 0;
    const std::unique_ptr<uint16_t[]> rows =
        EncodeRows(row.data(), width, width, 1, g_encodingKey, length);
    return std::vector<uint16_t>(rows.get(), rows.get() + length);
}

class GraphicDraw : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { platform::SeedRand(3); }
    void TearDown() override { g_clipRect = Rect(); }
    // A keyed sprite with a transparent row, a raw row and ragged runs.
    void MakeSprite(Graphic& keyed, Graphic& encoded, int width, int height) {
        ASSERT_TRUE(keyed.Create(width, height));
        keyed.ClearToKey();
        ASSERT_TRUE(encoded.Create(width, height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const bool opaque = y == 1 || (y != 0 && platform::Rand() % 5 < 3);
                const uint16_t value = static_cast<uint16_t>(platform::Rand() * 2 + 1) &
                                       (g_pixelFormat == kPixelFormat555 ? 0x7FFF : 0xFFFF);
                if (opaque && value != g_colourKey)
                    keyed.SetPixel(x, y, value);
            }
        std::copy_n(keyed.GetData(), width * height, encoded.GetSurface().pixels);
        ASSERT_TRUE(encoded.Encode());
    }
    static Canvas RandomCanvas(int width, int height) {
        Canvas canvas(width, height, 0);
        for (auto& p : canvas.pixels)
            p = static_cast<uint16_t>(platform::Rand() * 2) &
                (g_pixelFormat == kPixelFormat555 ? 0x7FFF : 0xFFFF);
        return canvas;
    }

    LayoutGuard m_layout{GetParam()};
    BlitStateScope m_blitState;
};

TEST_P(GraphicDraw, RowsEncodeAsRawRunsOrNothing) {
    const uint16_t k = g_encodingKey, a = 0x1111, b = 0x2222;
    EXPECT_EQ(Encoded({k, k, k}), (std::vector<uint16_t>{0}));
    EXPECT_EQ(Encoded({a, b, a}), (std::vector<uint16_t>{1, a, b, a}));
    EXPECT_EQ(Encoded({k, k, a, b, k}), (std::vector<uint16_t>{2, 2, 2, a, b}));
    EXPECT_EQ(Encoded({a, k, b, b}), (std::vector<uint16_t>{3, 0, 1, a, 1, 2, b, b}));

    // Cropped to its opaque part an encoded image stays encoded.
    Graphic graphic;
    ASSERT_TRUE(graphic.Create(5, 2));
    graphic.ClearToKey();
    graphic.SetPixel(2, 1, a);
    graphic.SetPixel(3, 1, b);
    for (const auto& [x, y] : {std::pair{5, 0}, {-1, 1}, {0, 2}, {0, -1}}) // off the image
        graphic.SetPixel(x, y, a);
    EXPECT_EQ(std::count(graphic.GetData(), graphic.GetData() + 10, k), 8);
    ASSERT_TRUE(graphic.Encode());
    EXPECT_TRUE(graphic.IsOpaqueAt(2, 1));
    EXPECT_FALSE(graphic.IsOpaqueAt(4, 1) || graphic.IsOpaqueAt(2, 0) || graphic.IsOpaqueAt(-1, 1));
    int x, y;
    ASSERT_TRUE(graphic.CropToOpaque(x, y));
    EXPECT_EQ(x * 10 + y, 21);
    EXPECT_EQ(graphic.GetWidth() * 10 + graphic.GetHeight(), 21);
    EXPECT_EQ(std::vector<uint16_t>(graphic.GetData(), graphic.GetData() + 3),
              (std::vector<uint16_t>{1, a, b}));
}

// Both forms of the same sprite draw alike wherever they are clipped.
TEST_P(GraphicDraw, EncodedAndKeyedSpritesDrawTheSameInEveryMode) {
    Graphic keyed, encoded;
    MakeSprite(keyed, encoded, 23, 17);
    const Colour recolours[7] = {{255, 0, 0},  {0, 255, 0}, {0, 0, 255},   {9, 9, 9},
                                 {50, 60, 70}, {1, 2, 3},   {200, 100, 50}};
    const std::vector<std::function<void()>> modes = {
        [] { Graphic::SetBlitMode(0); },
        [] { Graphic::SetBlitMode(1); },
        [] {
            Graphic::SetBlitModeColour(2, ColourOffset{5, -7, 3});
        },
        [] { Graphic::SetBlitModeLevel(3, 150); },
        [&] { Graphic::SetBlitModeRecolour(4, recolours); },
        [&] { Graphic::SetBlitModeRgb(5, Colour::Unpack16(keyed.GetData()[23 + 4])); },
        [&] { Graphic::SetBlitModeRgb(6, Colour::Unpack16(keyed.GetData()[23 + 4])); },
        [] { Graphic::SetBlitModeRgb(7, Colour(200, 150, 20)); },
        [] { Graphic::SetBlitMode(12); },
    };
    const Rect clips[] = {{10, 8, 60, 40}, {15, 12, 30, 22}};
    const int places[][2] = {{2, 20}, {50, 20}, {20, -5}, {20, 35}, {20, 15}, {9, 7}, {-30, 0}};
    for (size_t mode = 0; mode < modes.size(); ++mode) {
        bool drew = false;
        for (const Rect& clip : clips)
            for (const auto& place : places) {
                modes[mode]();
                g_graphicClipRect = clip;
                Canvas fromKeyed = RandomCanvas(70, 50);
                Canvas fromEncoded = fromKeyed;
                fromEncoded.surface.pixels = fromEncoded.pixels.data();
                const std::vector<uint16_t> before = fromKeyed.pixels;
                keyed.Draw(fromKeyed.surface, place[0], place[1]);
                encoded.Draw(fromEncoded.surface, place[0], place[1]);
                ASSERT_EQ(fromKeyed.pixels, fromEncoded.pixels)
                    << "mode " << mode << " at " << place[0] << "," << place[1];
                drew |= fromKeyed.pixels != before;
                for (int i = 0; i < 70 * 50; ++i) {
                    const int x = i % 70, y = i / 70;
                    if (x < clip.x1 || x >= clip.x2 || y < clip.y1 || y >= clip.y2) {
                        ASSERT_EQ(fromKeyed.pixels[i], before[i]) << x << "," << y;
                    }
                }
            }
        EXPECT_TRUE(drew) << "mode " << mode;
    }

    // Blends draw only encoded images.
    g_graphicClipRect = Rect{0, 0, 70, 50};
    for (int mode : {8, 9, 10}) {
        Graphic::SetBlitMode(mode);
        Canvas canvas = RandomCanvas(70, 50);
        const std::vector<uint16_t> before = canvas.pixels;
        keyed.Draw(canvas.surface, 5, 5);
        EXPECT_EQ(canvas.pixels, before);
        encoded.Draw(canvas.surface, 5, 5);
        EXPECT_NE(canvas.pixels, before);
    }
}

TEST_P(GraphicDraw, MirroredDrawingReversesWholeRows) {
    Graphic keyed, encoded;
    MakeSprite(keyed, encoded, 9, 4);
    Graphic::SetBlitMode(1);
    g_graphicClipRect = Rect{0, 0, 20, 10};
    Canvas canvas(20, 10, 0);
    keyed.Draw(canvas.surface, 3, 2);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 9; ++x) {
            const uint16_t source = keyed.GetData()[y * 9 + 8 - x];
            EXPECT_EQ(canvas.At(3 + x, 2 + y), source == g_colourKey ? 0 : source);
        }
}

TEST_P(GraphicDraw, RegionsAndPlainImagesClipToTheImageAndTheClip) {
    Graphic plain;
    ASSERT_TRUE(plain.Create(4, 3));
    for (int i = 0; i < 12; ++i)
        plain.SetPixel(i % 4, i / 4, static_cast<uint16_t>(i + 1));
    g_graphicClipRect = Rect{0, 0, 10, 10};
    Graphic::SetBlitMode(0);
    Canvas canvas(10, 10, 0);
    plain.DrawRegion(canvas.surface, 2, 1, 50, 50, 5, 5); // reaches past the image
    EXPECT_EQ(canvas.At(5, 5), 7);
    EXPECT_EQ(canvas.At(6, 6), 12);
    EXPECT_EQ(std::count(canvas.pixels.begin(), canvas.pixels.end(), 0), 100 - 4);

    // The clip rectangle may reach past a small surface: drawing stays inside it.
    g_graphicClipRect = Rect{0, 0, 640, 480};
    plain.Draw(canvas.surface, 8, 8);
    EXPECT_EQ(canvas.At(9, 9), 6);
}

TEST_P(GraphicDraw, OutlineCirclesTheRunsInTheScreensColour) {
    Graphic square;
    ASSERT_TRUE(square.Create(3, 3));
    square.Fill(0x1234);
    ASSERT_TRUE(square.Encode());
    Graphic::SetBlitMode(11);
    g_clipRect = Rect{0, 0, 30, 30};
    Canvas canvas(30, 30, 0);
    square.Draw(canvas.surface, 10, 10);
    // A white ring one pixel outside the square, its corners left out.
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 30; ++x) {
            const bool column = x >= 10 && x <= 12, row = y >= 10 && y <= 12;
            const bool ring = (column && (y == 9 || y == 13)) || (row && (x == 9 || x == 13));
            ASSERT_EQ(canvas.At(x, y), ring ? 0xFFFF : 0) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, GraphicDraw,
                         ::testing::Values(kPixelFormat555, kPixelFormat565));

} // namespace
