#include "Library/geometry/map_view.h"

#include "Library/geometry/my_poly.h"
#include "Library/geometry/segment.h"
#include "Library/geometry/vert2d.h"
#include "Library/geometry/vertex_array.h"
#include "Library/graphics/screen_fixture.h"

#include <cmath>

namespace {

// The area map's 16 x 12 pixel tiles, the view shifted by (8, 6) pixels.
class TestView : public MapView {
public:
    Vector GetPixelsPerUnit() const override { return Vector(16.0f, 12.0f, 0.0f); }
    Vector GetViewOffset() const override { return Vector(8.0f, 6.0f, 0.0f); }
};

TEST(MapView, RoundToPixelGoesHalfAwayFromZero) {
    for (const auto& [value, pixel] :
         {std::pair{2.5f, 3}, {-2.5f, -3}, {1.4f, 1}, {std::nanf(""), 0}, {-1e20f, -1000000000}})
        EXPECT_EQ(RoundToPixel(value), pixel) << value;
    int x = 0, y = 0;
    WorldToPixel(TestView(), Vector(1.5f, 2.25f, 9.0f), x, y);
    EXPECT_EQ(x * 100 + y, 1621);
}

TEST_F(ScreenTest, WorldShapesDrawThroughTheView) {
    const TestView view;
    ClearTo(0);
    MyPoly square(4);
    square.SetVertex(0, Vector(1.0f, 1.0f, 0.0f));
    square.SetVertex(1, Vector(3.0f, 1.0f, 0.0f));
    square.SetVertex(2, Vector(3.0f, 3.0f, 0.0f));
    square.SetVertex(3, Vector(1.0f, 3.0f, 0.0f));
    square.Draw(*m_screen, view);
    // The outline of pixels (8, 6) to (40, 30), both ends included.
    EXPECT_EQ(CountPixels(0xFFFF), 2 * 33 + 2 * 25 - 4);
    EXPECT_EQ(PixelAt(40, 30), 0xFFFF);

    ClearTo(0);
    const Vector fan[] = {Vector(1.0f, 1.0f, 0.0f), Vector(3.0f, 1.0f, 0.0f),
                          Vector(1.0f, 3.0f, 0.0f)};
    VertexArray(fan, 3).DrawFan(*m_screen, view);
    EXPECT_EQ(CountPixels(0xFFFF), 33 + 25 - 1);
    VertexArray(fan, 3).DrawClosed(*m_screen, view);
    EXPECT_EQ(PixelAt(24, 18), 0xFFFF); // the closing diagonal

    ClearTo(0);
    Segment segment;
    segment.Set(Vector(1.0f, 20.0f, 0.0f), Vector(3.0f, 20.0f, 0.0f));
    segment.DebugDraw(*m_screen, view);
    EXPECT_EQ(PixelAt(24, 6), 0xFFFF); // the normal reaches up from the middle
    EXPECT_EQ(PixelAt(40, 234), 0xFFFF);
}

TEST_F(ScreenTest, WireframeDrawsInItsOwnColourAndSkipsBadLines) {
    ClearTo(0);
    const Vertex2d vertices[] = {{0.0f, 0.0f}, {10.0f, 0.0f}};
    const uint32_t lines[] = {0, 1, 1, 7};
    Vert2d shape;
    shape.Set(vertices, 2, lines, 2);
    shape.SetColour(0x1234);
    shape.Transform();
    shape.Draw(*m_screen, 100, 50);
    EXPECT_EQ(m_screen->GetDrawColour(), 0x1234);
    EXPECT_EQ(CountPixels(0x1234), 11);
    EXPECT_EQ(PixelAt(110, 50), 0x1234);
}

} // namespace
