#include "Library/graphics/ellipse_shape.h"

#include "screen_fixture.h"

#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace {

using Pixels = std::set<std::pair<int, int>>;

class EllipseTest : public ScreenTest {
protected:
    Pixels Draw(const EllipseShape& shape, int quadrants = kEllipseWhole) {
        ClearTo(0);
        DrawEllipseQuadrants(shape, quadrants, m_screen.get());
        return DrawnPixels();
    }
};

// True when every pixel reaches the others through its eight neighbours.
bool Connected(Pixels unreached) {
    std::vector<std::pair<int, int>> next = {*unreached.begin()};
    while (!next.empty()) {
        const auto [x, y] = next.back();
        next.pop_back();
        for (int d = 0; d < 9; ++d)
            if (unreached.erase({x + d % 3 - 1, y + d / 3 - 1}))
                next.push_back({x + d % 3 - 1, y + d / 3 - 1});
    }
    return unreached.empty();
}

EllipseShape Centred(double rx, double ry) {
    return EllipseShape{1, 400, 300, rx, ry};
}

TEST_F(EllipseTest, OutlinesAreConnectedSymmetricNearTheCurveAndTheQuadrantsMakeTheWhole) {
    m_screen->SetClipRect(0, 0, 800, 600);
    for (const EllipseShape& shape :
         {Centred(10, 10), Centred(239.6, 5), Centred(3, 280), Centred(57.3, 31.8), Centred(8, 8),
          Centred(17, 17), Centred(239, 239), Centred(1, 23), Centred(23, 1), Centred(30, 0)}) {
        const Pixels whole = Draw(shape);
        EXPECT_TRUE(Connected(whole)) << shape.radiusX << "x" << shape.radiusY;
        const double a = std::floor(shape.radiusX + 0.5001), b = std::floor(shape.radiusY + 0.5001);
        for (const auto& [x, y] : whole) {
            ASSERT_TRUE(whole.count({2 * 400 - x, y}) && whole.count({x, 2 * 300 - y}))
                << a << "x" << b << " at " << x << "," << y;
            // Within a pixel of the curve along the pixel's row or column.
            const double dx = std::fabs(x - 400.0), dy = std::fabs(y - 300.0);
            const bool nearRow =
                dy <= b && std::fabs(dx - a * std::sqrt(1 - dy * dy / (b * b))) < 1;
            const bool nearColumn =
                dx <= a && std::fabs(dy - b * std::sqrt(1 - dx * dx / (a * a))) < 1;
            ASSERT_TRUE(nearRow || nearColumn) << a << "x" << b << " at " << x << "," << y;
        }
        Pixels quadrants;
        for (int bit :
             {kEllipseTopLeft, kEllipseTopRight, kEllipseBottomLeft, kEllipseBottomRight}) {
            const Pixels part = Draw(shape, bit);
            const bool left = bit & (kEllipseTopLeft | kEllipseBottomLeft);
            const bool top = bit & (kEllipseTopLeft | kEllipseTopRight);
            for (const auto& [x, y] : part)
                ASSERT_TRUE((x <= 400) == left && (y <= 300) == top)
                    << bit << ": " << x << "," << y;
            quadrants.insert(part.begin(), part.end());
        }
        EXPECT_EQ(quadrants, whole) << a << "x" << b;
    }
    EXPECT_EQ(Draw(Centred(0, 0)), (Pixels{{400, 300}}));
    EXPECT_EQ(Draw(Centred(-1.2, 0)), (Pixels{{399, 300}, {400, 300}, {401, 300}}));
    EXPECT_TRUE(Draw(EllipseShape{0, 400, 300, 20, 20}).empty());
    EXPECT_TRUE(Draw(Centred(NAN, 5)).empty());
    DrawEllipse(Centred(20, 20), nullptr);
}

TEST_F(EllipseTest, PixelsOutsideTheClipAreLeftAlone) {
    m_screen->SetClipRect(0, 0, 800, 600);
    const EllipseShape shape{1, 380, 290, 200, 150};
    const Pixels whole = Draw(shape);
    const Rect clip{250, 180, 500, 400};
    m_screen->SetClipRect(clip.x1, clip.y1, clip.x2, clip.y2);
    Pixels expected;
    for (const auto& [x, y] : whole)
        if (x >= clip.x1 && x < clip.x2 && y >= clip.y1 && y < clip.y2)
            expected.insert({x, y});
    EXPECT_EQ(Draw(shape), expected);
    m_screen->SetClipRect(0, 0, 800, 600);
    EXPECT_FALSE(Draw(EllipseShape{1, -30, 620, 200, 100}).empty()); // centre off the screen
}

} // namespace
