#include "Library/graphics/screen.h"

#include "Library/graphics/blit_state.h"
#include "Library/graphics/pixel_format.h"
#include "Library/graphics/span.h"
#include "platform/win_rand.h"
#include "screen_fixture.h"

#include <cstdlib>
#include <set>
#include <utility>

namespace {

TEST_F(ScreenTest, StraightLinesIncludeBothEndsAndFillsExcludeTheFarEdges) {
    EXPECT_EQ(g_pixelFormat, kPixelFormat565);
    // A new screen starts clipped to one less than its size, images and shapes alike.
    EXPECT_EQ(g_clipRect, (Rect{0, 0, 799, 599}));
    EXPECT_EQ(g_graphicClipRect, (Rect{0, 0, 799, 599}));
    ClearTo(0);
    m_screen->DrawLine(0, 599, 799, 0);
    EXPECT_EQ(PixelAt(799, 0) | PixelAt(0, 599), 0);
    m_screen->SetClipRect(-5, -5, 900, 700); // cut to the surface
    EXPECT_EQ(g_clipRect.x1 + g_clipRect.x2 + g_clipRect.y2, 1400);
    ClearTo(0);
    m_screen->DrawLine(20, 5, 10, 5);
    EXPECT_EQ(CountPixels(0xFFFF), 11);
    EXPECT_EQ(PixelAt(10, 5) & PixelAt(20, 5), 0xFFFF);
    m_screen->SetClipRect(100, 100, 200, 200);
    m_screen->DrawLine(10, 150, 90, 150); // wholly left of the clip
    m_screen->DrawLine(150, 0, 150, 99);  // wholly above
    EXPECT_EQ(CountPixels(0xFFFF), 11);

    ClearTo(0);
    m_screen->SetClipRect(0, 0, 800, 600);
    m_screen->FillRect(10, 10, 0, 0);
    EXPECT_EQ(CountPixels(0xFFFF), 100);
    EXPECT_EQ(PixelAt(9, 9), 0xFFFF);
    ClearTo(0);
    m_screen->SetClipRect(5, 5, 8, 20);
    m_screen->FillRect(0, 0, 10, 10);
    EXPECT_EQ(CountPixels(0xFFFF), 15);
}

// The whole line by Bresenham's algorithm, keeping the pixels inside the clip.
std::set<std::pair<int, int>> BruteForceLine(int x1, int y1, int x2, int y2, const Rect& clip) {
    std::set<std::pair<int, int>> pixels;
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    const int sx = x2 < x1 ? -1 : 1, sy = y2 < y1 ? -1 : 1;
    const bool xMajor = dx >= dy;
    const int length = xMajor ? dx : dy, delta = xMajor ? dy : dx;
    int x = x1, y = y1;
    long decision = 2L * delta - length;
    for (int i = 0; i <= length; ++i) {
        if (x >= clip.x1 && x < clip.x2 && y >= clip.y1 && y < clip.y2)
            pixels.insert({x, y});
        if (decision > 0) {
            (xMajor ? y : x) += xMajor ? sy : sx;
            decision -= 2L * length;
        }
        decision += 2L * delta;
        (xMajor ? x : y) += xMajor ? sx : sy;
    }
    return pixels;
}

TEST_F(ScreenTest, FarOutsideLinesClipToTheWholeLinesPixels) {
    platform::SeedRand(5);
    auto coordinate = [] { return platform::Rand() % 24000 - 12000; };
    const Rect clip{37, 23, 613, 411};
    int drawnLines = 0;
    for (int line = 0; line < 300; ++line) {
        ClearTo(0);
        m_screen->SetClipRect(clip.x1, clip.y1, clip.x2, clip.y2);
        int x1 = coordinate(), y1 = coordinate(), x2 = coordinate(), y2 = coordinate();
        if (line % 3 == 0) { // aim a third through the clip so most of those cross it
            x2 = 300 + (300 - x1) * (line % 5 + 1) / 2;
            y2 = 200 + (200 - y1) * (line % 5 + 1) / 2;
        }
        m_screen->DrawLine(x1, y1, x2, y2);
        const auto drawn = DrawnPixels();
        ASSERT_EQ(drawn, BruteForceLine(x1, y1, x2, y2, clip))
            << x1 << "," << y1 << " to " << x2 << "," << y2;
        drawnLines += !drawn.empty();
    }
    EXPECT_GT(drawnLines, 90);
}

// From x1 << 16, n = |dx| + |dy| - min / 2 steps of (d << 16) / n, truncated: a line walked
// forward can stop a pixel short of its end; walked back it reaches it.
TEST_F(ScreenTest, FixedPointLinesWalkFromTheFirstEndAndStayInsideTheClip) {
    using Pixels = std::set<std::pair<int, int>>;
    const struct {
        int x1, y1, x2, y2;
        Pixels pixels;
    } lines[] = {
        {10, 10, 14, 11, {{10, 10}, {11, 10}, {12, 10}, {13, 10}}}, // shallow
        {14, 11, 10, 10, {{14, 11}, {13, 10}, {12, 10}, {11, 10}, {10, 10}}},
        {20, 20, 21, 24, {{20, 20}, {20, 21}, {20, 22}, {20, 23}}}, // steep
        {21, 24, 20, 20, {{21, 24}, {20, 23}, {20, 22}, {20, 21}, {20, 20}}},
        {30, 30, 33, 32, {{30, 30}, {31, 31}, {32, 31}, {33, 32}}},
        {40, 40, 40, 40, {{40, 40}}},
    };
    for (const auto& line : lines) {
        ClearTo(0);
        m_screen->DrawLineFixed(line.x1, line.y1, line.x2, line.y2);
        EXPECT_EQ(DrawnPixels(), line.pixels) << line.x1 << "," << line.y1;
    }

    ClearTo(0);
    m_screen->SetClipRect(100, 100, 300, 300);
    m_screen->DrawLineFixed(-500, -400, 900, 700);
    EXPECT_GT(CountInked(100, 100, 300, 300), 150);
    EXPECT_EQ(CountInked(0, 0, 800, 600), CountInked(100, 100, 300, 300));
}

TEST_F(ScreenTest, BoxesBlendTheDrawingColourWithinTheClip) {
    const uint16_t background = 0x1234;
    const uint16_t colour = 0xFFFF;
    m_screen->SetClipRect(0, 0, 800, 600);
    m_screen->SetDrawColour(colour);
    const FillSpanFunc spans[] = {ShadeSpan565, HalfBoxSpan565, TintBoxSpan565};
    for (int mode = 0; mode < 3; ++mode) {
        ClearTo(background);
        m_screen->DrawBox(mode, 790, 590, 900, 700);
        uint16_t expected = background;
        spans[mode](&expected, colour, 1);
        EXPECT_EQ(CountPixels(expected), 100);
    }
    ClearTo(background);
    m_screen->DrawBox(4, 0, 0, 10, 10);
    m_screen->DrawBox(-1, 0, 0, 10, 10);
    EXPECT_EQ(CountPixels(background), 800 * 600);
    m_screen->DrawBox(3, 0, 0, 10, 10);
    EXPECT_EQ(CountPixels(colour), 100);
}

TEST_F(ScreenTest, SpansAndPointerGlyphClampToTheSurfaceNotTheClip) {
    ClearTo(0);
    m_screen->SetClipRect(100, 100, 200, 200);
    m_screen->HorizontalSpan(0, 810, -20); // x 0..799
    m_screen->VerticalSpan(799, 590, 700); // y 590..599
    m_screen->HorizontalSpan(600, 0, 10);  // below the surface
    EXPECT_EQ(CountPixels(0xFFFF), 800 + 10);
    ClearTo(0);
    m_screen->DrawPointerGlyph(900, 900); // clamped to (799, 599): one column, one row
    EXPECT_EQ(CountPixels(0xFFFF), 1);
}

TEST_F(ScreenTest, FontsOpenFromTheDataRootAndFailWhenMissing) {
    EXPECT_FALSE(m_screen->OpenFonts());
    InstallFont();
    ASSERT_TRUE(m_screen->OpenFonts());
    const int width = m_screen->TextWidth("abcd");
    EXPECT_GT(width, 0);
    m_screen->SetFont(7); // no such font: the current one stays
    EXPECT_EQ(m_screen->TextWidth("abcd"), width);

    ClearTo(0);
    m_screen->SetClipRect(0, 0, 800, 600);
    m_screen->Printf(10, 10, "%s", std::string(5000, 'W').c_str()); // cut, not overrun
    m_screen->SetFont(1);                                           // black on black
    EXPECT_GT(800 * 600 - CountPixels(0), 100);
}

} // namespace
