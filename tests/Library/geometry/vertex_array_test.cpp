#include "Library/geometry/vertex_array.h"

#include "Library/core/test_stream_support.h"

#include <gtest/gtest.h>

namespace {

TEST(VertexArray, AccessWrapsAndAnEmptyArrayGivesZero) {
    VertexArray empty;
    EXPECT_EQ(empty.At(0), Vector());
    EXPECT_EQ(empty.At(-3), Vector());
    const float xs[] = {1.0f, 2.0f, 3.0f}, ys[] = {4.0f, 5.0f, 6.0f}, zs[] = {7.0f, 8.0f, 9.0f};
    VertexArray array(xs, ys, zs, 3);
    EXPECT_EQ(array.At(1), Vector(2.0f, 5.0f, 8.0f));
    EXPECT_EQ(array.At(3), array.At(0));
    array.Resize(4);
    EXPECT_EQ(array.At(3), Vector());
}

TEST(VertexArray, StreamRoundTripAndBoundedCount) {
    const Vector vectors[] = {Vector(1.0f, 2.0f, 3.0f), Vector(-4.0f, 5.0f, 0.5f)};
    const Bytes bytes = StoredForm(VertexArray(vectors, 2));
    ASSERT_EQ(bytes.size(), 28u);
    VertexArray loaded;
    ASSERT_TRUE(ReadFrom(loaded, bytes));
    EXPECT_EQ(StoredForm(loaded), bytes);
    EXPECT_FALSE(ReadFrom(loaded, Cut(bytes, 4)));
    EXPECT_EQ(loaded.GetCount(), 0);
    EXPECT_FALSE(ReadFrom(loaded, {0xFF, 0xFF, 0xFF, 0xFF}));
}

} // namespace
