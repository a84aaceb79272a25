#include "Library/core/test_stream_support.h"
#include "Library/graphics/colour.h"
#include "Library/graphics/colour_offset.h"
#include "Library/graphics/pixel_format.h"
#include "layout_guard.h"

#include <gtest/gtest.h>

namespace {

TEST(Colour, PackAndUnpackRoundTripEveryPixelInBothLayouts) {
    for (int format : {kPixelFormat555, kPixelFormat565}) {
        LayoutGuard layout(format);
        const unsigned used = format == kPixelFormat555 ? 0x7FFF : 0xFFFF;
        for (unsigned pixel = 0; pixel < 0x10000; ++pixel) {
            const Colour colour = Colour::Unpack16(static_cast<uint16_t>(pixel));
            ASSERT_EQ(colour.Pack16(), pixel & used) << format << " " << pixel;
        }
        // Full fields reach the top of the 8-bit range.
        EXPECT_EQ(Colour::Unpack16(static_cast<uint16_t>(used)), Colour(255, 255, 255));
    }
}

TEST(Colour, LayoutConversionMatchesRepackingAndRoundTrips) {
    for (unsigned pixel = 0; pixel < 0x8000; ++pixel) {
        const uint16_t p = static_cast<uint16_t>(pixel);
        const Colour colour = Colour::Unpack<kPixelFormat555>(p);
        const uint16_t wide = Convert555To565(p);
        ASSERT_EQ(wide, PackPixel<kPixelFormat565>(colour.red, colour.green, colour.blue));
        ASSERT_EQ(Convert565To555(wide), p);
    }
    uint16_t pixels[] = {0x7C1F, 0x7FFF};
    ConvertPixels(pixels, 2, kPixelFormat555);
    EXPECT_EQ(pixels[0], 0xF81F); // the key stays the key
    EXPECT_EQ(pixels[1], 0xFFFF);
}

TEST(Colour, StreamFormsAreRedGreenBlue) {
    TestStream out;
    ASSERT_TRUE(Colour(1, 2, 3).Write(out));
    ASSERT_TRUE((ColourOffset{-2, 300, 4}.Write(out)));
    EXPECT_EQ(out.GetBytes(), (Bytes{1, 2, 3, 0xFE, 0xFF, 0x2C, 0x01, 0x04, 0x00}));
    TestStream in(out.GetBytes());
    Colour colour;
    ColourOffset offsets;
    ASSERT_TRUE(colour.Read(in) && offsets.Read(in));
    EXPECT_EQ(colour, Colour(1, 2, 3));
    EXPECT_EQ(offsets, (ColourOffset{-2, 300, 4}));
    EXPECT_FALSE(colour.Read(in));
}

} // namespace
