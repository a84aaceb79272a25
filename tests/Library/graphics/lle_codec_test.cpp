#include "Library/graphics/lle_codec.h"

#include "Library/files/mem_stream.h"
#include "Library/graphics/blit_state.h"
#include "Library/graphics/encoded_frame.h"
#include "Library/graphics/graphic.h"
#include "Library/graphics/screen.h"
#include "Library/graphics/surface_ptr.h"
#include "image_files.h"
#include "layout_guard.h"

#include "Library/core/test_stream_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr uint8_t kClear = 0; // the transparent index of these tests

// The encoded rows, or nothing when the encoder refuses.
std::vector<uint8_t> Encode(const std::vector<uint8_t>& pixels, int width, int height) {
    LleSetTransparentIndex(kClear);
    uint32_t length = 99;
    const std::unique_ptr<uint8_t[]> data = LleEncode(pixels.data(), width, width, height, length);
    return data ? std::vector<uint8_t>(data.get(), data.get() + length) : std::vector<uint8_t>();
}

SurfacePtr SurfaceOf(const std::vector<uint8_t>& pixels, int width, int height) {
    SurfacePtr surface = MakeSurface8(width, height);
    for (int y = 0; y < height; ++y)
        std::copy_n(pixels.data() + y * width, width,
                    static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
    SDL_SetColorKey(surface.get(), SDL_SRCCOLORKEY, kClear);
    return surface;
}

std::vector<uint8_t> PixelsOf(SDL_Surface* surface, int width, int height) {
    std::vector<uint8_t> pixels;
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
        pixels.insert(pixels.end(), row, row + width);
    }
    return pixels;
}

// Encoded into a frame, written, read back and decoded onto a fresh surface.
std::vector<uint8_t> RoundTrip(const std::vector<uint8_t>& pixels, int width, int height) {
    EncodedFrame built;
    EXPECT_TRUE(built.BuildFrom(SurfaceOf(pixels, width, height).get(), 3, 4, 5));
    MemStream stored(kStreamWriteBinary);
    EXPECT_TRUE(built.Write(stored));
    const auto readable = testsupport::ReadableStream(testsupport::BytesOf(stored));
    EncodedFrame read;
    EXPECT_TRUE(read.Read(*readable));
    EXPECT_EQ(read.GetOffsetX() + read.GetFlag(), 8);
    SurfacePtr target = MakeSurface8(width, height);
    EXPECT_TRUE(read.Decode(target.get()));
    return PixelsOf(target.get(), width, height);
}

TEST(LleCodec, RowsTakeTheShortestForm) {
    EXPECT_EQ(Encode({0, 0, 0, 0}, 4, 1), (std::vector<uint8_t>{0}));
    EXPECT_EQ(Encode({1, 2, 3}, 3, 1), (std::vector<uint8_t>{1, 1, 2, 3}));
    EXPECT_EQ(Encode({0, 0, 4, 5, 0, 6}, 6, 1), (std::vector<uint8_t>{3, 2, 2, 4, 5, 1, 1, 6}));
}

TEST(LleCodec, LongGapsAndRunsSplitAndRoundTrip) {
    // 300 clear, 300 opaque, 300 clear, 300 opaque: each stretch is longer than a byte counts
    const int width = 1200;
    std::vector<uint8_t> pixels(width, kClear);
    for (int x = 300; x < 600; ++x)
        pixels[x] = static_cast<uint8_t>(1 + x % 250);
    for (int x = 900; x < 1200; ++x)
        pixels[x] = static_cast<uint8_t>(1 + x % 251);
    const std::vector<uint8_t> encoded = Encode(pixels, width, 1);
    ASSERT_GE(encoded.size(), 3u);
    // Gap split, run split, gap split, run split: six runs, the first 255 clear and none.
    EXPECT_EQ(std::vector<uint8_t>(encoded.begin(), encoded.begin() + 3),
              (std::vector<uint8_t>{7, 255, 0}));
    EXPECT_EQ(RoundTrip(pixels, width, 1), pixels);
}

TEST(LleCodec, RowsOfTooManyRunsAreRefused) {
    std::vector<uint8_t> pixels(2 * 254, kClear);
    for (size_t x = 1; x < pixels.size(); x += 2)
        pixels[x] = 9;
    EXPECT_FALSE(Encode(pixels, static_cast<int>(pixels.size()), 1).empty()); // 254 runs
    pixels.push_back(kClear);
    pixels.push_back(9);
    EXPECT_TRUE(Encode(pixels, static_cast<int>(pixels.size()), 1).empty());
    EncodedFrame frame; // and the frame built from such a row fails too
    EXPECT_FALSE(
        frame.BuildFrom(SurfaceOf(pixels, static_cast<int>(pixels.size()), 1).get(), 0, 0, 0));
}

TEST(LleCodec, DrawsOnlyFramesWhollyInsideTheClip) {
    const std::vector<uint8_t> pixels{7, 0, 7, 7, 7, 7};
    const std::vector<uint8_t> encoded = Encode(pixels, 3, 2);
    SurfacePtr target = MakeSurface8(8, 8);
    SDL_FillRect(target.get(), nullptr, 1);
    LleSetClipRect(0, 0, 4, 4);
    LleDraw(target.get(), encoded.data(), 2, 2, 3, 2); // reaches x = 5
    EXPECT_EQ(PixelsOf(target.get(), 8, 8), std::vector<uint8_t>(64, 1));
    LleSetClipRect(0, 0, 8, 8);
    LleDraw(target.get(), encoded.data(), 6, 0, 3, 2); // past the surface
    EXPECT_EQ(PixelsOf(target.get(), 8, 8), std::vector<uint8_t>(64, 1));
    LleDraw(target.get(), encoded.data(), 1, 1, 3, 2);
    const std::vector<uint8_t> shown = PixelsOf(target.get(), 8, 8);
    EXPECT_EQ(std::vector<uint8_t>(shown.begin() + 9, shown.begin() + 12),
              (std::vector<uint8_t>{7, 1, 7})); // transparent leaves the surface
}

TEST(EncodedFrame, DecodeIntoASmallerSurfaceFails) {
    EncodedFrame frame;
    ASSERT_TRUE(frame.BuildFrom(SurfaceOf(std::vector<uint8_t>(12, 3), 4, 3).get(), 0, 0, 0));
    EXPECT_FALSE(frame.Decode(MakeSurface8(3, 3).get()));
    EXPECT_FALSE(frame.Decode(MakeSurface8(4, 2).get()));
}

TEST(EncodedFrame, OutlineMatchesTheSixteenBitImagesOutline) {
    const LayoutGuard layout(kPixelFormat565);
    const int width = 300, height = 5;
    std::vector<uint8_t> pixels(width * height, kClear);
    Graphic image;
    ASSERT_TRUE(image.Create(width, height));
    image.Fill(g_encodingKey);
    for (int y = 1; y < height; ++y)
        for (int x = (y * 37) % 11; x < width - y * 3; ++x)
            if ((x + y) % 97 != 0 || y == 2) { // row 2 holds one run longer than 255
                pixels[y * width + x] = 5;
                image.SetPixel(x, y, 0x1234);
            }
    ASSERT_TRUE(image.Encode());
    EncodedFrame frame;
    ASSERT_TRUE(frame.BuildFrom(SurfaceOf(pixels, width, height).get(), 2, 1, 0));

    const BlitStateScope blitState;
    Graphic::SetBlitMode(11);
    const Rect savedClip = g_clipRect;
    g_clipRect = Rect{0, 0, 310, 10};
    std::vector<uint16_t> expected(310 * 10), drawn(310 * 10);
    PixelSurface surface{expected.data(), 310, 10, 310};
    image.Draw(surface, 4, 2);
    surface.pixels = drawn.data();
    frame.DrawOutline(surface, 2, 1);
    g_clipRect = savedClip;
    EXPECT_EQ(drawn, expected);
    EXPECT_NE(drawn, std::vector<uint16_t>(310 * 10));
}

// Frame form: u16 width, u16 height, u16 x, u16 y, u8 flag, u32 length, rows.
std::string StoredFrame(uint16_t width, uint16_t height, const std::vector<uint8_t>& rows,
                        uint32_t length) {
    std::string bytes;
    for (const uint16_t value : {width, height, uint16_t{0}, uint16_t{0}})
        Append(bytes, value);
    Append(bytes, uint8_t{0});
    Append(bytes, length);
    bytes.append(rows.begin(), rows.end());
    return bytes;
}

TEST(EncodedFrame, ReadRefusesRowsTheDataOrWidthCannotHold) {
    const auto reads = [](const std::string& bytes) {
        EncodedFrame frame;
        const bool read = frame.Read(*testsupport::ReadableStream(bytes));
        EXPECT_EQ(frame.GetDataLength(), read ? frame.GetDataLength() : 0u);
        return read;
    };
    EXPECT_TRUE(reads(StoredFrame(4, 2, {0, 2, 1, 2, 5, 6}, 6)));
    EXPECT_FALSE(reads(StoredFrame(4, 2, {0, 2, 3, 2, 5, 6}, 6)));    // run past the width
    EXPECT_FALSE(reads(StoredFrame(4, 2, {0, 3, 0, 2, 5, 6}, 6)));    // runs past the data
    EXPECT_FALSE(reads(StoredFrame(4, 3, {0, 2, 1, 2, 5, 6}, 6)));    // a row missing
    EXPECT_FALSE(reads(StoredFrame(4, 1, {0, 2, 1, 2, 5, 6}, 6)));    // bytes left over
    EXPECT_FALSE(reads(StoredFrame(4, 2, {0, 1, 1, 2, 3}, 5)));       // raw row cut short
    EXPECT_FALSE(reads(StoredFrame(4, 2, {0, 2, 1, 2, 5, 6}, 4000))); // length past the end
}

} // namespace
