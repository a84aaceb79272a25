#include "Library/core/vector.h"

#include "Library/files/mem_stream.h"

#include "test_stream_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

uint32_t Bits(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return bits;
}

void ExpectNear(const Vector& actual, const Vector& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

TEST(Vector, StoredAsThreeLittleEndianFloatsKeepingEveryBit) {
    // A NaN with a payload, a negative zero and a denormal must all survive.
    const std::string bytes("\x45\x23\xC1\x7F\x00\x00\x00\x80\x01\x00\x00\x00", 12);
    Vector loaded;
    ASSERT_TRUE(loaded.Read(*testsupport::ReadableStream(bytes)));
    EXPECT_EQ(Bits(loaded.x), 0x7FC12345u);
    EXPECT_EQ(Bits(loaded.y), 0x80000000u);
    EXPECT_EQ(Bits(loaded.z), 0x00000001u);
    MemStream out(kStreamWriteBinary);
    ASSERT_TRUE(loaded.Write(out));
    EXPECT_EQ(testsupport::BytesOf(out), bytes);
    EXPECT_FALSE(loaded.Read(*testsupport::ReadableStream(bytes.substr(0, 11))));
}

// The frame of a heading: up loses its part along the heading, side = up x heading.
TEST(Vector, AxesFormAFrameThatMapsPointsBothWays) {
    Vector heading, up, side;
    BuildAxes(Vector(2.0f, 2.0f, 0.0f), Vector(0.5f, 0.0f, 1.0f), heading, up, side);
    const float h = std::sqrt(0.5f), u = 1.0f / std::sqrt(18.0f);
    ExpectNear(heading, Vector(h, h, 0.0f));
    ExpectNear(up, Vector(u, -u, 4.0f * u));
    ExpectNear(side, Vector(-2.0f / 3.0f, 2.0f / 3.0f, 1.0f / 3.0f));
    const Vector origin(10.0f, -4.0f, 0.0f), point(12.0f, -1.0f, 0.5f);
    Vector local, world;
    PointToLocalSpace(heading, up, side, origin, point, local);
    ExpectNear(local, Vector(5.0f * h, u, 5.0f / 6.0f));
    PointToWorldSpace(heading, up, side, origin, local, world);
    ExpectNear(world, point);
}

TEST(Vector, ProjectionClampsToSixteenBits) {
    int16_t x = 0, y = 0;
    Vector(100.0f, -50.0f, 200.0f).Project(x, y, 400.0f);
    EXPECT_EQ(x * 1000 + y, 200000 - 100);
    Vector(100.0f, -50.0f, 400.0f).Project(x, y, 400.0f); // at the eye
    EXPECT_EQ(x, INT16_MAX);
    EXPECT_EQ(y, INT16_MIN);
    Vector(0.0f, 0.0f, 400.0f).Project(x, y, 400.0f); // no division by zero
    EXPECT_EQ(x | y, 0);
}

} // namespace
