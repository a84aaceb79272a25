#include "Library/graphics/triangle.h"

#include "platform/win_rand.h"
#include "screen_fixture.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

struct P {
    long x, y;
};

// The filled columns [left, right) of row y, by exact arithmetic: from the truncated left
// edge to the truncated right edge plus a half, the long edge bending at the middle row to
// its truncated split point; the bottom row is left to the outline.
std::pair<long, long> FillRow(const P v[3], long y) {
    if ((v[0].x == v[1].x && v[1].x == v[2].x) || y < v[0].y || y >= v[2].y)
        return {0, 0};
    const long height = v[2].y - v[0].y;
    const P split{(v[0].x * height + (v[2].x - v[0].x) * (v[1].y - v[0].y)) / height, v[1].y};
    const bool upper = y < v[1].y;
    auto at = [y](P s, P e) { // numerator and denominator of the edge's x at row y
        return std::pair{s.x * (e.y - s.y) + (e.x - s.x) * (y - s.y), e.y - s.y};
    };
    auto [n1, d1] = at(upper ? v[0] : split, upper ? split : v[2]);
    auto [n2, d2] = at(upper ? v[0] : v[1], upper ? v[1] : v[2]);
    if (n1 * d2 > n2 * d1)
        std::swap(n1, n2), std::swap(d1, d2);
    return {n1 / d1, (2 * n2 + d2) / (2 * d2)};
}

TEST_F(ScreenTest, TrianglesFillLikeTheExactReferenceAndOutlineInRed) {
    const uint16_t white = 0xFFFF, red = 0xF800;
    std::vector<std::array<int16_t, 6>> cases = {
        {100, 50, 300, 50, 200, 250},  // flat top
        {200, 40, 90, 240, 310, 240},  // flat bottom
        {10, 10, 400, 10, 600, 10},    // one row: only the outline
        {50, 10, 50, 300, 50, 100},    // one column
        {-80, -60, 500, 120, 90, 700}, // over the screen's corner
        {0, 0, 30, 10, 60, 20},        // collinear
    };
    platform::SeedRand(3);
    for (int i = 0; i < 40; ++i) {
        auto c = [](int range) { return static_cast<int16_t>(platform::Rand() % range - 100); };
        cases.push_back({c(1000), c(800), c(1000), c(800), c(1000), c(800)});
    }
    for (const auto& points : cases) {
        P v[3] = {{points[0], points[1]}, {points[2], points[3]}, {points[4], points[5]}};
        std::stable_sort(v, v + 3, [](P l, P r) { return l.y < r.y; });
        for (const Rect& clip : {Rect{0, 0, 800, 600}, Rect{130, 70, 520, 410}}) {
            m_screen->SetClipRect(clip.x1, clip.y1, clip.x2, clip.y2);
            ClearTo(0);
            m_screen->SetDrawColour(red);
            m_screen->DrawLine(v[0].x, v[0].y, v[1].x, v[1].y);
            m_screen->DrawLine(v[0].x, v[0].y, v[2].x, v[2].y);
            m_screen->DrawLine(v[2].x, v[2].y, v[1].x, v[1].y);
            uint16_t* pixels = m_screen->GetSurface().pixels;
            std::vector<uint16_t> expected(pixels, pixels + 800 * 600);
            for (long y = clip.y1; y < clip.y2; ++y) {
                const auto [left, right] = FillRow(v, y);
                for (long x = std::max<long>(left, clip.x1); x < std::min<long>(right, clip.x2);
                     ++x)
                    expected[y * 800 + x] = expected[y * 800 + x] ? red : white;
            }
            ClearTo(0);
            DrawTriangle(*m_screen, Triangle{{&points[0], &points[2], &points[4]}});
            EXPECT_EQ(m_screen->GetDrawColour(), red);
            const long first =
                std::mismatch(expected.begin(), expected.end(), pixels).first - expected.begin();
            ASSERT_EQ(first, 800 * 600) << points[0] << "," << points[1] << " " << points[2] << ","
                                        << points[3] << " " << points[4] << "," << points[5]
                                        << " differ at " << first % 800 << "," << first / 800;
        }
    }
}

} // namespace
