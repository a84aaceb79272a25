#include "Library/graphics/indexed_bitmap.h"

#include "Library/core/test_stream_support.h"
#include "image_files.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Typed from the format: 3 x 2 pixels, 8 bits, two palette entries.
const Bytes kGolden = {
    'B', 'M', 70, 0, 0,   0, 0,   0, 0, 0, 62, 0, 0, 0, // file header: size 70, rows at 62
    40,  0,   0,  0, 3,   0, 0,   0, 2, 0, 0,  0,       // information header: 40 bytes, 3 x 2
    1,   0,   8,  0, 0,   0, 0,   0, 8, 0, 0,  0,       // 1 plane, 8 bits, uncompressed, 8 bytes
    0,   0,   0,  0, 0,   0, 0,   0, 2, 0, 0,  0, 0, 0, 0, 0, // 2 colours used
    30,  20,  10, 0, 128, 0, 255, 0,                          // (10, 20, 30), (255, 0, 128)
    1,   0,   1,  0,                                          // bottom row, padded to 4 bytes
    0,   1,   1,  0,                                          // top row
};

TEST(IndexedBitmap, TheTypedFormReadsAndWritesBackByteForByte) {
    IndexedBitmap bitmap;
    TestStream in(kGolden);
    ASSERT_TRUE(bitmap.Read(in, "golden.bmp"));
    EXPECT_EQ(bitmap.GetWidth(), 3);
    EXPECT_EQ(bitmap.GetHeight(), 2);
    EXPECT_EQ(bitmap.GetPaletteCount(), 2);
    EXPECT_EQ(bitmap.GetIndex(0, 0), 0);
    EXPECT_EQ(bitmap.GetIndex(1, 0), 1);
    EXPECT_EQ(bitmap.GetIndex(1, 1), 0);
    EXPECT_EQ(bitmap.GetColourAt(2, 0), Colour(255, 0, 128));
    EXPECT_EQ(bitmap.GetPalette()[200].r, 0); // entries the file does not store are black
    EXPECT_EQ(StoredForm(bitmap), kGolden);

    IndexedBitmap made;
    ASSERT_TRUE(made.Create(3, 2, 2));
    made.SetPaletteEntry(0, Colour(10, 20, 30));
    made.SetPaletteEntry(1, Colour(255, 0, 128));
    made.SetPaletteEntry(2, Colour(1, 1, 1)); // beyond the count: ignored
    for (auto [x, y] : {std::pair{1, 0}, {2, 0}, {0, 1}, {2, 1}})
        made.SetIndex(x, y, 1);
    EXPECT_EQ(StoredForm(made), kGolden);
    EXPECT_FALSE(made.Create(0, 2, 2) || made.Create(2, 2, 0) || made.Create(2, 2, 257));
    EXPECT_TRUE(StoredForm(IndexedBitmap()).empty());
}

TEST(IndexedBitmap, CutOrForgedFilesFailAndLeaveTheBitmap) {
    IndexedBitmap bitmap;
    TestStream golden(kGolden);
    ASSERT_TRUE(bitmap.Read(golden, "golden.bmp"));
    std::vector<Bytes> bad = {
        With(kGolden, 28, uint16_t{24}),         // not 8 bits
        With(kGolden, 28, uint16_t{40}),         // no bit count at all
        With(kGolden, 46, uint32_t{300}),        // a palette of more than 256 colours
        With(kGolden, 46, uint32_t{200}),        // a palette past the end
        With(kGolden, 18, int32_t{4000}),        // rows past the end
        With(kGolden, 22, int32_t{-2}),          // rows stored top first
        With(kGolden, 30, uint32_t{1}),          // compressed
        With(kGolden, 10, uint32_t{0xFFFFFF00}), // rows beyond the file
    };
    for (size_t size = 0; size < kGolden.size(); ++size)
        bad.emplace_back(kGolden.begin(), kGolden.begin() + size);
    ::testing::internal::CaptureStderr();
    for (const Bytes& bytes : bad) {
        TestStream in(bytes);
        EXPECT_FALSE(bitmap.Read(in, "bad.bmp"));
        EXPECT_EQ(StoredForm(bitmap), kGolden);
    }
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("bad.bmp: not an 8-bit bitmap"),
              std::string::npos);
}

} // namespace
