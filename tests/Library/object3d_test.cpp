#include "Library/object3d_level5.h"

#include "Library/triangle.h"
#include "Library/vert2d.h"
#include "screen_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kPi = 3.14159265f;

void ExpectNear(const Vector& actual, const Vector& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

TEST(Object3d, MovesAndDecelerates) {
    Object3d object(Vector(1.0f, 1.0f, 0.0f), Vector(3.0f, 4.0f, 0.0f));
    EXPECT_EQ(object.GetSpeed(), 5.0f); // a moving object keeps its speed from the start
    object.SetDeceleration(2.5f);
    object.Update();
    EXPECT_EQ(object.GetPosition(), Vector(4.0f, 5.0f, 0.0f));
    ExpectNear(object.GetVelocity(), Vector(1.5f, 2.0f, 0.0f));
    EXPECT_FLOAT_EQ(object.GetSpeed(), 2.5f);
    object.SetDeceleration(5.0f);
    object.Update(); // the speed falls below 0 and the velocity turns round
    ExpectNear(object.GetVelocity(), Vector(-1.5f, -2.0f, 0.0f));
    EXPECT_FLOAT_EQ(object.GetSpeed(), 2.5f);
    object.Stop();
    object.Update();
    EXPECT_EQ(object.GetSpeed(), 0.0f);
}

TEST(Object3d, MeshGrowsOnDemandAndTransforms) {
    Object3dLevel5 object;
    EXPECT_EQ(object.GetWorldVertices().GetCount(), Object3dLevel5::kInitialVertices);
    object.SetVertex(1, Vector(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(object.GetVertices().GetCount(), 3);
    object.SetRecord(0, Float3(0.0f, 1.0f, 2.0f));
    EXPECT_EQ(object.GetRecordCount(), 2);
    EXPECT_EQ(object.GetRecord(0)[2], 2.0f);

    object.SetPosition(Vector(0.0f, 0.0f, 10.0f));
    object.SetOrientation(Vector(0.0f, 0.0f, kPi / 2.0f));
    object.Transform(Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1), Vector(5, 0, 0));
    ExpectNear(object.GetWorldVertices().At(1), Vector(0.0f, -1.0f, 10.0f));
    ExpectNear(object.GetCameraVertices().At(1), Vector(5.0f, -1.0f, 10.0f));
    // Both quarter turns together take (0, 1, 0) to (0, 0, -1).
    object.SetOrientation(Vector(kPi / 2.0f, kPi / 2.0f, 0.0f));
    object.SetVertex(0, Vector(0.0f, 1.0f, 0.0f));
    object.Transform(Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1), Vector());
    ExpectNear(object.GetWorldVertices().At(0), Vector(0.0f, 0.0f, 9.0f));
    object.Reset();
    EXPECT_EQ(object.GetVertices().GetCount(), 0);
}

TEST_F(ScreenTest, Object3dFillsItsProjectedTrianglesAndSkipsFacesOfMissingVertices) {
    Object3dLevel5 object;
    // At depth 0 a vertex (x, y) lands on (320 + x, 240 + y); vertex 11 outgrows the ten
    // screen points the object starts with, and vertex 13 lies just beyond the mesh.
    const int16_t corners[4][2] = {{220, 160}, {420, 160}, {220, 320}, {420, 320}};
    const int indices[4] = {0, 1, 2, 11};
    for (int i = 0; i < 4; ++i)
        object.SetVertex(indices[i], Vector(corners[i][0] - 320, corners[i][1] - 240, 0));
    const Float3 faces[] = {{0, 1, 2}, {1, 11, 2}, {0, 11, 13}, {-1, 1, 2}};
    for (int i = 0; i < 4; ++i)
        object.SetRecord(i, faces[i]);
    object.Transform(Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1), Vector());
    ClearTo(0);
    object.Draw(*m_screen);
    const PixelSurface& s = m_screen->GetSurface();
    const std::vector<uint16_t> drawn(s.pixels, s.pixels + 800 * 600);
    ClearTo(0);
    DrawTriangle(*m_screen, Triangle{{corners[0], corners[1], corners[2]}});
    DrawTriangle(*m_screen, Triangle{{corners[1], corners[3], corners[2]}});
    EXPECT_TRUE(std::equal(drawn.begin(), drawn.end(), s.pixels));
    EXPECT_EQ(drawn[200 * 800 + 300], 0xFFFF);
}

TEST(Vert2d, TurnsClockwiseFromPlusY) {
    const Vertex2d vertices[] = {{1.0f, 0.0f}, {0.0f, 3.0f}};
    const uint32_t lines[] = {0, 1};
    Vert2d shape;
    shape.Set(vertices, 2, lines, 1);
    EXPECT_FLOAT_EQ(shape.GetVertex(0).angle, kPi / 2.0f);
    EXPECT_FLOAT_EQ(shape.GetVertex(1).radius, 3.0f);
    shape.SetRotation(kPi / 2.0f);
    shape.ScaleAll(10.0f);
    shape.Transform();
    EXPECT_EQ(shape.GetScreenX(0), 0);
    EXPECT_EQ(shape.GetScreenY(0), -10);
    EXPECT_EQ(shape.GetScreenX(1), 30);
    const Vert2d copy = shape;
    EXPECT_EQ(copy.GetLineCount(), 1);
    EXPECT_FLOAT_EQ(copy.GetVertex(1).radius, 30.0f);
    shape.Clear();
    EXPECT_EQ(shape.GetVertexCount(), 0);
    EXPECT_EQ(shape.GetRotation(), 0.0f);
}

} // namespace
