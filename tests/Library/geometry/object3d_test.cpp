#include "Library/geometry/object3d_level5.h"

#include "Library/graphics/screen_fixture.h"
#include "Library/graphics/triangle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

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
    object.SetDeceleration(5.0f);
    object.Update(); // the speed falls below 0 and the velocity turns round
    ExpectNear(object.GetVelocity(), Vector(-1.5f, -2.0f, 0.0f));
}

// Every level starts from nothing, a position or one with a velocity, or copies another,
// its mesh and placed vertices its own.
TEST(Object3d, MeshLevelsConstructLikeTheRestAndCopyTheirMesh) {
    const Vector at(1, 2, 3), velocity(0, 3, 4);
    const Object3dLevel4 four(at, velocity);
    const Object3dLevel5 five(at, velocity);
    for (const Object3d* object : std::initializer_list<const Object3d*>{&four, &five}) {
        EXPECT_EQ(object->GetPosition(), at);
        EXPECT_EQ(object->GetSpeed(), 5.0f);
    }
    EXPECT_EQ(Object3dLevel4(at).GetPosition(), at);
    EXPECT_EQ(Object3dLevel5(at).GetSpeed(), 0.0f);
    EXPECT_EQ(five.GetWorldVertices().GetCount(), Object3dLevel5::kInitialVertices);

    Object3dLevel5 original(at);
    original.SetVertex(0, Vector(1, 0, 0));
    original.SetRecord(0, Float3(0, 1, 2));
    original.SetColour(0x1234);
    original.Transform(Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1), Vector());
    const Object3dLevel5 copy(original);
    original.SetVertex(0, Vector(9, 9, 9));
    original.SetRecord(0, Float3(3, 4, 5));
    original.Transform(Vector(1, 0, 0), Vector(0, 1, 0), Vector(0, 0, 1), Vector());
    EXPECT_EQ(copy.GetVertices().At(0), Vector(1, 0, 0));
    EXPECT_EQ(copy.GetRecord(0)[2], 2.0f);
    EXPECT_EQ(copy.GetWorldVertices().At(0), Vector(2, 2, 3));
    EXPECT_EQ(copy.GetColour(), 0x1234);
    const Object3dLevel4 meshCopy(copy);
    EXPECT_EQ(meshCopy.GetRecordCount(), copy.GetRecordCount());
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

} // namespace
