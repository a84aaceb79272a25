#include "Library/vector.h"

#include "Library/mem_stream.h"
#include "stream_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

constexpr float kPi = 3.14159265358979f;

uint32_t Bits(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    return bits;
}

float FromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, 4);
    return value;
}

void ExpectNear(const Vector& actual, const Vector& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5f);
    EXPECT_NEAR(actual.y, expected.y, 1e-5f);
    EXPECT_NEAR(actual.z, expected.z, 1e-5f);
}

TEST(Vector, StoredAsThreeLittleEndianFloatsKeepingEveryBit) {
    // A NaN with a payload, a negative zero and a denormal must all survive.
    const Vector stored(FromBits(0x7FC12345u), -0.0f, FromBits(0x00000001u));
    MemStream out(kStreamWriteBinary);
    ASSERT_TRUE(stored.Write(out));
    const std::string bytes = testsupport::BytesOf(out);
    EXPECT_EQ(bytes, std::string("\x45\x23\xC1\x7F"
                                 "\x00\x00\x00\x80"
                                 "\x01\x00\x00\x00",
                                 12));

    auto in = testsupport::ReadableStream(bytes);
    Vector loaded(1.0f, 2.0f, 3.0f);
    ASSERT_TRUE(loaded.Read(*in));
    EXPECT_EQ(Bits(loaded.x), 0x7FC12345u);
    EXPECT_EQ(Bits(loaded.y), 0x80000000u);
    EXPECT_EQ(Bits(loaded.z), 0x00000001u);

    auto cut = testsupport::ReadableStream(bytes.substr(0, 11));
    EXPECT_FALSE(loaded.Read(*cut));
    MemStream closed(kStreamClosed);
    EXPECT_FALSE(stored.Write(closed));
}

TEST(Vector, IndexAndComparison) {
    const Vector v(1.0f, 2.0f, 3.0f);
    EXPECT_EQ(v[0], 1.0f);
    EXPECT_EQ(v[2], 3.0f);
    EXPECT_EQ(v[3], 0.0f);
    EXPECT_EQ(v[-1], 0.0f);
    EXPECT_TRUE(v == Vector(1.0f, 2.0f, 3.0f));
    EXPECT_TRUE(v != Vector(1.0f, 2.0f, 3.0001f));
    EXPECT_TRUE((v - v).IsSame(Vector()));
    EXPECT_TRUE(Vector(1.0f, 1.0f, 0.0f).IsOrthogonal(Vector(1.0f, -1.0f, 5.0f)));
}

TEST(Vector, NormalizeAndTruncate) {
    Vector zero;
    zero.Normalize();
    EXPECT_EQ(zero, Vector());
    ExpectNear(VectorNormalized(Vector(3.0f, 0.0f, 4.0f)), Vector(0.6f, 0.0f, 0.8f));
    ExpectNear(VectorTruncate(Vector(3.0f, 0.0f, 4.0f), 2.5f), Vector(1.5f, 0.0f, 2.0f));
    EXPECT_EQ(VectorTruncate(Vector(3.0f, 0.0f, 4.0f), 5.0f), Vector(3.0f, 0.0f, 4.0f));
}

TEST(Vector, SphericalFormRoundTrips) {
    Vector v;
    v.SetSpherical(2.0f, kPi / 2.0f, 0.0f);
    ExpectNear(v, Vector(0.0f, 2.0f, 0.0f));
    v.SetSpherical(4.0f, 3.0f * kPi / 4.0f, 0.5f);
    float length, heading, elevation;
    v.ToSpherical(length, heading, elevation);
    EXPECT_NEAR(length, 4.0f, 1e-5f);
    EXPECT_NEAR(heading, 3.0f * kPi / 4.0f, 1e-5f);
    EXPECT_NEAR(elevation, 0.5f, 1e-5f);
    EXPECT_NEAR(Vector(-1.0f, 0.0f, 0.0f).Heading(), kPi, 1e-5f);
}

TEST(Vector, AxesFormAFrameThatMapsPointsBothWays) {
    Vector heading, up, side;
    BuildAxes(Vector(3.0f, 0.0f, 0.0f), Vector(0.0f, 0.0f, 1.0f), heading, up, side);
    ExpectNear(heading, Vector(1.0f, 0.0f, 0.0f));
    ExpectNear(up, Vector(0.0f, 0.0f, 1.0f));
    ExpectNear(side, Vector(0.0f, 1.0f, 0.0f));

    BuildAxes(Vector(1.0f, 1.0f, 0.0f), Vector(0.0f, 0.0f, 1.0f), heading, up, side);
    EXPECT_NEAR(heading.Dot(side), 0.0f, 1e-6f);
    EXPECT_NEAR(side.Length(), 1.0f, 1e-6f);
    const Vector origin(10.0f, -4.0f, 0.0f);
    const Vector point(12.0f, -1.0f, 0.5f);
    Vector local, world;
    PointToLocalSpace(heading, up, side, origin, point, local);
    EXPECT_NEAR(local.x, 5.0f / std::sqrt(2.0f), 1e-5f);
    PointToWorldSpace(heading, up, side, origin, local, world);
    ExpectNear(world, point);
}

TEST(Vector, ProjectionClampsToSixteenBits) {
    int16_t x = 0, y = 0;
    Vector(100.0f, -50.0f, 200.0f).Project(x, y, 400.0f);
    EXPECT_EQ(x, 200);
    EXPECT_EQ(y, -100);
    Vector(100.0f, -50.0f, 400.0f).Project(x, y, 400.0f); // at the eye
    EXPECT_EQ(x, INT16_MAX);
    EXPECT_EQ(y, INT16_MIN);
    Vector(0.0f, 0.0f, 400.0f).Project(x, y, 400.0f);
    EXPECT_EQ(x, 0);
}

TEST(Vector, RoundingAndCross) {
    EXPECT_EQ(VectorFloored(Vector(1.5f, -1.5f, 2.0f)), Vector(1.0f, -2.0f, 2.0f));
    EXPECT_EQ(VectorCeiled(Vector(1.5f, -1.5f, 2.0f)), Vector(2.0f, -1.0f, 2.0f));
    EXPECT_EQ(VectorCross(Vector(1.0f, 0.0f, 0.0f), Vector(0.0f, 1.0f, 0.0f)),
              Vector(0.0f, 0.0f, 1.0f));
    EXPECT_EQ(Vector(1.0f, 0.0f, 0.0f).Cross2d(Vector(0.0f, 1.0f, 0.0f)), 1.0f);
}

} // namespace
