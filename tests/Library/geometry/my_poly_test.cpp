#include "Library/geometry/my_poly.h"

#include "Library/core/test_stream_support.h"

#include <gtest/gtest.h>

namespace {

void MakeSquare(MyPoly& poly, float size) {
    poly.Allocate(4);
    poly.SetVertex(0, Vector(0.0f, 0.0f, 0.0f));
    poly.SetVertex(1, Vector(size, 0.0f, 0.0f));
    poly.SetVertex(2, Vector(size, size, 0.0f));
    poly.SetVertex(3, Vector(0.0f, size, 0.0f));
    poly.ComputeEdges();
}

TEST(MyPoly, RingEdgesOutwardNormalsAndCentroid) {
    MyPoly square;
    MakeSquare(square, 4.0f);
    EXPECT_EQ(square.GetEdge(3).end, &square.GetVertex(0));
    EXPECT_EQ(square.GetNormal(0), Vector(0.0f, -1.0f, 0.0f));
    EXPECT_EQ(square.GetNormal(1), Vector(1.0f, 0.0f, 0.0f));
    EXPECT_EQ(square.GetDistance(2), 4.0f);
    Vector centre(9.0f, 9.0f, 9.0f);
    square.Centroid(centre);
    EXPECT_EQ(centre, Vector(2.0f, 2.0f, 0.0f));
    MyPoly().Centroid(centre); // nothing to average: unchanged
    EXPECT_EQ(centre, Vector(2.0f, 2.0f, 0.0f));

    MyPoly single(1);
    single.SetVertex(0, Vector(3.0f, 3.0f, 0.0f));
    single.ComputeEdges();
    EXPECT_EQ(single.GetNormal(0), Vector());
}

TEST(MyPoly, StoredAsACountThenTheVerticesWithBoundedCounts) {
    MyPoly square;
    MakeSquare(square, 4.0f);
    const Bytes bytes = StoredForm(square);
    ASSERT_EQ(bytes.size(), 4u + 4u * 12u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{4, 0, 0, 0}));
    MyPoly loaded;
    ASSERT_TRUE(ReadFrom(loaded, bytes));
    EXPECT_EQ(StoredForm(loaded), bytes);
    EXPECT_EQ(loaded.GetVertex(1), Vector(4.0f, 0.0f, 0.0f));

    // A count the remaining bytes cannot hold is refused before anything is allocated.
    EXPECT_FALSE(ReadFrom(loaded, Cut(bytes)));
    EXPECT_EQ(loaded.GetCount(), 0);
    EXPECT_FALSE(ReadFrom(loaded, {0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3}));
}

} // namespace
